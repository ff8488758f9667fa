#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "document/Abschnitt.h"
#include "measurement/MessFahrtDaten.h"

namespace nivora {
namespace {

// A run whose working samples are exactly the given stations, in order.
CMessFahrtDaten RunOf(const std::vector<int32_t>& stations, const std::vector<double>& speeds) {
    CMessFahrtDaten run;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        MESSUNG m;
        m.station = stations[i];
        m.speed = i < speeds.size() ? speeds[i] : -1.0;
        run.MutableRaw().push_back(m);
    }
    if (stations.empty()) return run;
    const auto [lo, hi] = std::minmax_element(stations.begin(), stations.end());
    run.SetRange(*lo, *hi + 1);  // ascending range holding every sample
    return run;
}

// The walk along neighbouring samples, step by step as the algorithm reads.
void WalkIndices(const std::vector<int32_t>& st, const ABSCHNITT& s, int& first, int& end) {
    first = -1;
    end = -1;
    auto test = [](int32_t x, int32_t a, int32_t b, int i, int& index) {
        if (index != -1) return;
        if (x == a)
            index = i;
        else if (x == b)
            index = i + 1;
        else if ((a <= x && x <= b) || (b <= x && x <= a))
            index = i;
    };
    for (std::size_t i = 0; i + 1 < st.size(); ++i) {
        test(s.from, st[i], st[i + 1], static_cast<int>(i), first);
        test(s.to, st[i], st[i + 1], static_cast<int>(i), end);
    }
    const int count = static_cast<int>(st.size());
    if (s.from < s.to && end == -1) end = count - 1;
    if (s.from >= s.to && first == -1) first = 0;
}

TEST(SectionLocating, MatchesTheWalkOnRisingFallingAndZigZagRuns) {
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        const int n = 2 + static_cast<int>(rng() % 30);
        std::vector<int32_t> st;
        std::vector<double> speeds;
        int32_t s = static_cast<int32_t>(rng() % 50);
        const int shape = round % 3;  // rising, falling, zig-zag with repeats
        for (int i = 0; i < n; ++i) {
            st.push_back(s);
            speeds.push_back(rng() % 4 == 0 ? -1.0 : 30.0 + rng() % 50);
            const int32_t step = static_cast<int32_t>(rng() % 15);
            s += shape == 0 ? step + 1 : shape == 1 ? -(step + 1) : step - 7;
        }
        const CMessFahrtDaten run = RunOf(st, speeds);
        ASSERT_EQ(run.WorkingCount(), n);
        std::vector<ABSCHNITT> list;
        for (int k = 0; k < 12; ++k) {
            ABSCHNITT a;
            a.from = static_cast<int32_t>(rng() % 260) - 130;
            a.to = static_cast<int32_t>(rng() % 260) - 130;
            if (k == 0) a.from = st.front();
            if (k == 1) a.to = st.back();
            list.push_back(a);
        }
        std::vector<ABSCHNITT> together = list;
        LocateSections(run, together);
        for (std::size_t k = 0; k < list.size(); ++k) {
            ABSCHNITT one = list[k];
            LocateSection(run, one);
            int first = 0, end = 0;
            WalkIndices(st, list[k], first, end);
            if (first != -1 && end != -1) {
                // Indices as found; the statistics then clamp them into the samples.
                ABSCHNITT expected = list[k];
                expected.firstIndex = first;
                expected.endIndex = end;
                ComputeSpeedStatistics(run, expected, nullptr);
                EXPECT_EQ(one.firstIndex, expected.firstIndex);
                EXPECT_EQ(one.endIndex, expected.endIndex);
                EXPECT_EQ(one.StatisticsText(), expected.StatisticsText());
            } else {
                EXPECT_EQ(one.StatisticsText(), "||");
            }
            EXPECT_EQ(together[k].firstIndex, one.firstIndex) << round << " " << k;
            EXPECT_EQ(together[k].endIndex, one.endIndex);
            EXPECT_EQ(together[k].StatisticsText(), one.StatisticsText());
        }
    }
}

TEST(SectionLocating, EdgeCases) {
    // Fewer than two samples: nothing changes, not even the stored statistics.
    const CMessFahrtDaten single = RunOf({100}, {50});
    ABSCHNITT kept;
    kept.from = 0;
    kept.to = 200;
    kept.meanSpeed = "12.3";
    LocateSection(single, kept);
    EXPECT_EQ(kept.meanSpeed, "12.3");
    EXPECT_EQ(kept.endIndex, 0);

    // Descending samples; a section beginning before the first sample starts at index 0.
    CMessFahrtDaten desc;
    for (int32_t s : {300, 200, 100, 0}) {
        MESSUNG m;
        m.station = s;
        m.speed = s / 5.0;
        desc.MutableRaw().push_back(m);
    }
    desc.ResetRange();
    desc.SetRange(desc.RangeStart(), desc.RangeEnd());
    ASSERT_EQ(desc.WorkingCount(), 4);
    ABSCHNITT a;
    a.from = 400;
    a.to = 150;
    LocateSection(desc, a);
    EXPECT_EQ(a.firstIndex, 0);
    EXPECT_EQ(a.endIndex, 1);    // 150 lies between 200 and 100
    EXPECT_EQ(a.meanSpeed, "");  // one sample in [0, 1)
    a.to = 100;
    LocateSection(desc, a);
    EXPECT_EQ(a.endIndex, 2);  // equal to the second station of the pair
    EXPECT_EQ(a.StatisticsText(), "50.0|14.1|28.3");

    // A rising section past the samples ends at count - 1; one whose begin
    // lies outside them stays open and loses its statistics.
    ABSCHNITT past;
    past.from = 50;
    past.to = 500;
    LocateSection(desc, past);
    EXPECT_EQ(past.firstIndex, 2);
    EXPECT_EQ(past.endIndex, 3);
    ABSCHNITT outside;
    outside.from = -50;
    outside.to = 500;
    outside.meanSpeed = "9.9";
    LocateSection(desc, outside);
    EXPECT_EQ(outside.firstIndex, -1);
    EXPECT_EQ(outside.endIndex, 3);
    EXPECT_EQ(outside.StatisticsText(), "||");
}

TEST(SectionLocating, OverlappingListsGiveTheSameStatistics) {
    // Begins that jump back and forth make every section cover most samples;
    // the statistics must not depend on how the list is laid out.
    std::vector<int32_t> st;
    std::vector<double> speeds;
    for (int i = 0; i < 2000; ++i) {
        st.push_back(i);
        speeds.push_back(i % 9 == 0 ? -1.0 : 40.0 + (i * 37) % 41);
    }
    const CMessFahrtDaten run = RunOf(st, speeds);
    std::vector<ABSCHNITT> list;
    for (int k = 0; k < 1500; ++k) {
        ABSCHNITT a;
        a.from = (k * 13) % 500;
        a.to = 1990 - (k * 7) % 300;
        list.push_back(a);
    }
    std::vector<ABSCHNITT> together = list;
    LocateSections(run, together);
    for (std::size_t k = 0; k < list.size(); k += 7) {
        ABSCHNITT one = list[k];
        LocateSection(run, one);
        ASSERT_EQ(together[k].firstIndex, one.firstIndex);
        ASSERT_EQ(together[k].endIndex, one.endIndex);
        EXPECT_EQ(together[k].StatisticsText(), one.StatisticsText()) << k;
    }
}

TEST(SectionLocating, ExclusionsCoverHalfOpenSpansInBothDirections) {
    std::vector<int32_t> st;
    std::vector<double> speeds;
    for (int i = 0; i <= 10; ++i) {
        st.push_back(i * 10);
        speeds.push_back(10.0 * (i + 1));
    }
    const CMessFahrtDaten run = RunOf(st, speeds);
    AbschnittListe ex;
    auto add = [&ex](int32_t from, int32_t to, bool evaluate) {
        ABSCHNITT a;
        a.from = from;
        a.to = to;
        a.evaluate = evaluate;
        ex.sections.push_back(a);
    };
    add(20, 40, false);  // 20 and 30 out, 40 stays
    add(35, 25, false);  // overlaps the first: nothing new
    add(90, 70, false);  // reversed: 70 and 80 out, 90 stays
    add(0, 100, true);   // evaluated sections never exclude
    add(50, 50, false);  // empty
    ABSCHNITT whole;
    WholeRunStatistics(run, whole, &ex);
    // Taken: 0, 10, 40, 50, 60, 90, 100 with speeds 10, 20, 50, 60, 70, 100, 110.
    EXPECT_EQ(whole.meanSpeed, "60.0");
    EXPECT_EQ(whole.firstIndex, 0);
    EXPECT_EQ(whole.endIndex, 11);
}

}  // namespace
}  // namespace nivora
