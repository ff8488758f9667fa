#include "evaluation/AuswertungsSeiten.h"

#include <algorithm>

#include "document/UeberschreitungsListe.h"
#include "evaluation/ReportLines.h"
#include "text/Number.h"
#include "text/ReportText.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

constexpr std::string_view kLineBreak = "{{CRLF}}";

int CountLineBreaks(std::string_view text) {
    int n = 0;
    for (auto pos = text.find(kLineBreak); pos != std::string_view::npos;
         pos = text.find(kLineBreak, pos + kLineBreak.size()))
        ++n;
    return n;
}

EvaluationSection SectionOf(const ABSCHNITT& s) {
    EvaluationSection out;
    out.fromDm = s.from;
    out.toDm = s.to;
    const long long length = static_cast<long long>(s.to) - s.from;
    out.lengthDm = text::ClampToInt(length < 0 ? -length : length);
    out.widthCm = s.width;
    out.limitTenthMm = s.limit;
    out.factorK = s.FactorK();
    out.unitPricePerM2 = s.UnitPrice();
    out.evaluate = s.evaluate;
    out.roadSurface = ReportItemText(s.roadSurface);
    out.meanSpeed = ReportItemText(s.meanSpeed);
    out.vark = ReportItemText(s.vark);
    return out;
}

// The rows of a section in its direction of travel: the exceedances with
// low <= station < high, then the areas reaching strictly into it, sorted
// stably by station, so that a row comes before an area at the same station.
std::vector<EvaluationRow> SectionRows(const ABSCHNITT& s, const AuswertungsEingabe& input,
                                       const std::vector<EvaluationExceedance>& exceedances) {
    const int32_t low = std::min(s.from, s.to), high = std::max(s.from, s.to);
    std::vector<EvaluationRow> rows;
    for (std::size_t i = 0; i < exceedances.size(); ++i) {
        const EvaluationExceedance& e = exceedances[i];
        if (!(low <= e.stationDm && e.stationDm < high)) continue;
        const auto [number, width] = input.sectionNumberAndWidth
                                         ? input.sectionNumberAndWidth(e.stationDm)
                                         : std::pair<int, int>{0, 0};
        rows.push_back(ExceedanceRow(e, number, width, static_cast<int>(i) + 1));
    }
    const bool ascending = s.from < s.to;
    for (const AuswertungsBereich& area : input.excludedAreas) {
        const int32_t a = std::min(area.a, area.b), b = std::max(area.a, area.b);
        if (!((low < a && a < high) || (low < b && b < high))) continue;
        rows.push_back(ascending ? AreaRow(a, b, area.text) : AreaRow(b, a, area.text));
    }
    const bool descending = s.from > s.to;
    std::stable_sort(rows.begin(), rows.end(),
                     [descending](const EvaluationRow& x, const EvaluationRow& y) {
                         return descending ? x.stationDm > y.stationDm : x.stationDm < y.stationDm;
                     });
    return rows;
}

// Splits a section's rows into pages by the page budget; a section without
// rows still has its one page.
std::vector<std::vector<EvaluationRow>> FillPages(std::vector<EvaluationRow> rows) {
    std::vector<std::vector<EvaluationRow>> pages(1);
    int32_t used = 0;
    for (EvaluationRow& row : rows) {
        const int32_t h = row.Height();
        if (used + h > CAuswertungsSeiten::kPageBudget) {
            pages.emplace_back();
            used = 0;
        }
        used += h;
        pages.back().push_back(std::move(row));
    }
    return pages;
}

}  // namespace

std::vector<EvaluationExceedance> EvaluationExceedancesOf(const UeberschreitungsListe& list) {
    std::vector<EvaluationExceedance> out;
    out.reserve(list.Records().size());
    for (const UEBERSCHREITUNG& r : list.Records()) {
        EvaluationExceedance e;
        e.stationDm = r.station;
        e.pMm = r.p;
        e.pSquaredMm2 = r.pSquared;
        const std::string entry = list.GetRemarkEntry(std::to_string(r.station));
        const auto sep = entry.find('\xBF');
        e.remark = entry.substr(0, sep);
        if (sep != std::string::npos) e.printFlag = entry.substr(sep + 1);
        e.counted = r.counted;
        e.speedKmh = r.speed;
        out.push_back(std::move(e));
    }
    return out;
}

int32_t EvaluationRow::Height() const {
    const int lines = 1 + CountLineBreaks(remark) + (printFlag ? CountLineBreaks(*printFlag) : 0);
    return lines == 1 ? 500 : lines == 2 ? 900 : 1300;
}

EvaluationRow ExceedanceRow(const EvaluationExceedance& e, int sectionNumber, int32_t widthCm,
                            int runningNumber) {
    EvaluationRow row;
    row.kind = EvaluationRow::Kind::Exceedance;
    row.stationDm = e.stationDm;
    row.pMm = e.pMm;
    row.pSquaredMm2 = e.pSquaredMm2;
    row.counted = e.counted;
    row.speedKmh = e.speedKmh;
    row.remark = ReportFieldText(e.remark);
    if (e.printFlag) row.printFlag = ReportFieldText(*e.printFlag);
    row.sectionNumber = sectionNumber;
    row.sectionWidthCm = widthCm;
    row.runningNumber = runningNumber;
    return row;
}

EvaluationRow AreaRow(int32_t firstDm, int32_t secondDm, std::string_view text) {
    EvaluationRow row;
    row.kind = EvaluationRow::Kind::ExcludedArea;
    row.stationDm = firstDm;
    row.areaEndDm = secondDm;
    row.remark = ReportFieldText(text);
    return row;
}

bool EvaluationSection::DeductionShown() const {
    // With two decimals a number shows as more than zero from 0.005 on; no
    // double lies exactly on 0.005, so the comparison needs no rounding.
    return factorK >= 0.005 && unitPricePerM2 >= 0.005;
}

const EvaluationPage* CAuswertungsSeiten::Page(int n) const {
    if (n < 1 || n > GetPageCount()) return nullptr;
    return &m_pages[static_cast<std::size_t>(n - 1)];
}

std::string CAuswertungsSeiten::GetLine(int index) const {
    if (index < 0 || index >= GetLineCount()) return {};
    return m_lines[static_cast<std::size_t>(index)];
}

void CAuswertungsSeiten::Build(const AuswertungsEingabe& input,
                               const std::vector<EvaluationExceedance>& exceedances) {
    m_pages.clear();
    const bool oneSection = input.sections.size() <= 1;
    long long reportSum = 0;
    // The total adds the deductions as printed, so that it equals their sum on paper.
    double totalDeduction = 0.0;
    for (std::size_t n = 0; n < input.sections.size(); ++n) {
        const ABSCHNITT& s = input.sections[n];
        const EvaluationSection section = SectionOf(s);
        auto filled = FillPages(SectionRows(s, input, exceedances));
        long long sectionSum = 0;
        std::optional<int32_t> carried;
        for (std::size_t k = 0; k < filled.size(); ++k) {
            EvaluationPage page;
            page.section = section;
            page.rows = std::move(filled[k]);
            for (const EvaluationRow& row : page.rows) {
                if (row.IsArea() || !row.counted) continue;
                sectionSum += row.pSquaredMm2;
                reportSum += row.pSquaredMm2;
            }
            page.sectionEnd = k + 1 == filled.size();
            page.sectionNumber = static_cast<int>(n) + 1;
            page.onlySection = oneSection;
            page.pageInSection = static_cast<int>(k) + 1;
            page.onlyPageInSection = filled.size() == 1;
            page.sectionSumMm2 = text::ClampToInt(sectionSum);
            page.reportSumMm2 = text::ClampToInt(reportSum);
            page.carriedSumMm2 = carried;
            carried = page.sectionSumMm2;
            if (page.sectionEnd) {
                if (!page.rows.empty() && s.FactorK() > 0.0001 && s.UnitPrice() > 0.0001) {
                    const double deduction = static_cast<double>(sectionSum) * (s.width / 100.0) *
                                             s.FactorK() * s.UnitPrice();
                    page.deduction = deduction;
                    totalDeduction += text::ReadNumber(text::FormatFixed(deduction, 2));
                }
                if (totalDeduction > 0) page.totalDeduction = totalDeduction;
            }
            m_pages.push_back(std::move(page));
        }
    }
    m_lines = WriteReportLines(m_pages);
}

}  // namespace nivora
