#pragma once
// What one diagram page shows, worked out from the document and the view's
// state before anything is drawn: its strips with their stations and axes,
// and for each strip the click range, the section items (limit lines, 2 m
// bands, separators with their labels), excluded areas, station ticks, area
// texts, text boxes, curves as sample ranges and the exceedance marks with
// their pages. Stations are in dm and the axes say where they land; only
// what depends on measuring text is left to the drawing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "measurement/Messung.h"
#include "platform/DrawingSurface.h"
#include "view/Achse.h"
#include "view/ExceedanceLabels.h"
#include "view/Paging.h"
#include "view/StationIndex.h"

namespace nivora {

struct LimitProfile;

class CNivoraDoc;
class CTextTabelle;

// One limit line of a strip.
struct GRENZWERTLINIE {
    int32_t from = 0, to = 0, limit = 0;
};

// A section's 2 m band group: its span in the strip and where the pattern
// of bands and gaps starts.
struct BandGroup {
    int32_t from = 0, to = 0;
    int phase = 0, half = 0;
};

// The section items of one strip, in the order the strip draws them.
struct SectionItems {
    std::vector<GRENZWERTLINIE> limits;
    std::vector<BandGroup> bands;
    std::vector<int32_t> separators;  // stations
};

// The section items of a strip from the sections' limit profile: every span's
// limit line, the bands of the spans with a limit, the separators.
SectionItems LimitLines(const LimitProfile& profile);

struct StationSpan {
    int32_t from = 0, to = 0;
};

struct SeparatorPlan {
    int32_t station = 0;
    int32_t top = 0;          // of the first label line
    int32_t lineSpacing = 0;  // at least; the drawing keeps it above the font height
    int font = 0;
    // Label lines: limit, lane width; empty where no evaluated section is.
    std::array<std::string, 2> left, right;
};

struct StationTick {
    int32_t x = 0;  // from the curve area's left edge
    std::string label;
};

struct AreaTextPlan {
    int32_t from = 0, to = 0;
    bool firstIn = false, lastIn = false;
    std::string text;  // on one line; empty: no box
    uint32_t colour = 0;
};

// A free or star text of the strip.
struct TEXTBOX {
    int32_t station = 0;
    std::string text;  // on one line
    uint32_t colour = 0;
};

// A curve: the samples [first, end) of a run, its stations shifted by offset.
struct CurvePlan {
    PenSpec pen;
    const std::vector<MESSUNG>* samples = nullptr;
    long long offset = 0;
    std::size_t first = 0, end = 0;
    bool speed = false;
    bool zeroNegative = false;  // negative values drawn as 0
};

struct MarkPlan {
    ExceedanceMark mark;  // x, number, counted, remark
    int32_t station = 0;
    int32_t value = 0;  // 0.1 mm
    int page = 0;       // the first page that draws it
};

struct StripPlan {
    int32_t start = 0, end = 0, lo = 0, hi = 0;
    bool ascending = true;
    SurfacePoint origin;  // relative to the page origin
    double zoom = 1.0;
    int zoomLevel = 5;
    int32_t width = 0, curveHeight = 0;  // W, H
    bool firstOnPage = false, twoStrips = false;
    bool footer = false;  // first strip of a printed page
    bool showSpeed = false;
    CAchse stationAxis, valueAxis, speedAxis;
    PenSpec gridPen, zeroPen, limitPen, greyPen;
    uint32_t speedColour = 0, countedColour = 0;

    std::optional<StationSpan> clickRange;
    std::vector<std::vector<StationSpan>> bands;  // per section, when the 2 m grid is on
    std::vector<SeparatorPlan> separators;
    std::vector<StationSpan> excludedAreas;
    std::vector<StationTick> ticks;
    std::vector<GRENZWERTLINIE> limitLines;  // those with a limit
    std::string valueCaption;
    std::vector<AreaTextPlan> areaTexts;
    std::vector<TEXTBOX> textBoxes;  // in the run's direction
    std::vector<CurvePlan> curves;
    std::vector<MarkPlan> marks;  // left to right
};

struct PagePlan {
    int page = 0;
    std::vector<StripPlan> strips;  // top to bottom, only those drawn
};

struct PlanInput {
    const CNivoraDoc& doc;
    const CTextTabelle& texts;
    const Paging& paging;
    double zoom = 1.0;
    int zoomLevel = 5;
    bool printing = false;
    bool grid2m = false;
};

// The sample search of the curves: 0 the main run, 1..4 the comparison runs,
// kept from page to page.
using SampleIndexes = std::array<StationIndex, 5>;

// Empty for a run without pages or samples.
PagePlan PlanPage(const PlanInput& in, int page, SampleIndexes& indexes);

}  // namespace nivora
