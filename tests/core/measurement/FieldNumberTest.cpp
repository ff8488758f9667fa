#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "measurement/FieldNumber.h"

namespace nivora {
namespace {

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
    }
}

}  // namespace
}  // namespace nivora
