#include "WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

namespace nivora::app {

namespace {

QList<QMdiSubWindow*> Shown(QMdiArea& area, bool minimised) {
    QList<QMdiSubWindow*> out;
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && w->isMinimized() == minimised) out << w;
    return out;
}

// Room left above the row of minimised windows, so that tiles do not cover them.
int IconRowsHeight(QMdiArea& area) {
    int rows = 0;
    for (QMdiSubWindow* w : Shown(area, true)) rows = std::max(rows, w->height());
    return rows;
}

void Tile(QMdiArea& area, bool sideBySide) {
    QList<QMdiSubWindow*> windows = Shown(area, false);
    if (windows.isEmpty()) return;
    const QRect room = area.viewport()->rect().adjusted(0, 0, 0, -IconRowsHeight(area));
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized()) w->showNormal();
        QRect r;
        if (sideBySide) {
            const int x0 = room.left() + room.width() * i / n;
            const int x1 = room.left() + room.width() * (i + 1) / n;
            r = QRect(x0, room.top(), x1 - x0, room.height());
        } else {
            const int y0 = room.top() + room.height() * i / n;
            const int y1 = room.top() + room.height() * (i + 1) / n;
            r = QRect(room.left(), y0, room.width(), y1 - y0);
        }
        w->setGeometry(r);
    }
}

}  // namespace

void TileSideBySide(QMdiArea& area) { Tile(area, true); }

void TileOneAboveTheOther(QMdiArea& area) { Tile(area, false); }

void Cascade(QMdiArea& area) {
    QList<QMdiSubWindow*> windows = Shown(area, false);
    if (windows.isEmpty()) return;
    const QRect room = area.viewport()->rect().adjusted(0, 0, 0, -IconRowsHeight(area));
    const int step =
        std::max(16, area.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows[0]));
    const int n = static_cast<int>(windows.size());
    const int w = std::max(room.width() * 2 / 3, room.width() - step * (n - 1));
    const int h = std::max(room.height() * 2 / 3, room.height() - step * (n - 1));
    // How many steps fit before a window would leave the area; then start again.
    const int fit =
        std::max(1, 1 + std::min((room.width() - w) / step, (room.height() - h) / step));
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized()) window->showNormal();
        const int k = i % fit;
        window->setGeometry(room.left() + k * step, room.top() + k * step, w, h);
        window->raise();
    }
}

void ArrangeIcons(QMdiArea& area) {
    const QRect room = area.viewport()->rect();
    int x = room.left(), y = room.bottom() + 1, rowHeight = 0;
    for (QMdiSubWindow* w : Shown(area, true)) {
        const QSize s = w->size();
        if (x > room.left() && x + s.width() > room.right() + 1) {
            x = room.left();
            y -= rowHeight;
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, s.height());
        w->move(x, y - s.height());
        x += s.width();
    }
}

QString WindowListText(int n, const QString& title) {
    QString shown = title;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return (n <= 9 ? QStringLiteral("&%1 ") : QStringLiteral("%1 ")).arg(n) + shown;
}

}  // namespace nivora::app
