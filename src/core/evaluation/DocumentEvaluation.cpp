#include "evaluation/DocumentEvaluation.h"

#include "document/NivoraDoc.h"

namespace nivora {

AuswertungsEingabe EvaluationInputOf(const CNivoraDoc& doc) {
    AuswertungsEingabe in;
    in.sections = doc.State().SectionCache();
    in.sectionNumberAndWidth = CZi4Verwaltung::SectionLookup(doc.State());
    for (const auto& a : doc.Texts().ExcludedAreas())
        in.excludedAreas.push_back({a.from, a.to, a.text});
    return in;
}

void BuildEvaluation(const CNivoraDoc& doc, CAuswertungsSeiten& pages) {
    pages.Build(EvaluationInputOf(doc), EvaluationExceedancesOf(doc.Exceedances()));
}

}  // namespace nivora
