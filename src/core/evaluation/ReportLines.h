#pragma once
// The evaluation pages as report lines, the 8-bit text that `nivora-cli
// report` prints: per page its rows, each "<<<fields>>><<<section|width|n>>>",
// then a marker line "FF ABSCH_UMBRUCH |" or "FF ABSCH_ENDE |" with the
// page's items KEY=VALUE, each ended by 0xBF; the last line is "ENDE".
#include <string>
#include <vector>

#include "evaluation/AuswertungsSeiten.h"

namespace nivora {

std::string ReportRowLine(const EvaluationRow& row);
std::string ReportMarkerLine(const EvaluationPage& page);
std::vector<std::string> WriteReportLines(const std::vector<EvaluationPage>& pages);

}  // namespace nivora
