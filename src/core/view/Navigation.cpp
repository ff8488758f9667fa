#include "view/Navigation.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "text/Number.h"

namespace nivora {

namespace {

// A typed station: "Station 1,2345 km", "1234,5 m". Metres carry decimetres
// in their first decimal, kilometres in their fourth.
constexpr std::string_view kStationWord = "station";
constexpr std::string_view kKilometres = "km";
constexpr std::string_view kMetres = "m";
constexpr int kMetreDecimals = 1;
constexpr int kKilometreDecimals = 4;
// Far beyond any station, and far from overflowing while digits are added.
constexpr long long kDecimetreCap = LLONG_MAX / 100;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
    return true;
}

bool EndsWithNoCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() &&
           StartsWithNoCase(s.substr(s.size() - suffix.size()), suffix);
}

}  // namespace

int PageOfStation(const Paging& paging, bool ascending, int32_t station) {
    if (paging.pageCount <= 0) return 0;
    const long long offset = ascending ? static_cast<long long>(station) - paging.firstPageStart
                                       : static_cast<long long>(paging.firstPageStart) - station;
    // Page k reaches from (k - 1) to k page lengths, both ends included.
    const long long page = offset <= 0 ? 1 : (offset - 1) / PageLength(paging) + 1;
    return static_cast<int>(std::clamp<long long>(page, 1, paging.pageCount));
}

PageSpan SpanOfPage(const Paging& paging, bool ascending, int page) {
    const long long dir = ascending ? 1 : -1;
    const long long start = PageStart(paging, ascending, page);
    const long long strips = StripsOnPage(paging, page);
    return {text::ClampToInt(start), text::ClampToInt(start + strips * paging.stripLength * dir)};
}

std::optional<int32_t> ParseStationText(std::string_view text) {
    std::string_view s = Trim(text);
    if (!s.empty() && s.front() == '[' && s.back() == ']') s = Trim(s.substr(1, s.size() - 2));
    if (StartsWithNoCase(s, kStationWord)) s = Trim(s.substr(kStationWord.size()));
    int fractionDigits = kMetreDecimals;
    if (EndsWithNoCase(s, kKilometres)) {
        fractionDigits = kKilometreDecimals;
        s = Trim(s.substr(0, s.size() - kKilometres.size()));
    } else if (EndsWithNoCase(s, kMetres)) {
        s = Trim(s.substr(0, s.size() - kMetres.size()));
    }
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Whole decimetres so far, and the first digit that is cut off.
    long long dm = 0;
    int roundDigit = 0, digits = 0, afterSeparator = -1;
    bool separator = false;
    for (const char c : s) {
        if (c == ',' || c == '.') {
            if (separator) return std::nullopt;
            separator = true;
            afterSeparator = 0;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        ++digits;
        const int d = c - '0';
        if (separator && afterSeparator >= fractionDigits) {
            if (afterSeparator++ == fractionDigits) roundDigit = d;
            continue;
        }
        if (separator) ++afterSeparator;
        dm = std::min<long long>(dm * 10 + d, kDecimetreCap);
    }
    if (digits == 0) return std::nullopt;
    for (int i = separator ? afterSeparator : 0; i < fractionDigits; ++i)
        dm = std::min<long long>(dm * 10, kDecimetreCap);
    if (roundDigit >= 5) ++dm;
    return text::ClampToInt(negative ? -dm : dm);
}

std::optional<std::size_t> StepExceedance(const std::vector<int>& pages, int currentPage,
                                          std::optional<std::size_t> shown, bool forward) {
    if (pages.empty()) return std::nullopt;
    const auto pageOf = [&](std::size_t i) { return pages[i]; };
    if (shown && *shown < pages.size() && pageOf(*shown) == currentPage) {
        if (forward) {
            if (*shown + 1 < pages.size()) return *shown + 1;
            return std::nullopt;
        }
        if (*shown > 0) return *shown - 1;
        return std::nullopt;
    }
    if (forward) {
        for (std::size_t i = 0; i < pages.size(); ++i)
            if (pageOf(i) >= currentPage) return i;
        return std::nullopt;
    }
    for (std::size_t i = pages.size(); i-- > 0;)
        if (pageOf(i) <= currentPage) return i;
    return std::nullopt;
}

}  // namespace nivora
