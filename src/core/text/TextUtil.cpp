#include "text/TextUtil.h"

#include <algorithm>

#include "text/Number.h"

namespace nivora::text {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return s.substr(i);
}

std::string_view TrimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1])) --n;
    return s.substr(0, n);
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool Contains(std::string_view s, std::string_view what) {
    return s.find(what) != std::string_view::npos;
}

std::string ReplacedChar(std::string_view s, char from, char to) {
    std::string r(s);
    std::replace(r.begin(), r.end(), from, to);
    return r;
}

char UpperCp1252(char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char>(c - 0x20);
    switch (c) {
        case 0x9A:
            return static_cast<char>(0x8A);  // s caron
        case 0x9C:
            return static_cast<char>(0x8C);  // oe
        case 0x9E:
            return static_cast<char>(0x8E);  // z caron
        case 0xFF:
            return static_cast<char>(0x9F);  // y diaeresis
        default:
            return ch;
    }
}

int FindText(std::string_view text, std::string_view what, int start) {
    if (start < 0) start = 0;
    if (static_cast<std::size_t>(start) > text.size()) return -1;
    const auto pos = text.find(what, static_cast<std::size_t>(start));
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

int FindTextNoCase(std::string_view text, std::string_view what, int start) {
    std::string t(text), w(what);
    std::transform(t.begin(), t.end(), t.begin(), UpperCp1252);
    std::transform(w.begin(), w.end(), w.begin(), UpperCp1252);
    return FindText(t, w, start);
}

int ReplaceText(std::string& text, std::string_view oldText, std::string_view newText, bool all) {
    if (oldText.empty()) return 0;
    std::string result;
    int count = 0;
    std::size_t pos = 0;
    while (true) {
        const auto hit = text.find(oldText, pos);
        if (hit == std::string::npos) break;
        result.append(text, pos, hit - pos);
        result.append(newText);
        pos = hit + oldText.size();
        ++count;
        if (!all) break;
    }
    if (count == 0) return 0;
    result.append(text, pos, std::string::npos);
    text = std::move(result);
    return count;
}

std::string GetField(std::string_view text, std::string_view separator, int n) {
    if (n < 0) return {};
    if (separator.empty()) return n == 0 ? std::string(text) : std::string();
    std::size_t pos = 0;
    for (int i = 0;; ++i) {
        if (pos > text.size()) return {};
        const auto hit = text.find(separator, pos);
        if (i == n)
            return std::string(text.substr(
                pos, hit == std::string_view::npos ? std::string_view::npos : hit - pos));
        if (hit == std::string_view::npos) return {};
        pos = hit + separator.size();
    }
}

std::string GetCharField(std::string_view text, char separator, int n) {
    return std::string(CharField(text, separator, n));
}

std::string_view CharField(std::string_view text, char separator, int n) {
    if (n < 0) return {};
    std::size_t pos = 0;
    for (int i = 0;; ++i) {
        const auto hit = text.find(separator, pos);
        if (i == n)
            return text.substr(pos,
                               hit == std::string_view::npos ? std::string_view::npos : hit - pos);
        if (hit == std::string_view::npos) return {};
        pos = hit + 1;
    }
}

int CountFields(std::string_view text, std::string_view separator) {
    if (separator.empty()) return 1;
    int count = 1;
    for (auto pos = text.find(separator); pos != std::string_view::npos;
         pos = text.find(separator, pos + separator.size()))
        ++count;
    return count;
}

int CountFields(std::string_view text, char separator) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), separator));
}

std::string GetBetween(std::string_view text, std::string_view open, std::string_view close,
                       int n) {
    auto pos = text.find(open);
    for (int i = 0; i < n && pos != std::string_view::npos; ++i)
        pos = text.find(open, pos + close.size());
    if (pos == std::string_view::npos) return {};
    const auto begin = pos + open.size();
    const auto end = text.find(close, begin);
    if (end == std::string_view::npos) return {};
    return std::string(text.substr(begin, end - begin));
}

double ReadNumber(std::string_view text) {
    // Commas before the first TAB or letter are decimal points.
    std::size_t limit = 0;
    while (limit < text.size() && text[limit] != '\t' &&
           static_cast<unsigned char>(text[limit]) < 'A')
        ++limit;
    double v = 0;
    ParseDouble(text, v, limit);
    return v;
}

std::string FormatDecimal(double value, int decimals) { return FormatFixed(value, decimals); }

std::string FormatInt(int value) { return std::to_string(value); }

std::string NormalizeDecimal(std::string_view text, int decimals) {
    const std::string_view t = Trim(text);
    if (t.empty()) return {};
    return FormatDecimal(ToDouble(ReplacedChar(t, ',', '.')), decimals);
}

std::string FormatTenths(int value) { return FormatDecimal(value / 10.0, 1); }

}  // namespace nivora::text
