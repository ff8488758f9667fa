#include "evaluation/AuswertungsSeiten.h"

#include <algorithm>

#include "text/Number.h"
#include "text/ReportText.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

constexpr const char* kBreak = "FF ABSCH_UMBRUCH |";
constexpr const char* kEnd = "FF ABSCH_ENDE |";

bool IsMarker(const std::string& line) { return line.compare(0, 3, "FF ") == 0; }

std::string Field(const std::string& line, int n) {
    return text::GetCharField(text::GetBetween(line, "<<<", ">>>", 0), '|', n);
}

// The station right after the leading "<<<", the sort key of content lines.
int32_t LeadingStation(const std::string& line) {
    return text::ToInt(
        std::string_view(line).substr(line.compare(0, 3, "<<<") == 0 ? 3 : line.size()));
}

std::string Item(const std::string& key, const std::string& value) {
    return key + "=" + value + '\xBF';
}

}  // namespace

std::string CAuswertungsSeiten::GetLine(int index) const {
    if (index < 0 || index >= GetLineCount()) return {};
    return m_lines[static_cast<std::size_t>(index)];
}

int CAuswertungsSeiten::RowHeight(const std::string& line) {
    const std::string remark = Field(line, 3);
    int lines = 1;
    for (auto pos = remark.find("{{CRLF}}"); pos != std::string::npos;
         pos = remark.find("{{CRLF}}", pos + 8))
        ++lines;
    // Four and more lines print as three.
    return lines == 1 ? 500 : lines == 2 ? 900 : 1300;
}

void CAuswertungsSeiten::Build(const AuswertungsEingabe& input,
                               const std::vector<std::string>& exceedanceLines) {
    m_lines.clear();
    m_pageCount = 0;

    // Stations of the exceedance lines, read once.
    std::vector<int32_t> stations;
    stations.reserve(exceedanceLines.size());
    for (const auto& l : exceedanceLines) stations.push_back(text::ToInt(Field(l, 0)));

    for (const ABSCHNITT& s : input.sections) {
        const int32_t low = std::min(s.from, s.to), high = std::max(s.from, s.to);
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < exceedanceLines.size(); ++i) {
            const int32_t st = stations[i];
            if (!(low <= st && st < high)) continue;
            const auto [number, width] = input.sectionNumberAndWidth
                                             ? input.sectionNumberAndWidth(st)
                                             : std::pair<int, int>{0, 0};
            lines.push_back(exceedanceLines[i] + "<<<" + std::to_string(number) + "|" +
                            std::to_string(width) + "|" + std::to_string(i + 1) + ">>>");
        }
        for (const AuswertungsBereich& area : input.excludedAreas) {
            const int32_t a = std::min(area.a, area.b), b = std::max(area.a, area.b);
            if (!((low < a && a < high) || (low < b && b < high))) continue;
            const bool ascending = s.from < s.to;
            const int32_t first = ascending ? a : b, second = ascending ? b : a;
            lines.push_back("<<<" + std::to_string(first) + "|0|0|" + ReportFieldText(area.text) +
                            "|1|" + std::to_string(second) + "||{{BOK}}>>><<<0|0|0>>>");
        }
        const bool descending = s.from > s.to;
        std::stable_sort(lines.begin(), lines.end(),
                         [descending](const std::string& x, const std::string& y) {
                             return descending ? LeadingStation(x) > LeadingStation(y)
                                               : LeadingStation(x) < LeadingStation(y);
                         });
        for (auto& l : lines) m_lines.push_back(std::move(l));
        m_lines.emplace_back(kEnd);
    }
    FillPages();
    m_lines.emplace_back("ENDE");
    WriteMarkerItems(input);
}

void CAuswertungsSeiten::FillPages() {
    std::vector<std::string> filled;
    filled.reserve(m_lines.size() + m_lines.size() / 17 + 1);
    int used = 0;
    for (auto& line : m_lines) {
        if (IsMarker(line)) {
            used = 0;
        } else {
            const int h = RowHeight(line);
            if (used + h > kPageBudget) {
                filled.emplace_back(kBreak);
                used = 0;
            }
            used += h;
        }
        filled.push_back(std::move(line));
    }
    m_lines = std::move(filled);
}

void CAuswertungsSeiten::WriteMarkerItems(const AuswertungsEingabe& input) {
    const auto& sections = input.sections;
    long long sectionSum = 0, grandSum = 0;
    bool haveCarried = false;
    long long carried = 0;
    int sectionsDone = 0, pageInSection = 0;
    bool pageHasContent = false;
    std::size_t current = 0;
    double totalDeduction = 0.0;
    const ABSCHNITT none{};

    for (std::string& line : m_lines) {
        if (!IsMarker(line)) {
            pageHasContent = true;
            if (Field(line, 4) == "1") {
                const long long p2 = text::ToInt(Field(line, 2));
                sectionSum += p2;
                grandSum += p2;
            }
            continue;
        }
        ++m_pageCount;
        const ABSCHNITT& s = current < sections.size() ? sections[current] : none;
        const bool isEnd = line.compare(0, 13, "FF ABSCH_ENDE") == 0;
        std::string items;
        items += Item("SUMMEPQ", std::to_string(text::ClampToInt(sectionSum)));
        items += Item("SUMMEPQGES", std::to_string(text::ClampToInt(grandSum)));
        if (haveCarried)
            items += Item("SUMMEPQ_UEBERTRAG", std::to_string(text::ClampToInt(carried)));
        items += Item("VON", std::to_string(s.from));
        items += Item("BIS", std::to_string(s.to));
        const double factorK = s.FactorK(), unitPrice = s.UnitPrice();
        items += Item("PREIS", text::FormatFixed(unitPrice, 2));
        items += Item("FAKTORK", text::FormatFixed(factorK, 2));
        items += Item("GRENZWERT", text::FormatFixed(static_cast<double>(s.limit), 1));
        const long long length = static_cast<long long>(s.to) - s.from;
        items += Item("LAENGE", std::to_string(text::ClampToInt(length < 0 ? -length : length)));
        items += Item("BREITE", std::to_string(s.width));
        items += Item("FAHRBAHNOB", ReportItemText(s.roadSurface));
        items += Item("MGESCHW", ReportItemText(s.meanSpeed));
        if (!s.vark.empty()) items += Item("VARK", ReportItemText(s.vark));
        items += Item("KEINE_UEBERSCHREITUNGSZEILEN", pageHasContent ? "0" : "1");
        items += Item("KEINE_AUSWERTUNG", s.evaluate ? "0" : "1");
        const bool oneSection = sections.size() <= 1;
        if (!isEnd) {
            items += Item("LFDNR_ABSCHNITT", std::to_string(sectionsDone + 1));
            if (oneSection) items += Item("NUR_EIN_ABSCHNITT", "1");
            ++pageInSection;
            items += Item("LFDNR_SEITE_IM_ABSCHNITT", std::to_string(pageInSection));
            items += Item("NUR_EINE_SEITE_IM_ABSCHNITT", "0");
            haveCarried = true;
            carried = sectionSum;
        } else {
            ++sectionsDone;
            items += Item("LFDNR_ABSCHNITT", std::to_string(sectionsDone));
            if (oneSection) items += Item("NUR_EIN_ABSCHNITT", "1");
            ++pageInSection;
            items += Item("LFDNR_SEITE_IM_ABSCHNITT", std::to_string(pageInSection));
            items += Item("NUR_EINE_SEITE_IM_ABSCHNITT", pageInSection == 1 ? "1" : "0");
            pageInSection = 0;
            if (pageHasContent && factorK > 0.0001 && unitPrice > 0.0001) {
                const double deduction =
                    static_cast<double>(sectionSum) * (s.width / 100.0) * factorK * unitPrice;
                const std::string written = text::FormatFixed(deduction, 2);
                items += Item("ABZUG", written);
                totalDeduction += text::ReadNumber(written);
            }
            if (totalDeduction > 0) items += Item("ABZUGGES", text::FormatFixed(totalDeduction, 2));
            items += Item("UNTERSCHRIFT", "1");
            sectionSum = 0;
            ++current;
            haveCarried = false;
        }
        pageHasContent = false;
        line += items;
    }
}

std::map<std::string, std::string> ReadMarkerLine(const std::string& line) {
    std::map<std::string, std::string> map = {
        {"BREITE", "0"},
        {"FAHRBAHNOB", ""},
        {"MGESCHW", ""},
        {"PREIS", "0"},
        {"FAKTORK", "0"},
        {"GRENZWERT", "0"},
        {"SUMMEPQ", "-1"},
        {"SUMMEPQGES", "-1"},
        {"SUMMEPQ_UEBERTRAG", "-1"},
        {"ABZUG", ""},
        {"ABZUGGES", ""},
        {"UNTERSCHRIFT", "0"},
        {"KEINE_AUSWERTUNG", "0"},
        {"KEINE_UEBERSCHREITUNGSZEILEN", "0"},
        {"LFDNR_ABSCHNITT", "-1"},
        {"NUR_EIN_ABSCHNITT", "0"},
        {"LFDNR_SEITE_IM_ABSCHNITT", "-1"},
        {"NUR_EINE_SEITE_IM_ABSCHNITT", "0"},
        {"VON", "0"},
        {"BIS", "0"},
    };
    const auto bar = line.find('|');
    if (bar == std::string::npos) return map;
    const std::string_view items = std::string_view(line).substr(bar + 1);
    std::size_t pos = 0;
    while (pos <= items.size()) {
        auto end = items.find('\xBF', pos);
        if (end == std::string_view::npos) end = items.size();
        const std::string_view item = items.substr(pos, end - pos);
        if (item.empty()) break;
        map[text::GetField(item, "=", 0)] = text::GetField(item, "=", 1);
        pos = end + 1;
    }
    return map;
}

}  // namespace nivora
