#pragma once
// Locale-independent number reading and writing. The program may run under a
// locale with a decimal comma (Qt sets the user's locale), so nothing here
// uses the C library's locale-dependent conversions.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace nivora::text {

// Reads a floating-point number at the start of text the way the C library's
// strtod does in the "C" locale: leading white space skipped, optional sign,
// decimal or hexadecimal digits with optional exponent, "inf", "infinity",
// "nan". Returns the number of bytes consumed (0 when nothing was read; value
// is then 0). Out-of-range values become +-infinity or +-0 as strtod gives them.
std::size_t ParseDouble(std::string_view text, double& value);

// The same, where a comma before position commaIsPointBefore of text counts
// as a decimal point (files that write a decimal comma).
std::size_t ParseDouble(std::string_view text, double& value, std::size_t commaIsPointBefore);

// strtod-like convenience: the value, 0 when nothing could be read.
double ToDouble(std::string_view text);

// atoi-like: white space, optional sign, digits; saturates at the 32-bit range.
int32_t ToInt(std::string_view text);

// Saturating conversions to the signed 32-bit range; not-finite numbers give 0.
int32_t ClampToInt(long long v);
inline int32_t ClampToInt(double v) {
    if (!std::isfinite(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// Rounded to the nearest integer, halves away from zero, saturated.
inline int32_t RoundToInt(double v) {
    // Well inside the range the conversion truncates as trunc would, and
    // nothing saturates; a million samples take this way.
    // The half is added with the value's sign rather than after a test of
    // it, which a run of values of either sign would mispredict.
    if (v > -2147483647.0 && v < 2147483646.0)
        return static_cast<int32_t>(v + std::copysign(0.5, v));
    if (!std::isfinite(v)) return 0;
    return ClampToInt(v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5));
}
// Integer part, saturated.
inline int32_t TruncToInt(double v) { return ClampToInt(std::trunc(v)); }

// Saturating 32-bit arithmetic for stations, values and lengths.
inline int32_t SatAdd(int32_t a, int32_t b) { return ClampToInt(static_cast<long long>(a) + b); }
inline int32_t SatSub(int32_t a, int32_t b) { return ClampToInt(static_cast<long long>(a) - b); }
inline int32_t SatMul(int32_t a, int32_t b) { return ClampToInt(static_cast<long long>(a) * b); }

// "%.Nf" in the "C" number format.
std::string FormatFixed(double v, int decimals);
// Appends v / 10^scaleDigits with the given number of decimals (at least
// scaleDigits), the same text as "%.Nf" of that quotient gives for a 32-bit v,
// without going through a double.
void AppendScaled(std::string& out, long long v, int scaleDigits, int decimals);
// "%0Wd": zero-padded to width W, the sign counting towards the width.
std::string FormatIntPadded(long long v, int width);

}  // namespace nivora::text
