#pragma once
// The toolbar's images, drawn for this program; the
// desktop's icon theme is used where it has an image of the same meaning.
#include <QIcon>

class QMenu;
class QWidget;

namespace nivora::app {

QIcon CommandIcon(int command);
// The submenu "Fahrbahnoberfläche": every entry shown, none offered.
QMenu* RoadSurfaceMenu(QWidget* parent);

}  // namespace nivora::app
