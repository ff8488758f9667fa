#include <gtest/gtest.h>

#include "core/TestSupport.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

using test::Crlf;
using test::LoadBytes;

std::vector<std::string> Head() {
    return {"   MESSUNG NR.  17", "vom 14.03.2026",    "Dienststelle  SBA Rottweil",
            "Abteilung Bau",      "  Pruefer  Meier ", "Str.-Typ B",
            "Str.-Nr. 31",        "Grenzwert  4,0 mm", "     -10   0  +10  +20  +30"};
}

TEST(TextPrintout, HeadDataAndMarks) {
    auto lines = Head();
    lines.push_back("  -12   3400  *Riss");
    lines.push_back("\t5\t3410\tohne Stern");
    lines.push_back("7 3420 x*");
    lines.push_back("*8 3430");
    lines.push_back("9");  // no station: skipped
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(lines));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 1);
    EXPECT_EQ(run.GetLimit(), 40);
    const auto& s = run.RawSamples();
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].value, -12);
    EXPECT_EQ(s[0].station, 3400);
    EXPECT_TRUE(s[0].Marked());
    EXPECT_EQ(s[0].comment, "Riss");
    EXPECT_FALSE(s[1].Marked());
    EXPECT_EQ(s[1].comment, "ohne Stern");
    EXPECT_TRUE(s[2].Marked());
    EXPECT_EQ(s[2].comment, "x");
    EXPECT_FALSE(s[3].Marked());  // a star at the first character does not mark
    EXPECT_EQ(s[3].value, 0);     // and "*8" is no number
    EXPECT_EQ(run.fields.number, "17");
    EXPECT_EQ(run.fields.date, "14.03.2026");
    EXPECT_EQ(run.fields.office, "SBA Rottweil");
    EXPECT_EQ(run.fields.inspector, "Meier");
    EXPECT_EQ(run.fields.roadNumber, "31");
    EXPECT_EQ(run.headerText, "");
    EXPECT_EQ(run.FileLines()[9], "  -12   3400  *Riss");  // stored lines keep their star
}

TEST(TextPrintout, MergesEqualStationsAndDropsTrailingZero) {
    auto lines = Head();
    for (const char* l : {"5 3400 a", "9 3400", "7 3400 *Loch", "1 3500 *Fuge", "2 3500 *", "0 0"})
        lines.push_back(l);
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(lines));
    ASSERT_TRUE(run.IsLoaded());
    const auto& s = run.RawSamples();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].value, 9);
    EXPECT_TRUE(s[0].Marked());
    EXPECT_EQ(s[0].comment, "Loch");
    EXPECT_EQ(s[1].value, 2);
    EXPECT_TRUE(s[1].Marked());
    EXPECT_EQ(s[1].comment, "");  // a marked duplicate without remark empties the kept one
    EXPECT_EQ(run.RangeStart(), 3400);
    EXPECT_EQ(run.RangeEnd(), 3501);
}

TEST(TextPrintout, LimitLineVariants) {
    struct Case {
        const char* limitLine;
        int32_t limit;
        bool loaded;
    };
    const Case cases[] = {
        {"Grenzwert 4,0 mm", 40, true},
        {"Grenzwert 4 mm", 0, true},
        {"Grenzwert 12.5", 125, true},
        {"Grenzwert mm", 0, false},
        {"Grenzwert 99999999999 9", 2147483647, true},
    };
    for (const auto& c : cases) {
        CMessFahrtDaten run;
        LoadBytes(run, Crlf({"Kopf", c.limitLine, "5 100"}));
        EXPECT_EQ(run.IsLoaded(), c.loaded) << c.limitLine;
        if (c.loaded) {
            EXPECT_EQ(run.GetLimit(), c.limit) << c.limitLine;
        }
    }
}

TEST(TextPrintout, DataStartAfterLimitLineWithoutScale) {
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"MESSUNG NR. 1", "Grenzwert 4,0", "3 10", "4 20"}));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.RawSamples().size(), 2u);
    EXPECT_EQ(run.fields.number, "1");
}

TEST(TextPrintout, Refusals) {
    const std::vector<std::vector<std::string>> refused = {
        {"Datum: heute", "Grenzwert 4,0", "3 10"},
        {"Messung file", "Grenzwert 4,0", "3 10"},
        {"Kopf", "Rollstab - Kontrollpruefung", "Grenzwert 4,0", "3 10"},
        {"Kopf", "Grenzwert 4,0"},
        {"Kopf", "3 10"},
    };
    for (const auto& lines : refused) {
        CMessFahrtDaten run;
        LoadBytes(run, Crlf(lines));
        EXPECT_FALSE(run.IsLoaded()) << lines[1];
        EXPECT_EQ(run.formatCode, 1);
        EXPECT_TRUE(run.RawSamples().empty());
    }
    // A control-check marker after the scale line is not examined.
    CMessFahrtDaten after;
    LoadBytes(after, Crlf({"Kopf", "Grenzwert 4,0", "-10   0  +10  +20  +30",
                           "3 10 Rollstab - Kontrollpruefung"}));
    EXPECT_TRUE(after.IsLoaded());
}

TEST(TextPrintout, MultiTrackPrintoutShowsItsMessage) {
    std::vector<std::string> lines{"Kopf", "Sp1   Sp2    Sp3", "Grenzwert 4,0", "3 10"};
    test::RecordingMessageSink sink;
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(lines), "m.txt", &sink);
    EXPECT_FALSE(run.IsLoaded());
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, "FEHLER\r\nDieses Dateiformat wird nicht unterst\xFCtzt!");
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);

    // On line 45 it is not looked for.
    std::vector<std::string> late{"Kopf", "Grenzwert 4,0"};
    for (int i = 0; i < 43; ++i)
        late.push_back(std::to_string(i) + " " + std::to_string(10 * i + 10));
    late.push_back("Sp1   Sp2    Sp3");
    CMessFahrtDaten lateRun;
    LoadBytes(lateRun, Crlf(late));
    EXPECT_TRUE(lateRun.IsLoaded());
}

TEST(TextPrintout, MessfahrtDateRule) {
    auto withVom = std::vector<std::string>{"Messfahrt", "14.03.26 Rollstab  09:30 Uhr",
                                            "Grenzwert 4,0", "3 10"};
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(withVom));
    EXPECT_EQ(run.fields.date, "14.03.26 09:30");
    withVom.insert(withVom.begin(), "vom 15.03.2026");
    CMessFahrtDaten vom;
    LoadBytes(vom, Crlf(withVom));
    EXPECT_EQ(vom.fields.date, "15.03.2026");
    CMessFahrtDaten shortNext;
    LoadBytes(shortNext, Crlf({"Messfahrt", "14.03", "Grenzwert 4,0", "3 10"}));
    EXPECT_EQ(shortNext.fields.date, "14.03 ");
}

}  // namespace
}  // namespace nivora
