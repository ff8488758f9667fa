#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/Texte.h"
#include "measurement/MessFahrtDaten.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

using text::W;

// A run with raw stations 0, 10, 20, 30, 40 dm moved to start at 1000 dm, and
// a range that cuts off the first raw sample. Samples 1 and 3 are marked,
// sample 3 without comment.
CMessFahrtDaten MarkedRun() {
    CMessFahrtDaten run;
    auto& raw = run.MutableRaw();
    for (int i = 0; i < 5; ++i) {
        MESSUNG m;
        m.station = i * 10;
        raw.push_back(m);
    }
    raw[1].SetMarked(true);
    raw[1].comment = "Riss";
    raw[3].SetMarked(true);
    run.kilometrage = "1000;1";
    run.ApplyKilometrage();
    run.SetRange(1010, 1040);
    return run;
}

TEST(StarTexts, BuiltFromMarkedWorkingSamples) {
    const CMessFahrtDaten run = MarkedRun();
    ASSERT_EQ(run.WorkingCount(), 4);
    const auto texts = BuildStarTexts(run, "");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].station, 1010);
    EXPECT_EQ(texts[0].text, "Riss");
    EXPECT_EQ(texts[0].colour, 0);
    EXPECT_EQ(texts[1].station, 1030);
    EXPECT_EQ(texts[1].text, "(103.0)");
    // The file station is that of the sample's own raw record, not of the raw
    // record with the working index (which would give 0 and 20).
    EXPECT_EQ(texts[0].fileStation, 10);
    EXPECT_EQ(texts[1].fileStation, 30);
}

TEST(StarTexts, StoredPairsReplaceTheFirstTextOfTheirStation) {
    CMessFahrtDaten run;
    auto& raw = run.MutableRaw();
    for (int32_t station : {1234, 1234, 1300}) {
        MESSUNG m;
        m.station = station;
        m.SetMarked(true);
        raw.push_back(m);
    }
    run.ApplyKilometrage();
    run.SetRange(1234, 1300);
    EXPECT_EQ(BuildStarTexts(run, "")[0].text, "(123.4)");

    const auto texts =
        BuildStarTexts(run, "1234_Neu#underscore#Text<2>_9999_nirgends<1>_1234_Zweiter<3>_");
    ASSERT_EQ(texts.size(), 3u);
    // Both pairs for 1234 go to the first star text; the later one wins.
    EXPECT_EQ(texts[0].text, "Zweiter");
    EXPECT_EQ(texts[0].colour, 3);
    EXPECT_EQ(texts[1].text, "(123.4)");
    EXPECT_EQ(texts[1].colour, 0);
    EXPECT_EQ(texts[2].text, "(130.0)");
}

TEST(Texts, DecodingTable) {
    struct Case {
        const char* value;
        std::vector<TEXTDATEN> texts;
    };
    const Case cases[] = {
        {"", {}},
        {"100_Hallo<3>_200_Welt_", {{100, 0, "Hallo", 3}, {200, 0, "Welt", 0}}},
        {"100_a<1>__300_b<0>_", {{100, 0, "a", 1}}},  // stops at the empty station
        {"100", {{100, 0, "", 0}}},                   // missing text field
        {"abc_x<y>_", {{0, 0, "x", 0}}},              // malformed numbers read as 0
        {"-5_a#lo#b#gt#c<4>", {{-5, 0, "a<b>c", 4}}},
        {"7_x<1>y<2>_", {{7, 0, "x", 1}}},  // the first "<" decides
        {"99999999999_z_", {{2147483647, 0, "z", 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const auto texts = DecodeTexts(c.value);
        ASSERT_EQ(texts.size(), c.texts.size());
        for (std::size_t k = 0; k < texts.size(); ++k) {
            EXPECT_EQ(texts[k].station, c.texts[k].station);
            EXPECT_EQ(texts[k].fileStation, 0);
            EXPECT_EQ(texts[k].text, c.texts[k].text);
            EXPECT_EQ(texts[k].colour, c.texts[k].colour);
        }
    }
}

TEST(Texts, AreaTextsDecodeAndEncode) {
    const auto areas = DecodeAreaTexts("100_200_Baustelle<2>_300_250_x#underscore#y_5_");
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[0].from, 100);
    EXPECT_EQ(areas[0].to, 200);
    EXPECT_EQ(areas[0].text, "Baustelle");
    EXPECT_EQ(areas[0].colour, 2);
    EXPECT_EQ(areas[1].from, 300);
    EXPECT_EQ(areas[1].to, 250);
    EXPECT_EQ(areas[1].text, "x_y");
    EXPECT_EQ(areas[1].colour, 0);
    EXPECT_EQ(areas[2].from, 5);
    EXPECT_EQ(areas[2].to, 0);
    EXPECT_EQ(areas[2].text, "");

    EXPECT_EQ(EncodeAreaTexts({{100, 200, "a_b<c>#d", 2}, {-1, 3, "", 0}}),
              "100_200_a#underscore#b#lo#c#gt#d<2>_-1_3_<0>_");
}

TEST(Texts, EncodingFormats) {
    EXPECT_EQ(EncodeTexts({}), "");
    EXPECT_EQ(EncodeTexts({{1234, 99, "Riss", 0}, {-10, 0, "a>b", 5}}),
              "1234_Riss<0>_-10_a#gt#b<5>_");
    EXPECT_EQ(EncodeExcludedAreas({}), "");
    EXPECT_EQ(EncodeExcludedAreas({{100, 300, "Br{{CRLF}}cke"}, {500, 400, "x_y"}}),
              "100_300_Br{{CRLF}}cke_500_400_x#underscore#y");
}

TEST(Texts, ExcludedAreasRoundTrip) {
    const std::vector<BEREICH_OHNE_ERKENNUNG_DATEN> areas{
        {100, 300, W("Brücke_1 <alt>{{CRLF}}zweite Zeile")},
        {700, 500, ""},
        {900, 950, "<underscore>#lo#"},
    };
    const auto back = DecodeExcludedAreas(EncodeExcludedAreas(areas));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].from, 100);
    EXPECT_EQ(back[0].to, 300);
    EXPECT_EQ(back[0].text, areas[0].text);
    EXPECT_EQ(back[1].from, 700);
    EXPECT_EQ(back[1].to, 500);
    EXPECT_EQ(back[1].text, "");
    // Escape codes typed as text come back as typed; only the "#" is lost.
    EXPECT_EQ(back[2].text, "<underscore>lo");

    const auto texts = DecodeTexts(EncodeTexts({{1, 0, "a#b_c<d>", 4}}));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "ab_c<d>");
    EXPECT_EQ(texts[0].colour, 4);
}

TEST(TextListen, LoadAndDiscardWriteTheListsBack) {
    const CMessFahrtDaten run = MarkedRun();
    CTextListen lists;
    lists.Load(run, "1030_Loch<1>_", "50_Frei_text<2>_", "10_20_Bereich<3>_",
               "100_300_Ausgenommen_400_500_");
    ASSERT_EQ(lists.StarTexts().size(), 2u);
    EXPECT_EQ(lists.StarTexts()[1].text, "Loch");
    ASSERT_EQ(lists.FreeTexts().size(), 2u);  // "text<2>" stands where a station belongs
    EXPECT_EQ(lists.FreeTexts()[0].text, "Frei");
    EXPECT_EQ(lists.FreeTexts()[1].station, 0);
    ASSERT_EQ(lists.AreaTexts().size(), 1u);
    ASSERT_EQ(lists.ExcludedAreas().size(), 2u);

    const CTextListen::Values v = lists.Discard();
    EXPECT_EQ(v.sterntexte, "1010_Riss<0>_1030_Loch<1>_");
    EXPECT_EQ(v.freietexte, "50_Frei<0>_0_<0>_");
    EXPECT_EQ(v.bereichstexte, "10_20_Bereich<3>_");
    EXPECT_EQ(v.bereichOhneErkennung, "100_300_Ausgenommen_400_500_");
    EXPECT_TRUE(lists.StarTexts().empty());
    EXPECT_TRUE(lists.FreeTexts().empty());
    EXPECT_TRUE(lists.AreaTexts().empty());
    EXPECT_TRUE(lists.ExcludedAreas().empty());

    const CTextListen::Values empty = lists.Discard();
    EXPECT_EQ(empty.sterntexte, "");
    EXPECT_EQ(empty.bereichOhneErkennung, "");
}

TEST(TextListen, ManyTextsStayFast) {
    const int n = 100000;
    std::string stored, areas;
    CMessFahrtDaten run;
    auto& raw = run.MutableRaw();
    for (int i = 0; i < n; ++i) {
        MESSUNG m;
        m.station = i;
        m.SetMarked(true);
        raw.push_back(m);
        stored += std::to_string(i) + "_T" + std::to_string(i) + "<1>_";
        areas += std::to_string(i) + "_" + std::to_string(i + 1) + "_A_";
    }
    run.ApplyKilometrage();
    run.SetRange(0, n);
    CTextListen lists;
    lists.Load(run, stored, stored, "", areas);
    ASSERT_EQ(lists.StarTexts().size(), static_cast<std::size_t>(n));
    EXPECT_EQ(lists.StarTexts().back().text, "T" + std::to_string(n - 1));
    EXPECT_EQ(lists.FreeTexts().size(), static_cast<std::size_t>(n));
    EXPECT_EQ(lists.ExcludedAreas().size(), static_cast<std::size_t>(n));
    const CTextListen::Values v = lists.Discard();
    EXPECT_EQ(v.sterntexte, stored);
}

}  // namespace
}  // namespace nivora
