#include <gtest/gtest.h>

#include <limits>

#include "core/document/LimitProfileText.h"
#include "document/Abschnitt.h"
#include "document/AbschnittDialoge.h"
#include "document/Zi4Verwaltung.h"
#include "measurement/MessFahrtDaten.h"

namespace nivora {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

CZi4Verwaltung State(const std::string& abschnitte, const std::string& manuvonbis) {
    CZi4Verwaltung z;
    z.SetValue("ABSCHNITTE", abschnitte);
    z.SetValue("MANUVONBIS", manuvonbis);
    return z;
}

// Samples every step dm from `from` towards `to` (both included), each with
// the speed speedOf(station), a width of 350 and no limit of its own.
template <class SpeedOf>
CMessFahrtDaten SpeedRun(int32_t from, int32_t to, int32_t step, SpeedOf speedOf,
                         int32_t limit = 40) {
    CMessFahrtDaten run;
    const int32_t dir = from <= to ? 1 : -1;
    for (long long s = from; dir > 0 ? s <= to : s >= to; s += dir * step) {
        MESSUNG m;
        m.station = static_cast<int32_t>(s);
        m.width = 350;
        m.speed = speedOf(m.station);
        run.MutableRaw().push_back(m);
    }
    run.SetLimit(limit);
    run.ResetRange();
    run.SetRange(run.RangeStart(), run.RangeEnd());
    return run;
}

double NoSpeed(int32_t) { return -1.0; }

TEST(AbschnittRobustheit, MalformedTextsReadAsFarAsTheyGo) {
    struct Case {
        const char* text;
        int groups;           // groups seen by the bracket list rule
        const char* encoded;  // the list after Decode with the range 0 .. 1001
    };
    const Case cases[] = {
        {"", 0, ""},
        {"[0|350|40", 0, ""},                                        // not closed
        {"[0|350|40][500|300", 1, "[0|350|40|0|||0||||]"},           // the open one ends the list
        {"][0|1|2|3|||1]", 1, "[0|1|2|3|||1||||]"},                  // a "]" before the first "["
        {"[0|1][]", 1, "[0|1||0|||0||||]"},                          // an empty group ends it
        {"[a|b|c|d|e|f|g|h|i|j|k|l]", 1, "[0|0||0|e|f|0|h|i|j|k]"},  // numbers read as 0
        {"[12abc|3.9|-4|1e3|||-1]", 1, "[12|3||1|||1||||]"},         // strtol stops at a non-digit
        {"[[0|1]", 2, "[0|1||0|||0||||]"},  // nested: "[0|1" and "0|1", zero length removed
        {"[0|350|||||1|x]]]][600]", 2, "[0|350||0|||1|x|||][600|0||0|||0||||]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        AbschnittListe list;
        list.Decode(c.text, 0, 1001);
        EXPECT_EQ(list.Encode(), c.encoded);
        auto z = State(c.text, "0;1001");
        EXPECT_EQ(z.GetSectionCount(), c.groups);
        z.RebuildSectionCache();
        EXPECT_EQ(static_cast<int>(z.SectionCache().size()), c.groups);
        (void)z.FindSectionAt(500);
        (void)z.GetSectionNumberAndWidth(500);
        (void)z.GetLimitProfile(0, 1001);
        CAbschnitteDlg dlg(c.text, "0.0", "100.1");
        EXPECT_EQ(dlg.RowCount(), static_cast<int>(list.sections.size()));
    }
}

TEST(AbschnittRobustheit, HugeAndNegativeNumbersSaturate) {
    AbschnittListe list;
    list.Decode("[-99999999999|99999999999|99999999999|-99999999999|||7][0|1|45|10|||1]", kMin,
                kMax);
    ASSERT_EQ(list.sections.size(), 2u);
    EXPECT_EQ(list.sections[0].from, kMin);
    EXPECT_EQ(list.sections[0].to, 0);
    EXPECT_EQ(list.sections[0].width, kMax);
    EXPECT_EQ(list.sections[0].limit, kMax);
    EXPECT_EQ(list.sections[0].value3, kMin);
    EXPECT_EQ(list.sections[1].to, kMax);
    EXPECT_EQ(list.Encode(),
              "[-2147483648|2147483647|2147483647|-2147483648|||1||||][0|1|45|10|||1||||]");

    auto z = State(list.Encode(), "-2147483648;2147483647");
    EXPECT_EQ(test::ProfileText(z.GetLimitProfile(kMin, kMax)),
              "[g;-2147483648;0;2147483647][r;-2147483648;0;0;0]"
              "[g;0;2147483647;45][r;0;2147483647;0;0][w;0]");
    EXPECT_EQ(z.GetSectionNumberAndWidth(kMax), (std::pair<int, int>{2, 1}));
    const auto hit = z.FindSectionAt(kMin);
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.index, 0);

    // A run at the very end of the station range: the default sections saturate.
    const CMessFahrtDaten run = SpeedRun(kMax - 20, kMax, 10, NoSpeed);
    const auto opened = ComputeSectionsAtOpening(run, "", run.RangeStart(), run.RangeEnd());
    EXPECT_EQ(opened.abschnitte, "[2147483627|350|40|10|||1||||]");
}

TEST(AbschnittRobustheit, DefaultSectionsTakeTheSamplesOrTheRunsLimit) {
    CMessFahrtDaten run =
        SpeedRun(0, 1000, 100, [](int32_t s) { return 40.0 + (s / 100) % 2 * 20; });
    const auto plain = ComputeSectionsAtOpening(run, "", 0, 1001);
    EXPECT_EQ(plain.abschnitte,
              "[0|350|40|10|||1||49.1|10.4|21.3]");  // one section, the run's limit
    EXPECT_TRUE(plain.statgesChanged);
    EXPECT_EQ(plain.statges, "49.1|10.4|21.3");

    for (MESSUNG& m : run.MutableRaw()) m.limit = 55;
    run.SetRange(run.RangeStart(), run.RangeEnd());
    EXPECT_EQ(ComputeSectionsAtOpening(run, "", 0, 1001).abschnitte,
              "[0|350|55|10|||1||49.1|10.4|21.3]");

    const CMessFahrtDaten empty;
    const auto none = ComputeSectionsAtOpening(empty, "", 0, 0);
    EXPECT_EQ(none.abschnitte, "");
    EXPECT_EQ(none.statges, "||");
}

TEST(AbschnittRobustheit, StoredSectionsOfADescendingRun) {
    // Samples 1000, 900, ..., 0 with speeds 140 down to 40.
    const CMessFahrtDaten run = SpeedRun(1000, 0, 100, [](int32_t s) { return 40.0 + s / 10; });
    ASSERT_FALSE(run.IsAscending());
    const auto r =
        ComputeSectionsAtOpening(run, "[1001|350|40|10|||1||||][500|300|45|10|||2||||]", 1001, 0);
    // The first section takes samples 0 to 4, the second 5 to 9: the last
    // sample belongs to no index range.
    EXPECT_EQ(r.abschnitte,
              "[1001|350|40|10|||1||120.0|15.8|13.2][500|300|45|10|||1||70.0|15.8|22.6]");
    EXPECT_FALSE(r.statgesChanged);

    auto z = State(r.abschnitte, "1001;0");
    const auto hit = z.FindSectionAt(500);
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.index, 0);  // the boundary belongs to the earlier section in list order
    EXPECT_EQ(hit.limit, 40);
    EXPECT_EQ(z.FindSectionAt(499).index, 1);
    EXPECT_EQ(z.GetSectionNumberAndWidth(500), (std::pair<int, int>{1, 350}));
    EXPECT_EQ(z.GetSectionNumberAndWidth(499), (std::pair<int, int>{2, 300}));
}

TEST(AbschnittRobustheit, HundredThousandGroups) {
    // 200,000 samples, one a decimetre; 100,000 sections of two samples each.
    const CMessFahrtDaten run = SpeedRun(0, 199999, 1, [](int32_t s) { return 50.0 + s % 7; });
    std::string sorted, zero, excluded;
    for (int i = 0; i < 100000; ++i) {
        const std::string begin = std::to_string(2 * i);
        sorted += "[" + begin + "|350|40|10|||1||||]";
        zero += "[0|1]";
        excluded += "[" + begin + "|350|40|10|||" + (i % 2 ? "0" : "1") + "||||]";
    }

    const auto opened = ComputeSectionsAtOpening(run, sorted, 0, 200000);
    EXPECT_EQ(opened.abschnitte.substr(0, 62),
              "[0|350|40|10|||1||50.5|0.7|1.4][2|350|40|10|||1||52.5|0.7|1.3]");

    AbschnittListe zeroList;
    zeroList.Decode(zero, 0, 10);
    ASSERT_EQ(zeroList.sections.size(), 1u);  // every zero-length section but the last is removed
    EXPECT_EQ(zeroList.sections[0].to, 10);

    CAbschnitteDlg dlg(excluded, "0.0", "20000.0");
    EXPECT_EQ(dlg.RowCount(), 100000);
    EXPECT_EQ(dlg.Row(99999)[2], "nein");
    EXPECT_EQ(dlg.StatgesOnOk(run), "53.0|2.0|3.8");

    auto z = State(sorted, "0;200000");
    EXPECT_EQ(z.GetSectionCount(), 100000);
    EXPECT_EQ(z.GetSectionNumberAndWidth(199999), (std::pair<int, int>{100000, 350}));
    const std::string profile = test::ProfileText(z.GetLimitProfile(0, 200000));
    std::size_t boundaries = 0;
    for (auto p = profile.find("[w;"); p != std::string::npos; p = profile.find("[w;", p + 1))
        ++boundaries;
    EXPECT_EQ(boundaries, 99999u);

    // Nested brackets make every group overlap the next; reading must still end.
    const std::string nested = std::string(100000, '[') + std::string(100000, ']');
    AbschnittListe nestedList;
    nestedList.Decode(nested, 0, 10);
    EXPECT_EQ(State(nested, "0;10").GetSectionCount(), 99999);  // the innermost group is empty
}

}  // namespace
}  // namespace nivora
