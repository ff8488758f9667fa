#pragma once
// The printed evaluation pages: one portrait page per marker line of the
// report lines.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/DrawingSurface.h"

namespace nivora {

class CAuswertungsSeiten;
class CNivoraDoc;
class CTextTabelle;

// Draws evaluation page `page` (1-based) into the drawable rectangle of the
// sheet (0.01 mm, top 0, bottom minus the height). The last page of the job
// is the last page of the report lines; a page they do not have stays blank.
void DrawEvaluationPage(IDrawingSurface& dc, const CAuswertungsSeiten& pages, int page,
                        const SurfaceRect& printRect, const CNivoraDoc& doc,
                        const CTextTabelle& texts, CivilDate today);

// What one page prints: the items of its marker line (with the defaults of
// absent keys) and its content lines.
struct EvaluationPageLines {
    std::map<std::string, std::string> items;
    std::vector<std::string> lines;
};
std::optional<EvaluationPageLines> FindEvaluationPage(const CAuswertungsSeiten& pages, int page);

}  // namespace nivora
