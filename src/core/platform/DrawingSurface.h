#pragma once
// The target of all page drawing: the screen window, a print-preview page or
// a printer page. Logical units are 0.01 mm with x to the right and y upward,
// so that everything below an origin has negative y. Colours are 0x00BBGGRR.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nivora {

struct SurfacePoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const SurfacePoint&) const = default;
};

struct SurfaceRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const SurfaceRect&) const = default;
};

struct SurfaceSize {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const SurfaceSize&) const = default;
};

struct PenSpec {
    bool none = false;
    int32_t width = 0;  // 0.01 mm
    uint32_t colour = 0;
    bool operator==(const PenSpec&) const = default;
};

struct BrushSpec {
    enum class Style {
        Solid,
        BackDiagonalHatch
    };  // the hatch rises from lower left to upper right
    Style style = Style::Solid;
    uint32_t colour = 0x00FFFFFF;
    bool operator==(const BrushSpec&) const = default;
};

struct FontSpec {
    std::string face = "Arial";
    int32_t height = 350;  // 0.01 mm
    int weight = 400;
    bool italic = false;
    int escapement = 0;   // tenths of a degree, counter-clockwise
    int orientation = 0;  // tenths of a degree
    bool operator==(const FontSpec&) const = default;
};

enum class BackgroundMode { Transparent, Opaque };
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };

class IDrawingSurface {
  public:
    virtual ~IDrawingSurface() = default;

    // Saves and restores pen, brush, font, colours, alignment, background and origin.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;

    virtual void SetBackgroundMode(BackgroundMode mode) = 0;
    virtual void SetBackgroundColour(uint32_t colour) = 0;
    virtual void SelectPen(const PenSpec& pen) = 0;
    virtual void SelectBrush(const BrushSpec& brush) = 0;
    virtual void SelectFont(const FontSpec& font) = 0;
    virtual void SetTextColour(uint32_t colour) = 0;
    virtual void SetTextAlign(HAlign h, VAlign v) = 0;

    virtual void MoveTo(SurfacePoint p) = 0;
    virtual void LineTo(SurfacePoint p) = 0;
    virtual void Rectangle(const SurfaceRect& r) = 0;
    virtual void Polygon(const std::vector<SurfacePoint>& points) = 0;

    // Text at a point, aligned by the current alignment: 8-bit (Windows-1252)
    // and wide (UTF-16) text.
    virtual void TextOut(SurfacePoint p, std::string_view cp1252) = 0;
    virtual void TextOutWide(SurfacePoint p, std::u16string_view text) = 0;
    // Text centred in a rectangle, on one line.
    virtual void DrawTextCentred(const SurfaceRect& r, std::string_view cp1252) = 0;
    // Width and height of a text in the current font, logical units.
    virtual SurfaceSize MeasureText(std::string_view cp1252) = 0;

    virtual SurfacePoint GetWindowOrigin() const = 0;
    virtual void SetWindowOrigin(SurfacePoint p) = 0;
    virtual void OffsetWindowOrigin(int32_t dx, int32_t dy) = 0;
};

}  // namespace nivora
