#include <gtest/gtest.h>

#include "core/view/DrawQueries.h"
#include "core/view/ViewFixture.h"
#include "view/StripDrawing.h"

namespace nivora {
namespace {

using namespace test;

constexpr int32_t W = 25000, H = 3200;

std::vector<Rec> Rects(const RecordingSurface& s, int strip, uint32_t colour) {
    std::vector<Rec> out;
    for (const auto& r : InStrip(s, Op::Rectangle, strip))
        if (r.state.brush.colour == colour) out.push_back(r);
    return out;
}

TEST(StripItems, ClickRange) {
    struct Case {
        std::vector<std::string> clicks;  // oldest first
        int strip;
        bool drawn;
        int32_t x1, x2;
    };
    const Case cases[] = {
        {{"300", "700"}, 0, true, 7500, 17500},
        {{"700", "300"}, 0, true, 7500, 17500},
        {{"500"}, 0, true, 12500, 12510},  // one click: a 10 units wide mark
        {{"300", "2500"}, 1, true, 0, W},  // spans the whole second strip
        {{"300", "2500"}, 0, true, 7500, W},
        {{"1200", "1300"}, 0, false, 0, 0},
        {{}, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        ViewFixture f;
        f.Stretch(0, 3000);
        for (const auto& t : c.clicks) f.doc.ClickedStations().Push(t);
        auto& s = f.Draw();
        const auto rects = Rects(s, c.strip, diagram::kPaleYellow);
        ASSERT_EQ(rects.size(), c.drawn ? 1u : 0u) << c.clicks.size();
        if (!c.drawn) continue;
        EXPECT_EQ(rects[0].rect, (SurfaceRect{c.x1, -21, c.x2, -3178}));
        EXPECT_TRUE(rects[0].state.pen.none);
    }
    ViewFixture printing;
    printing.Stretch(0, 3000);
    printing.doc.ClickedStations().Push("300");
    printing.view.OnBeginPrinting();
    EXPECT_TRUE(Rects(printing.Draw(), 0, diagram::kPaleYellow).empty());
}

TEST(StripItems, ExcludedAreasAreHatchedWithinTheStrip) {
    ViewFixture f;
    f.Stretch(0, 3000);
    f.Texts("", "", "200_400_Schacht_900_1200_Fuge_1500_1600_");
    auto& s = f.Draw();
    auto hatched = [&](int strip) {
        std::vector<SurfaceRect> out;
        for (const auto& r : InStrip(s, Op::Rectangle, strip))
            if (r.state.brush.style == BrushSpec::Style::BackDiagonalHatch) {
                EXPECT_EQ(r.state.brush.colour, diagram::kHatch);
                EXPECT_TRUE(r.state.pen.none);
                out.push_back(r.rect);
            }
        return out;
    };
    EXPECT_EQ(hatched(0),
              (std::vector<SurfaceRect>{{5000, -21, 10000, -3178}, {22500, -21, W, -3178}}));
    EXPECT_EQ(hatched(1),
              (std::vector<SurfaceRect>{{0, -21, 5000, -3178}, {12500, -21, 15000, -3178}}));
}

// Three sections: 4.0 mm and 350 cm, 4.5 mm and 300 cm from 100 m, and one
// that is not evaluated from 250 m.
const std::vector<std::string> kSections = {
    "MANUVONBIS=0;3001",
    "ABSCHNITTE=[0|350|40|10|0.60|12.50|1||||][1000|300|45|10|0.60|12.50|1||||]"
    "[2500|300|50|10|||0||||]"};

TEST(StripItems, LimitLinesPerSection) {
    ViewFixture f;
    f.Stretch(0, 3000);
    f.State(kSections);
    auto& s = f.Draw();
    auto limitLines = [&](int strip) {
        std::vector<std::pair<SurfacePoint, SurfacePoint>> out;
        for (const auto& g : Segments(s, strip))
            if (g.pen.width == f.doc.State().Settings().Width(2) &&
                g.pen.colour == f.doc.State().Settings().Colour(2) && g.a.y == g.b.y)
                out.emplace_back(g.a, g.b);
        return out;
    };
    using L = std::vector<std::pair<SurfacePoint, SurfacePoint>>;
    // -Y(4.0) = -960, -Y(4.5) = -1013; the not evaluated section has limit 0.
    EXPECT_EQ(limitLines(0), (L{{{0, -960}, {W, -960}}, {{W, -1013}, {W, -1013}}}));
    EXPECT_EQ(limitLines(2), (L{{{0, -1013}, {12500, -1013}}}));
}

TEST(StripItems, SeparatorOnAStripBoundaryBelongsToTheStripItStarts) {
    ViewFixture f;
    f.Stretch(0, 3000);
    f.State(kSections);
    auto& s = f.Draw();
    auto magentaVerticals = [&](int strip) {
        std::vector<int32_t> xs;
        for (const auto& g : Segments(s, strip))
            if (g.pen.colour == diagram::kMagenta && g.a.x == g.b.x) xs.push_back(g.a.x);
        return xs;
    };
    EXPECT_TRUE(magentaVerticals(0).empty());
    EXPECT_EQ(magentaVerticals(1), std::vector<int32_t>{0});
    EXPECT_EQ(magentaVerticals(2), std::vector<int32_t>{12500});

    const std::string req = f.texts.GetText("PLOTPAGE_REQUIREMENT_SECTION_SEPARATOR");
    const std::string lane = f.texts.GetText("PLOTPAGE_LANE_WIDTH_SECTION_SEPARATOR");
    const auto texts = InStrip(s, Op::Text, 1);
    const Rec* left1 = FindText(texts, req + " 4.0mm");
    const Rec* left2 = FindText(texts, lane + " 350cm");
    const Rec* right1 = FindText(texts, req + " 4.5mm");
    const Rec* right2 = FindText(texts, lane + " 300cm");
    ASSERT_TRUE(left1 && left2 && right1 && right2);
    // Zoom level 5: the top at 600, font F5 250 high, so lines 250 apart
    // rather than 200, which would overlap.
    EXPECT_EQ(left1->points[0], (SurfacePoint{-100, 600}));
    EXPECT_EQ(left2->points[0], (SurfacePoint{-100, 350}));
    EXPECT_EQ(left1->state.hAlign, HAlign::Right);
    EXPECT_EQ(right1->points[0], (SurfacePoint{100, 600}));
    EXPECT_EQ(right2->points[0], (SurfacePoint{100, 350}));
    EXPECT_EQ(right1->state.hAlign, HAlign::Left);
    EXPECT_EQ(right1->state.textColour, diagram::kMagenta);
    EXPECT_EQ(right1->state.font.height, 250);
    const auto segs = Segments(s, 1);
    EXPECT_TRUE(HasSegment(segs, {0, 600}, {0, -H - 100}));
    EXPECT_TRUE(HasSegment(segs, {-150, 600}, {150, 600}));
    EXPECT_TRUE(HasSegment(segs, {-150, -H - 100}, {150, -H - 100}));
    // The section after 250 m is not evaluated: its side stays empty.
    const auto third = InStrip(s, Op::Text, 2);
    ASSERT_NE(FindText(third, req + " 4.5mm"), nullptr);
    EXPECT_EQ(FindText(third, req + " 4.5mm")->points[0].x, 12500 - 100);
    EXPECT_EQ(FindText(third, req + " 5.0mm"), nullptr);
}

TEST(StripItems, DescendingRunMirrorsTheSeparatorTexts) {
    ViewFixture f;
    f.Stretch(3000, 0);
    f.State({"MANUVONBIS=3000;0",
             "ABSCHNITTE=[3000|350|40|10|0.60|12.50|1||||][2000|300|45|10|0.60|12.50|1||||]"});
    auto& s = f.Draw();
    // The boundary at 200 m is the lower station of the first strip (300 m to 200 m).
    const auto texts = InStrip(s, Op::Text, 0);
    const std::string req = f.texts.GetText("PLOTPAGE_REQUIREMENT_SECTION_SEPARATOR");
    const Rec* higher = FindText(texts, req + " 4.0mm");
    const Rec* lower = FindText(texts, req + " 4.5mm");
    ASSERT_TRUE(higher && lower);
    EXPECT_EQ(higher->points[0], (SurfacePoint{W - 100, 600}));
    EXPECT_EQ(higher->state.hAlign, HAlign::Right);
    EXPECT_EQ(lower->points[0], (SurfacePoint{W + 100, 600}));
    EXPECT_TRUE(InStrip(s, Op::Text, 1).size() < texts.size());
}

TEST(StripItems, SeparatorsCloseTogetherStaggerOnTwoStripPages) {
    std::string sections = "ABSCHNITTE=[0|350|40|10|||1||||]";
    for (int d = 100; d <= 450; d += 50)
        sections += "[" + std::to_string(d) + "|350|40|10|||1||||]";
    for (int strips : {2, 3}) {
        ViewFixture f;
        f.Stretch(0, 3000);
        f.State({"MANUVONBIS=0;3001", sections});
        f.view.SetStripsPerPage(strips);
        auto& s = f.Draw();
        std::vector<int32_t> tops;
        for (const auto& r : s.Of(Op::LineTo))
            if (r.state.pen.colour == diagram::kMagenta && r.points[0].x == r.points[1].x)
                tops.push_back(r.points[0].y);
        // 500, 950, ... 2750 and the seventh at 500 again, times 600/500 at level 5.
        const std::vector<int32_t> staggered = {600, 1140, 1680, 2220, 2760, 3300, 600, 1140};
        EXPECT_EQ(tops, strips == 2 ? staggered : std::vector<int32_t>(8, 600)) << strips;
    }
}

TEST(StripItems, SeparatorHeightAndFontByZoomLevel) {
    struct Case {
        int level;
        int32_t top, spacing, fontHeight;
    };
    const Case cases[] = {{1, 1140, 420, 500}, {2, 980, 330, 400}, {3, 800, 300, 400},
                          {4, 580, 200, 250},  {5, 600, 200, 250}, {0, 1200, 450, 500},
                          {-2, 1200, 450, 500}};
    for (const auto& c : cases) {
        ViewFixture f;
        f.Stretch(0, 3000);
        f.State(kSections);
        auto& s = f.Draw(1, c.level);
        const std::string lane = f.texts.GetText("PLOTPAGE_LANE_WIDTH_SECTION_SEPARATOR");
        const std::string req = f.texts.GetText("PLOTPAGE_REQUIREMENT_SECTION_SEPARATOR");
        const auto all = s.Of(Op::Text);
        const Rec* first = FindText(all, req + " 4.0mm");
        const Rec* second = FindText(all, lane + " 350cm");
        ASSERT_TRUE(first && second) << c.level;
        EXPECT_EQ(first->points[0].y, c.top) << c.level;
        // The second line never starts inside the first.
        EXPECT_EQ(first->points[0].y - second->points[0].y, std::max(c.spacing, c.fontHeight))
            << c.level;
        EXPECT_EQ(first->state.font.height, c.fontHeight) << c.level;
    }
}

TEST(StripItems, TwoMetreBands) {
    struct Case {
        int32_t first, last;
        int strip;
        std::vector<int32_t> firstBandStations;  // the first band's two stations
    };
    const Case cases[] = {
        {0, 3000, 0, {0, 20}},
        // Section from 10.5 m: the bands keep their phase on the next strip.
        {105, 3000, 1, {1105, 1125}},
        {3000, 0, 0, {3000, 2980}},
    };
    for (const auto& c : cases) {
        ViewFixture f;
        f.Stretch(c.first, c.last, 5);
        f.State({"MANUVONBIS=" + std::to_string(c.first) + ";" + std::to_string(c.last),
                 "ABSCHNITTE=[" + std::to_string(c.first) + "|350|40|10|||1||||]"});
        EXPECT_TRUE(Rects(f.Draw(), c.strip, diagram::kLightGrey).empty());  // grid off
        f.view.ToggleGrid();
        auto& s = f.Draw();
        const auto bands = Rects(s, c.strip, diagram::kLightGrey);
        ASSERT_GT(bands.size(), 20u);
        const int32_t start = f.view.StripRegistry().At(c.strip).leftStation;
        const int32_t end = f.view.StripRegistry().At(c.strip).rightStation;
        auto X = [&](int32_t st) {
            return static_cast<int32_t>((st - start) * (static_cast<double>(W) / (end - start)));
        };
        EXPECT_EQ(bands[0].rect,
                  (SurfaceRect{X(c.firstBandStations[0]), 0, X(c.firstBandStations[1]), -H}));
        EXPECT_EQ(bands[1].rect.left - bands[0].rect.left, std::abs(X(start + 40) - X(start)));
        EXPECT_TRUE(bands[0].state.pen.none);
    }
}

}  // namespace
}  // namespace nivora
