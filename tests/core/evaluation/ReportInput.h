#pragma once
// Report input written by hand for the evaluation tests: sections,
// exceedances and the section lookup over them; and a reader of the items
// of a report's marker line.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "evaluation/AuswertungsSeiten.h"
#include "text/TextUtil.h"

namespace nivora::test {

// A number as the state file stores it: the shortest text that reads back as it.
inline std::string NumberText(double v) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return std::string(buffer, end);
}

inline ABSCHNITT Section(int32_t from, int32_t to, double k = 0.6, double price = 12.5) {
    ABSCHNITT s;
    s.from = from;
    s.to = to;
    s.width = 350;
    s.limit = 40;
    s.factorK = NumberText(k);
    s.unitPrice = NumberText(price);
    return s;
}

// remarkEntry: the remark, then 0xBF and the print flag, as the exceedance list stores it.
inline EvaluationExceedance Row(int32_t station, int p, bool counted,
                                const std::string& remarkEntry = "", double speed = 12.3) {
    EvaluationExceedance e;
    e.stationDm = station;
    e.pMm = p;
    e.pSquaredMm2 = p * p;
    const auto sep = remarkEntry.find('\xBF');
    e.remark = remarkEntry.substr(0, sep);
    if (sep != std::string::npos) e.printFlag = remarkEntry.substr(sep + 1);
    e.counted = counted;
    e.speedKmh = speed;
    return e;
}

inline AuswertungsEingabe Input(std::vector<ABSCHNITT> sections,
                                std::vector<AuswertungsBereich> areas = {}) {
    AuswertungsEingabe in;
    in.sections = std::move(sections);
    const auto copy = in.sections;
    in.sectionNumberAndWidth = [copy](int32_t station) {
        for (std::size_t i = 0; i < copy.size(); ++i) {
            const auto& s = copy[i];
            if ((s.from <= station && station <= s.to) || (s.to <= station && station <= s.from))
                return std::pair<int, int>{static_cast<int>(i) + 1, s.width};
        }
        return std::pair<int, int>{0, 0};
    };
    in.excludedAreas = std::move(areas);
    return in;
}

// The items of a marker line, with -1 or 0 (or empty) for the keys it does
// not write: the text behind the first "|" split at 0xBF up to the first
// empty item, each item split at its "=".
inline std::map<std::string, std::string> MarkerItems(const std::string& line) {
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

}  // namespace nivora::test
