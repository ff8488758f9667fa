#include "Icons.h"

#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>

#include "Commands.h"
#include "document/Zi4Verwaltung.h"

namespace nivora::app {

namespace {

// Draws a 32 x 30 image (twice the button size, for sharp scaling).
template <typename F>
QIcon Drawn(F&& draw) {
    QPixmap pixmap(32, 30);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

const QColor kInk(40, 60, 90);
const QColor kPaper(250, 250, 245);
const QColor kAccent(200, 40, 40);

void Page(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(kPaper);
    p.drawRect(7, 2, 18, 25);
}

void Lines(QPainter& p, int from = 8) {
    p.setPen(QPen(kInk, 1.5));
    for (int y = from; y < 25; y += 4) p.drawLine(10, y, 22, y);
}

void Glass(QPainter& p, int x, int y) {
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(180, 210, 240));
    p.drawEllipse(x, y, 12, 12);
    p.drawLine(x + 11, y + 11, x + 16, y + 16);
}

void Letter(QPainter& p, const QString& text) {
    Page(p);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRect(7, 2, 18, 25), Qt::AlignCenter, text);
}

QIcon Fallback(int command) {
    switch (command) {
        case kOpen:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                p.setBrush(QColor(240, 200, 90));
                p.drawPolygon(QPolygon({{2, 8}, {12, 8}, {15, 11}, {29, 11}, {29, 27}, {2, 27}}));
            });
        case kPreviewDiagram:
            return Drawn([](QPainter& p) {
                Page(p);
                Lines(p);
                Glass(p, 13, 11);
            });
        case kPrintDiagram:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                p.setBrush(kPaper);
                p.drawRect(9, 2, 14, 10);
                p.setBrush(QColor(170, 180, 195));
                p.drawRoundedRect(3, 11, 26, 11, 2, 2);
                p.setBrush(kPaper);
                p.drawRect(9, 18, 14, 10);
            });
        case kPreviewEvaluation:
            return Drawn([](QPainter& p) {
                Letter(p, QStringLiteral("p²"));
                Glass(p, 15, 13);
            });
        case 32780:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("K")); });
        case 32813:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("H")); });
        case 32807:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("T")); });
        case 32799:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("T…")); });
        case 32808:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("B")); });
        case 32809:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("B…")); });
        case kFileViewer:
            return Drawn([](QPainter& p) {
                Page(p);
                p.setPen(QPen(kInk, 1.5));
                for (int y = 7; y < 25; y += 3) p.drawLine(10, y, 14 + (y * 7) % 9, y);
            });
        case kZoomStep:
            return Drawn([](QPainter& p) { Glass(p, 5, 4); });
        case kPageBack:
        case kPageForward:
            return Drawn([command](QPainter& p) {
                p.setPen(Qt::NoPen);
                p.setBrush(kInk);
                const bool back = command == kPageBack;
                QPolygon arrow({{back ? 4 : 28, 15},
                                {back ? 16 : 16, 4},
                                {back ? 16 : 16, 10},
                                {back ? 28 : 4, 10},
                                {back ? 28 : 4, 20},
                                {16, 20},
                                {16, 26}});
                p.drawPolygon(arrow);
            });
        case kToggleGrid:
            return Drawn([](QPainter& p) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(170, 170, 170));
                for (int x = 3; x < 29; x += 8) p.drawRect(x, 4, 4, 22);
                p.setPen(QPen(kAccent, 2));
                p.drawPolyline(QPolygon({{2, 18}, {9, 12}, {16, 20}, {23, 9}, {30, 14}}));
            });
        case kToggleStrips:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                p.setBrush(kPaper);
                for (int y = 3; y < 26; y += 8) p.drawRect(3, y, 26, 6);
            });
        case kNextExceedance:
        case kPreviousExceedance:
            // A limit line with a peak over it and an arrow along the run.
            return Drawn([command](QPainter& p) {
                const bool next = command == kNextExceedance;
                p.setPen(QPen(kAccent, 1.5, Qt::DashLine));
                p.drawLine(2, 12, 30, 12);
                p.setPen(QPen(kInk, 2));
                p.drawPolyline(QPolygon({{2, 18}, {10, 17}, {16, 5}, {22, 17}, {30, 18}}));
                p.setPen(Qt::NoPen);
                p.setBrush(kAccent);
                const int tip = next ? 30 : 2, base = next ? 20 : 12, back = next ? 6 : 26;
                p.drawPolygon(QPolygon({{tip, 25}, {base, 20}, {base, 30}}));
                p.fillRect(QRect(std::min(back, base), 23, std::abs(base - back), 4), kAccent);
            });
        case 32830:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                p.setBrush(QBrush(kInk, Qt::BDiagPattern));
                p.drawRect(4, 6, 24, 18);
            });
        default:
            return {};
    }
}

const char* ThemeName(int command) {
    switch (command) {
        case kOpen:
            return "document-open";
        case kPreviewDiagram:
            return "document-print-preview";
        case kPrintDiagram:
            return "document-print";
        case kZoomStep:
            return "zoom-in";
        case kPageBack:
            return "go-previous";
        case kPageForward:
            return "go-next";
        default:
            return nullptr;
    }
}

}  // namespace

QIcon CommandIcon(int command) {
    const char* theme = ThemeName(command);
    return theme ? QIcon::fromTheme(QString::fromLatin1(theme), Fallback(command))
                 : Fallback(command);
}

QMenu* RoadSurfaceMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Fahrbahnoberfläche"), parent);
    // In menu order; "|" separates the groups.
    static const char* const kEntries[] = {"---",
                                           "AC 5 D L",
                                           "AC 5 D LOA",
                                           "AC 5 D LW",
                                           "AC 8 D L",
                                           "AC 8 D LW",
                                           "AC 8 D N",
                                           "AC 8 D S",
                                           "AC 11 B N",
                                           "AC 11 D L",
                                           "AC 11 D LW",
                                           "AC 11 D N",
                                           "AC 11 D S",
                                           "AC 11 D SP",
                                           "AC 11 TD LW",
                                           "AC 16 B N",
                                           "AC 16 B S",
                                           "AC 16 B S SG",
                                           "AC 16 D S",
                                           "AC 16 TD",
                                           "AC 16 TD LW",
                                           "AC 16 TD SP LW",
                                           "AC 22 B S",
                                           "AC 22 B S SG",
                                           "|",
                                           "Beton",
                                           "C 30/37",
                                           "DSK",
                                           "DSH",
                                           "DSH-V",
                                           "DSH-V5",
                                           "DSH-V8",
                                           "|",
                                           "MA 5 N",
                                           "MA 5 S",
                                           "MA 8 N",
                                           "MA 8 S",
                                           "MA 11 N",
                                           "MA 11 S",
                                           "|",
                                           "PA 8",
                                           "PA 11",
                                           "PA 16",
                                           "PMA 5",
                                           "PMA 8",
                                           "|",
                                           "SMA 5 LA",
                                           "SMA 5 N",
                                           "SMA 8 LA",
                                           "SMA 8 N",
                                           "SMA 8 S",
                                           "SMA 11 S",
                                           "HVA SMA 11 S",
                                           "SMA 11 LA",
                                           "SMA 16 BS",
                                           "SMA 16 DTS",
                                           "SMA 16 LA",
                                           "SMA 22 BS",
                                           "|"};
    static const char* const kWithoutTableEntry[] = {
        "AC 5 D LW",    "AC 8 D LW",      "AC 11 D LW", "AC 11 D SP", "AC 11 TD LW",
        "AC 16 TD LW",  "AC 16 TD SP LW", "DSK",        "DSH",        "DSH-V",
        "HVA SMA 11 S", "SMA 11 LA",      "SMA 16 LA"};
    for (const char* name : kEntries) {
        const std::string n = name;
        if (n == "|") {
            menu->addSeparator();
            continue;
        }
        int command = kRoadSurfaceFirst;
        for (int i = 0; i <= 40; ++i)
            if (const char* t = CZi4Verwaltung::RoadSurfaceName(i); t && n == t)
                command = kRoadSurfaceFirst + i;
        for (int k = 0; k < 13; ++k)
            if (n == kWithoutTableEntry[k]) command = 1541 + k;
        QAction* a = menu->addAction(QString::fromLatin1(name));
        a->setData(command);
        a->setEnabled(false);
    }
    return menu;
}

}  // namespace nivora::app
