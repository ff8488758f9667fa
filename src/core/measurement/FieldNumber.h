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
// With kStopAtEnd the byte at end is known to be readable and to end a
// number (neither digit, point, comma nor separator), so that the number's
// bytes need no test against end.
template <bool kStopAtEnd = false>
[[gnu::always_inline]] inline const char* ScanField(const char* p, const char* end, char separator,
                                                    bool number, ScannedField& f) {
    static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const auto more = [end](const char* q) { return kStopAtEnd || q < end; };
    const auto digit = [](const char* q) { return static_cast<unsigned char>(*q) - unsigned{'0'}; };
    const char* const begin = p;
    double value = 0;
    bool plain = false;
    if (number) {
        const char sign = more(p) ? *p : '\0';
        const bool negative = sign == '-';
        p += negative || sign == '+';
        uint64_t mantissa = 0;
        const char* from = p;
        for (unsigned d; more(p) && (d = digit(p)) < 10; ++p) mantissa = mantissa * 10 + d;
        std::size_t count = static_cast<std::size_t>(p - from), fraction = 0;
        if (more(p) && (*p == ',' || *p == '.')) {
            from = ++p;
            for (unsigned d; more(p) && (d = digit(p)) < 10; ++p) mantissa = mantissa * 10 + d;
            fraction = static_cast<std::size_t>(p - from);
            count += fraction;
        }
        if (count - 1 < 15 && (p == end || *p == separator)) {
            // At most 15 digits: the mantissa is a signed number.
            const double v = static_cast<double>(static_cast<int64_t>(mantissa)) / kPow10[fraction];
            value = negative ? -v : v;
            plain = true;
        }
    }
    while (p != end && *p != separator) ++p;
    f.data = begin;
    f.size = static_cast<std::size_t>(p - begin);
    f.value = value;
    f.plain = plain;
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
// A line that lies in a buffer whose byte after the line can be read (a
// LineBuffer's lines do).
struct InBuffer {};

// Splits a line into fields as text::Fields does (at most N kept, all
// counted) and reads the fields whose bit is set in numbers as plain numbers
// where they are ones; the others are never plain. Nothing is cleared
// beforehand: only the fields found are ever read.
template <std::size_t N>
class ScannedFields {
  public:
    ScannedFields(std::string_view line, char separator, uint32_t numbers = ~0u) {
        Split<false>(line, separator, numbers);
    }
    // Where the byte after the line is a line end or another control byte,
    // it ends the numbers of the last field. Aligned to a cache line: the
    // speed of these loops, the hottest of reading a list, swung by a fifth
    // with where the linker happened to place them.
    [[gnu::aligned(64)]] ScannedFields(std::string_view line, char separator, uint32_t numbers,
                                       InBuffer) {
        const unsigned char after = static_cast<unsigned char>(line.data()[line.size()]);
        if (after < 0x20 && after != static_cast<unsigned char>(separator))
            Split<true>(line, separator, numbers);
        else
            Split<false>(line, separator, numbers);
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
    template <bool kStopAtEnd>
    [[gnu::always_inline]] void Split(std::string_view line, char separator, uint32_t numbers) {
        const char* p = line.data();
        const char* const end = p + line.size();
        for (std::size_t i = 0; i < N; ++i, numbers >>= 1) {
            p = ScanField<kStopAtEnd>(p, end, separator, numbers & 1u, m_fields[i]);
            if (p == end) {
                m_count = static_cast<int>(i) + 1;
                return;
            }
            ++p;  // the separator
        }
        // Fields beyond those kept are only counted.
        m_count = static_cast<int>(
            N + 1 + text::CountChar({p, static_cast<std::size_t>(end - p)}, separator));
    }

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
