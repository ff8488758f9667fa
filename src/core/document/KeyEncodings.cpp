#include "document/KeyEncodings.h"

#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

std::vector<std::string> BracketGroups(std::string_view value) {
    std::vector<std::string> groups;
    std::size_t budget = 4 * value.size() + 65536;
    ForEachBracketGroup(value, [&](std::size_t begin, std::size_t end) {
        if (end - begin > budget) return false;
        budget -= end - begin;
        groups.emplace_back(value.substr(begin, end - begin));
        return true;
    });
    return groups;
}

int CountBracketGroups(std::string_view value) {
    long long n = 0;
    ForEachBracketGroup(value, [&n](std::size_t, std::size_t) { return ++n < 2147483647; });
    return static_cast<int>(n);
}

std::string BracketGroup(std::string_view value, int n) {
    if (n < 0) return {};
    std::size_t from = 0;
    std::size_t close = 0;
    for (int i = 0;; ++i) {
        const auto open = value.find('[', from);
        if (open == std::string_view::npos) return {};
        if (close <= open) close = value.find(']', open + 1);
        if (close == std::string_view::npos || close == open + 1) return {};
        if (i == n) return std::string(value.substr(open + 1, close - open - 1));
        from = open + 1;
    }
}

std::string EscapeListText(std::string_view t) {
    std::string out;
    out.reserve(t.size());
    for (char c : t) {
        switch (c) {
            case '#':
                break;
            case '_':
                out += "#underscore#";
                break;
            case '<':
                out += "#lo#";
                break;
            case '>':
                out += "#gt#";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string UnescapeListText(std::string_view t) {
    // Left to right, so that a text like "<underscore>" comes back as typed:
    // replacing the codes one after the other would find "#underscore#"
    // inside "#lo#underscore#gt#".
    static constexpr struct {
        std::string_view code;
        char plain;
    } kCodes[] = {{"#underscore#", '_'}, {"#lo#", '<'}, {"#gt#", '>'}};
    std::string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        bool decoded = false;
        if (t[i] == '#')
            for (const auto& c : kCodes)
                if (t.substr(i, c.code.size()) == c.code) {
                    out += c.plain;
                    i += c.code.size();
                    decoded = true;
                    break;
                }
        if (!decoded) out += t[i++];
    }
    return out;
}

TextWithAttribute ReadTextWithAttribute(std::string_view field) {
    TextWithAttribute r;
    const auto lt = field.find('<');
    if (lt == std::string_view::npos) {
        r.text = UnescapeListText(field);
        return r;
    }
    r.attribute = text::ToInt(field.substr(lt + 1));
    r.text = UnescapeListText(field.substr(0, lt));
    return r;
}

}  // namespace nivora
