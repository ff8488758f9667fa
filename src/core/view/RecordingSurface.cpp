#include "view/RecordingSurface.h"

namespace nivora {

void RecordingSurface::Add(Op op) { Add(op, Record{}); }

void RecordingSurface::Add(Op op, Record r) {
    r.op = op;
    r.state = m_state;
    m_records.push_back(std::move(r));
}

void RecordingSurface::SaveState() {
    m_saved.push_back(m_state);
    Add(Op::SaveState);
}

void RecordingSurface::RestoreState() {
    // An unbalanced restore is recorded and changes nothing.
    if (!m_saved.empty()) {
        m_state = m_saved.back();
        m_saved.pop_back();
    }
    Add(Op::RestoreState);
}

void RecordingSurface::SetBackgroundMode(BackgroundMode mode) {
    m_state.backgroundMode = mode;
    Add(Op::BackgroundMode);
}

void RecordingSurface::SetBackgroundColour(uint32_t colour) {
    m_state.backgroundColour = colour;
    Add(Op::BackgroundColour);
}

void RecordingSurface::SelectPen(const PenSpec& pen) {
    m_state.pen = pen;
    Add(Op::Pen);
}

void RecordingSurface::SelectBrush(const BrushSpec& brush) {
    m_state.brush = brush;
    Add(Op::Brush);
}

void RecordingSurface::SelectFont(const FontSpec& font) {
    m_state.font = font;
    Add(Op::Font);
}

void RecordingSurface::SetTextColour(uint32_t colour) {
    m_state.textColour = colour;
    Add(Op::TextColour);
}

void RecordingSurface::SetTextAlign(HAlign h, VAlign v) {
    m_state.hAlign = h;
    m_state.vAlign = v;
    Add(Op::TextAlign);
}

void RecordingSurface::MoveTo(SurfacePoint p) {
    m_state.current = p;
    Add(Op::MoveTo, Record{Op::MoveTo, {p}, {}, {}, {}, {}});
}

void RecordingSurface::LineTo(SurfacePoint p) {
    const SurfacePoint from = m_state.current;
    m_state.current = p;
    Add(Op::LineTo, Record{Op::LineTo, {from, p}, {}, {}, {}, {}});
}

void RecordingSurface::Rectangle(const SurfaceRect& r) {
    Add(Op::Rectangle, Record{Op::Rectangle, {}, r, {}, {}, {}});
}

void RecordingSurface::Polygon(const std::vector<SurfacePoint>& points) {
    Add(Op::Polygon, Record{Op::Polygon, points, {}, {}, {}, {}});
}

void RecordingSurface::TextOut(SurfacePoint p, std::string_view t) {
    Add(Op::Text, Record{Op::Text, {p}, {}, std::string(t), {}, {}});
}

void RecordingSurface::TextOutWide(SurfacePoint p, std::u16string_view t) {
    Add(Op::TextWide, Record{Op::TextWide, {p}, {}, {}, std::u16string(t), {}});
}

void RecordingSurface::DrawTextCentred(const SurfaceRect& r, std::string_view t) {
    Add(Op::TextCentred, Record{Op::TextCentred, {}, r, std::string(t), {}, {}});
}

SurfaceSize RecordingSurface::TextSize(std::size_t characters, int32_t fontHeight) {
    const int32_t h = fontHeight < 0 ? -fontHeight : fontHeight;
    return {static_cast<int32_t>(characters * static_cast<std::size_t>(h) * 6 / 10), h};
}

SurfaceSize RecordingSurface::MeasureText(std::string_view t) {
    Add(Op::Measure, Record{Op::Measure, {}, {}, std::string(t), {}, {}});
    if (m_measure) return m_measure(m_state.font, t);
    return TextSize(t.size(), m_state.font.height);
}

void RecordingSurface::SetWindowOrigin(SurfacePoint p) {
    m_state.origin = p;
    Add(Op::SetOrigin, Record{Op::SetOrigin, {p}, {}, {}, {}, {}});
}

void RecordingSurface::OffsetWindowOrigin(int32_t dx, int32_t dy) {
    m_state.origin.x += dx;
    m_state.origin.y += dy;
    Add(Op::OffsetOrigin, Record{Op::OffsetOrigin, {{dx, dy}}, {}, {}, {}, {}});
}

std::vector<RecordingSurface::Record> RecordingSurface::Of(Op op) const {
    std::vector<Record> out;
    for (const auto& r : m_records)
        if (r.op == op) out.push_back(r);
    return out;
}

std::vector<std::string> RecordingSurface::Texts() const {
    std::vector<std::string> out;
    for (const auto& r : m_records)
        if (r.op == Op::Text || r.op == Op::TextCentred) out.push_back(r.text);
    return out;
}

}  // namespace nivora
