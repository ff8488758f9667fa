#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>

#include "Commands.h"

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

QIcon Fallback(Glyph glyph) {
    switch (glyph) {
        case Glyph::Open:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                p.setBrush(QColor(240, 200, 90));
                p.drawPolygon(QPolygon({{2, 8}, {12, 8}, {15, 11}, {29, 11}, {29, 27}, {2, 27}}));
            });
        case Glyph::Preview:
            return Drawn([](QPainter& p) {
                Page(p);
                Lines(p);
                Glass(p, 13, 11);
            });
        case Glyph::Print:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                p.setBrush(kPaper);
                p.drawRect(9, 2, 14, 10);
                p.setBrush(QColor(170, 180, 195));
                p.drawRoundedRect(3, 11, 26, 11, 2, 2);
                p.setBrush(kPaper);
                p.drawRect(9, 18, 14, 10);
            });
        case Glyph::EvaluationPreview:
            return Drawn([](QPainter& p) {
                Letter(p, QStringLiteral("p²"));
                Glass(p, 15, 13);
            });
        case Glyph::Comments:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("K")); });
        case Glyph::HeaderData:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("H")); });
        case Glyph::FreeText:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("T")); });
        case Glyph::FreeTexts:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("T…")); });
        case Glyph::AreaText:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("B")); });
        case Glyph::AreaTexts:
            return Drawn([](QPainter& p) { Letter(p, QStringLiteral("B…")); });
        case Glyph::FileViewer:
            return Drawn([](QPainter& p) {
                Page(p);
                p.setPen(QPen(kInk, 1.5));
                for (int y = 7; y < 25; y += 3) p.drawLine(10, y, 14 + (y * 7) % 9, y);
            });
        case Glyph::Zoom:
            return Drawn([](QPainter& p) { Glass(p, 5, 4); });
        case Glyph::PageBack:
        case Glyph::PageForward:
            return Drawn([glyph](QPainter& p) {
                p.setPen(Qt::NoPen);
                p.setBrush(kInk);
                const bool back = glyph == Glyph::PageBack;
                QPolygon arrow({{back ? 4 : 28, 15},
                                {back ? 16 : 16, 4},
                                {back ? 16 : 16, 10},
                                {back ? 28 : 4, 10},
                                {back ? 28 : 4, 20},
                                {16, 20},
                                {16, 26}});
                p.drawPolygon(arrow);
            });
        case Glyph::Grid:
            return Drawn([](QPainter& p) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(170, 170, 170));
                for (int x = 3; x < 29; x += 8) p.drawRect(x, 4, 4, 22);
                p.setPen(QPen(kAccent, 2));
                p.drawPolyline(QPolygon({{2, 18}, {9, 12}, {16, 20}, {23, 9}, {30, 14}}));
            });
        case Glyph::Strips:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                p.setBrush(kPaper);
                for (int y = 3; y < 26; y += 8) p.drawRect(3, y, 26, 6);
            });
        case Glyph::NextExceedance:
        case Glyph::PreviousExceedance:
            // A limit line with a peak over it and an arrow along the run.
            return Drawn([glyph](QPainter& p) {
                const bool next = glyph == Glyph::NextExceedance;
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
        case Glyph::ExcludeRange:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                p.setBrush(QBrush(kInk, Qt::BDiagPattern));
                p.drawRect(4, 6, 24, 18);
            });
        default:
            return {};
    }
}

const char* ThemeName(Glyph glyph) {
    switch (glyph) {
        case Glyph::Open:
            return "document-open";
        case Glyph::Preview:
            return "document-print-preview";
        case Glyph::Print:
            return "document-print";
        case Glyph::Zoom:
            return "zoom-in";
        case Glyph::PageBack:
            return "go-previous";
        case Glyph::PageForward:
            return "go-next";
        default:
            return nullptr;
    }
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
    const char* theme = ThemeName(glyph);
    return theme ? QIcon::fromTheme(QString::fromLatin1(theme), Fallback(glyph)) : Fallback(glyph);
}

}  // namespace nivora::app
