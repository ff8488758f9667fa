#include "measurement/KopfdatenLeser.h"

#include "text/Cp1252.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
}  // namespace

CKopfdatenLeser::CKopfdatenLeser(std::string headerText) : m_text(std::move(headerText)) {
    std::size_t n = 0;
    while (n < m_text.size() && IsAsciiLetter(m_text[n])) ++n;
    m_labelled = n >= 4 && n < m_text.size() && m_text[n] == ':';
}

CKopfdatenLeser::Entry CKopfdatenLeser::Next() {
    static const std::string kDefaultLabels[] = {
        "Messzeitpunkt", "Dienststelle", "Abteilung", text::W("Prüfer"), "Str.-Typ", "Str.-Nr.",
    };
    const std::string entry = text::GetCharField(m_text, '\xBF', m_counter);
    Entry e;
    if (m_labelled) {
        const auto colon = entry.find(':');
        if (colon != std::string::npos) {
            e.label = entry.substr(0, colon + 1);
            e.value = entry.substr(colon + 1);
        } else {
            e.value = entry;
        }
    } else {
        if (m_counter < 6) e.label = kDefaultLabels[m_counter];
        e.value = entry;
    }
    e.value = std::string(text::Trim(e.value));
    ++m_counter;
    return e;
}

}  // namespace nivora
