#pragma once
// Default column widths on this desktop. The lists' widths are given in
// pixels of the original dialog font, MS Sans Serif 8 pt at 96 dpi, whose
// dialog base unit (the average width of the letters A-Z and a-z) is 6
// pixels; here they grow by the same measure of the desktop font, and never
// below what the heading needs.
#include <QString>

class QFont;
class QWidget;

namespace nivora::app {

class CPersListCtrl;

inline constexpr double kOriginalCharWidth = 6.0;

// Average width of the letters A-Z and a-z in the font, in pixels.
double AverageLetterWidth(const QFont& font);

// The default width of a column of the list: pixels scaled to the list's
// font, at least the heading's width; 0 (a hidden column) stays 0.
int DefaultColumnWidth(const CPersListCtrl& list, const QString& heading, int pixels);

// Pixels a text needs in a cell or a heading of the list, margins included.
int CellWidthNeeded(const CPersListCtrl& list, const QString& text);
int HeadingWidthNeeded(const CPersListCtrl& list, const QString& heading);

// Width the list needs to show all its columns side by side, frame and
// vertical scroll bar included.
int ListWidthNeeded(const CPersListCtrl& list);

// Widens a dialog so that its list shows all columns, within the screen.
void WidenForList(QWidget& dialog, const CPersListCtrl& list);

// Widens every visible column to its widest cell (up to a limit), unless
// the widths came from the settings store: stored widths win.
void FitColumnsToCells(CPersListCtrl& list);

}  // namespace nivora::app
