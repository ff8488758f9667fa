#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/Scan.h"

namespace nivora::text {
namespace {

TEST(Number, ParseDoubleLikeStrtodInCLocale) {
    struct Case {
        const char* text;
        double value;
        std::size_t used;
    };
    const Case cases[] = {
        {"12.5", 12.5, 4},
        {"  -3.25x", -3.25, 7},
        {"+.5", 0.5, 3},
        {"1e3", 1000, 3},
        {"1e", 1, 1},
        {"1e+", 1, 1},
        {"5.", 5, 2},
        {".", 0, 0},
        {"abc", 0, 0},
        {"", 0, 0},
        {"0x10", 16, 4},
        {"0x", 0, 1},
        {"12,5", 12, 2},
        {"-", 0, 0},
        {"1234567890123456789012345678901234567890", 1.2345678901234568e39, 40},
    };
    for (const auto& c : cases) {
        double v = -99;
        EXPECT_EQ(ParseDouble(c.text, v), c.used) << c.text;
        EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
    double v = 0;
    EXPECT_EQ(ParseDouble("1e400", v), 5u);
    EXPECT_TRUE(std::isinf(v));
    EXPECT_EQ(ParseDouble("-1e-400", v), 7u);
    EXPECT_EQ(v, 0.0);
    EXPECT_EQ(ParseDouble("inf", v), 3u);
    EXPECT_TRUE(std::isinf(v));
    EXPECT_EQ(ParseDouble("NaN", v), 3u);
    EXPECT_TRUE(std::isnan(v));
}

TEST(Number, CommaAsPointWithoutCopying) {
    // The same value and length as the text with its commas made points,
    // where the comma lies before the given position.
    struct Case {
        const char* text;
        std::size_t before;
        double value;
        std::size_t used;
    };
    const Case cases[] = {
        {"12,5", 99, 12.5, 4},
        {"12,5", 2, 12, 2},  // the comma is beyond the position
        {"-0,25;x", 99, -0.25, 5},
        {",5", 99, 0.5, 2},
        {"1,2,3", 99, 1.2, 3},
        {"1.2,3", 99, 1.2, 3},
        {"0x1,8p3", 99, 12, 7},
        {"1,5e2", 99, 150, 5},
        {"12345678901234567,5", 99, 12345678901234567.5, 19},  // beyond the short path
        {"0,1234567890123456789", 99, 0.1234567890123456789, 21},
    };
    for (const auto& c : cases) {
        double v = -99;
        EXPECT_EQ(ParseDouble(c.text, v, c.before), c.used) << c.text;
        EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
    EXPECT_EQ(Scan("0,1234;2,5;", "%lf;%lf;", true).doubles.at(1), 2.5);
    EXPECT_EQ(Scan("0,1234;2,5;", "%lf;%lf;").count, 1);  // stops at the comma
}

TEST(Number, ShortDecimalsAreReadExactly) {
    // The short path must give the very double that from_chars gives.
    for (const char* t : {"0.1", "0.3", "2.675", "123456789012345", "99999.99999", "0.000001",
                          "7.0000000000001", "1.7976931348623", "-4503599627370.5"}) {
        double fast = 0;
        ParseDouble(t, fast);
        const std::string longer = std::string(t) + "e0";  // takes the general path
        double general = 0;
        ParseDouble(longer, general);
        EXPECT_EQ(fast, general) << t;
    }
}

TEST(Number, ScaledIntegersLikePrintfOfTheQuotient) {
    const long long values[] = {0,
                                1,
                                -1,
                                5,
                                -5,
                                9,
                                10,
                                -10,
                                12345,
                                -12345,
                                99999,
                                2147483647,
                                -2147483647 - 1,
                                1000000,
                                -999999,
                                123456789,
                                -7};
    for (const long long v : values) {
        std::string a, b, c;
        AppendScaled(a, v, 1, 2);
        AppendScaled(b, v, 4, 4);
        AppendScaled(c, v, 2, 2);
        EXPECT_EQ(a, FormatFixed(static_cast<double>(v) / 10.0, 2)) << v;
        EXPECT_EQ(b, FormatFixed(static_cast<double>(v) / 10000.0, 4)) << v;
        EXPECT_EQ(c, FormatFixed(static_cast<double>(v) / 100.0, 2)) << v;
    }
}

TEST(Number, IndependentOfTheUsersLocale) {
    // A German locale must not change what is read or written.
    const bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_DOUBLE_EQ(ToDouble("2.5"), 2.5);
    EXPECT_EQ(FormatFixed(2.5, 2), "2.50");
    EXPECT_EQ(Scan("1.5 2.5", "%lf%lf").doubles.at(1), 2.5);
    if (switched) std::setlocale(LC_NUMERIC, "C");
}

TEST(Number, RoundingTruncationAndSaturation) {
    EXPECT_EQ(RoundToInt(2.5), 3);
    EXPECT_EQ(RoundToInt(-2.5), -3);
    EXPECT_EQ(RoundToInt(-2.4), -2);
    EXPECT_EQ(TruncToInt(40.5), 40);
    EXPECT_EQ(TruncToInt(-40.5), -40);
    EXPECT_EQ(RoundToInt(1e300), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundToInt(-1e300), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(RoundToInt(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(RoundToInt(std::nan("")), 0);
    // Around the ends of the range the short way and the saturating way meet.
    for (const double v : {2147483645.5, 2147483645.9, 2147483646.0, 2147483646.4, 2147483646.5,
                           2147483647.0, 2147483647.4, 2147483647.5, 2147483648.0, -2147483646.5,
                           -2147483647.0, -2147483647.4, -2147483647.5, -2147483648.0,
                           -2147483648.5, -2147483649.0, 0.49999999999999994, -0.5, -0.0}) {
        const int32_t saturated = ClampToInt(v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5));
        EXPECT_EQ(RoundToInt(v), saturated) << std::fixed << v;
    }
    EXPECT_EQ(ToInt("  -99999999999999"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ToInt("2500;1"), 2500);
    EXPECT_EQ(SatAdd(std::numeric_limits<int32_t>::max(), 1), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(SatMul(100000, 100000), std::numeric_limits<int32_t>::max());
}

TEST(Number, PaddedIntegersLikePrintf) {
    EXPECT_EQ(FormatIntPadded(5, 2), "05");
    EXPECT_EQ(FormatIntPadded(2024, 4), "2024");
    EXPECT_EQ(FormatIntPadded(-5, 4), "-005");
    EXPECT_EQ(FormatIntPadded(123, 2), "123");
}

TEST(Scan, PatternsOfTheFileFormats) {
    struct Case {
        const char* input;
        const char* pattern;
        int count;
    };
    const Case cases[] = {
        {"01.02.2024 10:15", "%2d.%2d.%4d %2d:%2d", 5},
        {"1.2.2024 8:05 mehr Text", "%2d.%2d.%4d %2d:%2d", 5},
        {"01.02.2024", "%2d.%2d.%4d %2d:%2d", 3},
        {"123.02.2024 10:15", "%2d.%2d.%4d %2d:%2d", 1},  // width 2 stops at "12"
        {"01.02.2024  10:15:30", "%2d.%2d.%4d %2d:%2d:%2d", 6},
        {"01.02.202410:15:30", "%2d.%2d.%4d %2d:%2d:%2d", 6},  // blank in pattern matches none too
        {"Datum: 01.02.2024 Zeit: 10:15:30", "Datum: %2d.%2d.%4d Zeit: %2d:%2d:%2d", 6},
        {"Datum:;01.02.2024, 10:15:30", "Datum:;%2d.%2d.%4d, %2d:%2d:%2d", 6},
        {"Datum:01.02.2024", "Datum: %2d.%2d.%4d", 3},
        {"0.1234;2.5", "%lf;%lf;", 2},
        {"x;2.5;", "%lf;%lf;", 0},
        {"Grenzwert [mm]:;4.05;", "Grenzwert [mm]:;%lf;", 1},
        {"Grenzwert 4.0", "Grenzwert %lf", 1},
        {"0.1 2.5\t3.1", "%lf%lf%lf%lf", 3},
        {"4 0", "%d%d", 2},
        {"4", "%d%d", 1},
        {"+", "%d", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scan(c.input, c.pattern).count, c.count) << c.input << " / " << c.pattern;
    const auto r = Scan("-1.2.2024 10:15", "%2d.%2d.%4d %2d:%2d");
    ASSERT_EQ(r.count, 5);
    EXPECT_EQ(r.ints[0], -1);
    EXPECT_EQ(Scan("99999999999999999999", "%d").ints.at(0), std::numeric_limits<int32_t>::max());
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    EXPECT_EQ(Cp1252ToUtf8("\xBF"), "\xC2\xBF");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\x80"), "?");  // not in the code page
}

TEST(Cp1252, LiteralHelperGivesCodePageBytes) {
    EXPECT_EQ(W("Prüfer"),
              "Pr\xFC"
              "fer");
    EXPECT_EQ(W("Meßdatensätze"),
              "Me\xDF"
              "datens\xE4tze");
    EXPECT_EQ(W("€"), "\x80");
}

}  // namespace
}  // namespace nivora::text
