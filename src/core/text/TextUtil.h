#pragma once
// Free functions on 8-bit texts shared by the readers, the state file, the
// sections and the evaluation. Their edge behaviour (missing fields, absent
// markers, decimal separators) is relied on by their callers.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace nivora::text {

int FindText(std::string_view text, std::string_view what, int start = 0);
int FindTextNoCase(std::string_view text, std::string_view what, int start = 0);
int ReplaceText(std::string& text, std::string_view oldText, std::string_view newText, bool all);
std::string GetField(std::string_view text, std::string_view separator, int n);
std::string GetCharField(std::string_view text, char separator, int n);
// GetCharField as a view into text.
std::string_view CharField(std::string_view text, char separator, int n);
int CountFields(std::string_view text, std::string_view separator);
int CountFields(std::string_view text, char separator);
std::string GetBetween(std::string_view text, std::string_view open, std::string_view close, int n);
double ReadNumber(std::string_view text);
std::string FormatDecimal(double value, int decimals);
std::string FormatInt(int value);
std::string NormalizeDecimal(std::string_view text, int decimals);
std::string FormatTenths(int value);

// White space as the readers trim it: blank, TAB, CR, LF, VT, FF.
bool IsBlank(char c);
std::string_view TrimLeft(std::string_view s);
std::string_view TrimRight(std::string_view s);
std::string_view Trim(std::string_view s);
bool StartsWith(std::string_view s, std::string_view prefix);
bool Contains(std::string_view s, std::string_view what);

// A 1 in the bottom bit of each byte of x that equals the byte of pattern
// (a byte repeated eight times), 0 elsewhere.
inline uint64_t MatchingBytes(uint64_t x, uint64_t pattern) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    x ^= pattern;  // a zero byte where the byte matches
    const uint64_t nonZero = ((x & kLow7) + kLow7) | x;
    return (~nonZero & ~kLow7) >> 7;
}

// How often c occurs in s, counted eight bytes at a time: the readers count
// the separators of every line of a list.
inline std::size_t CountChar(std::string_view s, char c) {
    const std::size_t n = s.size();
    if (n < 8) return static_cast<std::size_t>(std::count(s.begin(), s.end(), c));
    const uint64_t pattern = 0x0101010101010101ULL * static_cast<unsigned char>(c);
    // The product adds the bytes of found up in its top byte.
    auto sum = [](uint64_t found) {
        return static_cast<std::size_t>((found * 0x0101010101010101ULL) >> 56);
    };
    std::size_t count = 0, i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t x;
        std::memcpy(&x, s.data() + i, 8);
        count += sum(MatchingBytes(x, pattern));
    }
    if (i < n) {
        // The last eight bytes, without those already counted.
        uint64_t x;
        std::memcpy(&x, s.data() + n - 8, 8);
        uint64_t found = MatchingBytes(x, pattern);
        if constexpr (std::endian::native == std::endian::little)
            found >>= 8 * (8 - (n - i));
        else
            found <<= 8 * (8 - (n - i));
        count += sum(found);
    }
    return count;
}
// Every occurrence of one character replaced, on a copy.
std::string ReplacedChar(std::string_view s, char from, char to);
// A line split once at a separator: the first N fields as views (a missing
// one is empty, as GetCharField gives it) and the number of all fields.
template <std::size_t N>
class Fields {
  public:
    Fields(std::string_view line, char separator) {
        std::size_t pos = 0;
        for (std::size_t k = 0; k < line.size(); ++k) {
            if (line[k] != separator) continue;
            if (static_cast<std::size_t>(m_count) < N)
                m_fields[m_count] = line.substr(pos, k - pos);
            ++m_count;
            pos = k + 1;
        }
        if (static_cast<std::size_t>(m_count) < N) m_fields[m_count] = line.substr(pos);
        ++m_count;
    }
    int count() const { return m_count; }
    std::string_view operator[](int i) const {
        return i >= 0 && i < std::min(m_count, static_cast<int>(N))
                   ? m_fields[static_cast<std::size_t>(i)]
                   : std::string_view();
    }

  private:
    std::string_view m_fields[N];
    int m_count = 0;
};

// Windows-1252 upper case (ASCII and the Latin letters of the code page).
char UpperCp1252(char c);

}  // namespace nivora::text
