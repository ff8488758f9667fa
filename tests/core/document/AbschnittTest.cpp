#include <gtest/gtest.h>

#include "core/document/LimitProfileText.h"
#include "document/Abschnitt.h"
#include "document/Zi4Verwaltung.h"
#include "measurement/MessFahrtDaten.h"

namespace nivora {
namespace {

struct SampleSpec {
    int32_t station;
    int32_t width = 350;
    int32_t limit = -1;
    double speed = -1.0;
};

CMessFahrtDaten MakeRun(const std::vector<SampleSpec>& rows, int32_t runLimit = 40) {
    CMessFahrtDaten run;
    for (const auto& s : rows) {
        MESSUNG m;
        m.station = s.station;
        m.width = s.width;
        m.limit = s.limit;
        m.speed = s.speed;
        run.MutableRaw().push_back(m);
    }
    run.SetLimit(runLimit);
    run.ResetRange();
    run.SetRange(run.RangeStart(), run.RangeEnd());
    return run;
}

std::vector<std::pair<int32_t, int32_t>> Spans(const AbschnittListe& l) {
    std::vector<std::pair<int32_t, int32_t>> v;
    for (const auto& s : l.sections) v.emplace_back(s.from, s.to);
    return v;
}

using Spans_t = std::vector<std::pair<int32_t, int32_t>>;

TEST(Abschnitt, EncodeDecode) {
    ABSCHNITT a;
    a.Decode("500|350|40|10|0.6|12,5|2|SMA 8 S|4.5|0.3|6.7");
    EXPECT_EQ(a.from, 500);
    EXPECT_EQ(a.limit, 40);
    EXPECT_EQ(a.unitPrice, "12,5");
    EXPECT_TRUE(a.evaluate);  // any non-zero number
    EXPECT_EQ(a.Encode(), "500|350|40|10|0.6|12,5|1|SMA 8 S|4.5|0.3|6.7");
    ABSCHNITT b;
    b.Decode("x|");
    EXPECT_EQ(b.Encode(), "0|0||0|||0||||");
    EXPECT_EQ(ABSCHNITT{}.Encode(), "0|0||10|||1||||");
    ABSCHNITT c;
    c.from = 100;
    c.to = 50;
    EXPECT_TRUE(c.Contains(50));
    EXPECT_FALSE(c.Contains(100));
}

TEST(AbschnittListe, NormalizeAscending) {
    struct Case {
        const char* text;
        int32_t from, to;
        Spans_t expected;
    };
    const Case cases[] = {
        {"[0|1][500|2]", 0, 1001, {{0, 500}, {500, 1001}}},
        {"[0|1][500|2][500|3]", 0, 1001, {{0, 500}, {500, 1001}}},  // zero length removed
        {"[0|1]", 200, 1001, {{200, 1001}}},      // covers the range: kept, clipped
        {"[0|1][1200|2]", 0, 1001, {{0, 1001}}},  // begins beyond the range: removed
        {"[0|1][100|2][600|3]",
         300,
         1001,
         {{300, 600}, {600, 1001}}},               // wholly before the range: removed
        {"[0|1][][500|2]", 0, 1001, {{0, 1001}}},  // groups after an empty one are unseen
        {"", 0, 1001, {}},
    };
    for (const auto& c : cases) {
        AbschnittListe l;
        l.Decode(c.text, c.from, c.to);
        EXPECT_EQ(Spans(l), c.expected) << c.text;
    }
}

TEST(AbschnittListe, NormalizeDescending) {
    AbschnittListe l;
    l.Decode("[1001|1][600|2][-5|3]", 1001, 0);
    EXPECT_FALSE(l.ascending);
    EXPECT_EQ(Spans(l), (Spans_t{{1001, 600}, {600, 0}}));  // -5 begins beyond the range end
    l.Decode("[1500|1][600|2]", 1001, 0);
    EXPECT_EQ(Spans(l), (Spans_t{{1001, 600}, {600, 0}}));
}

TEST(SectionServices, SpeedStatistics) {
    auto run = MakeRun({{0, 350, -1, 40}, {10, 350, -1, 60}});
    ABSCHNITT s;
    s.endIndex = 99;
    ComputeSpeedStatistics(run, s, nullptr);
    EXPECT_EQ(s.endIndex, 2);
    EXPECT_EQ(s.meanSpeed, "50.0");
    EXPECT_EQ(s.stdDev, "14.1");
    EXPECT_EQ(s.vark, "28.3");
    ABSCHNITT one;
    one.endIndex = 1;
    ComputeSpeedStatistics(run, one, nullptr);
    EXPECT_EQ(one.meanSpeed, "");
    auto noSpeed = MakeRun({{0}, {10}, {20}});
    ABSCHNITT none;
    none.endIndex = 3;
    ComputeSpeedStatistics(noSpeed, none, nullptr);
    EXPECT_EQ(none.StatisticsText(), "||");

    // Excluded: samples in sections that are not evaluated.
    auto three = MakeRun({{0, 350, -1, 40}, {10, 350, -1, 60}, {20, 350, -1, 100}});
    AbschnittListe ex;
    ex.Decode("[0|1||10|||1][15|1||10|||0]", 0, 21);
    ABSCHNITT whole;
    WholeRunStatistics(three, whole, &ex);
    EXPECT_EQ(whole.meanSpeed, "50.0");
    WholeRunStatistics(three, whole, nullptr);
    EXPECT_EQ(whole.meanSpeed, "66.7");
}

TEST(SectionServices, LocateSection) {
    auto run = MakeRun({{0, 350, -1, 40}, {10, 350, -1, 60}, {20, 350, -1, 80}, {30, 350, -1, 90}});
    ABSCHNITT s;
    s.from = 10;
    s.to = 25;
    LocateSection(run, s);
    EXPECT_EQ(s.firstIndex, 1);
    EXPECT_EQ(s.endIndex, 2);
    s.from = 10;
    s.to = 500;  // beyond the samples: the end index becomes count - 1
    LocateSection(run, s);
    EXPECT_EQ(s.endIndex, 3);
    EXPECT_EQ(s.meanSpeed, "70.0");
}

TEST(SectionServices, DefaultSectionsFromWidthAndLimitChanges) {
    auto run = MakeRun({{0, 350}, {10, 350}, {20, 300}, {30, 300, 50}, {40, 300, 50}});
    ABSCHNITT whole;
    AbschnittListe list;
    BuildDefaultSections(run, whole, list);
    EXPECT_EQ(Spans(list), (Spans_t{{0, 20}, {20, 30}, {30, 41}}));
    EXPECT_EQ(list.sections[1].width, 300);
    EXPECT_EQ(list.sections[2].limit, 50);
    EXPECT_EQ(list.sections[0].endIndex, 3);  // the changing sample ends the old index range

    const auto opened = ComputeSectionsAtOpening(run, "", 0, 41);
    EXPECT_EQ(opened.abschnitte,
              "[0|350|40|10|||1||||][20|300|40|10|||1||||][30|300|50|10|||1||||]");
    EXPECT_TRUE(opened.statgesChanged);
    EXPECT_EQ(opened.statges, "||");

    auto desc = MakeRun({{40}, {30}, {20}});
    BuildDefaultSections(desc, whole, list);
    EXPECT_EQ(Spans(list), (Spans_t{{41, 20}}));

    auto single = MakeRun({{70}});
    BuildDefaultSections(single, whole, list);
    EXPECT_EQ(Spans(list), (Spans_t{{71, 70}}));
    BuildDefaultSections(CMessFahrtDaten{}, whole, list);
    EXPECT_TRUE(list.sections.empty());
}

TEST(SectionsAtOpening, StoredSectionsAreClippedAndMatched) {
    auto run = MakeRun({{0, 350, -1, 40}, {500, 350, -1, 60}, {1000, 350, -1, 50}});
    const auto r =
        ComputeSectionsAtOpening(run, "[0|350|40|10|0.6|12.5|2||||][500|325||10|||0||||]", 0, 1001);
    EXPECT_EQ(
        r.abschnitte,
        "[0|350|40|10|0.6|12.5|1||||][500|325||10|||0||||]");  // one sample each: no statistics
    EXPECT_FALSE(r.statgesChanged);
}

CZi4Verwaltung State(const std::string& abschnitte, const std::string& manuvonbis) {
    CZi4Verwaltung z;
    z.ReadText("ABSCHNITTE=" + abschnitte + "\nMANUVONBIS=" + manuvonbis + "\n");
    return z;
}

TEST(SectionCache, RebuildAndQueries) {
    auto z = State("[0|350|40|10|0.6|12,5|1|SMA 8 S|4.5||6.7][1000|325|45|10|x||2||||]", "0;3001");
    z.RebuildSectionCache();
    ASSERT_EQ(z.SectionCache().size(), 2u);
    const ABSCHNITT a = z.GetSection(0), b = z.GetSection(1);
    EXPECT_EQ(a.to, 1000);
    EXPECT_DOUBLE_EQ(a.FactorK(), 0.6);
    EXPECT_DOUBLE_EQ(a.UnitPrice(), 12.5);
    EXPECT_EQ(b.to, 3001);
    EXPECT_FALSE(b.evaluate);  // only "1" counts in the cache
    EXPECT_EQ(b.limit, 0);
    EXPECT_EQ(z.GetSectionCount(), 2);

    const auto hit = z.FindSectionAt(1000);
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.index, 0);  // a boundary belongs to the earlier section
    EXPECT_FALSE(z.FindSectionAt(5000).found);
    EXPECT_EQ(z.FindSectionAt(5000).limit, 0);

    EXPECT_EQ(z.GetSectionNumberAndWidth(1000), (std::pair<int, int>{1, 350}));
    EXPECT_EQ(z.GetSectionNumberAndWidth(1001), (std::pair<int, int>{2, 325}));
    EXPECT_EQ(z.GetSectionNumberAndWidth(-50), (std::pair<int, int>{1, 350}));
    auto desc = State("[3001|350][1000|325]", "3001;0");
    EXPECT_EQ(desc.GetSectionNumberAndWidth(1000), (std::pair<int, int>{1, 350}));
    EXPECT_EQ(desc.GetSectionNumberAndWidth(999), (std::pair<int, int>{2, 325}));
    EXPECT_EQ(State("", "0;10").GetSectionNumberAndWidth(5), (std::pair<int, int>{0, 0}));
}

TEST(SectionCache, LimitProfile) {
    auto one = State("[0|350|40|10|||1]", "0;3000");
    EXPECT_EQ(test::ProfileText(one.GetLimitProfile(1000, 2000)),
              "[g;1000;2000;40][r;1000;2000;0;0]");
    auto two = State("[0|350|40|10|||1][1015|350|45|10|||0]", "0;3000");
    EXPECT_EQ(test::ProfileText(two.GetLimitProfile(1000, 2000)),
              "[g;1000;1015;40][r;1000;1015;0;0][g;1015;2000;0][w;1015]");
    EXPECT_EQ(test::ProfileText(two.GetLimitProfile(1005, 2000)),
              "[g;1005;1015;40][r;1005;1015;5;0][g;1015;2000;0][w;1015]");
    EXPECT_EQ(test::ProfileText(two.GetLimitProfile(2000, 1005)),
              "[g;1005;1015;40][r;1005;1015;0;0][g;1015;2000;0][w;1015]");
    EXPECT_EQ(test::ProfileText(two.GetLimitProfile(5000, 6000)), "");
}

}  // namespace
}  // namespace nivora

namespace nivora {
namespace {

// The lookup reads ABSCHNITTE once; it must answer as the rule does for
// begins in any order.
TEST(SectionCache, LookupMatchesTheRuleForUnsortedBegins) {
    for (const char* manu : {"0;5000", "5000;0"}) {
        const auto z = State("[0|300][900|310][400|320][1200|330][1100|340]", manu);
        const CZi4Verwaltung::SectionLookup lookup(z);
        const bool ascending = std::string(manu) == "0;5000";
        const int32_t begins[] = {0, 900, 400, 1200, 1100};
        const int widths[] = {300, 310, 320, 330, 340};
        for (int32_t station = -100; station <= 1400; station += 50) {
            std::pair<int, int> expected{5, 340};
            for (int i = 1; i < 5; ++i)
                if ((ascending && begins[i] >= station) || (!ascending && station >= begins[i])) {
                    expected = {i, widths[i - 1]};
                    break;
                }
            EXPECT_EQ(lookup(station), expected) << manu << " " << station;
            EXPECT_EQ(z.GetSectionNumberAndWidth(station), expected);
        }
    }
}

}  // namespace
}  // namespace nivora
