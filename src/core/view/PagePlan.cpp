#include "view/PagePlan.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "document/KeyEncodings.h"
#include "document/NivoraDoc.h"
#include "platform/TextTable.h"
#include "text/Number.h"
#include "text/TextUtil.h"
#include "view/DiagramGeometry.h"

namespace nivora {

namespace {

using namespace diagram;

PenSpec Pen(int32_t width, uint32_t colour) { return {false, width, colour}; }

// Area, star and free texts stand on one line in the diagram: a stored line
// break becomes a blank. Nothing but blanks leaves nothing to show.
std::string OneLine(std::string t) {
    text::ReplaceText(t, "{{CRLF}}", " ", true);
    if (t.find_first_not_of(' ') == std::string::npos) t.clear();
    return t;
}

class StripPlanner {
  public:
    StripPlanner(const PlanInput& in, SampleIndexes& indexes, StripPlan& plan)
        : in(in), doc(in.doc), settings(in.doc.State().Settings()), indexes(indexes), p(plan) {}

    void Plan();

  private:
    bool InStrip(long long s) const { return p.lo <= s && s < p.hi; }
    int32_t X(long long s) const { return p.stationAxis.Map(static_cast<double>(s)); }

    void Frame();
    void ClickRange();
    void SectionItemsOf();
    void Bands(const BandGroup& g);
    SeparatorPlan Separator(int32_t d);
    std::string SectionLabel(int32_t station) const;
    void ExcludedAreas();
    void Ticks();
    void AreaTexts();
    void TextBoxes();
    void Curves();
    CurvePlan Curve(int runIndex, const CMessFahrtDaten& run, long long offset, bool speed,
                    PenSpec pen);
    void Marks();

    const PlanInput& in;
    const CNivoraDoc& doc;
    const CEinstellungen& settings;
    SampleIndexes& indexes;
    StripPlan& p;
    int separatorLevel = 0;
    long long previousSeparator = 0;
};

void StripPlanner::Plan() {
    Frame();
    ClickRange();
    SectionItemsOf();
    ExcludedAreas();
    Ticks();
    p.valueCaption = in.texts.GetText("PLOTPAGE_Y_AXIS");
    AreaTexts();
    TextBoxes();
    Curves();
    Marks();
}

void StripPlanner::Frame() {
    p.lo = std::min(p.start, p.end);
    p.hi = std::max(p.start, p.end);
    p.ascending = p.start < p.end || (p.start == p.end && doc.Run().IsAscending());
    p.zoom = in.zoom;
    p.zoomLevel = in.zoomLevel;
    p.width = Scaled(kStripWidth, in.zoom);
    p.curveHeight = Scaled(kCurveHeight, in.zoom);
    p.footer = p.firstOnPage && in.printing;
    p.showSpeed = settings.DisplaySpeedAn() && doc.Run().SpeedCount() > 5;
    p.stationAxis.Set(p.width, p.start, p.end);
    p.valueAxis.Set(p.curveHeight, kValueTop, kValueBottom);
    p.speedAxis.Set(p.curveHeight, kSpeedTop, kSpeedBottom);
    p.gridPen = Pen(settings.Width(0), settings.Colour(0));
    p.zeroPen = Pen(settings.Width(1), settings.Colour(1));
    p.limitPen = Pen(settings.Width(2), settings.Colour(2));
    p.greyPen = Pen(kOutlineWidth, kGrey);
    p.speedColour = settings.Colour(8);
    p.countedColour = settings.Colour(2);
}

void StripPlanner::ClickRange() {
    if (in.printing) return;
    const CFifo& clicked = doc.ClickedStations();
    const std::string& newest = clicked.Get(0);
    if (newest.empty()) return;
    const std::string& older = clicked.Get(1).empty() ? newest : clicked.Get(1);
    const long long a = text::ToInt(newest), b = text::ToInt(older);
    const long long l = std::min(a, b), r = std::max(a, b);
    if (!(InStrip(l) || InStrip(r) || (l <= p.lo && r >= p.hi))) return;
    p.clickRange = StationSpan{static_cast<int32_t>(std::clamp<long long>(l, p.lo, p.hi)),
                               static_cast<int32_t>(std::clamp<long long>(r, p.lo, p.hi))};
}

void StripPlanner::SectionItemsOf() {
    const SectionItems items = LimitLines(doc.State().GetLimitProfile(p.start, p.end));
    for (const GRENZWERTLINIE& l : items.limits)
        if (l.limit != 0) p.limitLines.push_back(l);
    if (in.grid2m)
        for (const BandGroup& g : items.bands) Bands(g);
    for (const int32_t d : items.separators) p.separators.push_back(Separator(d));
}

void StripPlanner::Bands(const BandGroup& g) {
    std::vector<StationSpan>& bands = p.bands.emplace_back();
    const long long a = g.from, c = g.to;
    constexpr long long band = kBandWidth, period = 2 * kBandWidth;
    if (p.ascending) {
        for (long long s = a - g.phase + band * g.half; s <= c; s += period)
            bands.push_back({static_cast<int32_t>(std::max(s, a)),
                             static_cast<int32_t>(std::min(s + band, c))});
    } else {
        for (long long s = c + g.phase - band * g.half; s >= a; s -= period)
            bands.push_back({static_cast<int32_t>(std::min(s, c)),
                             static_cast<int32_t>(std::max(s - band, a))});
    }
}

std::string StripPlanner::SectionLabel(int32_t station) const {
    const auto hit = doc.State().FindSectionAt(station);
    if (!hit.found || !hit.evaluate) return "";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " %.1fmm|", hit.limit / 10.0);
    std::string label = in.texts.GetText("PLOTPAGE_REQUIREMENT_SECTION_SEPARATOR") + buffer;
    std::snprintf(buffer, sizeof buffer, " %dcm", static_cast<int>(hit.width));
    return label + in.texts.GetText("PLOTPAGE_LANE_WIDTH_SECTION_SEPARATOR") + buffer;
}

SeparatorPlan StripPlanner::Separator(int32_t d) {
    const long long before = static_cast<long long>(d) - 1, after = static_cast<long long>(d) + 1;
    const std::string below = SectionLabel(text::ClampToInt(before));
    const std::string above = SectionLabel(text::ClampToInt(after));
    auto lines = [](const std::string& s) {
        const auto bar = s.find('|');
        if (bar == std::string::npos) return std::array<std::string, 2>{s, ""};
        return std::array<std::string, 2>{s.substr(0, bar), s.substr(bar + 1)};
    };
    SeparatorPlan sep;
    sep.station = d;
    sep.left = lines(p.ascending ? below : above);
    sep.right = lines(p.ascending ? above : below);

    int32_t y = kSeparatorTop;
    if (p.twoStrips) {
        // Separators close together stand one above the other, up to seven.
        if (std::llabs(d - previousSeparator) > kSeparatorRestartDistance ||
            separatorLevel >= kSeparatorLevels - 1)
            separatorLevel = 0;
        y = kSeparatorTop + kSeparatorStagger * separatorLevel;
    }
    ++separatorLevel;
    previousSeparator = d;

    const SeparatorStyle style = SeparatorStyleFor(p.zoomLevel);
    sep.top = static_cast<int32_t>(static_cast<long long>(y) * style.topNumerator / kSeparatorTop);
    sep.lineSpacing = style.lineSpacing;
    sep.font = style.font;
    return sep;
}

void StripPlanner::ExcludedAreas() {
    for (const auto& area : doc.Texts().ExcludedAreas()) {
        const int32_t a = std::clamp(area.from, p.lo, p.hi), b = std::clamp(area.to, p.lo, p.hi);
        if (a != b) p.excludedAreas.push_back({a, b});
    }
}

void StripPlanner::Ticks() {
    int spacing = TickSpacing(in.paging.scale);
    if (!p.ascending) spacing = -spacing;
    const int32_t intervals = (in.paging.scale / 4) / spacing;
    const int32_t tick = std::abs(p.width / intervals);
    for (long long k = 0; tick > 0 && k * tick <= p.width; ++k) {
        std::string label = text::FormatFixed((p.start / 10.0 + k * spacing) / 1000.0, 4);
        std::replace(label.begin(), label.end(), '.', ',');
        p.ticks.push_back({static_cast<int32_t>(k * tick), std::move(label)});
    }
}

void StripPlanner::AreaTexts() {
    for (const auto& area : doc.Texts().AreaTexts()) {
        const bool firstIn = InStrip(area.from), lastIn = InStrip(area.to);
        if (!((firstIn && !area.text.empty()) || lastIn)) continue;
        p.areaTexts.push_back({area.from, area.to, firstIn, lastIn, OneLine(area.text),
                               settings.TextColour(area.colour)});
    }
}

void StripPlanner::TextBoxes() {
    auto collect = [&](const std::vector<TEXTDATEN>& list) {
        for (const auto& t : list)
            if (std::string shown = OneLine(t.text); !shown.empty() && InStrip(t.station))
                p.textBoxes.push_back({t.station, std::move(shown), settings.TextColour(t.colour)});
    };
    collect(doc.Texts().StarTexts());
    collect(doc.Texts().FreeTexts());
    const bool ascending = p.ascending;
    std::stable_sort(p.textBoxes.begin(), p.textBoxes.end(),
                     [ascending](const TEXTBOX& a, const TEXTBOX& b) {
                         return ascending ? a.station < b.station : a.station > b.station;
                     });
}

void StripPlanner::Curves() {
    p.curves.push_back(Curve(0, doc.Run(), 0, false, Pen(settings.Width(3), settings.Colour(3))));
    for (int k = 0; k < CNivoraDoc::kComparisonRuns; ++k) {
        const CMessFahrtDaten& run = doc.ComparisonRun(k + 1);
        if (!run.IsLoaded()) continue;
        p.curves.push_back(Curve(k + 1, run, text::TruncToInt(run.comparisonOffset * 10), false,
                                 Pen(settings.Width(4 + k), settings.Colour(4 + k))));
    }
    if (p.showSpeed)
        p.curves.push_back(
            Curve(0, doc.Run(), 0, true, Pen(settings.Width(8), settings.Colour(8))));
}

CurvePlan StripPlanner::Curve(int runIndex, const CMessFahrtDaten& run, long long offset,
                              bool speed, PenSpec pen) {
    const auto& samples = run.WorkingSamples();
    const bool asc = run.IsAscending();
    StationIndex& index = indexes[static_cast<std::size_t>(runIndex)];
    if (!index.Matches(samples, asc)) index.Build(samples, asc);
    CurvePlan c{pen, &samples, offset, 0, 0, speed, settings.CheckNegativAn()};
    const std::size_t first = index.FirstAtOrBeyond(static_cast<long long>(p.start) - offset);
    if (first >= samples.size()) return c;
    if (speed && !samples[first].HasSpeed()) return c;
    std::size_t end = first;
    while (end < samples.size()) {
        const long long s = samples[end].station + offset;
        if (asc ? s > p.end : s < p.end) break;
        ++end;
    }
    c.first = first;
    c.end = end;
    return c;
}

void StripPlanner::Marks() {
    const UeberschreitungsListe& list = doc.Exceedances();
    const auto& records = list.Records();
    const bool runAscending = doc.Run().IsAscending();
    // Visited from the last to the first, then put left to right.
    for (std::size_t n = records.size(); n-- > 0;) {
        const UEBERSCHREITUNG& e = records[n];
        if (e.station < p.lo || e.station > p.hi) continue;
        p.marks.push_back(
            {{X(e.station), e.number, e.counted, list.GetDiagramLabel(std::to_string(e.station))},
             e.station,
             e.value,
             ExceedancePage(e.station, runAscending, in.paging)});
    }
    std::stable_sort(p.marks.begin(), p.marks.end(),
                     [](const MarkPlan& a, const MarkPlan& b) { return a.mark.x < b.mark.x; });
}

}  // namespace

SectionItems LimitLines(const LimitProfile& profile) {
    SectionItems items;
    for (const LimitSpan& s : profile.spans) items.limits.push_back({s.from, s.to, s.limit});
    for (const LimitSpan& s : profile.spans)
        if (s.limit > 0) items.bands.push_back({s.from, s.to, s.phase, s.halfPeriod});
    items.separators = profile.boundaries;
    return items;
}

PagePlan PlanPage(const PlanInput& in, int page, SampleIndexes& indexes) {
    PagePlan plan;
    plan.page = page;
    const Paging& paging = in.paging;
    if (paging.pageCount <= 0 || in.doc.Run().WorkingSamples().empty()) return plan;
    const int spp = paging.stripsPerPage;
    const bool ascending = in.doc.Run().IsAscending();
    const long long dir = ascending ? 1 : -1;
    const long long length = paging.stripLength;
    const long long pageStart = PageStart(paging, ascending, page);
    const int strips = std::min(StripsOnPage(paging, page), spp);
    for (int k = 0; k < strips; ++k) {
        StripPlan& strip = plan.strips.emplace_back();
        if (spp == 3) {
            strip.origin.y = -k * (Scaled(kCurveHeight, in.zoom) + Scaled(kStripGap, in.zoom));
        } else {
            strip.origin.y =
                -(Scaled(kTwoStripsTop, in.zoom) + k * Scaled(kTwoStripsPitch, in.zoom));
        }
        const long long start = pageStart + k * length * dir;
        strip.start = text::ClampToInt(start);
        strip.end = text::ClampToInt(start + length * dir);
        strip.firstOnPage = k == 0;
        strip.twoStrips = spp == 2;
        StripPlanner(in, indexes, strip).Plan();
    }
    return plan;
}

}  // namespace nivora
