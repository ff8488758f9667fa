#include "document/KeyEncodings.h"

#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

std::vector<std::string> BracketGroups(std::string_view value) {
    std::vector<std::string> groups;
    // Nested "[" make groups overlap ("[[[...]" gives ever shorter copies of
    // the same text); a budget keeps that linear in the value's size, while
    // a well-formed list never comes near it.
    std::size_t budget = 4 * value.size() + 65536;
    std::size_t from = 0;
    std::size_t close = 0;  // the next "]" after the current "[" never moves back
    while (true) {
        const auto open = value.find('[', from);
        if (open == std::string_view::npos) break;
        if (close <= open) close = value.find(']', open + 1);
        if (close == std::string_view::npos) break;
        if (close == open + 1) break;  // an empty group ends the list
        const std::size_t length = close - open - 1;
        if (length > budget) break;
        budget -= length;
        groups.emplace_back(value.substr(open + 1, length));
        from = open + 1;
    }
    return groups;
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
    std::string s(t);
    text::ReplaceText(s, "#underscore#", "_", true);
    text::ReplaceText(s, "#lo#", "<", true);
    text::ReplaceText(s, "#gt#", ">", true);
    return s;
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
