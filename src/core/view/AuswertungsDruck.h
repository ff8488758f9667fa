#pragma once
// The printed evaluation pages: one portrait page per page of the evaluation.
#include "platform/DrawingSurface.h"

namespace nivora {

class CAuswertungsSeiten;
class CNivoraDoc;

// Draws evaluation page `page` (1-based) into the drawable rectangle of the
// sheet (0.01 mm, top 0, bottom minus the height). The last page of the job
// is the evaluation's last page; a page it does not have stays blank.
void DrawEvaluationPage(IDrawingSurface& dc, const CAuswertungsSeiten& pages, int page,
                        const SurfaceRect& printRect, const CNivoraDoc& doc);

}  // namespace nivora
