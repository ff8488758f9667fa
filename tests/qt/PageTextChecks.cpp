#include "PageTextChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "QtSurfaceFont.h"
#include "QtText.h"

namespace nivora::qt::test {

namespace {

// The resolution of the PDF output; metrics scale with the size (no hinting).
constexpr double kDpi = 1200.0;
// Boxes that share an edge touch; they overlap only by more than this.
constexpr double kSlack = 1.0;

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

}  // namespace

RealFonts::RealFonts() : m_device(1, 1, QImage::Format_RGB32), m_px(kDpi / 2540.0) {
    const int dpm = static_cast<int>(std::lround(kDpi / 0.0254));
    m_device.setDotsPerMeterX(dpm);
    m_device.setDotsPerMeterY(dpm);
}

QFontMetricsF& RealFonts::Metrics(const FontSpec& font) {
    FontSpec key = font;
    key.escapement = key.orientation = 0;
    for (auto& [cached, metrics] : m_cache)
        if (cached == key) return metrics;
    m_cache.emplace_back(key, QFontMetricsF(SurfaceQFont(key, m_px, kDpi), &m_device));
    return m_cache.back().second;
}

RealFonts::Extent RealFonts::Measure(const FontSpec& font, const QString& text) {
    const QFontMetricsF& m = Metrics(font);
    return {m.horizontalAdvance(text) / m_px, m.ascent() / m_px, m.descent() / m_px};
}

SurfaceSize RealFonts::Size(const FontSpec& font, std::string_view cp1252) {
    const Extent e = Measure(font, FromCp1252(cp1252));
    return {static_cast<int32_t>(std::lround(e.width)),
            static_cast<int32_t>(std::lround(e.ascent + e.descent))};
}

void RealFonts::Attach(RecordingSurface& surface) {
    surface.SetMeasure([this](const FontSpec& f, std::string_view t) { return Size(f, t); });
}

std::vector<DrawnText> DrawnTexts(const RecordingSurface& surface, RealFonts& fonts) {
    using Op = RecordingSurface::Op;
    std::vector<DrawnText> out;
    for (const auto& r : surface.Records()) {
        if (r.op != Op::Text && r.op != Op::TextWide && r.op != Op::TextCentred) continue;
        const QString text = r.op == Op::TextWide
                                 ? QString(reinterpret_cast<const QChar*>(r.wide.data()),
                                           static_cast<qsizetype>(r.wide.size()))
                                 : FromCp1252(r.text);
        // Blanks show nothing, so they cannot lie over anything.
        if (text.trimmed().isEmpty()) continue;
        const RealFonts::Extent e = fonts.Measure(r.state.font, text);
        const double h = e.ascent + e.descent;
        // The box in the text's own frame, about its reference point, y upward.
        double x0 = 0, y0 = 0, refX = 0, refY = 0;
        if (r.op == Op::TextCentred) {
            refX = (static_cast<double>(r.rect.left) + r.rect.right) / 2;
            refY = (static_cast<double>(r.rect.top) + r.rect.bottom) / 2;
            x0 = -e.width / 2;
            y0 = -h / 2;
        } else {
            refX = r.points.at(0).x;
            refY = r.points.at(0).y;
            switch (r.state.hAlign) {
                case HAlign::Left:
                    x0 = 0;
                    break;
                case HAlign::Centre:
                    x0 = -e.width / 2;
                    break;
                case HAlign::Right:
                    x0 = -e.width;
                    break;
            }
            switch (r.state.vAlign) {
                case VAlign::Top:
                    y0 = -h;
                    break;
                case VAlign::Baseline:
                    y0 = -e.descent;
                    break;
                case VAlign::Bottom:
                    y0 = 0;
                    break;
            }
        }
        const double a = SurfaceTextAngle(r.state.font) * M_PI / 180.0;
        const double c = std::cos(a), s = std::sin(a);
        TextBox box{1e300, 1e300, -1e300, -1e300};
        for (const auto& [px, py] : {std::pair{x0, y0}, std::pair{x0 + e.width, y0},
                                     std::pair{x0, y0 + h}, std::pair{x0 + e.width, y0 + h}}) {
            const double x = refX + px * c - py * s - r.state.origin.x;
            const double y = refY + px * s + py * c - r.state.origin.y;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.bottom = std::min(box.bottom, y);
            box.top = std::max(box.top, y);
        }
        out.push_back({Utf8(text), box});
    }
    return out;
}

std::string Describe(const DrawnText& t) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, " [%.0f, %.0f .. %.0f, %.0f]", t.box.left, t.box.top,
                  t.box.right, t.box.bottom);
    std::string text = t.text.size() > 80 ? t.text.substr(0, 77) + "..." : t.text;
    return "\"" + text + "\"" + buffer;
}

std::vector<std::string> Collisions(const std::vector<DrawnText>& texts, const SurfaceRect& sheet) {
    std::vector<std::string> out;
    for (const DrawnText& t : texts) {
        if (t.box.left < sheet.left - kSlack || t.box.right > sheet.right + kSlack ||
            t.box.top > sheet.top + kSlack || t.box.bottom < sheet.bottom - kSlack)
            out.push_back("outside the sheet: " + Describe(t));
    }
    std::vector<std::size_t> order(texts.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return texts[a].box.left < texts[b].box.left; });
    for (std::size_t i = 0; i < order.size(); ++i) {
        const TextBox& a = texts[order[i]].box;
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            const TextBox& b = texts[order[j]].box;
            if (b.left >= a.right - kSlack) break;
            if (std::min(a.top, b.top) - std::max(a.bottom, b.bottom) > kSlack &&
                std::min(a.right, b.right) - std::max(a.left, b.left) > kSlack)
                out.push_back("overlap: " + Describe(texts[order[i]]) + " and " +
                              Describe(texts[order[j]]));
        }
    }
    return out;
}

std::vector<std::string> LineCrossings(const RecordingSurface& surface,
                                       const std::vector<DrawnText>& texts) {
    using Op = RecordingSurface::Op;
    std::vector<std::string> out;
    const auto& records = surface.Records();
    for (std::size_t i = 1; i < records.size(); ++i) {
        const auto& r = records[i];
        if (r.op != Op::LineTo || r.state.pen.none) continue;
        const SurfacePoint from = records[i - 1].state.current, to = r.points.at(0);
        const double ox = r.state.origin.x, oy = r.state.origin.y;
        const double x1 = std::min(from.x, to.x) - ox, x2 = std::max(from.x, to.x) - ox;
        const double y1 = std::min(from.y, to.y) - oy, y2 = std::max(from.y, to.y) - oy;
        const bool vertical = x1 == x2, horizontal = y1 == y2;
        if (vertical == horizontal) continue;
        for (const DrawnText& t : texts) {
            const TextBox& b = t.box;
            const bool crosses = vertical
                                     ? x1 > b.left + kSlack && x1 < b.right - kSlack &&
                                           std::min(y2, b.top) - std::max(y1, b.bottom) > kSlack
                                     : y1 > b.bottom + kSlack && y1 < b.top - kSlack &&
                                           std::min(x2, b.right) - std::max(x1, b.left) > kSlack;
            if (crosses) {
                char buffer[120];
                std::snprintf(buffer, sizeof buffer, "line (%.0f, %.0f)-(%.0f, %.0f) crosses ", x1,
                              y1, x2, y2);
                out.push_back(buffer + Describe(t));
            }
        }
    }
    return out;
}

}  // namespace nivora::qt::test
