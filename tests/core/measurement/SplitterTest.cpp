#include <gtest/gtest.h>

#include "core/measurement/Pm02Builder.h"
#include "measurement/FileSplitter.h"

namespace nivora {
namespace {

using Lines = std::vector<std::string>;

TEST(TextMode, LineEndsBlankLinesAndControlBytes) {
    EXPECT_EQ(SplitTextMode("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextMode("a\r\n\r\n\n  \nb"), (Lines{"a", "  ", "b"}));
    EXPECT_EQ(SplitTextMode(std::string("x\ty\x01z\x00w", 8)), (Lines{"x\tyzw"}));
    EXPECT_EQ(SplitTextMode("\xE4\xFF\x80"), (Lines{"\xE4\xFF\x80"}));
    EXPECT_EQ(SplitTextMode(""), Lines{});
}

TEST(TextMode, ControlByteEndsALongLine) {
    const std::string longPart(129, 'a');
    EXPECT_EQ(SplitTextMode(longPart + "\x01" + "b"), (Lines{longPart, "b"}));
    const std::string shortPart(128, 'a');
    EXPECT_EQ(SplitTextMode(shortPart + "\x01" + "b"), (Lines{shortPart + "b"}));
}

TEST(TextMode, OverlongLineEndsReading) {
    const std::string text = "erste\r\n" + std::string(3000, 'x') + "\r\nletzte\r\n";
    EXPECT_EQ(SplitTextMode(text), (Lines{"erste"}));
    // 2046 characters still fit.
    const std::string fits(2046, 'y');
    EXPECT_EQ(SplitTextMode(fits + "\nz"), (Lines{fits, "z"}));
    EXPECT_EQ(SplitTextMode(std::string(2047, 'y') + "\nz"), Lines{});
}

TEST(RecordMode, RecordsKeepLfBytesAndLineEnds) {
    // A record whose doubles hold a LF after 10 bytes is not cut there.
    const std::string rec = test::Pm02Record(0.0, 1.0, 3.0, "Riss");
    std::string withLf = rec;
    withLf[10] = '\n';
    const std::string file =
        test::Pm02Head({"Pruefer|Meier"}) + withLf + rec + "***\r\nnachher\r\n";
    const Lines lines = SplitRecordMode(file);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "PM01BS02\r\n");
    EXPECT_EQ(lines[1], "Pruefer|Meier\r\n");
    EXPECT_EQ(lines[2], "***\r\n");
    EXPECT_EQ(lines[3], withLf);
    EXPECT_EQ(lines[4], rec);
    EXPECT_EQ(lines[5], "***\r\n");  // nothing after the closing mark
}

TEST(RecordMode, CutFilesAndUnfinishedLines) {
    const std::string rec = test::Pm02Record(1.0, 0.5, 3.0, "");
    // Cut after 41 bytes: the appended CR LF closes it as a record line.
    Lines lines = SplitRecordMode(test::Pm02Head({}) + rec + rec.substr(0, 41));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], rec.substr(0, 41) + "\r\n");
    // Cut after 30 bytes: too short to be closed, so not stored.
    lines = SplitRecordMode(test::Pm02Head({}) + rec + rec.substr(0, 30));
    EXPECT_EQ(lines.size(), 3u);
    // Head without a line break at the end of the file.
    lines = SplitRecordMode("PM01BS02");
    EXPECT_EQ(lines, (Lines{"PM01BS02\r\n"}));
}

TEST(RecordMode, OverlongLineEndsReading) {
    const std::string file = test::Pm02Head({}) + std::string(3000, 'x') + "\r\n";
    EXPECT_EQ(SplitRecordMode(file).size(), 2u);
}

// The splitter takes eight bytes at a time; this is the same rule a byte at a
// time, as it reads.
Lines SplitByteByByte(const std::string& bytes) {
    Lines lines;
    std::string line;
    for (const char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0x20 || c == '\t') {
            line += ch;
            if (line.size() >= kMaxLineLength) return lines;
            continue;
        }
        if (c == '\r' || c == '\n' || line.size() > 128) {
            if (!line.empty()) lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST(TextMode, WordsAtATimeAgreeWithBytesAtATime) {
    // Few distinct bytes, so that line ends, TABs, dropped control bytes,
    // high bytes and long lines all come close together.
    const char kAlphabet[] = {'a',    ';',    '0',    ' ',    '\t',   '\r',  '\n',
                              '\x01', '\x1f', '\x7f', '\x80', '\xff', '\xe4'};
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 16; };
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const std::size_t length = next() % (round % 10 == 0 ? 6000 : 300);
        // Some texts have long stretches of text bytes, a few beyond the
        // longest line.
        const uint32_t stretch[] = {1, 16, 200, 3000};
        const uint32_t every = stretch[next() % 4];
        for (std::size_t i = 0; i < length; ++i) {
            const uint32_t k = next();
            bytes += k % every ? 'x' : kAlphabet[k % sizeof kAlphabet];
        }
        const std::string copy = bytes;
        EXPECT_EQ(SplitTextMode(bytes), SplitByteByByte(copy)) << "round " << round;
    }
}

}  // namespace
}  // namespace nivora
