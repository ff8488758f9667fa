#include "lists/ColumnWidths.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "lists/PersListCtrl.h"

namespace nivora::app {

namespace {
// A remark may be long; a column does not grow past this by itself.
constexpr int kWidestFitted = 600;
}  // namespace

double AverageLetterWidth(const QFont& font) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QFontMetricsF(font).horizontalAdvance(letters) / letters.size();
}

int HeadingWidthNeeded(const CPersListCtrl& list, const QString& heading) {
    const QHeaderView* header = list.header();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return header->fontMetrics().horizontalAdvance(heading) + 2 * margin + 4;
}

int CellWidthNeeded(const CPersListCtrl& list, const QString& text) {
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    // The evaluation list draws its text 3 pixels in; the larger of both serves both lists.
    return list.fontMetrics().horizontalAdvance(text) + std::max(2 * margin, 3) + 4;
}

int DefaultColumnWidth(const CPersListCtrl& list, const QString& heading, int pixels) {
    if (pixels <= 0) return 0;
    const double scale = AverageLetterWidth(list.font()) / kOriginalCharWidth;
    const int scaled = static_cast<int>(std::lround(pixels * std::max(1.0, scale)));
    return std::max(scaled, HeadingWidthNeeded(list, heading));
}

int ListWidthNeeded(const CPersListCtrl& list) {
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    return list.header()->length() + 2 * list.frameWidth() + scrollBar + 2;
}

void WidenForList(QWidget& dialog, const CPersListCtrl& list) {
    const QMargins m = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
    int wanted = ListWidthNeeded(list) + m.left() + m.right();
    if (const QScreen* screen = dialog.screen())
        wanted = std::min(wanted, screen->availableGeometry().width() * 9 / 10);
    if (wanted > dialog.width()) dialog.resize(wanted, dialog.height());
}

void FitColumnsToCells(CPersListCtrl& list) {
    if (list.WidthsRestored()) return;
    QHeaderView* header = list.header();
    for (int c = 0; c < list.columnCount(); ++c) {
        if (header->sectionSize(c) == 0) continue;  // hidden until dragged open
        int widest = header->sectionSize(c);
        for (int r = 0; r < list.topLevelItemCount(); ++r)
            widest = std::max(
                widest,
                std::min(kWidestFitted, CellWidthNeeded(list, list.topLevelItem(r)->text(c))));
        header->resizeSection(c, widest);
    }
}

}  // namespace nivora::app
