#include "evaluation/ReportLines.h"

#include "text/Number.h"

namespace nivora {
namespace {

void Item(std::string& out, const char* key, const std::string& value) {
    out += key;
    out += '=';
    out += value;
    out += '\xBF';
}

const char* Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

std::string ReportRowLine(const EvaluationRow& row) {
    std::string line = "<<<" + std::to_string(row.stationDm) + '|';
    if (row.IsArea()) {
        // Areas have no p, count nothing and are marked by "{{BOK}}".
        line +=
            "0|0|" + row.remark + "|1|" + std::to_string(row.areaEndDm) + "||{{BOK}}>>><<<0|0|0>>>";
        return line;
    }
    line += std::to_string(row.pMm) + '|' + std::to_string(row.pSquaredMm2) + '|' + row.remark;
    if (row.printFlag) line += '\xBF' + *row.printFlag;
    line += '|';
    line += Flag(row.counted);
    line += "||" + text::FormatFixed(row.speedKmh, 1) + ">>>";
    line += "<<<" + std::to_string(row.sectionNumber) + '|' + std::to_string(row.sectionWidthCm) +
            '|' + std::to_string(row.runningNumber) + ">>>";
    return line;
}

std::string ReportMarkerLine(const EvaluationPage& page) {
    const EvaluationSection& s = page.section;
    std::string line = page.sectionEnd ? "FF ABSCH_ENDE |" : "FF ABSCH_UMBRUCH |";
    Item(line, "SUMMEPQ", std::to_string(page.sectionSumMm2));
    Item(line, "SUMMEPQGES", std::to_string(page.reportSumMm2));
    if (page.carriedSumMm2) Item(line, "SUMMEPQ_UEBERTRAG", std::to_string(*page.carriedSumMm2));
    Item(line, "VON", std::to_string(s.fromDm));
    Item(line, "BIS", std::to_string(s.toDm));
    Item(line, "PREIS", text::FormatFixed(s.unitPricePerM2, 2));
    Item(line, "FAKTORK", text::FormatFixed(s.factorK, 2));
    Item(line, "GRENZWERT", text::FormatFixed(static_cast<double>(s.limitTenthMm), 1));
    Item(line, "LAENGE", std::to_string(s.lengthDm));
    Item(line, "BREITE", std::to_string(s.widthCm));
    Item(line, "FAHRBAHNOB", s.roadSurface);
    Item(line, "MGESCHW", s.meanSpeed);
    if (!s.vark.empty()) Item(line, "VARK", s.vark);
    Item(line, "KEINE_UEBERSCHREITUNGSZEILEN", Flag(page.rows.empty()));
    Item(line, "KEINE_AUSWERTUNG", Flag(!s.evaluate));
    Item(line, "LFDNR_ABSCHNITT", std::to_string(page.sectionNumber));
    if (page.onlySection) Item(line, "NUR_EIN_ABSCHNITT", "1");
    Item(line, "LFDNR_SEITE_IM_ABSCHNITT", std::to_string(page.pageInSection));
    Item(line, "NUR_EINE_SEITE_IM_ABSCHNITT", Flag(page.onlyPageInSection));
    if (page.sectionEnd) {
        if (page.deduction) Item(line, "ABZUG", text::FormatFixed(*page.deduction, 2));
        if (page.totalDeduction) Item(line, "ABZUGGES", text::FormatFixed(*page.totalDeduction, 2));
        Item(line, "UNTERSCHRIFT", "1");
    }
    return line;
}

std::vector<std::string> WriteReportLines(const std::vector<EvaluationPage>& pages) {
    std::vector<std::string> lines;
    for (const EvaluationPage& page : pages) {
        for (const EvaluationRow& row : page.rows) lines.push_back(ReportRowLine(row));
        lines.push_back(ReportMarkerLine(page));
    }
    lines.emplace_back("ENDE");
    return lines;
}

}  // namespace nivora
