// The drawing of one strip of a diagram page from its plan, in its fixed order: click range,
// 2 m bands, separators, excluded areas, grid, zero line, limit lines, footer, captions, texts,
// curves and exceedance marks. Everything here that is not in the plan depends on measuring text.
#include "view/StripDrawing.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "text/Number.h"
#include "view/ExceedanceLabels.h"
#include "view/FooterLine.h"
#include "view/PlotPageFrame.h"

namespace nivora {

namespace {

using namespace diagram;

// F1 .. F8, all Arial.
FontSpec Font(int n) {
    const FontDef& d = kFonts[static_cast<std::size_t>(std::clamp(n, 1, 8) - 1)];
    FontSpec f;
    f.face = "Arial";
    f.height = d.height;
    f.weight = d.weight;
    f.escapement = d.escapement;
    f.orientation = d.escapement;
    return f;
}

PenSpec Pen(int32_t width, uint32_t colour) { return {false, width, colour}; }
PenSpec NullPen() { return {true, 0, 0}; }
BrushSpec Solid(uint32_t colour) { return {BrushSpec::Style::Solid, colour}; }

std::string Format1(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

// Draws one strip with the view's text box placer and strip registry.
class StripPainter {
  public:
    StripPainter(IDrawingSurface& dc, const StripPlan& plan, StripState& state)
        : p(plan), v(state), dc(dc), W(plan.width), H(plan.curveHeight) {}

    void Draw(SurfacePoint stripOrigin);

  private:
    int32_t S(int32_t n) const { return Scaled(n, p.zoom); }
    int32_t X(long long s) const { return p.stationAxis.Map(static_cast<double>(s)); }
    int32_t Y(double mm) const { return p.valueAxis.Map(mm); }
    int32_t V(double kmh) const { return p.speedAxis.Map(kmh); }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        dc.MoveTo({x1, y1});
        dc.LineTo({x2, y2});
    }
    void Text(int32_t x, int32_t y, HAlign h, const std::string& t) {
        dc.SetTextAlign(h, VAlign::Top);
        dc.TextOut({x, y}, t);
    }
    // The shaded height of the curve area between two stations.
    SurfaceRect Shade(long long from, long long to) const {
        return {X(from), -Y(kShadeTop), X(to), -Y(kShadeBottom)};
    }

    void SetUpFrame(SurfacePoint stripOrigin);
    void ClickRange();
    void Bands();
    void Separator(const SeparatorPlan& sep);
    void ExcludedAreas();
    void ValueGrid();
    void ZeroLine();
    void StationGrid();
    void LimitLines();
    void Captions();
    void AreaTexts();
    void TextBoxes();
    void Curve(const CurvePlan& c);
    void ExceedanceMarks();

    const StripPlan& p;
    StripState& v;
    IDrawingSurface& dc;
    const int32_t W, H;
    std::vector<SurfaceRect> boxRects;        // text boxes drawn, for the exceedance labels
    std::vector<SurfaceRect> separatorTexts;  // for the area text boxes
    int32_t valueLabelsLeft = 0;              // left edge of the widest value label
};

void StripPainter::Draw(SurfacePoint stripOrigin) {
    const SurfacePoint savedOrigin = dc.GetWindowOrigin();
    dc.SaveState();
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    SetUpFrame(stripOrigin);

    ClickRange();
    Bands();
    for (const SeparatorPlan& sep : p.separators) Separator(sep);
    ExcludedAreas();
    ValueGrid();
    ZeroLine();
    StationGrid();
    LimitLines();
    if (p.footer) {
        // Right of the upright speed caption (its height, 300, right of its
        // reference point) when that is shown, so that the two do not cross.
        const int32_t x = p.showSpeed ? W + S(kSpeedCaptionRight) + 300 + 300 : W + 1200;
        DrawFooterLine(dc, {x, -H - 400}, false, FooterAlign::Centre);
    }
    Captions();
    AreaTexts();
    TextBoxes();
    for (const CurvePlan& c : p.curves) Curve(c);
    ExceedanceMarks();

    dc.SelectPen(NullPen());
    dc.RestoreState();
    dc.SetWindowOrigin(savedOrigin);
}

void StripPainter::SetUpFrame(SurfacePoint stripOrigin) {
    const long long dx = static_cast<long long>(stripOrigin.x) + S(kCurveLeft);
    const long long dy = static_cast<long long>(stripOrigin.y) - S(kCurveTop);
    dc.OffsetWindowOrigin(text::ClampToInt(-dx), text::ClampToInt(-dy));
    const SurfacePoint o = dc.GetWindowOrigin();
    v.registry.Register({-o.x, -o.y, W - o.x, -H - o.y}, p.start, p.end);
}

void StripPainter::ClickRange() {
    if (!p.clickRange) return;
    SurfaceRect r = Shade(p.clickRange->from, p.clickRange->to);
    if (r.left == r.right) r.right = r.left + 10;
    dc.SelectPen(NullPen());
    dc.SelectBrush(Solid(kPaleYellow));
    dc.Rectangle(r);
}

void StripPainter::Bands() {
    const int32_t top = -Y(kValueTop), bottom = -Y(kValueBottom);
    for (const auto& group : p.bands) {
        dc.SelectPen(NullPen());
        dc.SelectBrush(Solid(kLightGrey));
        for (const StationSpan& b : group) dc.Rectangle({X(b.from), top, X(b.to), bottom});
    }
}

void StripPainter::ExcludedAreas() {
    for (const StationSpan& area : p.excludedAreas) {
        dc.SelectPen(NullPen());
        dc.SelectBrush({BrushSpec::Style::BackDiagonalHatch, kHatch});
        dc.Rectangle(Shade(area.from, area.to));
    }
}

void StripPainter::ValueGrid() {
    dc.SelectPen(p.gridPen);
    dc.SelectFont(Font(GridFont(p.zoomLevel)));
    const int32_t overhang = S(kGridOverhang);
    double speed = kSpeedTop;
    for (double mm = kValueTop; mm <= kValueBottom;
         mm += kValueGridStep, speed -= kSpeedLabelStep) {
        Line(-overhang, -Y(mm), W, -Y(mm));
        dc.SetTextColour(kBlack);
        Text(-2 * overhang, -Y(mm) + kLabelRaise, HAlign::Right, Format1(mm));
        valueLabelsLeft = std::min(valueLabelsLeft, -2 * overhang - dc.MeasureText(Format1(mm)).cx);
        if (p.showSpeed && speed < kSpeedTop) {
            dc.SetTextColour(p.speedColour);
            Text(W + 6 * overhang, -Y(mm) + kLabelRaise, HAlign::Right, Format1(speed));
        }
    }
    dc.SetTextColour(kBlack);
}

void StripPainter::ZeroLine() {
    dc.SelectPen(p.zeroPen);
    Line(-S(kGridOverhang), -Y(0.0), W, -Y(0.0));
}

void StripPainter::StationGrid() {
    dc.SelectPen(p.gridPen);
    // The row of station labels starts below the lowest value label, which
    // reaches below the curve area at some zoom levels; the caption stands
    // below the row.
    const int32_t labelHeight = dc.MeasureText("0").cy;
    const int32_t labelTop =
        std::min(-H - 2 * S(kGridOverhang), -Y(kValueBottom) + kLabelRaise - labelHeight);
    Text(-800, labelTop - std::max(300, labelHeight), HAlign::Left, "Station [km]");
    for (const StationTick& tick : p.ticks) {
        Line(tick.x, 0, tick.x, -H - S(kGridOverhang));
        Text(tick.x, labelTop, HAlign::Centre, tick.label);
    }
}

void StripPainter::LimitLines() {
    dc.SelectPen(p.limitPen);
    for (const auto& l : p.limitLines) {
        const int32_t y = -Y(l.limit / 10.0);
        Line(X(l.from), y, X(l.to), y);
    }
}

void StripPainter::Captions() {
    dc.SelectFont(Font(kCaptionFont));
    dc.SetTextAlign(HAlign::Centre, VAlign::Top);
    // The upright caption reads beside the value labels, not over them: its
    // right edge keeps a gap to the widest label, within the strip's margin.
    const SurfaceSize caption = dc.MeasureText(p.valueCaption);
    const int32_t gap = std::max(caption.cy / 3, 1);
    long long x = 380 - S(kCurveLeft);
    x = std::min<long long>(x, static_cast<long long>(valueLabelsLeft) - gap - caption.cy);
    x = std::max<long long>(x, -S(kCurveLeft));
    dc.TextOut({static_cast<int32_t>(x), -H / 2}, p.valueCaption);
    if (p.showSpeed) {
        dc.SetTextColour(p.speedColour);
        dc.TextOut({W + S(kSpeedCaptionRight), -H / 2}, "Geschwindigkeit [km/h]");
        dc.SetTextColour(kBlack);
    }
}

void StripPainter::AreaTexts() {
    const int32_t yA = -Y(kAreaLine), y0 = -Y(0.0), yT = -Y(kAreaBoxBottom),
                  yC = -Y(kAreaConnectorEnd);
    std::vector<SurfaceRect> areaBoxes;
    for (const AreaTextPlan& area : p.areaTexts) {
        const bool firstIn = area.firstIn, lastIn = area.lastIn;
        const uint32_t colour = area.colour;
        dc.SelectPen(Pen(kOutlineWidth, colour));
        dc.SelectBrush(Solid(colour));
        const int32_t xf = X(area.from), xl = X(area.to);
        if (firstIn) dc.Polygon({{xf, yA}, {xf, y0}, {xf + S(kAreaTriangle), yA}});
        if (lastIn) dc.Polygon({{xl, yA}, {xl, y0}, {xl - S(kAreaTriangle), yA}});
        bool writeText = false;
        long long m = 0;
        if (firstIn && !lastIn) {
            const int32_t tip = W + kAreaArrowReach, back = tip - kArrowHead;
            Line(xf, yA, tip, yA);
            Line(tip, yA, back, yA + kArrowHead);
            Line(tip, yA, back, yA - kArrowHead);
            m = (static_cast<long long>(W) + xf) / 2;
            writeText = true;
        } else if (lastIn && !firstIn) {
            const int32_t tip = -kAreaArrowReach, back = tip + kArrowHead;
            Line(xl, yA, tip, yA);
            Line(tip, yA, back, yA + kArrowHead);
            Line(tip, yA, back, yA - kArrowHead);
        } else {
            Line(xl, yA, xf, yA);
            m = (static_cast<long long>(xf) + xl) / 2;
            writeText = true;
        }
        // An empty text has nothing to write, so it gets no box either.
        if (!writeText || area.text.empty()) continue;
        const int32_t mx = text::ClampToInt(m);
        Line(mx, yA, mx, yC);
        dc.SelectFont(Font(BoxFont(p.zoomLevel)));
        // A text longer than the strip is cut, so that its box stays on the page.
        const std::string fitted = FitTextEnd(dc, area.text, W - S(kBoxPaddingX));
        const SurfaceSize size = dc.MeasureText(fitted);
        const int32_t w = size.cx + S(kBoxPaddingX), h = size.cy + S(kBoxPaddingY);
        int32_t left = mx - w / 2;
        const int32_t reach = W + kAreaBoxReach;
        if (left + w > reach) left = reach - w;
        // Clear of the value labels on the left, below the section texts and
        // clear of the boxes drawn before: further right, or one box lower
        // where the strip ends.
        left = std::max(left, -S(kGridOverhang));
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
                if (left + w > reach) {
                    left = std::max(-S(kGridOverhang), std::min(mx - w / 2, reach - w));
                    bottom = b.bottom - S(50) - h;
                }
                moved = true;
            }
        }
        dc.SelectPen(Pen(kOutlineWidth, colour));
        dc.SelectBrush(Solid(kWhite));
        const SurfaceRect box{left, bottom + h, left + w, bottom};
        areaBoxes.push_back(box);
        dc.Rectangle(box);
        boxRects.push_back(box);
        dc.SetTextColour(colour);
        dc.DrawTextCentred(box, fitted);
        dc.SetTextColour(kBlack);
    }
}

void StripPainter::TextBoxes() {
    v.textBoxes.Reset(kTextBoxesLeft, W + kTextBoxesReach, p.zoom);
    dc.SelectBrush(Solid(kWhite));
    for (const TEXTBOX& box : p.textBoxes) {
        dc.SelectFont(Font(BoxFont(p.zoomLevel)));
        const std::string fitted = FitTextEnd(dc, box.text, W - S(kBoxPaddingX));
        const SurfaceSize size = dc.MeasureText(fitted);
        const int32_t w = size.cx + S(kBoxPaddingX), h = size.cy + S(kBoxPaddingY);
        const int32_t ax = X(box.station), ay = -Y(0.0), half = S(kCalloutHalfWidth);
        const SurfacePoint corner = v.textBoxes.Place(w, ax);
        const int32_t L = corner.x, T = corner.y, R = L + w, B = T - h;
        std::vector<SurfacePoint> poly;
        if (ay > T) {
            poly = {
                {ax - half, T}, {ax, T + S(kCalloutHeight)}, {ax + half, T}, {R, T}, {R, B}, {L, B},
                {L, T}};
        } else {
            poly = {
                {ax - half, B}, {ax, B - S(kCalloutHeight)}, {ax + half, B}, {R, B}, {R, T}, {L, T},
                {L, B}};
        }
        poly[0].x = std::max(poly[0].x, L);
        poly[2].x = std::min(poly[2].x, R);
        dc.SelectPen(Pen(kOutlineWidth, box.colour));
        dc.Polygon(poly);
        boxRects.push_back({L, T, R, B});
        dc.SetTextColour(box.colour);
        dc.DrawTextCentred({L, T, R, B}, fitted);
        dc.SetTextColour(kBlack);
    }
}

void StripPainter::Separator(const SeparatorPlan& sep) {
    const int32_t top = sep.top;
    const int32_t x = X(sep.station);
    const int32_t bar = kSeparatorBarHalf, foot = -H - kSeparatorBelowCurve;
    dc.SelectPen(Pen(kSeparatorPenWidth, kMagenta));
    Line(x, top, x, foot);
    Line(x - bar, top, x + bar, top);
    Line(x - bar, foot, x + bar, foot);
    dc.SelectFont(Font(sep.font));
    dc.SetTextColour(kMagenta);
    // The second line starts below the first, whatever the font's height.
    const int32_t t = std::max(sep.lineSpacing, dc.MeasureText("0").cy);
    const int32_t gap = kSeparatorTextGap;
    const auto& [l1, l2] = sep.left;
    const auto& [r1, r2] = sep.right;
    Text(x - gap, top, HAlign::Right, l1);
    Text(x - gap, top - t, HAlign::Right, l2);
    Text(x + gap, top, HAlign::Left, r1);
    Text(x + gap, top - t, HAlign::Left, r2);
    for (const auto& [text, right, y] :
         {std::tuple{l1, true, top}, {l2, true, top - t}, {r1, false, top}, {r2, false, top - t}}) {
        if (text.empty()) continue;
        const SurfaceSize size = dc.MeasureText(text);
        const int32_t left = right ? x - gap - size.cx : x + gap;
        separatorTexts.push_back({left, y, left + size.cx, y - size.cy});
    }
    dc.SetTextColour(kBlack);
}

void StripPainter::Curve(const CurvePlan& c) {
    dc.SelectPen(c.pen);
    for (std::size_t i = c.first; i < c.end; ++i) {
        const MESSUNG& m = (*c.samples)[i];
        int32_t y = 0;
        if (c.speed) {
            // A sample without speed lies just below the bottom edge.
            y = m.HasSpeed() ? -V(m.speed) : -(V(kSpeedBottom) + 50);
        } else {
            const int32_t value = c.zeroNegative && m.value < 0 ? 0 : m.value;
            y = -Y(value / 10.0);
        }
        const SurfacePoint point{X(m.station + c.offset), y};
        if (i == c.first)
            dc.MoveTo(point);
        else
            dc.LineTo(point);
    }
}

void StripPainter::ExceedanceMarks() {
    dc.SelectFont(Font(MarkFont(p.zoomLevel)));
    std::vector<ExceedanceMark> marks;
    marks.reserve(p.marks.size());
    for (const MarkPlan& m : p.marks) marks.push_back(m.mark);

    ExceedanceLabelBand band;
    band.levelHeight = dc.MeasureText("0").cy;
    band.bottom = -H + S(20);
    band.left = -S(kGridOverhang);
    band.right = W + S(kGridOverhang);
    band.gap = band.levelHeight / 3;
    band.obstacles = boxRects;
    const ExceedanceLabelLayout layout = PlaceExceedanceLabels(
        marks, band, [&](const std::string& t) { return dc.MeasureText(t).cx; });

    for (std::size_t k = 0; k < p.marks.size(); ++k) {
        const MarkPlan& m = p.marks[k];
        const ExceedanceLabel& label = layout.labels[layout.labelOf[k]];
        dc.SelectPen(m.mark.counted ? p.limitPen : p.greyPen);
        Line(m.mark.x, -Y(m.value / 10.0 + kMarkBelowValue), m.mark.x, band.LevelTop(label.level));
    }
    for (const ExceedanceLabel& label : layout.labels) {
        dc.SetTextColour(label.counted ? p.countedColour : kGrey);
        Text(label.left, band.LevelTop(label.level), HAlign::Left, label.text);
    }
    dc.SetTextColour(kBlack);
}

}  // namespace

void DrawStrip(IDrawingSurface& dc, const StripPlan& plan, SurfacePoint pageOrigin,
               StripState& state) {
    const SurfacePoint origin{pageOrigin.x + plan.origin.x, pageOrigin.y + plan.origin.y};
    StripPainter(dc, plan, state).Draw(origin);
}

void DrawPagePlan(IDrawingSurface& dc, const PagePlan& plan, SurfacePoint pageOrigin,
                  StripState& state) {
    state.registry.Clear();
    for (const StripPlan& strip : plan.strips) DrawStrip(dc, strip, pageOrigin, state);
}

}  // namespace nivora
