#include <gtest/gtest.h>

#include "view/RecordingSurface.h"

namespace nivora {
namespace {

using Op = RecordingSurface::Op;

TEST(RecordingSurface, RecordsOperationsWithTheStateInForce) {
    RecordingSurface s;
    s.SelectPen({false, 50, 0x00FF00FF});
    s.MoveTo({0, 0});
    s.LineTo({100, -200});
    s.SaveState();
    s.SelectFont({"Times New Roman", 350, 800, true, 900, 900});
    s.SetTextAlign(HAlign::Centre, VAlign::Baseline);
    s.OffsetWindowOrigin(-1100, 600);
    s.TextOut({10, -20}, "Seite 1 von 4");
    s.RestoreState();
    s.TextOut({0, 0}, "Anlage");

    const auto lines = s.Of(Op::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<SurfacePoint>{{0, 0}, {100, -200}}));
    EXPECT_EQ(lines[0].state.pen.width, 50);
    const auto texts = s.Of(Op::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].state.font.face, "Times New Roman");
    EXPECT_EQ(texts[0].state.font.escapement, 900);
    EXPECT_EQ(texts[0].state.hAlign, HAlign::Centre);
    EXPECT_EQ(texts[0].state.origin, (SurfacePoint{-1100, 600}));
    EXPECT_EQ(texts[1].state.font.face, "Arial");  // restored
    EXPECT_EQ(texts[1].state.origin, (SurfacePoint{0, 0}));
    EXPECT_EQ(s.Texts(), (std::vector<std::string>{"Seite 1 von 4", "Anlage"}));
    EXPECT_EQ(s.SavedDepth(), 0u);
    s.RestoreState();  // unbalanced: recorded, nothing changes
    EXPECT_EQ(s.Current().pen.width, 50);
}

TEST(RecordingSurface, FixedTextMeasurement) {
    RecordingSurface s;
    s.SelectFont({"Arial", 300, 400, false, 0, 0});
    EXPECT_EQ(s.MeasureText("12345"), (SurfaceSize{900, 300}));
    EXPECT_EQ(s.MeasureText(""), (SurfaceSize{0, 300}));
    EXPECT_EQ(RecordingSurface::TextSize(3, -250), (SurfaceSize{450, 250}));
}

}  // namespace
}  // namespace nivora
