#pragma once
// Measures every text a page drew on the recording surface with the fonts the
// painter surface draws with (same QFont, same turn), and finds texts whose
// boxes overlap or leave the sheet.
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "view/RecordingSurface.h"

namespace nivora::qt::test {

// A box in logical units relative to the window origin, y upward.
struct TextBox {
    double left = 0, bottom = 0, right = 0, top = 0;
};

struct DrawnText {
    std::string text;  // UTF-8, for messages
    TextBox box;
};

class RealFonts {
  public:
    RealFonts();
    struct Extent {
        double width = 0, ascent = 0, descent = 0;  // logical units
    };
    Extent Measure(const FontSpec& font, const QString& text);
    // What QtPainterSurface::MeasureText answers.
    SurfaceSize Size(const FontSpec& font, std::string_view cp1252);
    // Makes a recording surface measure as the painter surface does.
    void Attach(RecordingSurface& surface);

  private:
    QFontMetricsF& Metrics(const FontSpec& font);
    QImage m_device;
    double m_px = 1;
    std::vector<std::pair<FontSpec, QFontMetricsF>> m_cache;
};

// Every visible text of a recording with its box.
std::vector<DrawnText> DrawnTexts(const RecordingSurface& surface, RealFonts& fonts);

// One line per pair of overlapping boxes and per box outside `sheet`
// (left, top, right, bottom as on the surface, y upward); empty when clean.
std::vector<std::string> Collisions(const std::vector<DrawnText>& texts, const SurfaceRect& sheet);

// One line per text box that a horizontal or vertical line crosses (lines
// that only touch a box or end at its edge do not count).
std::vector<std::string> LineCrossings(const RecordingSurface& surface,
                                       const std::vector<DrawnText>& texts);

std::string Describe(const DrawnText& t);

}  // namespace nivora::qt::test
