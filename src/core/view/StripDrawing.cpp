// The drawing of one strip of a diagram page, in its fixed order: click range, section items,
// excluded areas, grid, zero line, limit lines, footer, captions, texts, separators, curves and
// exceedance marks.
#include "view/StripDrawing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "document/KeyEncodings.h"
#include "document/NivoraDoc.h"
#include "platform/TextTable.h"
#include "text/Number.h"
#include "text/TextUtil.h"
#include "view/ExceedanceLabels.h"
#include "view/FooterLine.h"
#include "view/PlotPageFrame.h"

namespace nivora {

namespace strip {

FontSpec Font(int n) {
    struct Def {
        int height, weight, escapement;
    };
    static constexpr Def kDefs[8] = {{300, 300, 1}, {400, 300, 1}, {450, 300, 1}, {300, 700, 900},
                                     {250, 400, 0}, {400, 400, 0}, {480, 400, 0}, {500, 400, 0}};
    const Def& d = kDefs[std::clamp(n, 1, 8) - 1];
    FontSpec f;
    f.face = "Arial";
    f.height = d.height;
    f.weight = d.weight;
    f.escapement = d.escapement;
    f.orientation = d.escapement;
    return f;
}

int GridFont(int zoomLevel) {
    if (zoomLevel == 5) return 1;
    if (zoomLevel == 3 || zoomLevel == 4) return 2;
    return 3;
}

int BoxFont(int zoomLevel) {
    if (zoomLevel == 2) return 7;
    if (zoomLevel == 3) return 6;
    if (zoomLevel == 4 || zoomLevel == 5) return 5;
    return 8;
}

}  // namespace strip

namespace {

using strip::Font;

struct GRENZWERTLINIE {
    int32_t from = 0, to = 0, limit = 0;
};

struct TEXTBOX {
    int32_t station = 0;
    std::string text;
    int32_t colour = 0;
    int32_t reserved = 0;
};

PenSpec Pen(int32_t width, uint32_t colour) { return {false, width, colour}; }
PenSpec NullPen() { return {true, 0, 0}; }
BrushSpec Solid(uint32_t colour) { return {BrushSpec::Style::Solid, colour}; }

// Area, star and free texts stand on one line in the diagram: a stored line
// break becomes a blank. Nothing but blanks leaves nothing to show.
std::string OneLine(std::string t) {
    text::ReplaceText(t, "{{CRLF}}", " ", true);
    if (t.find_first_not_of(' ') == std::string::npos) t.clear();
    return t;
}

std::string Format1(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

}  // namespace

namespace {

// Draws one strip with the view's axes, tools and text box placer.
class StripPainter {
  public:
    StripPainter(IDrawingSurface& dc, const StripInput& in, StripState& state, int32_t start,
                 int32_t end, int32_t h, bool firstStrip, bool twoStrips)
        : in(in),
          v(state),
          dc(dc),
          doc(in.doc),
          settings(in.doc.State().Settings()),
          z(in.zoom),
          level(in.zoomLevel),
          start(start),
          end(end),
          lo(std::min(start, end)),
          hi(std::max(start, end)),
          ascending(start < end || (start == end && doc.Run().IsAscending())),
          W(S(25000)),
          H(h),
          first(firstStrip),
          twoStrips(twoStrips) {}

    void Draw(SurfacePoint stripOrigin);

  private:
    int32_t S(int32_t n) const { return text::TruncToInt(n * z); }
    int32_t X(long long s) const { return v.stationAxis.Map(static_cast<double>(s)); }
    int32_t Y(double mm) const { return v.valueAxis.Map(mm); }
    int32_t V(double kmh) const { return v.speedAxis.Map(kmh); }
    bool InStrip(long long s) const { return lo <= s && s < hi; }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        dc.MoveTo({x1, y1});
        dc.LineTo({x2, y2});
    }
    void Text(int32_t x, int32_t y, HAlign h, const std::string& t) {
        dc.SetTextAlign(h, VAlign::Top);
        dc.TextOut({x, y}, t);
    }

    void SetUpFrame(SurfacePoint stripOrigin);
    void ClickRange();
    void SectionItems();
    void ExcludedAreas();
    void ValueGrid();
    void ZeroLine();
    void StationGrid();
    void LimitLines();
    void Captions();
    void AreaTexts();
    void TextBoxes();
    void Bands(int32_t a, int32_t c, int phase, int half);
    void Separator(int32_t d);
    std::string SectionLabel(int32_t station);
    void Curves();
    void Curve(int run, const CMessFahrtDaten& data, long long offset, bool speed);
    void ExceedanceMarks();

    const StripInput& in;
    StripState& v;
    IDrawingSurface& dc;
    const CNivoraDoc& doc;
    const CEinstellungen& settings;
    const double z;
    const int level;
    const int32_t start, end, lo, hi;
    const bool ascending;
    const int32_t W, H;
    const bool first, twoStrips;
    bool showSpeed = false;
    std::vector<GRENZWERTLINIE> limitLines;
    std::vector<SurfaceRect> boxRects;        // text boxes drawn, for the exceedance labels
    std::vector<SurfaceRect> separatorTexts;  // for the area text boxes
    int32_t valueLabelsLeft = 0;              // left edge of the widest value label
    int separatorLevel = 0;
    long long previousSeparator = 0;

    PenSpec gridPen, zeroPen, limitPen, curvePen, greyPen, speedPen;
};

void StripPainter::Draw(SurfacePoint stripOrigin) {
    const SurfacePoint savedOrigin = dc.GetWindowOrigin();
    dc.SaveState();
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    gridPen = Pen(settings.Width(0), settings.Colour(0));
    zeroPen = Pen(settings.Width(1), settings.Colour(1));
    limitPen = Pen(settings.Width(2), settings.Colour(2));
    curvePen = Pen(settings.Width(3), settings.Colour(3));
    greyPen = Pen(10, strip::kGrey);
    speedPen = Pen(settings.Width(8), settings.Colour(8));
    SetUpFrame(stripOrigin);

    const CMessFahrtDaten& run = doc.Run();
    showSpeed = settings.DisplaySpeedAn() && run.SpeedCount() > 5;

    ClickRange();
    SectionItems();
    ExcludedAreas();
    ValueGrid();
    ZeroLine();
    StationGrid();
    LimitLines();
    if (first && in.printing) {
        // Right of the upright speed caption (its height, 300, right of its
        // reference point) when that is shown, so that the two do not cross.
        const int32_t x = showSpeed ? W + S(1000) + 300 + 300 : W + 1200;
        DrawFooterLine(dc, {x, -H - 400}, false, FooterAlign::Centre);
    }
    Captions();
    AreaTexts();
    TextBoxes();
    Curves();
    ExceedanceMarks();

    dc.SelectPen(NullPen());
    dc.RestoreState();
    dc.SetWindowOrigin(savedOrigin);
}

void StripPainter::SetUpFrame(SurfacePoint stripOrigin) {
    const long long dx = static_cast<long long>(stripOrigin.x) + S(1100);
    const long long dy = static_cast<long long>(stripOrigin.y) - S(600);
    dc.OffsetWindowOrigin(text::ClampToInt(-dx), text::ClampToInt(-dy));
    const SurfacePoint o = dc.GetWindowOrigin();
    v.registry.Register({-o.x, -o.y, W - o.x, -H - o.y}, start, end);
    v.stationAxis.Set(W, start, end);
    v.valueAxis.Set(H, -5.0, 25.0);
    v.speedAxis.Set(H, 12.0, 0.0);
}

void StripPainter::ClickRange() {
    if (in.printing) return;
    const CFifo& clicked = doc.ClickedStations();
    const std::string& newest = clicked.Get(0);
    if (newest.empty()) return;
    const std::string& older = clicked.Get(1).empty() ? newest : clicked.Get(1);
    const long long a = text::ToInt(newest), b = text::ToInt(older);
    const long long l = std::min(a, b), r = std::max(a, b);
    if (!(InStrip(l) || InStrip(r) || (l <= lo && r >= hi))) return;
    const int32_t x1 = X(std::clamp<long long>(l, lo, hi));
    int32_t x2 = X(std::clamp<long long>(r, lo, hi));
    if (x1 == x2) x2 = x1 + 10;
    dc.SelectPen(NullPen());
    dc.SelectBrush(Solid(strip::kPaleYellow));
    dc.Rectangle({x1, -Y(-4.8), x2, -Y(24.8)});
}

void StripPainter::SectionItems() {
    const LimitProfile profile = doc.State().GetLimitProfile(start, end);
    for (const LimitSpan& s : profile.spans) {
        limitLines.push_back({s.from, s.to, s.limit});
        if (s.limit > 0 && in.grid2m) Bands(s.from, s.to, s.phase, s.halfPeriod);
    }
    for (const int32_t station : profile.boundaries) Separator(station);
}

void StripPainter::ExcludedAreas() {
    for (const auto& area : doc.Texts().ExcludedAreas()) {
        const int32_t a = std::clamp(area.from, lo, hi), b = std::clamp(area.to, lo, hi);
        if (a == b) continue;
        dc.SelectPen(NullPen());
        dc.SelectBrush({BrushSpec::Style::BackDiagonalHatch, strip::kHatch});
        dc.Rectangle({X(a), -Y(-4.8), X(b), -Y(24.8)});
    }
}

void StripPainter::ValueGrid() {
    dc.SelectPen(gridPen);
    dc.SelectFont(Font(strip::GridFont(level)));
    double speed = 12.0;
    for (double mm = -5.0; mm <= 25.0; mm += 5.0, speed -= 2.0) {
        Line(-S(100), -Y(mm), W, -Y(mm));
        dc.SetTextColour(0x000000);
        Text(-2 * S(100), -Y(mm) + 150, HAlign::Right, Format1(mm));
        valueLabelsLeft = std::min(valueLabelsLeft, -2 * S(100) - dc.MeasureText(Format1(mm)).cx);
        if (showSpeed && speed < 12.0) {
            dc.SetTextColour(settings.Colour(8));
            Text(W + 6 * S(100), -Y(mm) + 150, HAlign::Right, Format1(speed));
        }
    }
    dc.SetTextColour(0x000000);
}

void StripPainter::ZeroLine() {
    dc.SelectPen(zeroPen);
    Line(-S(100), -Y(0.0), W, -Y(0.0));
}

void StripPainter::StationGrid() {
    dc.SelectPen(gridPen);
    const int scale = in.scale;
    int spacing = 10;
    switch (scale) {
        case 100:
            spacing = 5;
            break;
        case 200:
        case 400:
            spacing = 10;
            break;
        case 1000:
        case 2000:
            spacing = 50;
            break;
        case 5000:
            spacing = 125;
            break;
        default:
            spacing = 10;
            break;
    }
    if (!ascending) spacing = -spacing;
    const int32_t intervals = (scale / 4) / spacing;
    const int32_t tick = std::abs(W / intervals);
    // The row of station labels starts below the lowest value label, which
    // reaches below the curve area at some zoom levels; the caption stands
    // below the row.
    const int32_t labelHeight = dc.MeasureText("0").cy;
    const int32_t labelTop = std::min(-H - 2 * S(100), -Y(25.0) + 150 - labelHeight);
    Text(-800, labelTop - std::max(300, labelHeight), HAlign::Left, "Station [km]");
    for (long long k = 0; tick > 0 && k * tick <= W; ++k) {
        const int32_t x = static_cast<int32_t>(k * tick);
        Line(x, 0, x, -H - S(100));
        std::string label = text::FormatFixed((start / 10.0 + k * spacing) / 1000.0, 4);
        std::replace(label.begin(), label.end(), '.', ',');
        Text(x, labelTop, HAlign::Centre, label);
    }
}

void StripPainter::LimitLines() {
    dc.SelectPen(limitPen);
    for (const auto& l : limitLines) {
        if (l.limit == 0) continue;
        const int32_t y = -Y(l.limit / 10.0);
        Line(X(l.from), y, X(l.to), y);
    }
}

void StripPainter::Captions() {
    dc.SelectFont(Font(4));
    dc.SetTextAlign(HAlign::Centre, VAlign::Top);
    // The upright caption reads beside the value labels, not over them: its
    // right edge keeps a gap to the widest label, within the strip's margin.
    const SurfaceSize caption = dc.MeasureText(in.texts.GetText("PLOTPAGE_Y_AXIS"));
    const int32_t gap = std::max(caption.cy / 3, 1);
    long long x = 380 - S(1100);
    x = std::min<long long>(x, static_cast<long long>(valueLabelsLeft) - gap - caption.cy);
    x = std::max<long long>(x, -S(1100));
    dc.TextOut({static_cast<int32_t>(x), -H / 2}, in.texts.GetText("PLOTPAGE_Y_AXIS"));
    if (showSpeed) {
        dc.SetTextColour(settings.Colour(8));
        dc.TextOut({W + S(1000), -H / 2}, "Geschwindigkeit [km/h]");
        dc.SetTextColour(0x000000);
    }
}

void StripPainter::AreaTexts() {
    const int32_t yA = -Y(-3.1), y0 = -Y(0.0), yT = -Y(-3.6), yC = -Y(-5.1);
    std::vector<SurfaceRect> areaBoxes;
    for (const auto& area : doc.Texts().AreaTexts()) {
        const bool firstIn = InStrip(area.from), lastIn = InStrip(area.to);
        const std::string shown = OneLine(area.text);
        if (!((firstIn && !area.text.empty()) || lastIn)) continue;
        const uint32_t colour = settings.TextColour(area.colour);
        dc.SelectPen(Pen(10, colour));
        dc.SelectBrush(Solid(colour));
        const int32_t xf = X(area.from), xl = X(area.to);
        if (firstIn) dc.Polygon({{xf, yA}, {xf, y0}, {xf + S(80), yA}});
        if (lastIn) dc.Polygon({{xl, yA}, {xl, y0}, {xl - S(80), yA}});
        bool writeText = false;
        long long m = 0;
        if (firstIn && !lastIn) {
            Line(xf, yA, W + 200, yA);
            Line(W + 200, yA, W + 100, yA + 100);
            Line(W + 200, yA, W + 100, yA - 100);
            m = (static_cast<long long>(W) + xf) / 2;
            writeText = true;
        } else if (lastIn && !firstIn) {
            Line(xl, yA, -200, yA);
            Line(-200, yA, -100, yA + 100);
            Line(-200, yA, -100, yA - 100);
        } else {
            Line(xl, yA, xf, yA);
            m = (static_cast<long long>(xf) + xl) / 2;
            writeText = true;
        }
        // An empty text has nothing to write, so it gets no box either.
        if (!writeText || shown.empty()) continue;
        const int32_t mx = text::ClampToInt(m);
        Line(mx, yA, mx, yC);
        dc.SelectFont(Font(strip::BoxFont(level)));
        // A text longer than the strip is cut, so that its box stays on the page.
        const std::string fitted = FitTextEnd(dc, shown, W - S(160));
        const SurfaceSize size = dc.MeasureText(fitted);
        const int32_t w = size.cx + S(160), h = size.cy + S(50);
        int32_t left = mx - w / 2;
        if (left + w > W + 300) left = W + 300 - w;
        // Clear of the value labels on the left, below the section texts and
        // clear of the boxes drawn before: further right, or one box lower
        // where the strip ends.
        left = std::max(left, -S(100));
        int32_t bottom = yT;
        auto meets = [&](const SurfaceRect& b, int32_t gap) {
            return left < b.right + gap && left + w + gap > b.left && bottom < b.top &&
                   bottom + h > b.bottom;
        };
        for (bool moved = true; moved;) {
            moved = false;
            for (const SurfaceRect& t : separatorTexts) {
                if (!meets(t, 0)) continue;
                bottom = t.bottom - S(20) - h;
                moved = true;
            }
            for (const SurfaceRect& b : areaBoxes) {
                if (!meets(b, S(100))) continue;
                left = b.right + S(100);
                if (left + w > W + 300) {
                    left = std::max(-S(100), std::min(mx - w / 2, W + 300 - w));
                    bottom = b.bottom - S(50) - h;
                }
                moved = true;
            }
        }
        dc.SelectPen(Pen(10, colour));
        dc.SelectBrush(Solid(strip::kWhite));
        const SurfaceRect box{left, bottom + h, left + w, bottom};
        areaBoxes.push_back(box);
        dc.Rectangle(box);
        boxRects.push_back(box);
        dc.SetTextColour(colour);
        dc.DrawTextCentred(box, fitted);
        dc.SetTextColour(0x000000);
    }
}

void StripPainter::TextBoxes() {
    std::vector<TEXTBOX> boxes;
    auto collect = [&](const std::vector<TEXTDATEN>& list) {
        for (const auto& t : list)
            if (std::string shown = OneLine(t.text); !shown.empty() && InStrip(t.station))
                boxes.push_back({t.station, std::move(shown), t.colour, 0});
    };
    collect(doc.Texts().StarTexts());
    collect(doc.Texts().FreeTexts());
    std::stable_sort(boxes.begin(), boxes.end(), [&](const TEXTBOX& a, const TEXTBOX& b) {
        return ascending ? a.station < b.station : a.station > b.station;
    });
    v.textBoxes.Reset(-50, W + 200, z);
    dc.SelectBrush(Solid(strip::kWhite));
    for (const auto& box : boxes) {
        dc.SelectFont(Font(strip::BoxFont(level)));
        const std::string fitted = FitTextEnd(dc, box.text, W - S(160));
        const SurfaceSize size = dc.MeasureText(fitted);
        const int32_t w = size.cx + S(160), h = size.cy + S(50);
        const int32_t ax = X(box.station), ay = -Y(0.0);
        const SurfacePoint corner = v.textBoxes.Place(w, ax);
        const int32_t L = corner.x, T = corner.y, R = L + w, B = T - h;
        std::vector<SurfacePoint> poly;
        if (ay > T) {
            poly = {{ax - S(100), T},
                    {ax, T + S(200)},
                    {ax + S(100), T},
                    {R, T},
                    {R, B},
                    {L, B},
                    {L, T}};
        } else {
            poly = {{ax - S(100), B},
                    {ax, B - S(200)},
                    {ax + S(100), B},
                    {R, B},
                    {R, T},
                    {L, T},
                    {L, B}};
        }
        poly[0].x = std::max(poly[0].x, L);
        poly[2].x = std::min(poly[2].x, R);
        const uint32_t colour = settings.TextColour(box.colour);
        dc.SelectPen(Pen(10, colour));
        dc.Polygon(poly);
        boxRects.push_back({L, T, R, B});
        dc.SetTextColour(colour);
        dc.DrawTextCentred({L, T, R, B}, fitted);
        dc.SetTextColour(0x000000);
    }
}

void StripPainter::Bands(int32_t a, int32_t c, int phase, int half) {
    dc.SelectPen(NullPen());
    dc.SelectBrush(Solid(strip::kLightGrey));
    const int32_t top = -Y(-5.0), bottom = -Y(25.0);
    if (ascending) {
        for (long long s = static_cast<long long>(a) - phase + 20 * half; s <= c; s += 40) {
            const long long b1 = std::max<long long>(s, a), b2 = std::min<long long>(s + 20, c);
            dc.Rectangle({X(b1), top, X(b2), bottom});
        }
    } else {
        for (long long s = static_cast<long long>(c) + phase - 20 * half; s >= a; s -= 40) {
            const long long b1 = std::min<long long>(s, c), b2 = std::max<long long>(s - 20, a);
            dc.Rectangle({X(b1), top, X(b2), bottom});
        }
    }
}

std::string StripPainter::SectionLabel(int32_t station) {
    const auto hit = doc.State().FindSectionAt(station);
    if (!hit.found || !hit.evaluate) return "";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " %.1fmm|", hit.limit / 10.0);
    std::string label = in.texts.GetText("PLOTPAGE_REQUIREMENT_SECTION_SEPARATOR") + buffer;
    std::snprintf(buffer, sizeof buffer, " %dcm", static_cast<int>(hit.width));
    return label + in.texts.GetText("PLOTPAGE_LANE_WIDTH_SECTION_SEPARATOR") + buffer;
}

void StripPainter::Separator(int32_t d) {
    const long long before = static_cast<long long>(d) - 1, after = static_cast<long long>(d) + 1;
    const std::string below = SectionLabel(text::ClampToInt(before));
    const std::string above = SectionLabel(text::ClampToInt(after));
    const std::string& leftText = ascending ? below : above;
    const std::string& rightText = ascending ? above : below;

    int32_t y = 500;
    if (twoStrips) {
        // Separators close together stand one above the other, up to seven.
        if (std::llabs(d - previousSeparator) > 70 || separatorLevel >= 6) separatorLevel = 0;
        y = 500 + 450 * separatorLevel;
    }
    ++separatorLevel;
    previousSeparator = d;

    int font = 8;
    long long yp = 0;
    int t = 450;
    switch (level) {
        case 1:
            font = 8, yp = y * 1140LL / 500, t = 420;
            break;
        case 2:
            font = 6, yp = y * 980LL / 500, t = 330;
            break;
        case 3:
            font = 6, yp = y * 800LL / 500, t = 300;
            break;
        case 4:
            font = 5, yp = y * 580LL / 500, t = 200;
            break;
        case 5:
            font = 5, yp = y * 600LL / 500, t = 200;
            break;
        default:
            font = 8, yp = y * 1200LL / 500, t = 450;
            break;
    }
    const int32_t top = static_cast<int32_t>(yp);
    const int32_t x = X(d);
    dc.SelectPen(Pen(50, strip::kMagenta));
    Line(x, top, x, -H - 100);
    Line(x - 150, top, x + 150, top);
    Line(x - 150, -H - 100, x + 150, -H - 100);
    dc.SelectFont(Font(font));
    dc.SetTextColour(strip::kMagenta);
    auto parts = [](const std::string& s) {
        const auto bar = s.find('|');
        if (bar == std::string::npos) return std::pair<std::string, std::string>(s, "");
        return std::pair<std::string, std::string>(s.substr(0, bar), s.substr(bar + 1));
    };
    // The second line starts below the first, whatever the font's height.
    t = std::max(t, dc.MeasureText("0").cy);
    const auto [l1, l2] = parts(leftText);
    const auto [r1, r2] = parts(rightText);
    Text(x - 100, top, HAlign::Right, l1);
    Text(x - 100, top - t, HAlign::Right, l2);
    Text(x + 100, top, HAlign::Left, r1);
    Text(x + 100, top - t, HAlign::Left, r2);
    for (const auto& [text, right, y] :
         {std::tuple{l1, true, top}, {l2, true, top - t}, {r1, false, top}, {r2, false, top - t}}) {
        if (text.empty()) continue;
        const SurfaceSize size = dc.MeasureText(text);
        const int32_t left = right ? x - 100 - size.cx : x + 100;
        separatorTexts.push_back({left, y, left + size.cx, y - size.cy});
    }
    dc.SetTextColour(0x000000);
}

void StripPainter::Curves() {
    dc.SelectPen(curvePen);
    Curve(0, doc.Run(), 0, false);
    for (int k = 0; k < CNivoraDoc::kComparisonRuns; ++k) {
        const CMessFahrtDaten& run = doc.ComparisonRun(k + 1);
        if (!run.IsLoaded()) continue;
        dc.SelectPen(Pen(settings.Width(4 + k), settings.Colour(4 + k)));
        Curve(k + 1, run, text::TruncToInt(run.comparisonOffset * 10), false);
    }
    if (showSpeed) {
        dc.SelectPen(speedPen);
        Curve(0, doc.Run(), 0, true);
    }
}

void StripPainter::Curve(int runIndex, const CMessFahrtDaten& run, long long offset, bool speed) {
    const auto& samples = run.WorkingSamples();
    const bool asc = run.IsAscending();
    StationIndex& index = v.indexes[static_cast<std::size_t>(runIndex)];
    if (!index.Matches(samples, asc)) index.Build(samples, asc);
    const std::size_t firstIndex = index.FirstAtOrBeyond(static_cast<long long>(start) - offset);
    if (firstIndex >= samples.size()) return;
    if (speed && !samples[firstIndex].HasSpeed()) return;
    const bool zeroNegative = settings.CheckNegativAn();
    for (std::size_t i = firstIndex; i < samples.size(); ++i) {
        const MESSUNG& m = samples[i];
        const long long s = m.station + offset;
        if (asc ? s > end : s < end) break;
        int32_t y = 0;
        if (speed) {
            y = m.HasSpeed() ? -V(m.speed) : -(V(0.0) + 50);
        } else {
            const int32_t value = zeroNegative && m.value < 0 ? 0 : m.value;
            y = -Y(value / 10.0);
        }
        const SurfacePoint p{X(s), y};
        if (i == firstIndex)
            dc.MoveTo(p);
        else
            dc.LineTo(p);
    }
}

void StripPainter::ExceedanceMarks() {
    dc.SelectFont(Font(level == 5 ? 1 : 3));
    const UeberschreitungsListe& list = doc.Exceedances();
    const auto& records = list.Records();
    // The marks of the strip, left to right.
    std::vector<std::size_t> onStrip;
    for (std::size_t n = records.size(); n-- > 0;)
        if (records[n].station >= lo && records[n].station <= hi) onStrip.push_back(n);
    std::vector<ExceedanceMark> marks;
    marks.reserve(onStrip.size());
    for (const std::size_t n : onStrip) {
        const UEBERSCHREITUNG& e = records[n];
        marks.push_back(
            {X(e.station), e.number, e.counted, list.GetDiagramLabel(std::to_string(e.station))});
    }
    std::vector<std::size_t> order(marks.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return marks[a].x < marks[b].x; });
    std::vector<ExceedanceMark> sorted;
    sorted.reserve(marks.size());
    for (const std::size_t i : order) sorted.push_back(marks[i]);

    ExceedanceLabelBand band;
    band.levelHeight = dc.MeasureText("0").cy;
    band.bottom = -H + S(20);
    band.left = -S(100);
    band.right = W + S(100);
    band.gap = band.levelHeight / 3;
    band.obstacles = boxRects;
    const ExceedanceLabelLayout layout = PlaceExceedanceLabels(
        sorted, band, [&](const std::string& t) { return dc.MeasureText(t).cx; });

    for (std::size_t k = 0; k < order.size(); ++k) {
        const UEBERSCHREITUNG& e = records[onStrip[order[k]]];
        const ExceedanceLabel& label = layout.labels[layout.labelOf[k]];
        dc.SelectPen(e.counted ? limitPen : greyPen);
        Line(sorted[k].x, -Y(e.value / 10.0 + 1.0), sorted[k].x, band.LevelTop(label.level));
    }
    for (const ExceedanceLabel& label : layout.labels) {
        dc.SetTextColour(label.counted ? settings.Colour(2) : strip::kGrey);
        Text(label.left, band.LevelTop(label.level), HAlign::Left, label.text);
    }
    dc.SetTextColour(0x000000);
}

}  // namespace

void DrawStrip(IDrawingSurface& dc, const StripInput& in, StripState& state,
               SurfacePoint stripOrigin, int32_t start, int32_t end, int32_t curveHeight,
               bool firstStrip, bool twoStrips) {
    StripPainter(dc, in, state, start, end, curveHeight, firstStrip, twoStrips).Draw(stripOrigin);
}

}  // namespace nivora
