#include <gtest/gtest.h>

#include "core/TestSupport.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

using test::Crlf;
using test::LoadBytes;

TEST(FieldLists, FourFieldListWithHeadLines) {
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"14.03.2026 09:30:15 Messung", "B 14 Stuttgart", "    ",
                         "12,5;1,3;1;Riss, quer", "13;-0,4;0;", "Bemerkung: spaet", "14;0.2;1;x"}));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 3);
    ASSERT_EQ(run.RawSamples().size(), 3u);
    const MESSUNG& a = run.RawSamples()[0];
    EXPECT_EQ(a.station, 125);
    EXPECT_EQ(a.value, 13);
    EXPECT_TRUE(a.Marked());
    EXPECT_EQ(a.comment, "Riss. quer");  // commas of the remark became points
    EXPECT_FALSE(run.RawSamples()[1].Marked());
    EXPECT_EQ(run.RawSamples()[1].width, 0);
    // Head lines below line 6 count; blank ones add nothing, no ", " at the end.
    EXPECT_EQ(run.headerText, "14.03.2026 09:30:15 Messung, B 14 Stuttgart, Bemerkung: spaet");
    EXPECT_EQ(run.FileLines()[3], "12,5;1,3;1;Riss, quer");  // the stored line keeps its commas
}

TEST(FieldLists, FiveFieldListSkipsColumnTitlesAndNonNumbers) {
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"14.03.2026 09:30:15", "Position;Abweichung;Breite;Markierung;Bemerkung",
                         "a;b;c;d;e", "0;1,5;3,50;0;", "0,5;2;3,75;1;Flickstelle"}));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 7);
    ASSERT_EQ(run.RawSamples().size(), 2u);  // column titles are no sample at station 0
    EXPECT_EQ(run.RawSamples()[1].width, 375);
    EXPECT_EQ(run.RawSamples()[1].comment, "Flickstelle");
    EXPECT_TRUE(run.RawSamples()[1].Marked());
    EXPECT_EQ(run.headerText, "14.03.2026 09:30:15, a;b;c;d;e");
}

TEST(FieldLists, FiveFieldFileWithFourFieldDataIsReadAsFourFieldList) {
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"14.03.2026 09:30:15", "1;2;0;x"}));
    EXPECT_EQ(run.formatCode, 3);
    EXPECT_EQ(run.RawSamples().size(), 1u);
}

TEST(FieldLists, OneDataLineOfFiveFieldsMakesAFiveFieldList) {
    // Four-field samples come first; the five-field line far down decides.
    std::vector<std::string> lines{"14.03.2026 09:30:15", "a;b;c;d;e"};
    for (int i = 0; i < 50; ++i) lines.push_back(std::to_string(i) + ";1,5;0;Riss");
    lines.push_back("60;-2,5;3,50;1;Naht");
    lines.push_back("61;2;0;");
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(lines));
    EXPECT_EQ(run.formatCode, 7);
    ASSERT_EQ(run.RawSamples().size(), 1u);
    const MESSUNG& m = run.RawSamples()[0];
    EXPECT_EQ(m.station, 600);
    EXPECT_EQ(m.value, -25);
    EXPECT_EQ(m.width, 350);
    EXPECT_EQ(m.comment, "Naht");
    EXPECT_TRUE(m.Marked());
    // A line of five fields that is no data line decides nothing.
    CMessFahrtDaten four;
    LoadBytes(four, Crlf({"14.03.2026 09:30:15", "a;b;c;d;e", "1;2;0;", "x;1;2;3;4"}));
    EXPECT_EQ(four.formatCode, 3);
    EXPECT_EQ(four.RawSamples().size(), 1u);
}

TEST(FieldLists, NumberTestOfFieldZero) {
    const char* dataLines[] = {" -1;1;0;", "+.5;1;0;", ".5;1;0;", "  7;1;0;"};
    for (const char* l : dataLines) {
        CMessFahrtDaten run;
        LoadBytes(run, Crlf({"14.03.2026 09:30:15", l}));
        EXPECT_EQ(run.formatCode, 3) << l;
    }
    const char* notData[] = {"x;1;0;", ".;1;0;", "-;1;0;", ";1;0;"};
    for (const char* l : notData) {
        CMessFahrtDaten run;
        LoadBytes(run, Crlf({"14.03.2026 09:30:15", l, "1;1;0;"}));
        EXPECT_EQ(run.RawSamples().size(), 1u) << l;
    }
}

std::vector<std::string> DatumHead() {
    return {"Messprotokoll Rollstab",
            "Datum: 04.03.2026 Zeit: 8:05:09",
            "Pr\xC3\xBC"
            "fer: M\xC3\xBCller;;",
            "Strasse:;K 7031",
            "Gesamtl\xE4nge: 400 m",
            "Station;H\xC3\xB6he;Grenze;Kommentar;Breite;Geschw. km/h",
            "Einheit;mm;mm;;m;km/h"};
}

TEST(DatumList, ReadsColumnsByTitle) {
    auto lines = DatumHead();
    lines.push_back("0,0;1,5;4,0;;3,50;4,2");
    lines.push_back("0,0;Riss");                 // remark line at the previous station
    lines.push_back("0,5;-0,5;4,0;Fuge;3,75;");  // empty speed reads 0
    lines.push_back("0,7;1");                    // too few fields for a sample
    lines.push_back("abc;1;2;3;4;5");            // station 0: a sample, not a remark
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(lines));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 1003);
    ASSERT_EQ(run.RawSamples().size(), 3u);
    const MESSUNG& a = run.RawSamples()[0];
    EXPECT_EQ(a.station, 0);
    EXPECT_EQ(a.value, 15);
    EXPECT_EQ(a.limit, 40);
    EXPECT_EQ(a.width, 350);
    EXPECT_DOUBLE_EQ(a.speed, 4.2);
    EXPECT_EQ(a.comment, "Riss");
    EXPECT_TRUE(a.Marked());
    const MESSUNG& b = run.RawSamples()[1];
    EXPECT_EQ(b.comment, "Fuge");
    EXPECT_TRUE(b.Marked());
    EXPECT_EQ(b.speed, 0.0);
    EXPECT_TRUE(b.HasSpeed());
    EXPECT_EQ(run.GetLimit(), 0);
    EXPECT_EQ(run.FileLines()[1], "Datum: 04.03.2026 08:05:09");
    EXPECT_EQ(run.headerText, "Datum: 04.03.2026 08:05:09\xBF" + text::W("Prüfer: Müller") +
                                  "\xBF" + "Strasse:K 7031\xBF" + text::W("Gesamtlänge: 400 m") +
                                  "\xBF");
}

TEST(DatumList, DefaultColumnsAndSecondDatePattern) {
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"Datum:;04.03.2026, 08:05:09", "Strasse: B 27", "x", "x", "x", "x",
                         "1,0;2,0;5,5;9;3,5;x", "-1,0;2,0;5,5;9;3,5;x"}));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 1003);
    ASSERT_EQ(run.RawSamples().size(), 2u);
    EXPECT_EQ(run.RawSamples()[0].value, 20);
    EXPECT_DOUBLE_EQ(run.RawSamples()[0].speed, 5.5);
    EXPECT_EQ(run.RawSamples()[0].width, 350);
    EXPECT_EQ(run.RawSamples()[0].limit, 0);
    EXPECT_EQ(run.RawSamples()[1].station, -10);
    EXPECT_EQ(run.RawSamples()[0].comment, "");
}

TEST(DatumList, Refusals) {
    auto lateDate = DatumHead();
    lateDate.insert(lateDate.begin(), {"a", "b"});  // "Datum:" now on line 3
    lateDate.push_back("0;1;2;3;4;5");
    auto badDate = DatumHead();
    badDate[1] = "Datum: heute";
    badDate.push_back("0;1;2;3;4;5");
    auto noData = DatumHead();
    noData.push_back("Ende");
    auto tooShort = std::vector<std::string>{"Datum: 04.03.2026 Zeit: 8:05:09", "0;1;2;3;4;5"};
    for (const auto& lines : {lateDate, badDate, noData, tooShort}) {
        CMessFahrtDaten run;
        LoadBytes(run, Crlf(lines));
        EXPECT_NE(run.formatCode, 1003);
        EXPECT_TRUE(run.RawSamples().empty());
    }
    // A refused file keeps its date line as read.
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(noData));
    EXPECT_EQ(run.FileLines()[1], "Datum: 04.03.2026 Zeit: 8:05:09");
}

TEST(DatumList, RemarkLineBeforeTheFirstSampleIsSkipped) {
    auto lines = DatumHead();
    lines.push_back("-9999999;Unsinn");
    lines.push_back("1;1;4;;3;4");
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(lines));
    ASSERT_EQ(run.RawSamples().size(), 1u);
    EXPECT_FALSE(run.RawSamples()[0].Marked());
}

}  // namespace
}  // namespace nivora
