#pragma once
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

// One field of a list line, split off while its number is read: a line's
// bytes are looked at once. Plain data, so that a line's fields cost nothing
// before they are found.
struct ScannedField {
    const char* data;
    std::size_t size;
    double value;  // the number when plain, else 0
    bool plain;    // an optional sign, 1 to 15 digits, at most one point or comma

    std::string_view text() const { return {data, size}; }
};

// Reads the field that begins at p and ends before the next separator or at
// end, as a plain number when number is set; returns where the field ends.
[[gnu::always_inline]] inline const char* ScanField(const char* p, const char* end, char separator,
                                                    bool number, ScannedField& f) {
    static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* const begin = p;
    f.value = 0;
    f.plain = false;
    if (number) {
        const bool negative = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+')) ++p;
        uint64_t mantissa = 0;
        const char* from = p;
        for (unsigned d; p < end && (d = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10; ++p)
            mantissa = mantissa * 10 + d;
        std::size_t count = static_cast<std::size_t>(p - from), fraction = 0;
        if (p < end && (*p == ',' || *p == '.')) {
            from = ++p;
            for (unsigned d; p < end && (d = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10;
                 ++p)
                mantissa = mantissa * 10 + d;
            fraction = static_cast<std::size_t>(p - from);
            count += fraction;
        }
        if (count > 0 && count <= 15 && (p == end || *p == separator)) {
            const double v = static_cast<double>(mantissa) / kPow10[fraction];
            f.value = negative ? -v : v;
            f.plain = true;
        }
    }
    while (p < end && *p != separator) ++p;
    f.data = begin;
    f.size = static_cast<std::size_t>(p - begin);
    return p;
}

// A number field of a data line where a comma is a decimal point. The usual
// field, an optional sign, at most 15 digits and one separator and nothing
// else, is read here without any detour; it gives the same double as the
// general reader, because its digits and the power of ten are both exact and
// one division rounds correctly. Everything else goes to the general reader.
inline bool ReadPlainDecimal(std::string_view s, double& value) {
    const char* const end = s.data() + s.size();
    ScannedField f;
    if (ScanField(s.data(), end, ';', true, f) != end || !f.plain) return false;
    value = f.value;
    return true;
}

// Splits a line into fields as text::Fields does (at most N kept, all
// counted) and reads the fields whose bit is set in numbers as plain numbers
// where they are ones; the others are never plain. Nothing is cleared
// beforehand: only the fields found are ever read.
template <std::size_t N>
class ScannedFields {
  public:
    ScannedFields(std::string_view line, char separator, uint32_t numbers = ~0u) {
        const char* p = line.data();
        const char* const end = p + line.size();
        for (;;) {
            ScannedField spare;
            ScannedField& f =
                m_count < static_cast<int>(N) ? m_fields[static_cast<std::size_t>(m_count)] : spare;
            p = ScanField(p, end, separator, m_count < 32 && (numbers >> m_count) & 1u, f);
            ++m_count;
            if (p == end) break;
            ++p;  // the separator
        }
    }
    int count() const { return m_count; }
    // Field i (empty beyond the fields kept).
    const ScannedField& operator[](int i) const {
        static constexpr ScannedField kNone{"", 0, 0, false};
        return i >= 0 && i < std::min(m_count, static_cast<int>(N))
                   ? m_fields[static_cast<std::size_t>(i)]
                   : kNone;
    }

  private:
    ScannedField m_fields[N];
    int m_count = 0;
};

// A field read with every "," as ".".
inline double CommaPointNumber(const ScannedField& f) {
    if (f.plain) return f.value;
    double v = 0;
    text::ParseDouble(f.text(), v, f.size);
    return v;
}
inline double CommaPointNumber(std::string_view s) {
    double v = 0;
    if (!ReadPlainDecimal(s, v)) text::ParseDouble(s, v, s.size());
    return v;
}

// A field read with the commas before its first TAB or letter as points.
inline double FieldNumber(const ScannedField& f) {
    return f.plain ? f.value : text::ReadNumber(f.text());
}
inline double FieldNumber(std::string_view s) {
    double v = 0;
    return ReadPlainDecimal(s, v) ? v : text::ReadNumber(s);
}

}  // namespace nivora
