#pragma once
// Encodings shared by several keys of the state file.
#include <string>
#include <string_view>
#include <vector>

namespace nivora {

// Bracket list: group n is found by searching for "[" and then for the next
// "]"; the search for the next "[" continues one character after the
// previous "[". Reading stops at the first group that is empty or not closed.
// Calls visit(begin, end) with the positions of each group's text; the walk
// is linear, since a "]" is searched again only once the "[" has passed it.
template <class Visit>
void ForEachBracketGroup(std::string_view value, Visit&& visit) {
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t from = 0;
    std::size_t close = kNone;
    for (;;) {
        const std::size_t open = value.find('[', from);
        if (open == kNone) return;
        if (close == kNone || close <= open) {
            close = value.find(']', open + 1);
            if (close == kNone) return;
        }
        if (close == open + 1) return;
        if (!visit(open + 1, close)) return;
        from = open + 1;
    }
}
int CountBracketGroups(std::string_view value);
// Copies of the groups. Nested "[" make groups overlap ("[[[...]" gives ever
// shorter copies of one text); the copies are therefore bounded by a budget
// that a well-formed list never comes near.
std::vector<std::string> BracketGroups(std::string_view value);
std::string BracketGroup(std::string_view value, int n);

// Text list escape: on writing, "#" is deleted and "_", "<", ">" become
// "#underscore#", "#lo#", "#gt#"; reading turns them back.
std::string EscapeListText(std::string_view text);
std::string UnescapeListText(std::string_view text);

// "text<attribute>": the attribute is the integer after the first "<", the
// text everything before it, unescaped. Without "<" the attribute is 0.
struct TextWithAttribute {
    std::string text;
    int attribute = 0;
};
TextWithAttribute ReadTextWithAttribute(std::string_view field);

}  // namespace nivora
