// The table of an evaluation page: its header, the rows of exceedances and
// excluded areas, the sum row, the totals of the run and the signatures.
#include <utility>

#include "evaluation/AuswertungsSeiten.h"
#include "text/Number.h"
#include "text/TextUtil.h"
#include "view/AuswertungsFormular.h"

namespace nivora::auswertung {
namespace {

// The header: "Überschreitung" over its columns, then their names, then
// their units; below it the row of the carried sum, then the rows.
constexpr int32_t kNamesRow = kTableTop + kFormRow;               // 10400
constexpr int32_t kUnitsRow = kNamesRow + kFormRow;               // 10900
constexpr int32_t kCarriedRow = kUnitsRow + kFormRow;             // 11400
constexpr int32_t kRowsTop = kCarriedRow + kFormRow;              // 11900
constexpr int32_t kRowsHeight = CAuswertungsSeiten::kPageBudget;  // the page fill's budget
constexpr int32_t kSumRow = kRowsTop + kRowsHeight;               // 20500
constexpr int32_t kTotalsRow = kSumRow + kFormRow;

// Up to three lines of a remark, split at its line breaks. Longer remarks
// print their first three lines.
std::vector<std::string> RemarkLines(const std::string& remark) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (lines.size() < 3) {
        const auto br = remark.find("{{CRLF}}", pos);
        lines.push_back(remark.substr(pos, br == std::string::npos ? std::string::npos : br - pos));
        if (br == std::string::npos) break;
        pos = br + 8;
    }
    return lines;
}

std::string StationColumnText(int32_t stationDm) { return CommaFixed(stationDm / 10000.0, 4); }

void DrawRow(FormPen& p, const Columns& c, const PageData& d, const EvaluationRow& row,
             int32_t top) {
    const FormFont v = FormFont::Value;
    const int32_t under = top + 50;
    p.Text(v, c.station, under, StationColumnText(row.stationDm));
    if (row.IsArea()) {
        p.Text(v, c.station + 1300, under, " - " + StationColumnText(row.areaEndDm));
        for (const int32_t col : {c.p, c.p2, c.v})
            p.Text(v, col + 750, under, "----", HAlign::Centre);
    } else {
        if (d.numbering)
            p.Text(v, c.fl + 600, under, std::to_string(row.runningNumber), HAlign::Right);
        p.Text(v, c.p + 750, under, std::to_string(row.pMm), HAlign::Centre);
        p.Text(v, c.p2 + 750, under, std::to_string(row.pSquaredMm2), HAlign::Centre);
        // A speed that prints as a negative number leaves its cell empty.
        const std::string speed = text::FormatFixed(row.speedKmh, 1);
        if (!(text::ReadNumber(speed) < 0)) p.Text(v, c.v + 750, under, speed, HAlign::Centre);
    }
    const auto remark = RemarkLines(row.remark);
    for (std::size_t i = 0; i < remark.size(); ++i)
        p.Fitted(v, c.remark + 300, under + 400 * static_cast<int32_t>(i), remark[i], c.fr - 100);
    if (!row.IsArea() && !row.counted) p.HLine(c.fl + 200, c.remark - 200, top + 250);
}

void DrawTotals(FormPen& p, const Columns& c, const PageData& d) {
    p.Text(FormFont::Title, c.label1, kTotalsRow + 51, "Gesamtstrecke:");
    std::u16string sums;
    const int32_t total = d.page.reportSumMm2;
    if (total >= 0) sums += u"\u2211 p\u00B2 [mm]: " + WideText(std::to_string(total)) + u"       ";
    const auto& deductions = d.page.totalDeduction;
    sums += u"\u2211 Abz\u00FCge [" + WideText(d.currency) + u"]: " +
            WideText(deductions ? text::FormatFixed(*deductions, 2) : std::string()) + u"       ";
    p.Wide(FormFont::Value, c.p + 100, kTotalsRow + 51, sums);
    const int32_t statsX = c.p + 8010;
    // v with a combining macron: one text, so nothing is drawn over another.
    p.Wide(FormFont::Value, statsX, kTotalsRow + 51,
           u"v\u0304 [km/h]: " + WideText(d.runMeanSpeed) + u"       VarK [%]: " +
               WideText(d.runVarK));
    p.BoldFrame(c.fl, c.fr, kTotalsRow, kTotalsRow + 500);
}

void DrawSignatures(FormPen& p, const Columns& c, const PageData& d, int32_t top) {
    const int32_t dateX = c.fl + 14200;
    static const std::pair<const char*, int> kBlocks[3] = {
        {"Pr\xFC"
         "fung durchgef\xFChrt, Institution:",
         16},
        {"F\xFCr den Auftragnehmer:", 18},
        {"F\xFCr den Auftraggeber:", 20},
    };
    int32_t under = top + 51;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) under += 750;
        p.Text(FormFont::Label, c.label1, under, kBlocks[i].first);
        p.Text(FormFont::Label, dateX, under, "Datum:");
        under += 500;
        const int name = kBlocks[i].second;
        p.Fitted(FormFont::Value, c.label1, under, d.Field(name), dateX - 100);
        p.Fitted(FormFont::Value, dateX, under, d.Field(name + 1), c.fr - 100);
    }
}

}  // namespace

void DrawTableHeader(FormPen& p, const Columns& c, const PageData& d) {
    const FormFont l = FormFont::Label;
    p.Centred(l, c.p, c.remark, kTableTop, kNamesRow,
              "\xDC"
              "berschreitung");
    p.VLine(c.p, kTableTop, kCarriedRow);
    p.VLine(c.remark, kTableTop, kCarriedRow);
    p.HLine(c.p, c.remark, kNamesRow);
    p.VLine(c.p2, kNamesRow, kCarriedRow);
    p.VLine(c.v, kNamesRow, kCarriedRow);
    p.Centred(l, c.p, c.p2, kNamesRow, kUnitsRow, "p");
    p.Centred(l, c.p2, c.v, kNamesRow, kUnitsRow, "p\xB2");
    p.Centred(l, c.v, c.remark, kNamesRow, kUnitsRow, "v");
    p.Centred(l, c.v, c.fr, kNamesRow, kUnitsRow, "Bemerkungen");
    p.Centred(l, c.p, c.p2, kUnitsRow, kCarriedRow, "[mm]");
    p.Centred(l, c.p2, c.v, kUnitsRow, kCarriedRow, "[mm]");
    p.Centred(l, c.v, c.remark, kUnitsRow, kCarriedRow, "[km/h]");
    p.Text(l, c.station, kNamesRow + kLabelDrop, "Station");
    p.Text(l, c.station, kUnitsRow + kLabelDrop, "[km]");
    if (d.numbering) {
        p.Text(l, c.fl + 200, kNamesRow + kLabelDrop, "lfd.");
        p.Text(l, c.fl + 200, kUnitsRow + kLabelDrop, "Nr.");
        p.VLine(c.station - 100, kTableTop, kCarriedRow);
    }
    p.HLine(c.fl, c.fr, kCarriedRow);
    if (d.page.carriedSumMm2 && *d.page.carriedSumMm2 >= 0)
        p.Text(l, c.label1, kCarriedRow + (kFormRow - FontOf(l).height) / 2,
               "\xDC"
               "bertrag p\xB2:");
}

void DrawRows(FormPen& p, const Columns& c, const PageData& d) {
    for (const int32_t x : {c.p, c.p2, c.v, c.remark}) p.VLine(x, kRowsTop, kSumRow);
    if (d.numbering) p.VLine(c.station - 100, kRowsTop, kSumRow);
    p.HLine(c.fl, c.fr, kRowsTop);
    if (d.NoEvaluation()) {
        p.Opaque(FormFont::Value, c.fl + 5000, kRowsTop + 1500,
                 "Es erfolgt keine Auswertung f\xFCr diesen Abschnitt.");
        return;
    }
    if (d.page.rows.empty()) {
        p.Opaque(FormFont::Value, c.fl + 3400, kRowsTop + 1500,
                 "Die  Messung  ergab  keine  \xDC"
                 "berschreitungen f\xFCr diesen Abschnitt.");
        return;
    }
    int32_t used = 0;
    for (const EvaluationRow& row : d.page.rows) {
        const int32_t height = row.Height();
        // The page fill never gives more; pages made otherwise stop at the sum row.
        if (used + height > kRowsHeight) break;
        DrawRow(p, c, d, row, kRowsTop + used);
        used += height;
    }
}

void DrawSumsAndSignatures(FormPen& p, const Columns& c, const PageData& d) {
    p.HLine(c.fl, c.fr, kSumRow);
    p.VLine(c.p2, kSumRow, kSumRow + 500);
    p.VLine(c.v, kSumRow, kSumRow + 500);
    p.Text(FormFont::Label, c.label1, kSumRow + kLabelDrop,
           d.SectionEnd() ? "Teilstrecke Summe p\xB2:" : "Zwischensumme p\xB2:");
    const int32_t sum = d.page.sectionSumMm2;
    if (sum >= 0 && !d.NoEvaluation())
        p.Text(FormFont::Value, c.p2 + 750, kSumRow + kLabelDrop, std::to_string(sum),
               HAlign::Centre);
    if (d.SectionEnd() && !d.NoEvaluation() && d.DeductionPossible()) {
        p.Text(FormFont::Label, c.v + 300, kSumRow + kLabelDrop, "Abzug [" + d.currency + "]: ");
        const auto& deduction = d.page.deduction;
        if (deduction)
            p.Text(FormFont::Value, c.v + 2600, kSumRow + kLabelDrop,
                   text::FormatFixed(*deduction, 2));
    }
    p.HLine(c.fl, c.fr, kTotalsRow);
    int32_t next = kTotalsRow;
    if (d.lastPage) {
        DrawTotals(p, c, d);
        next += 500;
    }
    if (d.SectionEnd()) DrawSignatures(p, c, d, next);
}

}  // namespace nivora::auswertung
