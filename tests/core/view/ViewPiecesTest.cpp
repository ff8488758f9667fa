#include <gtest/gtest.h>

#include "view/Achse.h"
#include "view/FooterLine.h"
#include "view/RecordingSurface.h"

namespace nivora {
namespace {

TEST(Achse, MapsAndInverts) {
    CAchse a;
    a.Set(3200, -5.0, 25.0);
    EXPECT_EQ(a.Map(-5.0), 0);
    EXPECT_EQ(a.Map(0.0), 533);  // truncated
    EXPECT_EQ(a.Map(25.0), 3200);
    EXPECT_DOUBLE_EQ(a.Inverse(1600), 10.0);
    a.Set(25000, 2000, 1000);  // descending stations
    EXPECT_EQ(a.Map(1900), 2500);
    EXPECT_EQ(a.Map(2100), -2500);
    EXPECT_EQ(static_cast<int>(a.Inverse(2500)), 1900);
    a.Set(1000, 1.0, 100.0, CAchse::Logarithmic);
    EXPECT_EQ(a.Map(10.0), 500);
    EXPECT_NEAR(a.Inverse(500), 10.0, 1e-9);
    a.Set(1000, 1.0, 100.0, 7);  // unknown mode
    EXPECT_EQ(a.Map(10.0), 0);
    EXPECT_DOUBLE_EQ(a.Inverse(10.0), 0.0);
    a.Set(1000, 5.0, 5.0);  // empty range: no division by zero
    EXPECT_EQ(a.Map(7.0), 0);
}

TEST(FooterLine, SingleAndSeveralLines) {
    struct Case {
        bool several;
        FooterAlign align;
        int escapement;
        HAlign h;
        std::vector<SurfacePoint> at;
    };
    const Case cases[] = {
        {false, FooterAlign::Centre, 900, HAlign::Centre, {{940, -500}}},
        {false, FooterAlign::LeftTurned, 2700, HAlign::Left, {{940, -500}}},
        {false, FooterAlign::RightTurned, 2700, HAlign::Right, {{940, -500}}},
        {true, FooterAlign::Right, 900, HAlign::Right, {{940, -500}, {1140, -500}, {1340, -500}}},
    };
    for (const auto& c : cases) {
        RecordingSurface s;
        DrawFooterLine(s, {1000, -500}, c.several, c.align);
        const auto texts = s.Of(RecordingSurface::Op::Text);
        ASSERT_EQ(texts.size(), c.at.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].points[0], c.at[i]);
            EXPECT_EQ(texts[i].state.font,
                      (FontSpec{"Courier New", 200, 400, false, c.escapement, c.escapement}));
            EXPECT_EQ(texts[i].state.hAlign, c.h);
            EXPECT_EQ(texts[i].state.vAlign, VAlign::Baseline);
            EXPECT_EQ(texts[i].state.textColour, 0u);
            EXPECT_EQ(texts[i].state.backgroundMode, BackgroundMode::Transparent);
        }
        EXPECT_EQ(texts[0].text.rfind("Nivora 4.5.48", 0), 0u);
        EXPECT_EQ(s.SavedDepth(), 0u);
        EXPECT_EQ(s.Current().font, FontSpec{});  // the state is restored
    }
    EXPECT_EQ(FooterLines()[0], "Nivora 4.5.48");
    EXPECT_NE(FooterText().find(FooterLines()[1]), std::string::npos);
}

}  // namespace
}  // namespace nivora
