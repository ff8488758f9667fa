#pragma once
// A drawing surface for tests: it records every operation with its arguments
// and the state in force, and measures text by a fixed rule, so that tests
// can assert on what was drawn where without pixels.
//
// Text measurement: every character is 6/10 of the font height wide, the text
// is one font height high, unless a measure is set (checks with real fonts).
#include <functional>
#include <string>
#include <vector>

#include "platform/DrawingSurface.h"

namespace nivora {

class RecordingSurface final : public IDrawingSurface {
  public:
    enum class Op {
        SaveState,
        RestoreState,
        BackgroundMode,
        BackgroundColour,
        Pen,
        Brush,
        Font,
        TextColour,
        TextAlign,
        MoveTo,
        LineTo,
        Rectangle,
        Polygon,
        Text,
        TextWide,
        TextCentred,
        Measure,
        SetOrigin,
        OffsetOrigin,
    };

    // The state in force when an operation was recorded.
    struct State {
        PenSpec pen;
        BrushSpec brush;
        FontSpec font;
        uint32_t textColour = 0;
        uint32_t backgroundColour = 0x00FFFFFF;
        BackgroundMode backgroundMode = BackgroundMode::Opaque;
        HAlign hAlign = HAlign::Left;
        VAlign vAlign = VAlign::Top;
        SurfacePoint origin;
        SurfacePoint current;  // the position of MoveTo / LineTo
    };

    struct Record {
        Op op;
        std::vector<SurfacePoint> points;  // in logical units as given
        SurfaceRect rect;
        std::string text;  // Windows-1252
        std::u16string wide;
        State state;  // after the operation
    };

    void SaveState() override;
    void RestoreState() override;
    void SetBackgroundMode(BackgroundMode mode) override;
    void SetBackgroundColour(uint32_t colour) override;
    void SelectPen(const PenSpec& pen) override;
    void SelectBrush(const BrushSpec& brush) override;
    void SelectFont(const FontSpec& font) override;
    void SetTextColour(uint32_t colour) override;
    void SetTextAlign(HAlign h, VAlign v) override;
    void MoveTo(SurfacePoint p) override;
    void LineTo(SurfacePoint p) override;
    void Rectangle(const SurfaceRect& r) override;
    void Polygon(const std::vector<SurfacePoint>& points) override;
    void TextOut(SurfacePoint p, std::string_view cp1252) override;
    void TextOutWide(SurfacePoint p, std::u16string_view text) override;
    void DrawTextCentred(const SurfaceRect& r, std::string_view cp1252) override;
    SurfaceSize MeasureText(std::string_view cp1252) override;
    SurfacePoint GetWindowOrigin() const override { return m_state.origin; }
    void SetWindowOrigin(SurfacePoint p) override;
    void OffsetWindowOrigin(int32_t dx, int32_t dy) override;

    static SurfaceSize TextSize(std::size_t characters, int32_t fontHeight);
    using Measure = std::function<SurfaceSize(const FontSpec&, std::string_view cp1252)>;
    // Measures text with `measure` from now on; an empty one restores the rule.
    void SetMeasure(Measure measure) { m_measure = std::move(measure); }

    const std::vector<Record>& Records() const { return m_records; }
    // The records of one kind, in order.
    std::vector<Record> Of(Op op) const;
    // Texts drawn (8-bit, wide as UTF-8 is not needed: wide texts are kept apart).
    std::vector<std::string> Texts() const;
    const State& Current() const { return m_state; }
    std::size_t SavedDepth() const { return m_saved.size(); }

  private:
    void Add(Op op);
    void Add(Op op, Record r);

    State m_state;
    std::vector<State> m_saved;
    std::vector<Record> m_records;
    Measure m_measure;
};

}  // namespace nivora
