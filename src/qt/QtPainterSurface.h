#pragma once
// The drawing surface on a QPainter: screen widget, QImage, QPdfWriter,
// QSvgGenerator or printer. Logical units are 0.01 mm with y upward; the
// window origin is the logical point shown at the device's top left.
//
// Resolution: by default the device's logical resolution
// (QPaintDevice::logicalDpiX/Y). For QImage (dotsPerMeter), QPdfWriter,
// QPrinter and QSvgGenerator (their resolution) that is the device's true
// resolution, so pages come out at paper size; for a screen widget it is the
// nominal resolution, as a metric mapping on a screen has always been.
// Fonts are sized in device pixels on the same device, so text and lines
// scale together. Drawing happens under the painter's transform as found,
// which the surface leaves as it was when it is destroyed.
//
// Text: escapement turns the text about its reference point, turns below one
// degree excepted (QtSurfaceFont.h); orientation is not used (the characters
// turn with the line, as in the compatible graphics mode). Hatches are drawn as lines at a fixed
// paper spacing instead of an 8-pixel device pattern, so they look the same at 150 dpi and in a
// PDF.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <vector>

#include "platform/DrawingSurface.h"

namespace nivora::qt {

class QtPainterSurface final : public IDrawingSurface {
  public:
    // Units mapped by the logical resolution of the painter's device.
    explicit QtPainterSurface(QPainter& painter);
    // Units mapped by the given resolution in dots per inch.
    QtPainterSurface(QPainter& painter, double dpiX, double dpiY);
    ~QtPainterSurface() override;
    QtPainterSurface(const QtPainterSurface&) = delete;
    QtPainterSurface& operator=(const QtPainterSurface&) = delete;

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
    void SetWindowOrigin(SurfacePoint p) override { m_state.origin = p; }
    void OffsetWindowOrigin(int32_t dx, int32_t dy) override;

    // A logical point in the painter's coordinates.
    QPointF ToDevice(SurfacePoint p) const;

    // The face a Windows font name is drawn with ("Arial" is "Liberation Sans").
    static QString FontFamily(const std::string& face);
    // 0x00BBGGRR as a colour.
    static QColor Colour(uint32_t colorref);

  private:
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
        SurfacePoint current;
    };
    struct TextBox {
        double width = 0, ascent = 0, descent = 0;  // device pixels
    };

    void RealiseFont();
    TextBox Measure(const QString& text) const;
    void DrawShape(const QPolygonF& shape);
    void FillHatch(const QPolygonF& shape, const QColor& colour);
    QPen DevicePen() const;
    // Text with its baseline start at (x, y) of the frame turned about the
    // device point `at` by the font's escapement.
    void DrawTextAt(QPointF at, double x, double y, const QString& text, const TextBox& box);
    void DrawAligned(SurfacePoint p, const QString& text);

    QPainter& m_painter;
    double m_pxX = 1, m_pxY = 1;
    State m_state;
    std::vector<State> m_saved;
    QFont m_font;
};

}  // namespace nivora::qt
