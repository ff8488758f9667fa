#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "measurement/FileSplitter.h"
#include "measurement/LineBuffer.h"
#include "measurement/MessFahrtDaten.h"

namespace nivora {
namespace {

TEST(LineBuffer, LinesAreViewsThatCanBeRewritten) {
    LineBuffer lines{"erste", "", "dritte Zeile"};
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "erste");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines.back(), "dritte Zeile");
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()),
              (std::vector<std::string>{"erste", "", "dritte Zeile"}));
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "dritte Zeile") - lines.begin(), 2);

    // Shorter text is written in place, also when it is taken from the line
    // itself; longer text goes to the end of the buffer.
    lines.Replace(2, lines[2].substr(7));
    EXPECT_EQ(lines[2], "Zeile");
    lines.Replace(0, "eine viel laengere erste Zeile");
    EXPECT_EQ(lines[0], "eine viel laengere erste Zeile");
    lines.Replace(1, "x");
    EXPECT_EQ(lines[1], "x");
    lines.Shorten(0, 4);
    EXPECT_EQ(lines[0], "eine");
    EXPECT_EQ(lines[2], "Zeile");

    lines = {"neu"};
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "neu");
    lines.clear();
    EXPECT_TRUE(lines.empty());
}

// Lines of 255 bytes or more keep their length aside; rewriting moves a line
// between the two kinds in both directions.
TEST(LineBuffer, LongLinesKeepTheirLengths) {
    const std::string a(254, 'a'), b(255, 'b'), c(256, 'c'), d(2046, 'd');
    LineBuffer lines{a, b, "kurz", c, d};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()),
              (std::vector<std::string>{a, b, "kurz", c, d}));
    lines.Replace(2, std::string(300, 'x'));  // short to long, appended
    lines.Shorten(3, 10);                     // long to short
    lines.Shorten(4, 1000);                   // long stays long
    lines.Replace(1, "b");                    // long to short, in place
    lines.Replace(0, std::string(600, 'y'));  // long again
    EXPECT_EQ(lines[0], std::string(600, 'y'));
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], std::string(300, 'x'));
    EXPECT_EQ(lines[3], std::string(10, 'c'));
    EXPECT_EQ(lines[4], std::string(1000, 'd'));
    lines.push_back(b);
    EXPECT_EQ(lines.back(), b);
    EXPECT_EQ(lines.size(), 6u);
}

TEST(LineBuffer, LargestFileReadIsWhatTheBufferHolds) {
    EXPECT_EQ(CMessFahrtDaten::LargestFile(0), LineBuffer::kMaxBytes);
    EXPECT_EQ(CMessFahrtDaten::LargestFile(1000), 1000u);
    EXPECT_EQ(CMessFahrtDaten::LargestFile(std::uintmax_t{1} << 40), LineBuffer::kMaxBytes);
}

TEST(LineBuffer, OneLongLineIsNotHeld) {
    // A line far beyond the longest line ends reading at once: no line is
    // kept and the bytes are not copied line by line.
    std::string bytes = "Strasse: B 10\r\nStart-Km: 0\r\n" + std::string(8 << 20, '7');
    EXPECT_EQ(SplitTextLines(bytes).size(), 2u);
    EXPECT_EQ(SplitRecordLines("PM01BS02" + std::string(8 << 20, '\0')).size(), 0u);
    // The same line made of control bytes is dropped byte by byte.
    EXPECT_EQ(SplitTextLines(std::string(8 << 20, '\x01') + "\r\nz").size(), 1u);
}

}  // namespace
}  // namespace nivora
