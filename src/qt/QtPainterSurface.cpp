#include "QtPainterSurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "QtSurfaceFont.h"
#include "QtText.h"
#include "platform/Units.h"

namespace nivora::qt {

namespace {

// The hatch: line spacing along x and line width, in logical units.
constexpr double kHatchPitch = 200.0;
constexpr double kHatchWidth = 20.0;
constexpr double kMinHatchPitchPx = 4.0;

double DeviceDpi(const QPainter& painter, bool x) {
    const QPaintDevice* d = painter.device();
    if (!d) return kFallbackDpi;
    const int dpi = x ? d->logicalDpiX() : d->logicalDpiY();
    return dpi > 0 ? dpi : kFallbackDpi;
}

}  // namespace

QtPainterSurface::QtPainterSurface(QPainter& painter)
    : QtPainterSurface(painter, DeviceDpi(painter, true), DeviceDpi(painter, false)) {}

QtPainterSurface::QtPainterSurface(QPainter& painter, double dpiX, double dpiY)
    : m_painter(painter),
      m_pxX((dpiX > 0 ? dpiX : kFallbackDpi) / kUnitsPerInch),
      m_pxY((dpiY > 0 ? dpiY : kFallbackDpi) / kUnitsPerInch) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    RealiseFont();
}

QtPainterSurface::~QtPainterSurface() { m_painter.restore(); }

QString QtPainterSurface::FontFamily(const std::string& face) { return SurfaceFontFamily(face); }

QColor QtPainterSurface::Colour(uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

QPointF QtPainterSurface::ToDevice(SurfacePoint p) const {
    return {(static_cast<double>(p.x) - m_state.origin.x) * m_pxX,
            (static_cast<double>(m_state.origin.y) - p.y) * m_pxY};
}

void QtPainterSurface::SaveState() { m_saved.push_back(m_state); }

void QtPainterSurface::RestoreState() {
    // An unbalanced restore changes nothing.
    if (m_saved.empty()) return;
    const bool fontChanged = !(m_saved.back().font == m_state.font);
    m_state = m_saved.back();
    m_saved.pop_back();
    if (fontChanged) RealiseFont();
}

void QtPainterSurface::SetBackgroundMode(BackgroundMode mode) { m_state.backgroundMode = mode; }
void QtPainterSurface::SetBackgroundColour(uint32_t colour) { m_state.backgroundColour = colour; }
void QtPainterSurface::SelectPen(const PenSpec& pen) { m_state.pen = pen; }
void QtPainterSurface::SelectBrush(const BrushSpec& brush) { m_state.brush = brush; }
void QtPainterSurface::SetTextColour(uint32_t colour) { m_state.textColour = colour; }

void QtPainterSurface::SelectFont(const FontSpec& font) {
    if (font == m_state.font) return;
    m_state.font = font;
    RealiseFont();
}

void QtPainterSurface::SetTextAlign(HAlign h, VAlign v) {
    m_state.hAlign = h;
    m_state.vAlign = v;
}

void QtPainterSurface::OffsetWindowOrigin(int32_t dx, int32_t dy) {
    auto add = [](int32_t a, int32_t b) {
        const int64_t s = static_cast<int64_t>(a) + b;
        return static_cast<int32_t>(std::clamp<int64_t>(s, INT32_MIN, INT32_MAX));
    };
    m_state.origin = {add(m_state.origin.x, dx), add(m_state.origin.y, dy)};
}

void QtPainterSurface::RealiseFont() {
    m_font = SurfaceQFont(m_state.font, m_pxY, DeviceDpi(m_painter, false));
}

QtPainterSurface::TextBox QtPainterSurface::Measure(const QString& text) const {
    const QFontMetricsF m(m_font, m_painter.device());
    return {m.horizontalAdvance(text), m.ascent(), m.descent()};
}

QPen QtPainterSurface::DevicePen() const {
    const PenSpec& p = m_state.pen;
    if (p.none) return QPen(Qt::NoPen);
    QPen pen(Colour(p.colour));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    const double width = std::max<int32_t>(p.width, 0) * m_pxX;
    if (width < 1.0) {
        pen.setWidth(0);  // one device pixel
        pen.setCosmetic(true);
    } else {
        pen.setWidthF(width);
    }
    return pen;
}

void QtPainterSurface::MoveTo(SurfacePoint p) { m_state.current = p; }

void QtPainterSurface::LineTo(SurfacePoint p) {
    m_painter.setPen(DevicePen());
    m_painter.drawLine(ToDevice(m_state.current), ToDevice(p));
    m_state.current = p;
}

void QtPainterSurface::Rectangle(const SurfaceRect& r) {
    const QRectF rect =
        QRectF(ToDevice({r.left, r.top}), ToDevice({r.right, r.bottom})).normalized();
    DrawShape(QPolygonF(rect));
}

void QtPainterSurface::Polygon(const std::vector<SurfacePoint>& points) {
    if (points.size() < 2) return;
    QPolygonF shape;
    shape.reserve(static_cast<qsizetype>(points.size()));
    for (const SurfacePoint& p : points) shape << ToDevice(p);
    DrawShape(shape);
}

void QtPainterSurface::DrawShape(const QPolygonF& shape) {
    const BrushSpec& b = m_state.brush;
    if (b.style == BrushSpec::Style::Solid) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Colour(b.colour));
        m_painter.drawPolygon(shape, Qt::OddEvenFill);
    } else {
        FillHatch(shape, Colour(b.colour));
    }
    if (m_state.pen.none) return;
    m_painter.setPen(DevicePen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolygon(shape, Qt::OddEvenFill);
}

// Lines x + y = c in painter coordinates rise to the right; each is cut by
// the shape's edges (even-odd) so that the gaps stay untouched.
void QtPainterSurface::FillHatch(const QPolygonF& shape, const QColor& colour) {
    QPolygonF edges = shape;
    if (edges.size() > 1 && edges.front() == edges.back()) edges.removeLast();
    if (edges.size() < 3) return;
    double lo = edges.front().x() + edges.front().y(), hi = lo;
    for (const QPointF& p : edges) {
        lo = std::min(lo, p.x() + p.y());
        hi = std::max(hi, p.x() + p.y());
    }
    // Only what the device can show, so a huge shape costs no more than the page.
    if (const QPaintDevice* d = m_painter.device()) {
        bool invertible = false;
        const QTransform inverse = m_painter.worldTransform().inverted(&invertible);
        if (invertible) {
            const QRectF view = inverse.mapRect(QRectF(0, 0, d->width(), d->height()));
            lo = std::max(lo, view.left() + view.top());
            hi = std::min(hi, view.right() + view.bottom());
        }
    }
    const double pitch = std::max(kHatchPitch * m_pxX, kMinHatchPitchPx);
    std::vector<QLineF> lines;
    std::vector<double> xs;
    for (double c = std::ceil(lo / pitch) * pitch; c <= hi; c += pitch) {
        xs.clear();
        for (qsizetype i = 0; i < edges.size(); ++i) {
            const QPointF& p = edges[i];
            const QPointF& q = edges[(i + 1) % edges.size()];
            const double up = p.x() + p.y(), uq = q.x() + q.y();
            if ((up < c) == (uq < c)) continue;
            xs.push_back(p.x() + (c - up) / (uq - up) * (q.x() - p.x()));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            lines.emplace_back(xs[i], c - xs[i], xs[i + 1], c - xs[i + 1]);
    }
    QPen pen(colour);
    pen.setWidthF(std::max(kHatchWidth * m_pxX, 1.0));
    pen.setCapStyle(Qt::FlatCap);
    m_painter.save();
    // The line ends are cut square, so a line's corners would reach a little
    // past a slanted edge; engines without clipping (SVG) show that sliver.
    QPainterPath outline;
    outline.addPolygon(edges);
    outline.closeSubpath();
    outline.setFillRule(Qt::OddEvenFill);
    m_painter.setClipPath(outline, Qt::IntersectClip);
    m_painter.setPen(pen);
    m_painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    m_painter.restore();
}

void QtPainterSurface::DrawTextAt(QPointF at, double x, double y, const QString& text,
                                  const TextBox& box) {
    m_painter.save();
    m_painter.translate(at);
    // Counter-clockwise on paper is clockwise in the painter's y-down frame.
    if (const double angle = SurfaceTextAngle(m_state.font); angle != 0.0) m_painter.rotate(-angle);
    if (m_state.backgroundMode == BackgroundMode::Opaque)
        m_painter.fillRect(QRectF(x, y - box.ascent, box.width, box.ascent + box.descent),
                           Colour(m_state.backgroundColour));
    m_painter.setFont(m_font);
    m_painter.setPen(QPen(Colour(m_state.textColour)));
    m_painter.drawText(QPointF(x, y), text);
    m_painter.restore();
}

void QtPainterSurface::DrawAligned(SurfacePoint p, const QString& text) {
    if (text.isEmpty()) return;
    const TextBox box = Measure(text);
    double x = 0, y = 0;
    switch (m_state.hAlign) {
        case HAlign::Left:
            break;
        case HAlign::Centre:
            x = -box.width / 2;
            break;
        case HAlign::Right:
            x = -box.width;
            break;
    }
    switch (m_state.vAlign) {
        case VAlign::Top:
            y = box.ascent;
            break;
        case VAlign::Baseline:
            break;
        case VAlign::Bottom:
            y = -box.descent;
            break;
    }
    DrawTextAt(ToDevice(p), x, y, text, box);
}

void QtPainterSurface::TextOut(SurfacePoint p, std::string_view cp1252) {
    DrawAligned(p, FromCp1252(cp1252));
}

void QtPainterSurface::TextOutWide(SurfacePoint p, std::u16string_view text) {
    DrawAligned(p, QString(reinterpret_cast<const QChar*>(text.data()),
                           static_cast<qsizetype>(text.size())));
}

void QtPainterSurface::DrawTextCentred(const SurfaceRect& r, std::string_view cp1252) {
    const QString text = FromCp1252(cp1252);
    if (text.isEmpty()) return;
    const QPointF a = ToDevice({r.left, r.top}), b = ToDevice({r.right, r.bottom});
    const TextBox box = Measure(text);
    DrawTextAt((a + b) / 2, -box.width / 2, (box.ascent - box.descent) / 2, text, box);
}

SurfaceSize QtPainterSurface::MeasureText(std::string_view cp1252) {
    const TextBox box = Measure(FromCp1252(cp1252));
    return {static_cast<int32_t>(std::lround(box.width / m_pxX)),
            static_cast<int32_t>(std::lround((box.ascent + box.descent) / m_pxY))};
}

}  // namespace nivora::qt
