#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "core/TestSupport.h"
#include "core/measurement/Pm02Builder.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

using test::Crlf;
using test::LoadBytes;

std::vector<std::string> Pm01Head() {
    return {"Rollstab PM01BS01 V2",
            "14.03.2026 09:30\tMessung 3",
            "Dienststelle  SBA Rottweil ",
            "Abteilung Bau",
            "Pruefer Meier",
            "Str.-Typ B",
            "Str.-Nr. 27"};
}

TEST(Pm01Bs01, ReadsHeadAndDataLines) {
    auto lines = Pm01Head();
    lines.push_back("1,5\t0\t0\t0\t0,1234\t3,50\tRiss");
    lines.push_back("-0.5\t0\t0\t0\t0.1240\t3.50");            // six fields: unmarked
    lines.push_back("2\t0\t0\t0\t0,125");                      // five fields: skipped
    lines.push_back("0,3\t0\t0\t0\t0,126\t3,5\t  Fuge \t\t");  // trailing TABs removed
    CMessFahrtDaten run;
    LoadBytes(run, Crlf(lines));
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 1001);
    EXPECT_EQ(run.GetLimit(), 0);
    ASSERT_EQ(run.RawSamples().size(), 3u);
    const MESSUNG& a = run.RawSamples()[0];
    EXPECT_EQ(a.value, 15);
    EXPECT_EQ(a.station, 1234);
    EXPECT_EQ(a.width, 350);
    EXPECT_EQ(a.comment, "Riss");
    EXPECT_TRUE(a.Marked());
    EXPECT_EQ(a.speed, -1.0);
    EXPECT_EQ(a.limit, -1);
    const MESSUNG& b = run.RawSamples()[1];
    EXPECT_EQ(b.value, -5);
    EXPECT_EQ(b.comment, "");
    EXPECT_FALSE(b.Marked());
    EXPECT_EQ(run.RawSamples()[2].comment, "Fuge");
    EXPECT_EQ(run.FileLines()[7], "1,5\t0,1234\t3,50\tRiss");
    EXPECT_EQ(run.FileLines()[8], "-0.5\t0.1240\t3.50\t");
    EXPECT_EQ(run.FileLines()[9], "2\t0\t0\t0\t0,125");  // a skipped line stays as read
    EXPECT_EQ(run.FileLines()[10], "0,3\t0,126\t3,5\tFuge");
    EXPECT_EQ(run.headerText,
              "14.03.2026 09:30 Messung 3\xBF"
              "SBA Rottweil\xBF"
              "Bau\xBF"
              "Meier\xBF"
              "B\xBF"
              "27\xBF");
    EXPECT_EQ(run.RangeStart(), 1234);
    EXPECT_EQ(run.RangeEnd(), 1261);
}

TEST(Pm01Bs01, RefusedHeads) {
    struct Case {
        const char* name;
        int line;
        const char* text;
    };
    const Case cases[] = {
        {"no marker", 0, "Rollstab PM01BS03"},
        {"date without minutes", 1, "14.03.2026 09"},
        {"keys swapped", 3, "Pruefer Meier"},
        {"lower-case key", 2, "dienststelle SBA"},
    };
    for (const auto& c : cases) {
        auto lines = Pm01Head();
        lines[static_cast<std::size_t>(c.line)] = c.text;
        lines.push_back("1,5\t0\t0\t0\t0,1234\t3,50\tRiss");
        CMessFahrtDaten run;
        LoadBytes(run, Crlf(lines));
        EXPECT_NE(run.formatCode, 1001) << c.name;
    }
    CMessFahrtDaten noData;
    LoadBytes(noData, Crlf(Pm01Head()));
    EXPECT_NE(noData.formatCode, 1001);
    EXPECT_TRUE(noData.RawSamples().empty());
}

std::vector<std::string> Pm02HeadLines() {
    return {"Zeitstempel|14.03.2026 09:30",
            "Dienststelle|SBA Rottweil",
            "Abteilung|Bau",
            "Pruefer|Meier",
            "Str.-Typ|B",
            "Str.-Nr.|27",
            "Geraet|RS-4"};
}

TEST(Pm01Bs02, ReadsRecordsAndRewritesTheirLines) {
    const std::string file = test::Pm02Head(Pm02HeadLines()) +
                             test::Pm02Record(-2.5, 1.25, 3.0, "") +
                             test::Pm02Record(4.04, 1.2501, 3.5, "Schachtdeckel  ") +
                             test::Pm02Record(1.0, 1.2502, 3.5,
                                              "Br\xC3\xBC"
                                              "cke") +
                             "***\r\n";
    CMessFahrtDaten run;
    LoadBytes(run, file);
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 1002);
    EXPECT_FALSE(run.IsIncomplete());
    ASSERT_EQ(run.RawSamples().size(), 3u);
    const MESSUNG& a = run.RawSamples()[0];
    EXPECT_EQ(a.value, -25);
    EXPECT_EQ(a.station, 12500);
    EXPECT_EQ(a.width, 300);
    EXPECT_FALSE(a.Marked());
    EXPECT_EQ(run.RawSamples()[1].comment, "Schachtdeckel");
    EXPECT_TRUE(run.RawSamples()[1].Marked());
    EXPECT_EQ(run.RawSamples()[2].comment, text::W("Brücke"));
    const auto& lines = run.FileLines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "PM01BS02");  // head lines are stored back trimmed
    EXPECT_EQ(lines[7], "Geraet|RS-4");
    EXPECT_EQ(lines[8], "***");
    EXPECT_EQ(lines[9], "-2.50 1.2500 3.00 ");
    EXPECT_EQ(lines[10], "4.00 1.2501 3.50 Schachtdeckel");
    EXPECT_EQ(lines[12], "***\r\n");  // the closing mark is not touched
    EXPECT_EQ(run.headerText,
              "14.03.2026 09:30\xBF"
              "SBA Rottweil\xBF"
              "Bau\xBF"
              "Meier\xBF"
              "B\xBF"
              "27\xBF");
}

// The rewritten record line is "%.2f %.4f %.2f %s" of the sample, also at
// the ends of the 32-bit range and for every digit count.
TEST(Pm01Bs02, RecordLinesAsPrintfWritesThem) {
    std::vector<double> values = {0.0,      -0.04, 0.05,   -0.05,       9.99,        -10.0,
                                  123456.7, 1e300, -1e300, 214748364.7, -214748364.8};
    uint32_t seed = 5;
    for (int i = 0; i < 300; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double scale = std::pow(10.0, static_cast<int>(seed >> 16) % 12 - 3);
        values.push_back((static_cast<double>(seed % 20001) - 10000.0) * scale);
    }
    std::string file = test::Pm02Head(Pm02HeadLines());
    for (std::size_t i = 0; i < values.size(); ++i)
        file += test::Pm02Record(values[i], values[(i + 1) % values.size()] / 1000,
                                 values[(i + 2) % values.size()] / 100, i % 7 ? "" : "Riss");
    CMessFahrtDaten run;
    LoadBytes(run, file + "***\r\n");
    ASSERT_EQ(run.RawSamples().size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const MESSUNG& m = run.RawSamples()[i];
        char expected[160];
        std::snprintf(expected, sizeof expected, "%.2f %.4f %.2f %s", m.value / 10.0,
                      m.station / 10000.0, m.width / 100.0, m.comment.str().c_str());
        EXPECT_EQ(run.FileLines()[9 + i], expected) << values[i];
    }
}

TEST(Pm01Bs02, HeadVariants) {
    auto head = Pm02HeadLines();
    head.erase(head.begin() + 2);        // no "Abteilung"
    head.push_back("Pruefer|Schulz");    // a later key replaces the earlier value
    head.push_back("|ohne Schluessel");  // "|" at the first character is no key
    head.push_back("  Str.-Nr.|27a  ");
    CMessFahrtDaten run;
    LoadBytes(run, test::Pm02Head(head) + test::Pm02Record(1, 0.1, 3, "") + "***\r\n");
    EXPECT_EQ(run.headerText,
              "14.03.2026 09:30\xBF"
              "SBA Rottweil\xBF\xBF"
              "Schulz\xBF"
              "B\xBF"
              "27a\xBF");
}

TEST(Pm01Bs02, CutFileIsReadAndFlaggedIncomplete) {
    const std::string records = test::Pm02Record(1, 0.1, 3, "a") + test::Pm02Record(2, 0.2, 3, "b");
    const std::string full =
        test::Pm02Head(Pm02HeadLines()) + records + test::Pm02Record(3, 0.3, 3, "Riss");
    for (std::size_t cut : {full.size(), full.size() - 2, full.size() - 10, full.size() - 20}) {
        CMessFahrtDaten run;
        LoadBytes(run, full.substr(0, cut));
        ASSERT_TRUE(run.IsLoaded()) << cut;
        EXPECT_TRUE(run.IsIncomplete()) << cut;
        // The third record counts once its first 40 bytes are there.
        EXPECT_EQ(run.RawSamples().size(), cut >= full.size() - 6 - 2 ? 3u : 2u) << cut;
    }
}

TEST(Pm01Bs02, CutAtEveryByteOfTheRecordBlock) {
    // Wherever the file ends, every record with its 40 bytes of numbers is
    // read and the run is flagged incomplete; nothing else is made up.
    const std::string head = test::Pm02Head(Pm02HeadLines());
    const std::vector<std::string> records = {test::Pm02Record(1, 0.1, 3, "a"),
                                              test::Pm02Record(2, 0.2, 3, ""),
                                              test::Pm02Record(3, 0.3, 3, "Riss quer")};
    std::string full = head;
    for (const auto& r : records) full += r;
    for (std::size_t cut = head.size(); cut <= full.size(); ++cut) {
        std::size_t expected = 0, at = head.size();
        for (const auto& r : records) {
            if (cut >= at + 40) ++expected;
            at += r.size();
        }
        CMessFahrtDaten run;
        LoadBytes(run, full.substr(0, cut));
        EXPECT_EQ(run.IsLoaded(), expected > 0) << cut;
        EXPECT_EQ(run.RawSamples().size(), expected) << cut;
        EXPECT_EQ(run.IsIncomplete(), expected > 0) << cut;
    }
}

TEST(Pm01Bs02, RefusedWithoutRecordsAndNoOtherReaderTried) {
    CMessFahrtDaten run;
    // Its lines would make a text printout, but nothing else is tried.
    LoadBytes(run, "PM01BS02 Grenzwert 4\r\n-10   0  +10  +20  +30\r\n5 100\r\n");
    EXPECT_FALSE(run.IsLoaded());
    EXPECT_EQ(run.formatCode, 0);
    EXPECT_EQ(run.RangeStart(), 0);
    EXPECT_EQ(run.RangeEnd(), 0);

    CMessFahrtDaten onlyMarks;
    LoadBytes(onlyMarks, test::Pm02Head(Pm02HeadLines()) + "***\r\n");
    EXPECT_FALSE(onlyMarks.IsLoaded());
}

TEST(Pm01Bs02, RecordBeginningWithStarsIsARecord) {
    std::string rec = test::Pm02Record(1.0, 0.5, 3.0, "Riss");
    rec.replace(0, 3, "***");
    const std::string file = test::Pm02Head({}) + rec + test::Pm02Record(2, 0.6, 3, "") + "***\r\n";
    CMessFahrtDaten run;
    LoadBytes(run, file);
    ASSERT_TRUE(run.IsLoaded());
    EXPECT_EQ(run.RawSamples().size(), 2u);
    EXPECT_FALSE(run.IsIncomplete());
}

}  // namespace
}  // namespace nivora
