#include "measurement/Messung.h"

#include <ostream>

#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

void MESSUNG::SetComment(std::string_view text) {
    const std::string_view trimmed = text::Trim(text);
    if (!text.empty() && trimmed.find('\xC3') != std::string_view::npos) {
        std::string repaired(trimmed);
        UmlautRepair(repaired);
        comment = repaired;
    } else {
        comment = trimmed;
    }
    if (!text.empty()) SetMarked(true);
}

std::ostream& operator<<(std::ostream& out, const CommentText& text) { return out << text.view(); }

void UmlautRepair(std::string& s) {
    static const struct {
        const char* from;
        const char* to;
    } kPairs[] = {
        {"\xC3\xA4", "\xE4"}, {"\xC3\xB6", "\xF6"}, {"\xC3\xBC", "\xFC"}, {"\xC3\x9F", "\xDF"},
        {"\xC3\x84", "\xC4"}, {"\xC3\x96", "\xD6"}, {"\xC3\x9C", "\xDC"},
    };
    if (s.find('\xC3') == std::string::npos) return;
    for (const auto& p : kPairs) text::ReplaceText(s, p.from, p.to, true);
}

}  // namespace nivora
