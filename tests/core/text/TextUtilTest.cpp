#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "text/TextUtil.h"

namespace nivora::text {
namespace {

TEST(TextUtil, FindTextAndNoCase) {
    EXPECT_EQ(FindText("abcabc", "bc", 0), 1);
    EXPECT_EQ(FindText("abcabc", "bc", 2), 4);
    EXPECT_EQ(FindText("abc", "x", 0), -1);
    EXPECT_EQ(FindText("abc", "a", 9), -1);
    EXPECT_EQ(FindText("abc", "Abc", 0), -1);
    EXPECT_EQ(FindTextNoCase("xxABC", "abc", 0), 2);
    EXPECT_EQ(FindTextNoCase("Stra\xDF"
                             "e \xE4",
                             "\xC4", 0),
              7);  // code-page letters fold too
}

TEST(TextUtil, ReplaceTextNeverSearchesInsertedText) {
    std::string s = "aaa";
    EXPECT_EQ(ReplaceText(s, "a", "aa", true), 3);
    EXPECT_EQ(s, "aaaaaa");
    s = "a,b,c";
    EXPECT_EQ(ReplaceText(s, ",", ";", false), 1);
    EXPECT_EQ(s, "a;b,c");
    EXPECT_EQ(ReplaceText(s, "x", "y", true), 0);
    EXPECT_EQ(ReplaceText(s, "", "y", true), 0);  // an empty pattern replaces nothing
    EXPECT_EQ(s, "a;b,c");
}

TEST(TextUtil, FieldsAndCounts) {
    struct Case {
        const char* text;
        const char* sep;
        int n;
        const char* field;
    };
    const Case cases[] = {
        {"a|b", "|", 0, "a"},   {"a|b", "|", 1, "b"}, {"a|b", "|", 2, ""},
        {"a|b", "|", 7, ""},    {"a||c", "|", 1, ""}, {"a||c", "|", 2, "c"},
        {"abc", "|", 0, "abc"}, {"", "|", 0, ""},     {"x<>y<>z", "<>", 2, "z"},
        {"a|b", "|", -1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetField(c.text, c.sep, c.n), c.field) << c.text << " " << c.n;
        if (std::string_view(c.sep).size() == 1) {
            EXPECT_EQ(GetCharField(c.text, c.sep[0], c.n), c.field);
        }
    }
    EXPECT_EQ(CountFields("a|b|", "|"), 3);
    EXPECT_EQ(CountFields("", "|"), 1);
    EXPECT_EQ(CountFields("a<>b", "<>"), 2);
    EXPECT_EQ(CountFields("a;b;c", ';'), 3);
}

// Eight bytes at a time, with a tail of any length, high bytes and NUL.
TEST(TextUtil, CountCharAsCountingByteByByte) {
    const char kBytes[] = {';', 'a', '\0', '\x80', '\xbb', '\xff', ';'};
    uint32_t seed = 7;
    for (int round = 0; round < 2000; ++round) {
        std::string s;
        const std::size_t length = round % 41;
        for (std::size_t i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            s += kBytes[(seed >> 16) % sizeof kBytes];
        }
        for (const char c : {';', '\0', '\xbb', '\xff', 'z'}) {
            EXPECT_EQ(CountChar(s, c), static_cast<std::size_t>(std::count(s.begin(), s.end(), c)))
                << "round " << round;
        }
    }
}

TEST(TextUtil, GetBetweenOccurrences) {
    const std::string line = "x<<<a|b>>>y<<<c|d>>>";
    EXPECT_EQ(GetBetween(line, "<<<", ">>>", 0), "a|b");
    EXPECT_EQ(GetBetween(line, "<<<", ">>>", 1), "c|d");
    EXPECT_EQ(GetBetween(line, "<<<", ">>>", 2), "");
    EXPECT_EQ(GetBetween("<<<a|b", "<<<", ">>>", 0), "");
    EXPECT_EQ(GetBetween("a>>>", "<<<", ">>>", 0), "");
}

TEST(TextUtil, ReadNumberAcceptsPointOrComma) {
    EXPECT_DOUBLE_EQ(ReadNumber("12,75"), ReadNumber("12.75"));
    EXPECT_DOUBLE_EQ(ReadNumber("3,5 km"), 3.5);
    EXPECT_DOUBLE_EQ(ReadNumber("  -0,25"), -0.25);
    EXPECT_DOUBLE_EQ(ReadNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumber("abc"), 0.0);
    // Separators after a TAB or a letter are not touched: the number ends there.
    EXPECT_DOUBLE_EQ(ReadNumber("1\t2,5"), 1.0);
    EXPECT_DOUBLE_EQ(ReadNumber("7x,5"), 7.0);
}

TEST(TextUtil, FormattingInCNumberFormat) {
    EXPECT_EQ(FormatDecimal(2.345, 2), "2.35");  // 2.345 is stored a little above .345
    EXPECT_EQ(FormatDecimal(1.0, 0), "1");
    EXPECT_EQ(FormatDecimal(-0.04, 1), "-0.0");
    EXPECT_EQ(FormatInt(-42), "-42");
    EXPECT_EQ(FormatTenths(-5), "-0.5");
    EXPECT_EQ(FormatTenths(40), "4.0");
    EXPECT_EQ(NormalizeDecimal("  3,456 ", 2), "3.46");
    EXPECT_EQ(NormalizeDecimal("   ", 2), "");
    EXPECT_EQ(NormalizeDecimal("", 1), "");
    EXPECT_EQ(NormalizeDecimal("12", 1), "12.0");
}

TEST(TextUtil, TrimAndPrefix) {
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x "), "  x");
    EXPECT_TRUE(StartsWith("Strasse: B 27", "Strasse:"));
    EXPECT_FALSE(StartsWith("Str", "Strasse:"));
}

}  // namespace
}  // namespace nivora::text
