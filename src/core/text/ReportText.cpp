#include "text/ReportText.h"

namespace nivora {
namespace {

// Replaces every run of three or more equal marker characters.
void ReplaceRuns(std::string& s, char marker, char replacement) {
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] != marker) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < s.size() && s[j] == marker) ++j;
        if (j - i >= 3)
            for (std::size_t k = i; k < j; ++k) s[k] = replacement;
        i = j;
    }
}

}  // namespace

std::string ReportFieldText(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c == '|')
            c = '\xA6';
        else if (c == '\xBF')
            c = '?';
    }
    ReplaceRuns(s, '<', '\x8B');
    ReplaceRuns(s, '>', '\x9B');
    return s;
}

std::string ReportItemText(std::string_view text) {
    std::string s = ReportFieldText(text);
    for (char& c : s)
        if (c == '=') c = '-';
    return s;
}

}  // namespace nivora
