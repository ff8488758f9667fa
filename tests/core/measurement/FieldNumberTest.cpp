#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "measurement/FieldNumber.h"

namespace nivora {
namespace {

// The plain-number rule a byte at a time, as it reads: an optional sign,
// 1 to 15 digits, at most one point or comma, nothing else.
bool PlainByBytes(std::string_view s, double& value) {
    static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) i = 1;
    uint64_t mantissa = 0;
    std::size_t digits = 0, fraction = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 15) return false;
            mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
            if (point) ++fraction;
        } else if ((c == ',' || c == '.') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (digits == 0) return false;
    const double v = static_cast<double>(mantissa) / kPow10[fraction];
    value = negative ? -v : v;
    return true;
}

// Same double, sign of zero and NaN included.
bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The short way for plain fields must give exactly what the general reader
// gives, and every other field must still reach the general reader.
TEST(FieldNumber, AgreesWithTheGeneralReader) {
    const char* const kFields[] = {
        "12,5",
        "-3,4",
        "0",
        "-0",
        "-0,0",
        "+7",
        ".5",
        ",5",
        "5.",
        "5,",
        "1,2,3",
        "1.2,3",
        "",
        "-",
        "+",
        ",",
        "0,1",
        "3,50",
        "-2.5",
        "4,05",
        "0,1234",
        "1e3",
        "1,5e2",
        " 4,5",
        "4,5 ",
        "1.5x",
        "12 Riss",
        "nan",
        "inf",
        "0x1p3",
        "999999999999999",
        "1234567890123456",
        "0,000000000000001",
        "0,0000000000000001",
        "12345678901234,5",
        "123456789012345,6",
        "--1",
        "+-1",
        "1\t2",
        "Riss,5",
    };
    for (const char* field : kFields) {
        const std::string_view s(field);
        double general = 0;
        text::ParseDouble(s, general, s.size());
        EXPECT_TRUE(SameBits(CommaPointNumber(s), general)) << '"' << field << '"';
        EXPECT_TRUE(SameBits(FieldNumber(s), text::ReadNumber(s))) << '"' << field << '"';
        // The same field read while its line is split.
        ScannedField f;
        const char* end = ScanField(s.data(), s.data() + s.size(), ';', true, f);
        EXPECT_EQ(end, s.data() + s.size()) << '"' << field << '"';
        EXPECT_EQ(f.text(), s);
        double plain = 0;
        double byBytes = 0;
        EXPECT_EQ(f.plain, PlainByBytes(s, byBytes)) << '"' << field << '"';
        EXPECT_EQ(ReadPlainDecimal(s, plain), f.plain) << '"' << field << '"';
        if (f.plain) {
            EXPECT_TRUE(SameBits(plain, byBytes)) << '"' << field << '"';
        }
        EXPECT_TRUE(SameBits(CommaPointNumber(f), general)) << '"' << field << '"';
        EXPECT_TRUE(SameBits(FieldNumber(f), text::ReadNumber(s))) << '"' << field << '"';
    }
}

// Splitting while reading numbers gives the fields the plain split gives.
TEST(FieldNumber, ScannedFieldsSplitAsFields) {
    const char* const kLines[] = {
        "",
        ";",
        "0,1;1,0;0;",
        "1,6;-1,4;0;Riss, tief",
        "a;;b",
        "12;x;;",
        "1;2;3;4;5;6;7;8;9",
        "-;+;,;.;5,5,5",
        "7\t;8",
        "Station;H\xF6he",
    };
    for (const char* line : kLines) {
        const text::Fields<5> expected(line, ';');
        const ScannedFields<5> got(line, ';');
        ASSERT_EQ(got.count(), expected.count()) << '"' << line << '"';
        for (int i = -1; i <= 6; ++i) {
            EXPECT_EQ(got[i].text(), expected[i]) << '"' << line << "\" " << i;
            double v = 0;
            const bool plain = PlainByBytes(expected[i], v);
            EXPECT_EQ(got[i].plain, plain) << '"' << line << "\" " << i;
            if (plain) {
                EXPECT_TRUE(SameBits(got[i].value, v)) << '"' << line << "\" " << i;
            }
        }
        // Fields not asked for as numbers are split alike and never plain.
        const ScannedFields<5> textOnly(line, ';', 0b101u);
        ASSERT_EQ(textOnly.count(), expected.count());
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(textOnly[i].text(), expected[i]);
            if (i % 2 == 1) {
                EXPECT_FALSE(textOnly[i].plain);
            }
        }
    }
}

// Random lines split and read as the plain split and the plain reader do.
TEST(FieldNumber, ScannedFieldsAgreeOnRandomLines) {
    const char kBytes[] = "0123456789,.;-+ x9;";
    uint32_t seed = 99;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 16; };
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        const std::size_t length = next() % 72;
        const uint32_t digitsOnly = next() % 3;  // long runs of digits
        for (std::size_t i = 0; i < length; ++i) {
            const uint32_t k = next();
            line += digitsOnly == 0 && k % 7 ? static_cast<char>('0' + k % 10)
                                             : kBytes[k % (sizeof kBytes - 1)];
        }
        const text::Fields<8> expected(line, ';');
        // The same line alone and lying in a buffer, followed by a byte that
        // may or may not end a number.
        const char kAfter[] = {'\r', '\n', '\0', '\t', '5', ',', '.', ';', 'x'};
        const std::string buffer = line + kAfter[next() % sizeof kAfter];
        const std::string_view inBuffer(buffer.data(), line.size());
        const ScannedFields<8> alone(line, ';', 0b1011011u);
        const ScannedFields<8> buffered(inBuffer, ';', 0b1011011u, InBuffer{});
        for (const ScannedFields<8>* got : {&alone, &buffered}) {
            ASSERT_EQ(got->count(), expected.count()) << '"' << line << '"';
            for (int i = 0; i < 8; ++i) {
                EXPECT_EQ((*got)[i].text(), expected[i]) << '"' << line << "\" " << i;
                double v = 0;
                const bool plain = (0b1011011u >> i & 1u) && PlainByBytes(expected[i], v);
                ASSERT_EQ((*got)[i].plain, plain) << '"' << buffer << "\" " << i;
                if (plain) {
                    EXPECT_TRUE(SameBits((*got)[i].value, v)) << '"' << line << "\" " << i;
                }
            }
        }
    }
}

}  // namespace
}  // namespace nivora
