#pragma once
// The evaluation of an opened document: its route sections, excluded areas
// and exceedances handed to the evaluation.
#include "evaluation/AuswertungsSeiten.h"

namespace nivora {

class CNivoraDoc;

AuswertungsEingabe EvaluationInputOf(const CNivoraDoc& doc);
// Builds the evaluation pages as they are built when they are printed.
void BuildEvaluation(const CNivoraDoc& doc, CAuswertungsSeiten& pages);

}  // namespace nivora
