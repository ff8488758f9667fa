#include <gtest/gtest.h>

#include <ostream>

#include "view/ExceedanceLabels.h"

namespace nivora {
namespace {

// 100 units a character, three levels of 300 from -3000 up, gap 100.
ExceedanceLabelBand Band(std::vector<SurfaceRect> obstacles = {}) {
    ExceedanceLabelBand b;
    b.left = -100;
    b.right = 25100;
    b.bottom = -3000;
    b.levelHeight = 300;
    b.gap = 100;
    b.obstacles = std::move(obstacles);
    return b;
}

int32_t Width(const std::string& t) { return static_cast<int32_t>(t.size()) * 100; }

ExceedanceLabelLayout Place(const std::vector<ExceedanceMark>& marks,
                            const ExceedanceLabelBand& band = Band()) {
    return PlaceExceedanceLabels(marks, band, Width);
}

struct Shown {
    std::string text;
    int32_t left;
    int level;
    bool operator==(const Shown&) const = default;
    friend void PrintTo(const Shown& s, std::ostream* os) {
        *os << "{\"" << s.text << "\", " << s.left << ", " << s.level << "}";
    }
};

std::vector<Shown> Labels(const ExceedanceLabelLayout& l) {
    std::vector<Shown> out;
    for (const auto& x : l.labels) out.push_back({x.text, x.left, x.level});
    return out;
}

TEST(ExceedanceLabels, TextsOfCountedAndNotCountedMarks) {
    EXPECT_EQ(ExceedanceLabelText(12, true, ""), "12");
    EXPECT_EQ(ExceedanceLabelText(12, true, "Riss"), "12: Riss");
    EXPECT_EQ(ExceedanceLabelText(7, false, ""), "(7)");
    EXPECT_EQ(ExceedanceLabelText(7, false, "Riss"), "(7: Riss)");
}

TEST(ExceedanceLabels, LevelsRemarksAndRanges) {
    struct Case {
        const char* what;
        std::vector<ExceedanceMark> marks;
        std::vector<SurfaceRect> obstacles;
        std::vector<Shown> expected;
    };
    const std::vector<Case> cases = {
        {"apart: all on level 0, remarks from 80 left of the mark",
         {{1000, 1, true, ""}, {5000, 2, true, "Riss"}},
         {},
         {{"1", 950, 0}, {"2: Riss", 4920, 0}}},
        // "8" and "11" 0.2 m apart must not read as "811".
        {"close: the next level up",
         {{1000, 8, true, ""}, {1050, 11, true, ""}},
         {},
         {{"8", 950, 0}, {"11", 950, 1}}},
        {"no room for the remark: the number alone",
         {{1000, 1, true, "Schachtdeckel"},
          {1100, 2, true, "Schachtdeckel"},
          {1200, 3, true, "Schachtdeckel"},
          {1300, 4, true, "Schachtdeckel"}},
         {},
         // The first label gives up its remark so that "4" has room.
         {{"1", 950, 0},
          {"2: Schachtdeckel", 1020, 1},
          {"3: Schachtdeckel", 1120, 2},
          {"4", 1250, 0}}},
        {"no room for a number: the label to the left becomes a range",
         {{1000, 1, true, ""},
          {1010, 2, true, ""},
          {1020, 3, true, ""},
          {1030, 4, false, ""},
          {1040, 5, true, ""}},
         {},
         {{"1", 950, 0},
          {"2", 960, 1},
          {"3\x96"
           "5",
           970, 2}}},
        {"a range of marks that are not counted is bracketed",
         {{1000, 1, false, ""}, {1010, 2, false, ""}, {1020, 3, false, ""}, {1030, 4, false, ""}},
         {},
         {{"(1)", 850, 0},
          {"(2)", 860, 1},
          {"(3\x96"
           "4)",
           870, 2}}},
        {"a text box on level 0: the label goes up",
         {{1000, 1, true, ""}},
         {{800, -2750, 1300, -2900}},
         {{"1", 950, 1}}},
        {"at the band's edges the number is pushed inside",
         {{-100, 1, true, ""}, {25100, 22, true, "Riss"}},
         {},
         {{"1", -100, 0}, {"22", 24900, 0}}},
    };
    for (const Case& c : cases) {
        const auto layout = Place(c.marks, Band(c.obstacles));
        EXPECT_EQ(Labels(layout), c.expected) << c.what;
        EXPECT_EQ(layout.labelOf.size(), c.marks.size()) << c.what;
    }
}

// 10,000 marks a unit apart: every mark belongs to a label, no two labels of
// a level overlap, each label lies within the band.
TEST(ExceedanceLabels, ManyMarksShareLabelsWithoutOverlap) {
    std::vector<ExceedanceMark> marks;
    for (int i = 0; i < 10000; ++i) marks.push_back({i * 2, i + 1, i % 3 != 2, i % 7 ? "" : "R"});
    const auto layout = Place(marks);
    ASSERT_EQ(layout.labelOf.size(), marks.size());
    std::vector<int32_t> end(3, INT32_MIN);
    for (const auto& l : layout.labels) {
        EXPECT_GE(l.left, -100);
        EXPECT_LE(l.left + Width(l.text), 25100);
        EXPECT_GE(l.left, end[l.level]) << l.text;
        end[l.level] = l.left + Width(l.text);
    }
    EXPECT_LT(layout.labels.size(), 200u);
}

}  // namespace
}  // namespace nivora
