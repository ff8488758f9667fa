#pragma once
// The program's icon, drawn rather than shipped: a straightedge resting on
// an uneven road profile.
#include <QIcon>
#include <QPixmap>

namespace nivora::app {

QPixmap ProgramPixmap(int size);
QIcon ProgramIcon();

}  // namespace nivora::app
