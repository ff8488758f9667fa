#include "platform/TextTable.h"

#include "platform/FileSystem.h"
#include "text/Cp1252.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

std::string Group(std::string_view line, int n) { return text::GetBetween(line, "{", "}", n); }

template <typename F>
void ForEachLine(std::string_view content, F&& f) {
    std::size_t pos = 0;
    while (pos < content.size()) {
        auto end = content.find('\n', pos);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!f(line)) return;
        pos = end + 1;
    }
}

}  // namespace

const std::string& CTextTabelle::BuiltInText() {
    static const std::string text = text::W(
        "{KEY}{DE}{EN}\n"
        "{LANGUAGE_NAME}{German}{English}\n"
        "{PLOTPAGE_HEADLINE}{Diagramm der Ebenheitsmessung mit dem Rollstab}{4-m Straight Edge "
        "Testresults}\n"
        "{PLOTPAGE_Y_AXIS}{Abweichung [mm]}{Difference [mm]}\n"
        "{PLOTPAGE_DATE}{Messung vom}{Date}\n"
        "{PLOTPAGE_CLIENT}{Dienststelle}{Client}\n"
        "{PLOTPAGE_DEPARTMENT}{Abteilung}{Department}\n"
        "{PLOTPAGE_TESTED_BY}{Prüfer}{Tested by}\n"
        "{PLOTPAGE_PROJECT}{Str.-Typ}{Project}\n"
        "{PLOTPAGE_PROJECT_NO}{Str.-Nr.}{Project Number}\n"
        "{PLOTPAGE_REQUIREMENT}{Grenzwert}{Requirement}\n"
        "{PLOTPAGE_REQUIREMENTS}{Grenzwerte}{Requirements}\n"
        "{PLOTPAGE_SCALE_LEVEL}{Maßstab Höhe}{Scale Level}\n"
        "{PLOTPAGE_SCALE_LENGTH}{Maßstab Länge}{Scale Length}\n"
        "{PLOTPAGE_DOCUMENTATION}{Bearbeitungsstand}{Documentation}\n"
        "{PLOTPAGE_FILES}{Dateien}{Files}\n"
        "{PLOTPAGE_PAGE_A_OF_B}{Seite %%A%% von %%B%%}{Page %%A%% of %%B%%}\n"
        "{PLOTPAGE_ENCLOSURE}{Anlage}{Enclosure}\n"
        "{PLOTPAGE_REQUIREMENT_SECTION_SEPARATOR}{GW}{req.}\n"
        "{PLOTPAGE_LANE_WIDTH_SECTION_SEPARATOR}{FSB}{width}\n");
    return text;
}

CTextTabelle::CTextTabelle() {
    ForEachLine(BuiltInText(), [this](std::string_view line) {
        if (line.empty()) return false;
        m_entries[Group(line, 0)] = Group(line, 1);
        return true;
    });
}

void CTextTabelle::LoadLanguageFile(const std::string& path) {
    if (const auto content = ReadFileBytes(path)) LoadLanguageText(*content);
}

void CTextTabelle::LoadLanguageText(std::string_view content) {
    ForEachLine(content, [this](std::string_view line) {
        const std::string key = Group(line, 0);
        if (!key.empty()) m_entries[key] = Group(line, 2);
        return true;
    });
}

std::string CTextTabelle::GetText(const std::string& key, bool colon) const {
    const auto it = m_entries.find(key);
    std::string t = it == m_entries.end() ? std::string("ERROR") : it->second;
    if (colon && !t.empty()) t += " :";
    return t;
}

}  // namespace nivora
