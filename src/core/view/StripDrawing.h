#pragma once
// The drawing of one strip of a diagram page, and its pens, brushes and fonts.
// The drawing reads the document; what it keeps is the view's own state of
// the last strip drawn (axes, strip registry, text box placer, sample search).
#include <array>
#include <cstdint>

#include "platform/DrawingSurface.h"
#include "view/Achse.h"
#include "view/GetMouseDm.h"
#include "view/StationIndex.h"
#include "view/TextboxVerwaltung.h"

namespace nivora {

class CNivoraDoc;
class CTextTabelle;

// What a strip is drawn from.
struct StripInput {
    const CNivoraDoc& doc;
    const CTextTabelle& texts;
    double zoom = 1.0;
    int zoomLevel = 5;
    int scale = 400;  // the length scale the pages were computed with
    bool printing = false;
    bool grid2m = false;
};

// The view's state that the drawing of a strip sets.
struct StripState {
    CAchse stationAxis, valueAxis, speedAxis;
    CGetMouseDm registry;
    CTextboxVerwaltung textBoxes;
    // Sample search of the curves: 0 the main run, 1..4 the comparison runs.
    std::array<StationIndex, 5> indexes;
};

// One strip: origin of the strip, its start and end stations, the curve
// height, whether it is the page's first strip and whether the page has two.
void DrawStrip(IDrawingSurface& dc, const StripInput& in, StripState& state,
               SurfacePoint stripOrigin, int32_t start, int32_t end, int32_t curveHeight,
               bool firstStrip, bool twoStrips);

}  // namespace nivora

namespace nivora::strip {

inline constexpr uint32_t Rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
           (static_cast<uint32_t>(b) << 16);
}

inline constexpr uint32_t kPaleYellow = Rgb(255, 255, 127);
inline constexpr uint32_t kLightGrey = Rgb(209, 209, 209);
inline constexpr uint32_t kWhite = Rgb(255, 255, 255);
inline constexpr uint32_t kHatch = Rgb(80, 80, 80);
inline constexpr uint32_t kMagenta = Rgb(255, 0, 255);
inline constexpr uint32_t kGrey = Rgb(127, 127, 127);

// F1 .. F8, all Arial.
FontSpec Font(int n);
// Font of the value and station grid by zoom level.
int GridFont(int zoomLevel);
// Font of text boxes (area, free and star texts) by zoom level.
int BoxFont(int zoomLevel);

}  // namespace nivora::strip
