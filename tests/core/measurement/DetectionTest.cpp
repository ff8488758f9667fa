#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "core/TestSupport.h"
#include "core/measurement/Pm02Builder.h"

namespace nivora {
namespace {

using test::Crlf;
using test::LoadBytes;

TEST(Detection, FirstReaderInTheChainWins) {
    // Both a PM01BS01 file and a four-field list: the instrument reader comes first.
    const std::string file =
        Crlf({"01.02.2024 10:15:30 PM01BS01", "01.02.2024 10:15", "Dienststelle A", "Abteilung B",
              "Pruefer C", "Str.-Typ D", "Str.-Nr. E", "1;2;0;x\t0\t0\t0\t0,1\t3\tR"});
    CMessFahrtDaten run;
    LoadBytes(run, file);
    EXPECT_EQ(run.formatCode, 1001);
    EXPECT_EQ(run.RawSamples().size(), 1u);
}

TEST(Detection, RefusingReaderLeavesLinesAndSamplesForTheNext) {
    // The "Datum:" reader parses the date line, then finds no data line; the
    // printout must see the line as it was in the file.
    const std::string file = Crlf({"Protokoll", "Datum: 04.03.2026 Zeit: 8:05:09", "a", "b", "c",
                                   "d", "Grenzwert 4,0", "3 10"});
    CMessFahrtDaten run;
    LoadBytes(run, file);
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 1);
    EXPECT_EQ(run.FileLines()[1], "Datum: 04.03.2026 Zeit: 8:05:09");
    ASSERT_EQ(run.RawSamples().size(), 1u);
}

TEST(Detection, UnrecognisedFiles) {
    const std::string cases[] = {
        "",
        "\r\n\r\n",
        "nur ein Satz",
        std::string(3000, 'x'),
        "Grenzwert\r\n",
        std::string("\x00\x01\x02\xFF\xFE", 5),
    };
    for (const auto& bytes : cases) {
        CMessFahrtDaten run;
        LoadBytes(run, bytes);
        EXPECT_FALSE(run.IsLoaded());
        EXPECT_EQ(run.formatCode, 1);
        EXPECT_TRUE(run.RawSamples().empty());
        EXPECT_EQ(run.RangeStart(), 0);
        EXPECT_EQ(run.RangeEnd(), 0);
    }
}

TEST(Detection, FileWithoutFinalLineBreak) {
    CMessFahrtDaten run;
    LoadBytes(run, "Strasse: B 10\nStart-Km: 0\n0.1 2");
    EXPECT_EQ(run.formatCode, 6);
    EXPECT_EQ(run.RawSamples().size(), 1u);
}

TEST(Detection, HugeNumbersSaturateOrBecomeZero) {
    const std::string forty(40, '9');
    CMessFahrtDaten run;
    LoadBytes(run, Crlf({"Strasse: B 10", "Start-Km: 0", "1e400 " + forty, "-" + forty + " nan",
                         "inf -inf"}));
    ASSERT_EQ(run.formatCode, 6);
    const auto& s = run.RawSamples();
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].station, 0);
    EXPECT_EQ(s[0].value, INT32_MAX);
    EXPECT_EQ(s[1].station, INT32_MIN);
    EXPECT_EQ(s[1].value, 0);
    EXPECT_EQ(s[2].station, 0);

    CMessFahrtDaten printout;
    LoadBytes(printout, Crlf({"Grenzwert " + forty + " " + forty, forty + " -" + forty + " x"}));
    ASSERT_TRUE(printout.IsLoaded());
    EXPECT_EQ(printout.GetLimit(), INT32_MAX);
    EXPECT_EQ(printout.RawSamples()[0].value, INT32_MAX);
    EXPECT_EQ(printout.RawSamples()[0].station, INT32_MIN);
}

// Random bytes, and valid files with random damage, read without a crash.
TEST(Detection, ArbitraryBytesNeverBreakTheReaders) {
    std::mt19937 rng(12345);
    const std::string seeds[] = {
        Crlf({"PM01BS01", "01.02.2024 10:15", "Dienststelle A", "Abteilung B", "Pruefer C",
              "Str.-Typ D", "Str.-Nr. E", "1,5\t0\t0\t0\t0,1234\t3,50\tRiss"}),
        test::Pm02Head({"Pruefer|X"}) + test::Pm02Record(1, 0.1, 3, "Riss") + "***\r\n",
        Crlf({"Datum: 04.03.2026 Zeit: 8:05:09", "Pruefer: X", "Station;Kommentar", "x", "x", "x",
              "x", "0;1;2;3;4;5", "0;Riss"}),
        Crlf({"Grenzwert 4,0", "-10   0  +10  +20  +30", "5 10 *Riss"}),
    };
    for (const auto& seed : seeds) {
        for (int round = 0; round < 300; ++round) {
            std::string bytes = seed;
            const int edits = 1 + static_cast<int>(rng() % 8);
            for (int e = 0; e < edits && !bytes.empty(); ++e) {
                const std::size_t pos = rng() % bytes.size();
                switch (rng() % 3) {
                    case 0:
                        bytes[pos] = static_cast<char>(rng() & 0xFF);
                        break;
                    case 1:
                        bytes.erase(pos, 1 + rng() % 5);
                        break;
                    default:
                        bytes.insert(pos, 1, static_cast<char>(rng() & 0xFF));
                        break;
                }
            }
            if (rng() % 4 == 0) bytes.resize(rng() % (bytes.size() + 1));
            CMessFahrtDaten run;
            test::RecordingMessageSink sink;
            LoadBytes(run, bytes, "m.txt", &sink);
            if (!run.IsLoaded()) {
                EXPECT_TRUE(run.RawSamples().empty());
            }
        }
    }
}

}  // namespace
}  // namespace nivora
