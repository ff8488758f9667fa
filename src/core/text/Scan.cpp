#include "text/Scan.h"

#include <cstddef>

#include "text/Number.h"

namespace nivora::text {
namespace {
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

ScanResult Scan(std::string_view in, std::string_view pat, bool commaIsPoint) {
    ScanResult r;
    std::size_t nInts = 0, nDoubles = 0;
    auto inputAt = [&](std::size_t k) { return commaIsPoint && in[k] == ',' ? '.' : in[k]; };
    std::size_t i = 0;  // input position
    std::size_t p = 0;  // pattern position
    while (p < pat.size()) {
        const char pc = pat[p];
        if (IsSpace(pc)) {
            while (p < pat.size() && IsSpace(pat[p])) ++p;
            while (i < in.size() && IsSpace(in[i])) ++i;
            continue;
        }
        if (pc != '%' || (p + 1 < pat.size() && pat[p + 1] == '%')) {
            if (pc == '%') ++p;
            if (i >= in.size() || inputAt(i) != pat[p]) return r;
            ++i;
            ++p;
            continue;
        }
        ++p;
        std::size_t width = 0;
        while (p < pat.size() && IsDigit(pat[p]))
            width = width * 10 + static_cast<std::size_t>(pat[p++] - '0');
        bool isLong = false;
        if (p < pat.size() && pat[p] == 'l') {
            isLong = true;
            ++p;
        }
        if (p >= pat.size()) return r;
        const char conv = pat[p++];
        while (i < in.size() && IsSpace(in[i])) ++i;
        std::string_view field = in.substr(i);
        if (width > 0 && field.size() > width) field = field.substr(0, width);
        if (conv == 'd') {
            std::size_t j = 0;
            bool negative = false;
            if (j < field.size() && (field[j] == '+' || field[j] == '-'))
                negative = field[j++] == '-';
            const std::size_t digitsStart = j;
            long long v = 0;
            while (j < field.size() && IsDigit(field[j])) {
                if (v < (1LL << 40)) v = v * 10 + (field[j] - '0');
                ++j;
            }
            if (j == digitsStart || nInts == kMaxConversions) return r;
            r.ints[nInts++] = ClampToInt(negative ? -v : v);
            ++r.count;
            i += j;
        } else if (conv == 'f' && isLong) {
            double v = 0;
            const std::size_t used =
                ParseDouble(field, v, commaIsPoint ? field.size() : std::size_t{0});
            if (used == 0 || nDoubles == kMaxConversions) return r;
            r.doubles[nDoubles++] = v;
            ++r.count;
            i += used;
        } else {
            return r;  // not needed by any pattern of the formats
        }
    }
    return r;
}

}  // namespace nivora::text
