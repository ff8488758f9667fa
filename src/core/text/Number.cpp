#include "text/Number.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace nivora::text {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Lower(s[i]) != prefix[i]) return false;
    return true;
}

// Decimal exponent of the first significant digit of a decimal token, used to
// tell overflow from underflow when from_chars reports out of range.
long long DecimalMagnitude(std::string_view tok) {
    long long intDigits = 0, leadingFracZeros = 0;
    std::size_t i = 0;
    bool seenNonZero = false;
    while (i < tok.size() && IsDigit(tok[i])) {
        if (tok[i] != '0' || seenNonZero) {
            seenNonZero = true;
            ++intDigits;
        }
        ++i;
    }
    if (i < tok.size() && (tok[i] == '.' || tok[i] == ',')) {
        ++i;
        while (!seenNonZero && i < tok.size() && tok[i] == '0') {
            ++leadingFracZeros;
            ++i;
        }
        while (i < tok.size() && IsDigit(tok[i])) ++i;
    }
    long long exp = 0;
    if (i < tok.size() && (tok[i] == 'e' || tok[i] == 'E')) {
        ++i;
        bool neg = false;
        if (i < tok.size() && (tok[i] == '+' || tok[i] == '-')) neg = tok[i++] == '-';
        while (i < tok.size() && IsDigit(tok[i])) {
            if (exp < 100000000) exp = exp * 10 + (tok[i] - '0');
            ++i;
        }
        if (neg) exp = -exp;
    }
    return seenNonZero ? intDigits + exp : -leadingFracZeros + exp;
}

// from_chars wants a point; a token whose decimal separator is a comma is
// read from a copy with the comma replaced.
std::from_chars_result FromChars(std::string_view tok, double& v, std::chars_format fmt,
                                 std::string& scratch) {
    if (tok.find(',') != std::string_view::npos) {
        scratch.assign(tok);
        for (char& c : scratch)
            if (c == ',') c = '.';
        tok = scratch;
    }
    return std::from_chars(tok.data(), tok.data() + tok.size(), v, fmt);
}

}  // namespace

std::size_t ParseDouble(std::string_view text, double& value) {
    return ParseDouble(text, value, 0);
}

std::size_t ParseDouble(std::string_view text, double& value, std::size_t commaIsPointBefore) {
    value = 0.0;
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::string_view rest = text.substr(i);
    // A decimal separator: a point, or a comma where commas count as points.
    auto isPoint = [&](std::size_t j) {
        return rest[j] == '.' || (rest[j] == ',' && i + j < commaIsPointBefore);
    };
    std::string scratch;

    if (StartsWithNoCase(rest, "inf")) {
        value = negative ? -std::numeric_limits<double>::infinity()
                         : std::numeric_limits<double>::infinity();
        return i + (StartsWithNoCase(rest, "infinity") ? 8 : 3);
    }
    if (StartsWithNoCase(rest, "nan")) {
        std::size_t n = 3;
        if (n < rest.size() && rest[n] == '(') {
            std::size_t j = n + 1;
            while (j < rest.size() &&
                   (IsDigit(rest[j]) || (Lower(rest[j]) >= 'a' && Lower(rest[j]) <= 'z') ||
                    rest[j] == '_'))
                ++j;
            if (j < rest.size() && rest[j] == ')') n = j + 1;
        }
        value = negative ? -std::numeric_limits<double>::quiet_NaN()
                         : std::numeric_limits<double>::quiet_NaN();
        return i + n;
    }

    const bool hex = rest.size() >= 2 && rest[0] == '0' && Lower(rest[1]) == 'x';
    if (hex) {
        std::size_t j = 2, digits = 0;
        while (j < rest.size() && IsHexDigit(rest[j])) {
            ++j;
            ++digits;
        }
        if (j < rest.size() && isPoint(j)) {
            ++j;
            while (j < rest.size() && IsHexDigit(rest[j])) {
                ++j;
                ++digits;
            }
        }
        if (digits > 0) {
            std::size_t end = j;
            if (j < rest.size() && Lower(rest[j]) == 'p') {
                std::size_t k = j + 1;
                if (k < rest.size() && (rest[k] == '+' || rest[k] == '-')) ++k;
                if (k < rest.size() && IsDigit(rest[k])) {
                    while (k < rest.size() && IsDigit(rest[k])) ++k;
                    end = k;
                }
            }
            double v = 0;
            auto r = FromChars(rest.substr(2, end - 2), v, std::chars_format::hex, scratch);
            if (r.ec == std::errc::result_out_of_range) {
                // Hex mantissas rarely overflow; treat like strtod: huge or tiny.
                v = (end - j > 0 && rest[j + 1] == '-') ? 0.0
                                                        : std::numeric_limits<double>::infinity();
            }
            value = negative ? -v : v;
            return i + end;
        }
        // "0x" without hex digits reads as the number 0 followed by "x".
        value = negative ? -0.0 : 0.0;
        return i + 1;
    }

    // The common short number: up to 15 digits and no exponent. Its digits
    // as an integer and a power of ten are both exact doubles, so one
    // division gives the correctly rounded value, as from_chars would.
    {
        static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        uint64_t mantissa = 0;
        std::size_t j = 0, digits = 0, fraction = 0;
        while (j < rest.size() && IsDigit(rest[j]) && digits <= 15) {
            mantissa = mantissa * 10 + static_cast<uint64_t>(rest[j] - '0');
            ++j;
            ++digits;
        }
        if (j < rest.size() && isPoint(j)) {
            ++j;
            while (j < rest.size() && IsDigit(rest[j]) && digits <= 15) {
                mantissa = mantissa * 10 + static_cast<uint64_t>(rest[j] - '0');
                ++j;
                ++digits;
                ++fraction;
            }
        }
        const bool more =
            j < rest.size() && (IsDigit(rest[j]) || rest[j] == 'e' || rest[j] == 'E' || isPoint(j));
        if (digits > 0 && digits <= 15 && !more) {
            const double v = static_cast<double>(mantissa) / kPow10[fraction];
            value = negative ? -v : v;
            return i + j;
        }
    }

    std::size_t j = 0, digits = 0;
    while (j < rest.size() && IsDigit(rest[j])) {
        ++j;
        ++digits;
    }
    if (j < rest.size() && isPoint(j)) {
        ++j;
        while (j < rest.size() && IsDigit(rest[j])) {
            ++j;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    std::size_t end = j;
    if (j < rest.size() && (rest[j] == 'e' || rest[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < rest.size() && (rest[k] == '+' || rest[k] == '-')) ++k;
        if (k < rest.size() && IsDigit(rest[k])) {
            while (k < rest.size() && IsDigit(rest[k])) ++k;
            end = k;
        }
    }
    const std::string_view tok = rest.substr(0, end);
    double v = 0;
    auto r = FromChars(tok, v, std::chars_format::general, scratch);
    if (r.ec == std::errc::result_out_of_range)
        v = DecimalMagnitude(tok) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    value = negative ? -v : v;
    return i + end;
}

double ToDouble(std::string_view text) {
    double v = 0;
    ParseDouble(text, v);
    return v;
}

int32_t ToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long v = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (v < (1LL << 40)) v = v * 10 + (text[i] - '0');
        ++i;
    }
    return ClampToInt(negative ? -v : v);
}

int32_t ClampToInt(long long v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

std::string FormatFixed(double v, int decimals) {
    if (decimals < 0) decimals = 6;  // a negative precision means the default in printf
    if (decimals > 60) decimals = 60;
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return std::string(buf, r.ptr);
}

void AppendScaled(std::string& out, long long v, int scaleDigits, int decimals) {
    const unsigned long long a =
        v < 0 ? static_cast<unsigned long long>(-(v + 1)) + 1 : static_cast<unsigned long long>(v);
    unsigned long long scale = 1;
    for (int d = 0; d < scaleDigits; ++d) scale *= 10;
    char buf[48];
    char* p = buf + sizeof buf;
    for (int d = scaleDigits; d < decimals; ++d) *--p = '0';
    unsigned long long frac = a % scale;
    for (int d = 0; d < scaleDigits; ++d, frac /= 10) *--p = static_cast<char>('0' + frac % 10);
    if (decimals > 0) *--p = '.';
    unsigned long long whole = a / scale;
    do {
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    if (v < 0) *--p = '-';
    out.append(p, static_cast<std::size_t>(buf + sizeof buf - p));
}

std::string FormatIntPadded(long long v, int width) {
    std::string digits =
        std::to_string(v < 0 ? -(v + 1) + 1ULL : static_cast<unsigned long long>(v));
    std::string sign = v < 0 ? "-" : "";
    const int pad = width - static_cast<int>(sign.size() + digits.size());
    return sign + std::string(pad > 0 ? pad : 0, '0') + digits;
}

}  // namespace nivora::text
