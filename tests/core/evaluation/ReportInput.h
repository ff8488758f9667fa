#pragma once
// Report input written by hand for the evaluation tests: sections,
// exceedance lines and the section lookup over them.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "evaluation/AuswertungsSeiten.h"

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

inline std::string Row(int32_t station, int p, bool counted, const std::string& remark = "",
                       const char* speed = "12.3") {
    return "<<<" + std::to_string(station) + "|" + std::to_string(p) + "|" + std::to_string(p * p) +
           "|" + remark + "|" + (counted ? "1" : "0") + "||" + speed + ">>>";
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

}  // namespace nivora::test
