#include "evaluation/AuswertungsDruck.h"

// Placeholder until the evaluation pages are drawn; keeps the print path linking.
namespace nivora {

void DrawEvaluationPage(IDrawingSurface&, const CAuswertungsSeiten&, int, const SurfaceRect&,
                        const CNivoraDoc&, const CTextTabelle&, CivilDate) {}

}  // namespace nivora
