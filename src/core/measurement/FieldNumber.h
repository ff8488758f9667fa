#pragma once
#include <cstdint>
#include <string_view>

#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

// A number field of a data line where a comma is a decimal point. The usual
// field, an optional sign, at most 15 digits and one separator and nothing
// else, is read here without any detour; it gives the same double as the
// general reader, because its digits and the power of ten are both exact and
// one division rounds correctly. Everything else goes to the general reader.
inline bool ReadPlainDecimal(std::string_view s, double& value) {
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

// A field read with every "," as ".".
inline double CommaPointNumber(std::string_view s) {
    double v = 0;
    if (!ReadPlainDecimal(s, v)) text::ParseDouble(s, v, s.size());
    return v;
}

// A field read with the commas before its first TAB or letter as points.
inline double FieldNumber(std::string_view s) {
    double v = 0;
    return ReadPlainDecimal(s, v) ? v : text::ReadNumber(s);
}

}  // namespace nivora
