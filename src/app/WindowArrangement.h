#pragma once
// The four arrange commands of the "Fenster" menu over the document windows,
// and the numbered list of those windows that the menu ends with.
#include <QList>
#include <QString>

class QMdiArea;
class QMdiSubWindow;

namespace nivora::app {

// Windows that are not minimised, side by side in columns of the full height.
void TileSideBySide(QMdiArea& area);
// Windows that are not minimised, one above the other in rows of the full width.
void TileOneAboveTheOther(QMdiArea& area);
// Overlapping from the top left, each offset by a title bar, each at least
// two thirds of the area so that it stays usable however many there are.
void Cascade(QMdiArea& area);
// Minimised windows in a row along the bottom edge, left to right, further
// rows above when one is full.
void ArrangeIcons(QMdiArea& area);

// The menu text of the n-th window (from 1): "&1 title" for the first nine,
// "10 title" after them; an "&" in the title stays a character.
QString WindowListText(int n, const QString& title);

}  // namespace nivora::app
