#include <gtest/gtest.h>

#include "core/view/DrawQueries.h"
#include "core/view/ViewFixture.h"
#include "view/StripDrawing.h"

namespace nivora {
namespace {

using namespace test;

constexpr int32_t W = 25000;
// At zoom level 5: yA = -Y(-3.1), y0 = -Y(0), yT = -Y(-3.6), yC = -Y(-5.1).
constexpr int32_t yA = -202, y0 = -533, yT = -149, yC = 10;

using Points = std::vector<SurfacePoint>;

std::vector<Points> Polygons(const RecordingSurface& s, int strip) {
    std::vector<Points> out;
    for (const auto& r : InStrip(s, Op::Polygon, strip)) out.push_back(r.points);
    return out;
}

TEST(StripTexts, AreaTextWithinOneStrip) {
    ViewFixture f;
    f.Stretch(0, 3000);
    f.State({"Farben_TextFarbe3=255"});
    f.Texts("", "200_600_Neu<3>_");
    auto& s = f.Draw();
    EXPECT_EQ(Polygons(s, 0), (std::vector<Points>{{{5000, yA}, {5000, y0}, {5080, yA}},
                                                   {{15000, yA}, {15000, y0}, {14920, yA}}}));
    const auto segs = Segments(s, 0);
    EXPECT_TRUE(HasSegment(segs, {15000, yA}, {5000, yA}));
    EXPECT_TRUE(HasSegment(segs, {10000, yA}, {10000, yC}));
    // F5: the recording surface measures 150 per character and 250 high.
    const auto boxes = InStrip(s, Op::TextCentred, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Neu");
    EXPECT_EQ(boxes[0].rect, (SurfaceRect{10000 - 305, yT + 300, 10000 + 305, yT}));
    EXPECT_EQ(boxes[0].state.textColour, 255u);
    EXPECT_EQ(boxes[0].state.font.height, 250);
    const auto frames = InStrip(s, Op::Rectangle, 0);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back().rect, boxes[0].rect);
    EXPECT_EQ(frames.back().state.brush.colour, diagram::kWhite);
    EXPECT_EQ(frames.back().state.pen, (PenSpec{false, 10, 255}));
}

TEST(StripTexts, AreaTextAcrossAStripBoundary) {
    ViewFixture f;
    f.Stretch(0, 3000);
    f.Texts("", "800_1500_Lang<0>_");
    auto& s = f.Draw();
    // First strip: triangle at the start, a line with an arrow to the right, the box.
    EXPECT_EQ(Polygons(s, 0), (std::vector<Points>{{{20000, yA}, {20000, y0}, {20080, yA}}}));
    auto segs = Segments(s, 0);
    EXPECT_TRUE(HasSegment(segs, {20000, yA}, {W + 200, yA}));
    EXPECT_TRUE(HasSegment(segs, {W + 200, yA}, {W + 100, yA + 100}));
    EXPECT_TRUE(HasSegment(segs, {W + 200, yA}, {W + 100, yA - 100}));
    ASSERT_EQ(InStrip(s, Op::TextCentred, 0).size(), 1u);
    EXPECT_EQ(InStrip(s, Op::TextCentred, 0)[0].rect.left, 22500 - 380);
    // Second strip: the end with an arrow to the left, no box.
    EXPECT_EQ(Polygons(s, 1), (std::vector<Points>{{{12500, yA}, {12500, y0}, {12420, yA}}}));
    segs = Segments(s, 1);
    EXPECT_TRUE(HasSegment(segs, {12500, yA}, {-200, yA}));
    EXPECT_TRUE(HasSegment(segs, {-200, yA}, {-100, yA + 100}));
    EXPECT_TRUE(HasSegment(segs, {-200, yA}, {-100, yA - 100}));
    EXPECT_TRUE(InStrip(s, Op::TextCentred, 1).empty());
}

TEST(StripTexts, AreaTextBoxKeptInsideTheRightEdgeAndEmptyTexts) {
    ViewFixture f;
    f.Stretch(0, 3000);
    // 20 characters: 3160 wide, centred on 24250 it would end at 25830.
    f.Texts("", "950_990_ABCDEFGHIJKLMNOPQRST<0>_100_300_<0>_500_1200_<0>_");
    auto& s = f.Draw();
    const auto boxes = InStrip(s, Op::TextCentred, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect.right, W + 300);
    EXPECT_EQ(boxes[0].rect.left, W + 300 - 3160);
    // Empty text within the strip: triangles and line, no box; an empty text
    // that only begins here is not drawn, and on the next strip only its end.
    const auto polys = Polygons(s, 0);
    EXPECT_EQ(polys.size(), 4u);
    EXPECT_EQ(Polygons(s, 1).size(), 1u);
    EXPECT_TRUE(HasSegment(Segments(s, 1), {5000, yA}, {-200, yA}));
}

TEST(StripTexts, DescendingAreaTextPointsTheOtherWay) {
    ViewFixture f;
    f.Stretch(3000, 0);
    f.Texts("", "2200_1500_Alt<0>_");
    auto& s = f.Draw();
    // 220 m lies 80 m right of the strip start at 300 m; the text runs on right.
    EXPECT_EQ(Polygons(s, 0), (std::vector<Points>{{{20000, yA}, {20000, y0}, {20080, yA}}}));
    EXPECT_TRUE(HasSegment(Segments(s, 0), {20000, yA}, {W + 200, yA}));
    EXPECT_EQ(Polygons(s, 1), (std::vector<Points>{{{12500, yA}, {12500, y0}, {12420, yA}}}));
}

// A stored line break is one blank in the diagram; a text with nothing but
// blanks gets no box (an area text keeps its arrows).
TEST(StripTexts, LineBreaksBecomeBlanksAndBlankTextsGetNoBox) {
    struct Case {
        const char* free;
        const char* area;
        std::vector<std::string> shown;
        std::size_t polygons;
    };
    const Case cases[] = {
        {"500_Br\xFC"
         "cke{{CRLF}}Nord<0>_",
         "",
         {"Br\xFC"
          "cke Nord"},
         1},
        {"", "200_600_Neu{{CRLF}}AC 11<0>_", {"Neu AC 11"}, 2},
        {"500_   <0>_", "", {}, 0},
        {"", "200_600_{{CRLF}}<0>_", {}, 2},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.Stretch(0, 900);
        f.Texts(c.free, c.area);
        auto& s = f.Draw();
        std::vector<std::string> shown;
        for (const auto& r : InStrip(s, Op::TextCentred, 0)) shown.push_back(r.text);
        EXPECT_EQ(shown, c.shown) << c.free << c.area;
        EXPECT_EQ(Polygons(s, 0).size(), c.polygons) << c.free << c.area;
    }
}

TEST(StripTexts, FreeTextBoxesFillThreeRowsThenRowZero) {
    ViewFixture f;
    f.Stretch(0, 900);  // one strip: the placer keeps its state
    f.Texts("500_AB<0>_500_CD<0>_500_EF<0>_500_GH<1>_");
    auto& s = f.Draw();
    const auto texts = InStrip(s, Op::TextCentred, 0);
    ASSERT_EQ(texts.size(), 4u);
    // Each box is 2 * 150 + 160 wide and 250 + 50 high; the anchor is at 12500.
    const SurfaceRect expected[4] = {{12040, -1600, 12500, -1900},
                                     {12040, -2133, 12500, -2433},
                                     {12040, -2666, 12500, -2966},
                                     {12600, -1600, 13060, -1900}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(texts[i].rect, expected[i]) << i;
    const auto polys = Polygons(s, 0);
    ASSERT_EQ(polys.size(), 4u);
    // The anchor on the zero line lies above the boxes: the callout points up.
    EXPECT_EQ(polys[0], (Points{{12400, -1600},
                                {12500, -1400},
                                {12500, -1600},
                                {12500, -1600},
                                {12500, -1900},
                                {12040, -1900},
                                {12040, -1600}}));
    EXPECT_EQ(polys[3][0], (SurfacePoint{12600, -1600}));  // raised to the box's left edge
    EXPECT_EQ(polys[3][2], (SurfacePoint{12600, -1600}));
    EXPECT_EQ(f.view.TextBoxes().NextFree(1), 12500);  // set back before the fourth box
}

TEST(StripTexts, BoxesInRunOrderStarTextsFirst) {
    for (bool ascending : {true, false}) {
        ViewFixture f;
        std::vector<SampleSpec> samples;
        for (int i = 0; i <= 30; ++i) {
            const int32_t st = ascending ? i * 100 : 3000 - i * 100;
            samples.push_back({st, 10, -1.0, st == 600 ? "Stern" : ""});
        }
        f.Samples(samples);
        f.Texts("400_Vier<0>_600_Sechs<0>_200_Zwei<0>__");
        auto& s = f.Draw();
        std::vector<std::string> order;
        for (const auto& t : s.Of(Op::TextCentred)) order.push_back(t.text);
        if (ascending)
            EXPECT_EQ(order, (std::vector<std::string>{"Zwei", "Vier", "Stern", "Sechs"}));
        else  // equal stations keep their order
            EXPECT_EQ(order, (std::vector<std::string>{"Stern", "Sechs", "Vier", "Zwei"}));
    }
}

}  // namespace
}  // namespace nivora
