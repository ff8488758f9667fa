// The page plan: what each strip of a page shows, worked out before drawing.
#include <gtest/gtest.h>

#include <sstream>

#include "core/view/ViewFixture.h"
#include "view/PagePlan.h"

namespace nivora {
namespace {

using test::ViewFixture;

std::string Describe(const SectionItems& items) {
    std::ostringstream out;
    for (const auto& l : items.limits) out << "g" << l.from << "," << l.to << "," << l.limit << " ";
    for (const auto& b : items.bands)
        out << "r" << b.from << "," << b.to << "," << b.phase << "," << b.half << " ";
    for (const auto d : items.separators) out << "w" << d << " ";
    return out.str();
}

TEST(PagePlan, SectionItemsOfTheLimitProfile) {
    struct Case {
        const char* name;
        LimitProfile profile;
        const char* items;
    };
    const Case cases[] = {
        {"limit, no limit, a boundary",
         {{{0, 1000, 40, 3, 1}, {1000, 1500, 0, 0, 0}}, {1000}},
         "g0,1000,40 g1000,1500,0 r0,1000,3,1 w1000 "},
        {"nothing", {}, ""},
        // Only a limit above zero has 2 m bands.
        {"negative limit", {{{0, 10, -5, 0, 0}}, {5, -30}}, "g0,10,-5 w5 w-30 "},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(LimitLines(c.profile)), c.items) << c.name;
}

TEST(PagePlan, StripsOfEachPageInBothDirections) {
    struct Case {
        bool ascending;
        int stripsPerPage, page;
        std::vector<std::pair<int32_t, int32_t>> strips;  // start, end
        std::vector<int32_t> originY;
    };
    // 0 m to 400 m at 1:400: five strips of 100 m.
    const Case cases[] = {
        {true, 3, 1, {{0, 1000}, {1000, 2000}, {2000, 3000}}, {0, -4600, -9200}},
        {true, 3, 2, {{3000, 4000}, {4000, 5000}}, {0, -4600}},
        {true, 2, 2, {{2000, 3000}, {3000, 4000}}, {-2400, -9200}},
        {true, 2, 3, {{4000, 5000}}, {-2400}},
        {false, 3, 1, {{4000, 3000}, {3000, 2000}, {2000, 1000}}, {0, -4600, -9200}},
        {false, 2, 3, {{0, -1000}}, {-2400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ascending) + " " + std::to_string(c.stripsPerPage) + " " +
                     std::to_string(c.page));
        ViewFixture f;
        if (c.ascending)
            f.Stretch(0, 4000);
        else
            f.Stretch(4000, 0);
        f.view.SetStripsPerPage(c.stripsPerPage);
        f.Draw();  // zoom level 5
        const PagePlan plan = f.view.PlanPage(c.page);
        ASSERT_EQ(plan.strips.size(), c.strips.size());
        for (std::size_t k = 0; k < plan.strips.size(); ++k) {
            const StripPlan& s = plan.strips[k];
            EXPECT_EQ(std::make_pair(s.start, s.end), c.strips[k]);
            EXPECT_EQ(s.origin.y, c.originY[k]);
            EXPECT_EQ(s.firstOnPage, k == 0);
            EXPECT_EQ(s.twoStrips, c.stripsPerPage == 2);
            EXPECT_EQ(s.stationAxis.Map(s.start), 0);
            EXPECT_EQ(s.stationAxis.Map(s.end), 25000);
        }
    }
    ViewFixture empty;
    empty.view.ComputePages();
    EXPECT_TRUE(empty.view.PlanPage(1).strips.empty());
}

TEST(PagePlan, SeparatorsMarksAndCurvesOfAStrip) {
    ViewFixture f;
    f.Stretch(0, 3000);
    // Sections from 0, 100 m, 103 m, 106 m and 120 m: the separators close
    // together stand one above the other on a page of two strips.
    f.State({"MANUVONBIS=0;3001",
             "ABSCHNITTE=[0|350|40|10|0.60|12.50|1||||][1000|300|45|10|0.60|12.50|1||||]"
             "[1030|300|45|10|||1||||][1060|300|45|10|||1||||][1200|300|50|10|||0||||]"});
    f.Exceedances("[500;52;2;1;7;1;;0.0;;][1000;60;3;2;7;0;;0.0;;][2500;52;2;3;7;1;;0.0;;]",
                  "[500\xBFRiss\xBF"
                  "1]");
    f.view.SetStripsPerPage(2);
    f.Draw();  // zoom level 5
    const PagePlan page1 = f.view.PlanPage(1);
    ASSERT_EQ(page1.strips.size(), 2u);
    const StripPlan& first = page1.strips[0];
    const StripPlan& second = page1.strips[1];

    // Stations and heights: 500, 950, 1400 for the first three, 500 again
    // 14 m on (times 600 / 500 at zoom level 5).
    std::vector<std::pair<int32_t, int32_t>> separators;
    for (const auto& s : second.separators) separators.emplace_back(s.station, s.top);
    EXPECT_EQ(separators, (std::vector<std::pair<int32_t, int32_t>>{
                              {1000, 600}, {1030, 1140}, {1060, 1680}, {1200, 600}}));
    EXPECT_TRUE(first.separators.empty());
    const std::string req = f.texts.GetText("PLOTPAGE_REQUIREMENT_SECTION_SEPARATOR");
    const std::string lane = f.texts.GetText("PLOTPAGE_LANE_WIDTH_SECTION_SEPARATOR");
    EXPECT_EQ(second.separators[0].left,
              (std::array<std::string, 2>{req + " 4.0mm", lane + " 350cm"}));
    EXPECT_EQ(second.separators[0].right,
              (std::array<std::string, 2>{req + " 4.5mm", lane + " 300cm"}));
    // The section from 120 m is not evaluated: its side has no label.
    EXPECT_EQ(second.separators[3].right, (std::array<std::string, 2>{"", ""}));

    // Marks left to right, on both strips that reach them, each with the page
    // that the evaluation list and the stepping read.
    auto marks = [](const StripPlan& s) {
        std::vector<std::tuple<int32_t, int32_t, std::string, int>> out;
        for (const auto& m : s.marks) out.emplace_back(m.station, m.mark.x, m.mark.remark, m.page);
        return out;
    };
    using Marks = std::vector<std::tuple<int32_t, int32_t, std::string, int>>;
    EXPECT_EQ(marks(first), (Marks{{500, 12500, "Riss", 1}, {1000, 25000, "", 1}}));
    EXPECT_EQ(marks(second), (Marks{{1000, 0, "", 1}}));
    EXPECT_EQ(marks(f.view.PlanPage(2).strips[0]), (Marks{{2500, 12500, "", 2}}));
    EXPECT_EQ(f.view.ExceedancePages(), (std::vector<int>{1, 1, 2}));

    // The measured curve: the samples from the strip's start to its end.
    ASSERT_FALSE(first.curves.empty());
    const CurvePlan& curve = first.curves[0];
    ASSERT_NE(curve.samples, nullptr);
    ASSERT_LT(curve.first, curve.end);
    EXPECT_EQ((*curve.samples)[curve.first].station, 0);
    EXPECT_EQ((*curve.samples)[curve.end - 1].station, 1000);
    EXPECT_FALSE(curve.speed);
}

}  // namespace
}  // namespace nivora
