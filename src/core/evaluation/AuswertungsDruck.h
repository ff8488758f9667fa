#pragma once
// The printed evaluation pages: one portrait page per marker line of the
// report lines.
#include "platform/Clock.h"
#include "view/DrawingSurface.h"

namespace nivora {

class CAuswertungsSeiten;
class CNivoraDoc;
class CTextTabelle;

// Draws evaluation page `page` (1-based) into the drawable rectangle of the
// sheet (0.01 mm, top 0, bottom minus the height).
void DrawEvaluationPage(IDrawingSurface& dc, const CAuswertungsSeiten& pages, int page,
                        const SurfaceRect& printRect, const CNivoraDoc& doc,
                        const CTextTabelle& texts, CivilDate today);

}  // namespace nivora
