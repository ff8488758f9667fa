#pragma once
// Encodings shared by several keys of the state file.
#include <string>
#include <string_view>
#include <vector>

namespace nivora {

// Bracket list: group n is found by searching for "[" and then for the next
// "]"; the search for the next "[" continues one character after the
// previous "[". Reading stops at the first group that is empty or not closed.
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
