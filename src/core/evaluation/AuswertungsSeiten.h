#pragma once
// The evaluation: per route section the exceedances and excluded areas in the
// direction of travel, split into pages, with the sums of p², the carried-over
// sums and the deductions. It computes plain page records; ReportLines.h
// writes them as report lines and the evaluation page draws them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
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

class UeberschreitungsListe;

// What the evaluation reads of an exceedance.
struct EvaluationExceedance {
    int32_t stationDm = 0;
    int32_t pMm = 0;
    int32_t pSquaredMm2 = 0;
    std::string remark;                    // line breaks written "{{CRLF}}"
    std::optional<std::string> printFlag;  // the remark entry's text after its 0xBF
    bool counted = true;
    double speedKmh = -1.0;  // negative when there is none
};

// The exceedances of the list in its order, with their remark entries.
std::vector<EvaluationExceedance> EvaluationExceedancesOf(const UeberschreitungsListe& list);

// One row of a page's table. Texts are kept as the report writes them, with
// the characters of its markup replaced by look-alikes (ReportText.h); the
// page prints the same texts.
struct EvaluationRow {
    enum class Kind { Exceedance, ExcludedArea };
    Kind kind = Kind::Exceedance;
    // An exceedance's station, or the end of an area that comes first in the
    // direction of travel.
    int32_t stationDm = 0;
    int32_t areaEndDm = 0;  // the area's other end
    int32_t pMm = 0;
    int32_t pSquaredMm2 = 0;
    bool counted = true;
    double speedKmh = -1.0;
    std::string remark;  // an exceedance's remark or an area's text
    std::optional<std::string> printFlag;
    // From the section lookup and the exceedance list; an area has none.
    int sectionNumber = 0;
    int32_t sectionWidthCm = 0;
    int runningNumber = 0;  // position in the exceedance list, from 1

    bool IsArea() const { return kind == Kind::ExcludedArea; }
    // Height in the page's table: 500, 900 or 1300 by the lines of the
    // remark; four and more lines print as three.
    int32_t Height() const;
};

EvaluationRow ExceedanceRow(const EvaluationExceedance& e, int sectionNumber = 0,
                            int32_t widthCm = 0, int runningNumber = 0);
EvaluationRow AreaRow(int32_t firstDm, int32_t secondDm, std::string_view text);

// A route section as its pages show it.
struct EvaluationSection {
    int32_t fromDm = 0;
    int32_t toDm = 0;
    int32_t lengthDm = 0;  // |to - from|, saturated
    int32_t widthCm = 0;
    int32_t limitTenthMm = 0;
    double factorK = 0.0;
    double unitPricePerM2 = 0.0;  // currency units
    bool evaluate = true;
    // The free texts as the report writes them ("=" replaced as well).
    std::string roadSurface, meanSpeed, vark;

    // k and unit price both show as more than zero with two decimals.
    bool DeductionShown() const;
};

// One evaluation page: a part of a section's rows with the sums up to it.
struct EvaluationPage {
    EvaluationSection section;
    std::vector<EvaluationRow> rows;
    bool sectionEnd = false;   // the last page of its section
    int sectionNumber = 0;     // from 1
    bool onlySection = false;  // the run has at most one route section
    int pageInSection = 0;     // from 1
    bool onlyPageInSection = false;
    // Sums of p² over counted exceedance rows, saturated: of the section up to
    // this page, of the whole report up to this page, and the section's sum of
    // the previous page from a section's second page on.
    int32_t sectionSumMm2 = 0;
    int32_t reportSumMm2 = 0;
    std::optional<int32_t> carriedSumMm2;
    // On a section's last page: its deduction when it has rows and k and unit
    // price above 0.0001, and the total of the deductions so far as printed
    // when that is above 0; currency units.
    std::optional<double> deduction;
    std::optional<double> totalDeduction;
};

class CAuswertungsSeiten {
  public:
    static constexpr int32_t kPageBudget = 8600;

    void Build(const AuswertungsEingabe& input,
               const std::vector<EvaluationExceedance>& exceedances);

    const std::vector<EvaluationPage>& Pages() const { return m_pages; }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // Page n from 1, or null.
    const EvaluationPage* Page(int n) const;

    // The report lines of the pages.
    const std::vector<std::string>& Lines() const { return m_lines; }
    int GetLineCount() const { return static_cast<int>(m_lines.size()); }
    // The line at index, or an empty text outside the lines.
    std::string GetLine(int index) const;

  private:
    std::vector<EvaluationPage> m_pages;
    std::vector<std::string> m_lines;
};

}  // namespace nivora
