#pragma once
// The evaluation: per route section the exceedances and excluded areas in the
// direction of travel, split into pages, with the sums of p², the carried-over
// sums and the deductions, written as report lines for the page layout.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "document/Abschnitt.h"

namespace nivora {

// What the evaluation reads of an excluded area.
struct AuswertungsBereich {
    int32_t a = 0;
    int32_t b = 0;
    std::string text;
};

struct AuswertungsEingabe {
    std::vector<ABSCHNITT> sections;  // as the state object's cache holds them
    // Section number (from 1) and width (cm) of the section a station lies in.
    std::function<std::pair<int, int>(int32_t station)> sectionNumberAndWidth;
    std::vector<AuswertungsBereich> excludedAreas;
};

class CAuswertungsSeiten {
  public:
    static constexpr int kPageBudget = 8600;

    void Build(const AuswertungsEingabe& input, const std::vector<std::string>& exceedanceLines);
    int GetPageCount() const { return m_pageCount; }
    int GetLineCount() const { return static_cast<int>(m_lines.size()); }
    // The line at index, or an empty text outside the lines.
    std::string GetLine(int index) const;
    const std::vector<std::string>& Lines() const { return m_lines; }

    // Height of a content line: 500, 900 or 1300 by the lines of its remark.
    static int RowHeight(const std::string& line);

  private:
    void FillPages();
    void WriteMarkerItems(const AuswertungsEingabe& input);

    std::vector<std::string> m_lines;
    int m_pageCount = 0;
};

// The items of a marker line with the page layout's defaults for absent keys.
std::map<std::string, std::string> ReadMarkerLine(const std::string& line);

}  // namespace nivora
