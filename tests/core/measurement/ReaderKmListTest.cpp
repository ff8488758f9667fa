#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/TestSupport.h"
#include "measurement/SideFile.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

using test::Crlf;
using test::LoadBytes;

TEST(RecordList, DataAndLimitLinesInAnyOrder) {
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({text::W("ROLLSTAB: Meßdatensätze;L 1100"), "0,1234;2,5", "0,1235;-1,25;x",
                         "Grenzwert [mm]:;5;", "kein Messwert", "Grenzwert [mm]:;4,05;"}));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 4);
    EXPECT_EQ(run.GetLimit(), 40);  // the last limit line, truncated
    ASSERT_EQ(run.RawSamples().size(), 2u);
    EXPECT_EQ(run.RawSamples()[0].station, 1234);
    EXPECT_EQ(run.RawSamples()[0].value, 25);
    EXPECT_EQ(run.RawSamples()[1].value, -13);
    EXPECT_EQ(run.RawSamples()[1].limit, -1);
    EXPECT_EQ(run.headerText, "");
}

TEST(RecordList, UtfEightHeadIsNotTheFormat) {
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"ROLLSTAB: Me\xC3\x9F"
                         "datens\xC3\xA4tze;",
                         "0,1;1;"}));
    EXPECT_NE(run.formatCode, 4);
}

TEST(LimitList, LimitsSpeedsAndSideFileRemarks) {
    const std::string side =
        "Kopf\r\ntable\r\n0.0100\ta\tb\tc\tRiss \r\n0.0200\ta\tb\tkeine\r\n/table\r\n"
        "0.0300\ta\tb\tc\tausserhalb\r\ntable\r\n0.03\ta\tb\tc\td\tSchachtdeckel\r\n"
        "0.0100\ta\tb\tc\t Querriss\r\n0.0400\ta\tb\tc\t  \r\n/table\r\n";
    std::string askedFor;
    auto sideFiles = [&](const std::string& path) -> std::optional<std::string> {
        askedFor = path;
        return side;
    };
    CMessFahrtDaten run;
    LoadBytes(run,
              Crlf({"Grenzwert 4.0 mm", "km mm km/h mm", "0.0100 1.5", "0.0200\t2.5\t4.5",
                    "0.0300 3 5 -1", "0.0400 3 5 0", "0.0500 3 5 6.09", "0,0600 2,5", "x 1"}),
              "/daten/A81.txt", nullptr, sideFiles);
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 5);
    EXPECT_EQ(askedFor, "/daten/A81.PGC");
    EXPECT_EQ(run.GetLimit(), 40);
    const auto& s = run.RawSamples();
    ASSERT_EQ(s.size(), 5u);  // the decimal comma line reads one number only
    EXPECT_EQ(s[0].limit, 40);
    EXPECT_EQ(s[0].speed, -1.0);
    EXPECT_EQ(s[1].limit, 40);
    EXPECT_DOUBLE_EQ(s[1].speed, 4.5);
    EXPECT_EQ(s[2].limit, 40);  // -1 takes the run's limit
    EXPECT_EQ(s[3].limit, 0);
    EXPECT_EQ(s[4].limit, 60);            // truncated
    EXPECT_EQ(s[0].comment, "Querriss");  // the later row wins
    EXPECT_TRUE(s[0].Marked());
    EXPECT_EQ(s[1].comment, "");  // a row with four fields gives no remark
    EXPECT_FALSE(s[1].Marked());
    EXPECT_EQ(s[2].comment, "Schachtdeckel");
    EXPECT_FALSE(s[3].Marked());  // blank remark
}

TEST(LimitList, NoLimitNumberAndNoSideFile) {
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"Grenzwerte", "Spalten", "0.1 1"}), "ab");
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 5);
    EXPECT_EQ(run.GetLimit(), 0);
    EXPECT_EQ(run.RawSamples()[0].limit, 0);
    EXPECT_EQ(RemarkSideFilePath("ab"), "");
    EXPECT_EQ(RemarkSideFilePath("a.tx"), ".PGC");
    EXPECT_EQ(RemarkSideFilePath("messung.txt"), "messung.PGC");
    EXPECT_EQ(RemarkSideFilePath("messung.data"),
              "messung..PGC");  // last four characters, whatever they are
}

TEST(LimitList, ListWithoutDataFallsThroughToThePrintout) {
    // "keine Daten" has two words, so the printout reads it as station 0 and
    // then drops that last sample: an empty, recognised run.
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"Grenzwert 4.5", "Spalten", "keine Daten"}));
    EXPECT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 1);
    EXPECT_EQ(run.GetLimit(), 45);
    EXPECT_TRUE(run.RawSamples().empty());
    EXPECT_EQ(run.RangeStart(), 1);
    EXPECT_EQ(run.RangeEnd(), 0);
}

TEST(StreetList, StreetAndStartKilometre) {
    CMessFahrtDaten run;
    LoadBytes(run,
              Crlf({"Strasse:  B 27", "Start-Km: 12,300  ", "0,0000 1,5", "0.0010\t-2", "0,002"}));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 6);
    EXPECT_EQ(run.fields.street, "B 27");
    EXPECT_EQ(run.fields.startKm, "12,300  ");
    ASSERT_EQ(run.RawSamples().size(), 2u);
    EXPECT_EQ(run.RawSamples()[1].station, 10);
    EXPECT_EQ(run.RawSamples()[1].value, -20);

    CMessFahrtDaten single;
    LoadBytes(single, Crlf({"Strasse: B 27 0 1"}));
    EXPECT_NE(single.formatCode, 6);
    EXPECT_EQ(single.fields.street, "");
}

class SideFileOnDisk : public ::testing::Test {
  protected:
    void Write(const std::string& name, const std::string& content) {
        std::ofstream(dir / name, std::ios::binary) << content;
    }
    test::TempDir tmp;
    std::filesystem::path dir = tmp.path();
};

TEST_F(SideFileOnDisk, FoundWhateverTheLetterCaseExactNamePreferred) {
    Write("messung.pgc", "table\n0.1\ta\tb\tc\tklein\n/table\n");
    const std::string measurement = (dir / "messung.txt").string();
    Write("messung.txt", Crlf({"Grenzwert 4", "x", "0.1 1"}));
    CMessFahrtDaten run;
    ReadContext ctx;
    run.Load(*ReadFileBytes(measurement), measurement, ctx);
    ASSERT_EQ(run.formatCode, 5);
    EXPECT_EQ(run.RawSamples()[0].comment, "klein");

    Write("messung.PGC", "table\n0.1\ta\tb\tc\tgross\n/table\n");
    CMessFahrtDaten again;
    again.Load(*ReadFileBytes(measurement), measurement, ctx);
    EXPECT_EQ(again.RawSamples()[0].comment, "gross");
}

TEST_F(SideFileOnDisk, MissingOrUnreadableSideFileGivesNoRemarks) {
    const std::string measurement = (dir / "m.txt").string();
    std::filesystem::create_directories(dir / "m.PGC");  // a folder, not a file
    CMessFahrtDaten run;
    run.Load(Crlf({"Grenzwert 4", "x", "0.1 1"}), measurement, {});
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_FALSE(run.RawSamples()[0].Marked());
    EXPECT_FALSE(ReadFileBytes((dir / "fehlt").string()).has_value());
}

}  // namespace
}  // namespace nivora
