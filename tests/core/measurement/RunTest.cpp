#include <gtest/gtest.h>

#include <limits>

#include "measurement/KopfdatenLeser.h"
#include "measurement/MessFahrtDaten.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

CMessFahrtDaten RunWithStations(std::initializer_list<int32_t> stations) {
    CMessFahrtDaten run;
    int32_t value = 10;
    for (int32_t s : stations) {
        MESSUNG m;
        m.station = s;
        m.value = value++;
        run.MutableRaw().push_back(m);
    }
    run.ResetRange();
    return run;
}

std::vector<int32_t> Stations(const std::vector<MESSUNG>& samples) {
    std::vector<int32_t> s;
    for (const auto& m : samples) s.push_back(m.station);
    return s;
}

// The mark shares the remark's pointer: changing one never changes the
// other, and copies and moves take both.
TEST(Messung, MarkAndRemarkKeptApart) {
    MESSUNG m;
    m.SetMarked(true);
    m.comment = "Riss";
    EXPECT_TRUE(m.Marked());
    m.comment = "";
    EXPECT_TRUE(m.Marked());
    EXPECT_TRUE(m.comment.empty());
    m.comment = "Naht";
    m.SetMarked(false);
    EXPECT_EQ(m.comment, "Naht");
    m.SetMarked(true);

    const MESSUNG copy = m;
    EXPECT_EQ(copy.comment, "Naht");
    EXPECT_TRUE(copy.Marked());
    MESSUNG assigned;
    assigned.comment = "alt";
    assigned = m;
    EXPECT_EQ(assigned.comment, "Naht");
    EXPECT_TRUE(assigned.Marked());
    assigned = MESSUNG{};
    EXPECT_TRUE(assigned.comment.empty());
    EXPECT_FALSE(assigned.Marked());

    MESSUNG moved = std::move(m);
    EXPECT_EQ(moved.comment, "Naht");
    EXPECT_TRUE(moved.Marked());
    auto& self = moved;
    moved = self;
    moved.comment = moved.comment.view().substr(1);  // a text taken from itself
    EXPECT_EQ(moved.comment, "aht");
    EXPECT_TRUE(moved.Marked());

    std::vector<MESSUNG> samples(3);
    samples[1] = moved;
    samples.resize(1000);  // moved on growing
    EXPECT_EQ(samples[1].comment, "aht");
    EXPECT_TRUE(samples[1].Marked());
    EXPECT_FALSE(samples[2].Marked());
}

TEST(Messung, CommentRule) {
    MESSUNG m;
    m.SetComment("  Riss  ");
    EXPECT_EQ(m.comment, "Riss");
    EXPECT_TRUE(m.Marked());

    MESSUNG blanks;
    blanks.SetComment("   ");
    EXPECT_EQ(blanks.comment, "");
    EXPECT_TRUE(blanks.Marked());

    MESSUNG empty;
    empty.comment = "alt";
    empty.SetComment("");
    EXPECT_EQ(empty.comment, "");
    EXPECT_FALSE(empty.Marked());

    MESSUNG utf8;
    utf8.SetComment(
        "Br\xC3\xBC"
        "ckenfuge \xC3\x84nderung Stra\xC3\x9F"
        "e");
    EXPECT_EQ(utf8.comment, text::W("Brückenfuge Änderung Straße"));
}

TEST(Messung, UmlautRepairOfAllLetters) {
    std::string s = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84\xC3\x96\xC3\x9C \xC3\xA9";
    UmlautRepair(s);
    EXPECT_EQ(s, text::W("äöüßÄÖÜ") + " \xC3\xA9");  // other letters stay as they are
}

TEST(Messung, ConversionsRoundHalvesAwayFromZero) {
    EXPECT_EQ(ValueFromMm(1.25), 13);
    EXPECT_EQ(ValueFromMm(-1.25), -13);
    EXPECT_EQ(StationFromM(12.55), 126);
    EXPECT_EQ(StationFromKm(0.12345), 1235);
    EXPECT_EQ(WidthFromM(3.505), 351);
    EXPECT_EQ(LimitFromMmTruncated(4.05), 40);
    EXPECT_EQ(ValueFromMm(std::numeric_limits<double>::infinity()), 0);  // not finite
    EXPECT_EQ(StationFromKm(1e30), std::numeric_limits<int32_t>::max());
}

TEST(Run, EmptyRun) {
    CMessFahrtDaten run;
    EXPECT_EQ(run.FirstRawStation(), 0);
    EXPECT_EQ(run.LastRawStation(), 0);
    run.kilometrage = "100;1";
    run.ApplyKilometrage();
    EXPECT_EQ(run.RangeStart(), 1);
    EXPECT_EQ(run.RangeEnd(), 0);
    run.RebuildSelection();
    EXPECT_EQ(run.WorkingCount(), 0);
    EXPECT_EQ(run.GetStation(0), 0);
    EXPECT_EQ(run.GetComment(3), "");
    EXPECT_FALSE(run.IsMarked(0));
    EXPECT_EQ(run.GetSample(5).limit, -1);
}

TEST(Run, ApplyKilometrage) {
    struct Case {
        const char* setting;
        bool reverse;
        std::vector<int32_t> expected;
        int32_t offset;
        std::pair<int32_t, int32_t> range;
    };
    // File stations 1200, 750, 300 (descending along the samples).
    const Case cases[] = {
        {"0;1", false, {0, 450, 900}, 1200, {0, 901}},
        {"0;0", false, {0, -450, -900}, 1200, {1, -900}},
        {"5000", false, {5000, 4550, 4100}, -3800, {5001, 4100}},
        {"", false, {1200, 750, 300}, 0, {1201, 300}},
        {"", true, {300, 750, 1200}, 0, {300, 1201}},
        {"-100;1;x", false, {-100, 350, 800}, 1300, {-100, 801}},
    };
    for (const auto& c : cases) {
        CMessFahrtDaten run = RunWithStations({1200, 750, 300});
        run.kilometrage = c.setting;
        run.reverseOrder = c.reverse;
        run.ApplyKilometrage();
        EXPECT_EQ(Stations(run.RawSamples()), c.expected) << c.setting;
        EXPECT_EQ(run.KilometrageOffset(), c.offset) << c.setting;
        EXPECT_EQ(run.RangeStart(), c.range.first) << c.setting;
        EXPECT_EQ(run.RangeEnd(), c.range.second) << c.setting;
    }
    // Ascending file with flag 1 keeps its direction.
    CMessFahrtDaten asc = RunWithStations({100, 200});
    asc.kilometrage = "2500;1";
    asc.ApplyKilometrage();
    EXPECT_EQ(Stations(asc.RawSamples()), (std::vector<int32_t>{2500, 2600}));
}

TEST(Run, ReverseRunMirrorsAlongTheLength) {
    CMessFahrtDaten run = RunWithStations({100, 150, 400});
    run.ReverseRun();
    EXPECT_EQ(Stations(run.RawSamples()), (std::vector<int32_t>{-100, 150, 200}));
    EXPECT_EQ(run.RawSamples().front().value, 12);
}

TEST(Run, SelectionRangeAndCorrection) {
    CMessFahrtDaten run = RunWithStations({0, 10, 20, 30, 40});
    run.MutableRaw()[2].speed = 4.5;
    run.SetRange(10, 30);
    EXPECT_EQ(Stations(run.WorkingSamples()), (std::vector<int32_t>{10, 20, 30}));
    EXPECT_EQ(run.SpeedCount(), 1);
    EXPECT_TRUE(run.IsAscending());
    EXPECT_EQ(run.RawIndexOfWorking(0), 1);
    EXPECT_EQ(run.RawIndexOfWorking(3), -1);

    run.SetCorrection(-5);
    EXPECT_EQ(run.GetValue(0), 6);  // 11 - 5
    EXPECT_EQ(run.RawSamples()[1].value, 11);

    run.SetRange(20, 20);  // equal ends count as descending, only that station
    EXPECT_FALSE(run.IsAscending());
    EXPECT_EQ(Stations(run.WorkingSamples()), (std::vector<int32_t>{20}));

    run.SetRange(30, 0);  // a descending range selects by the reversed bounds
    EXPECT_EQ(Stations(run.WorkingSamples()), (std::vector<int32_t>{0, 10, 20, 30}));

    run.ShiftStations(100);
    EXPECT_EQ(run.RangeStart(), 130);
    EXPECT_EQ(run.RangeEnd(), 100);
    EXPECT_EQ(run.GetStation(0), 100);
    EXPECT_EQ(run.RawSamples()[4].station, 140);
}

// A selection of every raw sample without correction shares the raw
// samples instead of copying them; the working samples still stay as they
// were selected when the raw ones change afterwards.
TEST(Run, WholeSelectionSharesTheRawSamplesUntilTheyChange) {
    CMessFahrtDaten run = RunWithStations({0, 10, 20});
    run.MutableRaw()[1].speed = 40.0;
    run.MutableRaw()[2].comment = "Riss";
    run.SetRange(run.RangeStart(), run.RangeEnd());
    EXPECT_EQ(run.WorkingSamples().data(), run.RawSamples().data());
    EXPECT_EQ(run.WorkingCount(), 3);
    EXPECT_EQ(run.SpeedCount(), 1);
    EXPECT_EQ(run.RawIndexOfWorking(2), 2);
    EXPECT_EQ(run.RawIndexOfWorking(3), -1);
    EXPECT_EQ(run.GetComment(2), "Riss");

    run.ShiftStations(5);  // shared samples move once, not twice
    EXPECT_EQ(run.GetStation(1), 15);
    EXPECT_EQ(run.RawSamples()[1].station, 15);

    // Each change of the raw samples leaves the selection as it was.
    struct Change {
        const char* name;
        void (*apply)(CMessFahrtDaten&);
    };
    const Change kChanges[] = {
        {"kilometrage", [](CMessFahrtDaten& r) { r.kilometrage = "100;0", r.ApplyKilometrage(); }},
        {"reverse order", [](CMessFahrtDaten& r) { r.reverseOrder = true, r.ApplyKilometrage(); }},
        {"reverse run", [](CMessFahrtDaten& r) { r.ReverseRun(); }},
        {"raw access", [](CMessFahrtDaten& r) { r.MutableRaw()[0].station = 99; }},
    };
    for (const Change& c : kChanges) {
        CMessFahrtDaten changed = run;
        c.apply(changed);
        EXPECT_NE(Stations(changed.RawSamples()), Stations(run.RawSamples())) << c.name;
        EXPECT_EQ(Stations(changed.WorkingSamples()), (std::vector<int32_t>{5, 15, 25})) << c.name;
        EXPECT_EQ(changed.RawIndexOfWorking(1), 1) << c.name;
        EXPECT_EQ(changed.GetComment(2), "Riss") << c.name;
        changed.ShiftStations(1);
        EXPECT_EQ(Stations(changed.WorkingSamples()), (std::vector<int32_t>{6, 16, 26})) << c.name;
    }

    run.SetCorrection(2);  // a correction needs samples of their own
    EXPECT_NE(run.WorkingSamples().data(), run.RawSamples().data());
    EXPECT_EQ(run.GetValue(0), 12);
    EXPECT_EQ(run.RawSamples()[0].value, 10);
    run.SetCorrection(0);
    EXPECT_EQ(run.WorkingSamples().data(), run.RawSamples().data());
    EXPECT_EQ(run.GetValue(0), 10);
}

TEST(Run, SaturatingArithmetic) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    CMessFahrtDaten run = RunWithStations({0, kMax});
    EXPECT_EQ(run.RangeEnd(), kMax);
    run.ShiftStations(10);
    EXPECT_EQ(run.RawSamples()[1].station, kMax);
    run.SetRange(0, kMax);
    run.SetCorrection(kMax);
    EXPECT_EQ(run.GetValue(0), kMax);
    CMessFahrtDaten mirrored = RunWithStations({-kMax, kMax});
    mirrored.kilometrage = "0;0";
    mirrored.ApplyKilometrage();
    EXPECT_EQ(mirrored.RawSamples()[1].station,
              -kMax);  // shifted to kMax (saturated), then mirrored
}

TEST(Run, StationPairAndRawText) {
    CMessFahrtDaten run = RunWithStations({1000, 1010, 1020});
    run.kilometrage = "0;1";
    run.ApplyKilometrage();
    run.SetRange(run.RangeStart(), run.RangeEnd());
    run.MutableRaw()[1].comment = "Riss";
    run.SetRange(0, 21);
    int32_t station = -1, fileStation = -1;
    std::string comment = "unchanged";
    ASSERT_TRUE(run.GetStationPair(1, station, comment, fileStation));
    EXPECT_EQ(station, 10);
    EXPECT_EQ(comment, "Riss");
    EXPECT_EQ(fileStation, 1010);
    comment = "unchanged";
    EXPECT_FALSE(run.GetStationPair(3, station, comment, fileStation));
    EXPECT_EQ(station, 0);
    EXPECT_EQ(fileStation, 0);
    EXPECT_EQ(comment, "unchanged");

    run.MutableLines() = {"a", "b"};
    EXPECT_EQ(run.GetRawText(), "a\nb\n");
    run.MutableLines() = {"c"};
    EXPECT_EQ(run.GetRawText(), "a\nb\n");  // built once
    run.ClearSamples();
    EXPECT_EQ(run.GetRawText(), "c\n");
    EXPECT_EQ(run.WorkingCount(), 0);
}

TEST(KopfdatenLeser, PositionalAndLabelledModes) {
    CKopfdatenLeser positional(
        "10.03.2026 08:12\xBF"
        "SBA\xBF\xBF Meier \xBF");
    EXPECT_FALSE(positional.IsLabelled());
    const auto e0 = positional.Next();
    EXPECT_EQ(e0.label, "Messzeitpunkt");
    EXPECT_EQ(e0.value, "10.03.2026 08:12");
    EXPECT_EQ(positional.Next().label, "Dienststelle");
    const auto e2 = positional.Next();
    EXPECT_EQ(e2.label, "Abteilung");
    EXPECT_EQ(e2.value, "");
    const auto e3 = positional.Next();
    EXPECT_EQ(e3.label, text::W("Prüfer"));
    EXPECT_EQ(e3.value, "Meier");
    positional.Next();
    positional.Next();
    const auto e6 = positional.Next();
    EXPECT_EQ(e6.label, "");
    EXPECT_EQ(e6.value, "");

    CKopfdatenLeser labelled(
        "Datum: 10.03.2026\xBF"
        "Strasse: B 27\xBF"
        "ohne Doppelpunkt");
    EXPECT_TRUE(labelled.IsLabelled());
    const auto l0 = labelled.Next();
    EXPECT_EQ(l0.label, "Datum:");
    EXPECT_EQ(l0.value, "10.03.2026");
    EXPECT_EQ(labelled.Next().label, "Strasse:");
    const auto l2 = labelled.Next();
    EXPECT_EQ(l2.label, "");
    EXPECT_EQ(l2.value, "ohne Doppelpunkt");

    EXPECT_FALSE(CKopfdatenLeser("Abc: x").IsLabelled());     // three letters only
    EXPECT_FALSE(CKopfdatenLeser("Datum : x").IsLabelled());  // colon must follow directly
}

}  // namespace
}  // namespace nivora
