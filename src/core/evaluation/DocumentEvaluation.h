#pragma once
// The evaluation of an opened document: its route sections, excluded areas
// and exceedance lines handed to the report lines.
#include "evaluation/AuswertungsSeiten.h"

namespace nivora {

class CNivoraDoc;

AuswertungsEingabe EvaluationInputOf(const CNivoraDoc& doc);
// Builds the report lines as they are built when evaluation pages are printed.
void BuildEvaluation(const CNivoraDoc& doc, CAuswertungsSeiten& pages);

}  // namespace nivora
