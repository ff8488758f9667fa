#include <gtest/gtest.h>

#include "core/view/DrawQueries.h"
#include "core/view/ViewFixture.h"

namespace nivora {
namespace {

using namespace test;

constexpr int32_t W = 25000, H = 3200;  // at zoom factor 1
// -Y(v) for v = -5, 0, ... 25 mm on the value axis.
constexpr int32_t kGridY[7] = {0, -533, -1066, -1600, -2133, -2666, -3200};

TEST(StripGrid, ValueGridZeroLineAndTheirPens) {
    ViewFixture f;
    f.State({"Farben_Farbe0=255", "Dicken_Dicke0=7", "Farben_Farbe1=65280", "Dicken_Dicke1=20"});
    f.Stretch(0, 1000);
    auto& s = f.Draw();
    const auto segs = Segments(s);
    const auto texts = InStrip(s, Op::Text);
    const char* labels[7] = {"-5.0", "0.0", "5.0", "10.0", "15.0", "20.0", "25.0"};
    for (int i = 0; i < 7; ++i) {
        const Rec* t = FindText(texts, labels[i]);
        ASSERT_NE(t, nullptr) << labels[i];
        EXPECT_EQ(t->points[0], (SurfacePoint{-200, kGridY[i] + 150}));
        EXPECT_EQ(t->state.hAlign, HAlign::Right);
        EXPECT_EQ(t->state.font.height, 300);  // F1 at zoom level 5
        EXPECT_TRUE(HasSegment(segs, {-100, kGridY[i]}, {W, kGridY[i]})) << i;
    }
    const auto zero = std::find_if(segs.begin(), segs.end(), [](const Segment& g) {
        return g.a == SurfacePoint{-100, -533} && g.pen.width == 20;
    });
    ASSERT_NE(zero, segs.end());
    EXPECT_EQ(zero->pen.colour, 65280u);
    EXPECT_EQ(segs.front().pen, (PenSpec{false, 7, 255}));
    EXPECT_EQ(s.SavedDepth(), 0u);
}

TEST(StripGrid, GridFontFollowsTheZoomLevel) {
    struct Case {
        int level;
        int32_t height;
    };
    for (const Case c : {Case{5, 300}, Case{4, 400}, Case{3, 400}, Case{2, 450}, Case{-2, 450}}) {
        ViewFixture f;
        f.Stretch(0, 1000);
        auto& s = f.Draw(1, c.level);
        bool found = false;
        for (const auto& r : s.Of(Op::Text))
            if (r.text == "25.0") found = r.state.font.height == c.height;
        EXPECT_TRUE(found) << c.level;
    }
}

TEST(StripGrid, SpeedLabelsCaptionAndCurveOnlyWhenShown) {
    struct Case {
        const char* displaySpeed;
        int samplesWithSpeed;
        bool shown;
    };
    for (const Case c :
         {Case{"1", 11, true}, Case{"0", 11, false}, Case{"1", 5, false}, Case{"1", 6, true}}) {
        ViewFixture f;
        std::vector<SampleSpec> samples;
        for (int i = 0; i <= 10; ++i)
            samples.push_back({i * 100, 10, i < c.samplesWithSpeed ? 6.0 : -1.0});
        f.Samples(samples);
        f.State({std::string("Druck_DisplaySpeed=") + c.displaySpeed, "Farben_Farbe8=12345"});
        auto& s = f.Draw();
        const auto texts = InStrip(s, Op::Text);
        const Rec* caption = FindText(texts, "Geschwindigkeit [km/h]");
        EXPECT_EQ(caption != nullptr, c.shown) << c.displaySpeed << " " << c.samplesWithSpeed;
        const Rec* ten = FindText(texts, "10.0");
        // "10.0" is also a value label; the speed label stands right of the strip.
        int speedLabels = 0;
        for (const auto& t : texts)
            if (t.points[0].x == W + 600) ++speedLabels;
        EXPECT_EQ(speedLabels, c.shown ? 6 : 0);
        ASSERT_NE(ten, nullptr);
        if (!c.shown) continue;
        EXPECT_EQ(caption->points[0], (SurfacePoint{W + 1000, -H / 2}));
        EXPECT_EQ(caption->state.textColour, 12345u);
        EXPECT_EQ(caption->state.font.escapement, 900);
        for (const auto& t : texts)
            if (t.points[0].x == W + 600) {
                EXPECT_EQ(t.state.textColour, 12345u);
                if (t.text == "0.0") {
                    EXPECT_EQ(t.points[0].y, -3200 + 150);
                }
                if (t.text == "10.0") {
                    EXPECT_EQ(t.points[0].y, -533 + 150);
                }
            }
    }
}

TEST(StripGrid, StationTicksAndLabelsByScale) {
    struct Case {
        const char* scale;
        int32_t firstStation, lastStation;
        std::vector<std::string> labels;
        int storedAfter;
    };
    const Case cases[] = {
        {"100", 0, 200, {"0,0000", "0,0050", "0,0100", "0,0150", "0,0200", "0,0250"}, 100},
        {"400",
         0,
         900,
         {"0,0000", "0,0100", "0,0200", "0,0300", "0,0400", "0,0500", "0,0600", "0,0700", "0,0800",
          "0,0900", "0,1000"},
         400},
        {"1000", 0, 2000, {"0,0000", "0,0500", "0,1000", "0,1500", "0,2000", "0,2500"}, 1000},
        {"5000",
         0,
         12000,
         {"0,0000", "0,1250", "0,2500", "0,3750", "0,5000", "0,6250", "0,7500", "0,8750", "1,0000",
          "1,1250", "1,2500"},
         5000},
        // Descending: the labels fall from left to right.
        {"400",
         12000,
         11200,
         {"1,2000", "1,1900", "1,1800", "1,1700", "1,1600", "1,1500", "1,1400", "1,1300", "1,1200",
          "1,1100", "1,1000"},
         400},
        // An unsupported scale that did not come through opening is paged
        // and drawn as 1:400; the drawing leaves the stored value alone.
        {"333",
         0,
         800,
         {"0,0000", "0,0100", "0,0200", "0,0300", "0,0400", "0,0500", "0,0600", "0,0700", "0,0800",
          "0,0900", "0,1000"},
         333},
    };
    for (const auto& c : cases) {
        ViewFixture f;
        f.Stretch(c.firstStation, c.lastStation);
        f.State({std::string("MASSSTAB_DER_LAENGE=") + c.scale});
        auto& s = f.Draw();
        std::vector<std::string> labels;
        std::vector<int32_t> xs;
        for (const auto& t : InStrip(s, Op::Text))
            if (t.points[0].y == -H - 200 && t.state.hAlign == HAlign::Centre) {
                labels.push_back(t.text);
                xs.push_back(t.points[0].x);
            }
        EXPECT_EQ(labels, c.labels) << c.scale << " from " << c.firstStation;
        ASSERT_GT(xs.size(), 1u);
        EXPECT_EQ(xs[1], W / (static_cast<int>(c.labels.size()) - 1));
        EXPECT_TRUE(HasSegment(Segments(s), {xs[1], 0}, {xs[1], -H - 100}));
        EXPECT_EQ(f.doc.State().GetLengthScale(), c.storedAfter);
        EXPECT_NE(FindText(InStrip(s, Op::Text), "Station [km]"), nullptr);
    }
}

TEST(StripGrid, CaptionsAndFooterLine) {
    ViewFixture f;
    f.Stretch(0, 2500);
    auto& s = f.Draw();
    const auto texts = InStrip(s, Op::Text);
    const Rec* station = FindText(texts, "Station [km]");
    ASSERT_NE(station, nullptr);
    EXPECT_EQ(station->points[0], (SurfacePoint{-800, -H - 200 - 300}));
    EXPECT_EQ(station->state.hAlign, HAlign::Left);
    const Rec* y = FindText(texts, f.texts.GetText("PLOTPAGE_Y_AXIS"));
    ASSERT_NE(y, nullptr);
    // Left of the widest value label (720 wide on this surface) with a gap,
    // but within the strip's left margin of 1100.
    EXPECT_EQ(y->points[0], (SurfacePoint{-1100, -H / 2}));
    EXPECT_EQ(y->state.font, (FontSpec{"Arial", 300, 700, false, 900, 900}));
    EXPECT_EQ(y->state.hAlign, HAlign::Centre);
    // No footer on screen.
    for (const auto& t : s.Of(Op::Text)) EXPECT_NE(t.state.font.face, "Courier New");

    f.view.OnBeginPrinting();
    auto& p = f.Draw();
    int footers = 0;
    for (int k = 0; k < 3; ++k)
        for (const auto& t : InStrip(p, Op::Text, k))
            if (t.state.font.face == "Courier New") {
                ++footers;
                EXPECT_EQ(k, 0);
                EXPECT_EQ(t.points[0], (SurfacePoint{W + 1200 - 60, -H - 400}));
                EXPECT_EQ(t.state.font.escapement, 900);
                EXPECT_EQ(t.state.hAlign, HAlign::Centre);
                EXPECT_EQ(t.state.vAlign, VAlign::Baseline);
                EXPECT_EQ(t.text.rfind("Nivora 4.5.48", 0), 0u);
            }
    EXPECT_EQ(footers, 1);
}

TEST(StripGrid, TheFooterLineStandsRightOfTheSpeedCaption) {
    ViewFixture f;
    std::vector<test::SampleSpec> samples;
    for (int i = 0; i <= 25; ++i) samples.push_back({i * 100, 10, 6.0});
    f.Samples(samples);
    f.State({"Druck_DisplaySpeed=1"});
    f.view.OnBeginPrinting();
    auto& p = f.Draw();
    const auto texts = InStrip(p, Op::Text, 0);
    const Rec* caption = FindText(texts, "Geschwindigkeit [km/h]");
    ASSERT_NE(caption, nullptr);
    const Rec* footer = nullptr;
    for (const auto& t : texts)
        if (t.state.font.face == "Courier New") footer = &t;
    ASSERT_NE(footer, nullptr);
    // The caption reads upward and lies within one font height (300) right of
    // its point; the footer's glyphs rise leftward from their baseline, at
    // most their height (200).
    const int32_t captionRight = caption->points[0].x + caption->state.font.height;
    const int32_t footerLeft = footer->points[0].x - footer->state.font.height;
    EXPECT_GT(footerLeft, captionRight);
    EXPECT_EQ(footer->points[0], (SurfacePoint{W + 1000 + 600 - 60, -H - 400}));
}

}  // namespace
}  // namespace nivora
