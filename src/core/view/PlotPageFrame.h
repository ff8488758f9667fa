#pragma once
// The frame of a printed diagram page: notice block, headline, header data
// block and enclosure label. The notice block also heads the evaluation pages.
#include <string>

#include "platform/Clock.h"
#include "view/DrawingSurface.h"

namespace nivora {

class CNivoraDoc;
class CTextTabelle;

// The route sections' limit values, "4;4.5;-", and how many sections there are.
struct LimitList {
    std::string text;
    int sectionCount = 0;
};
LimitList BuildLimitList(const CNivoraDoc& doc);

// The five lines that say where the full evaluation software is to be had.
void DrawNoticeBlock(IDrawingSurface& dc, const SurfaceRect& rect);

// Everything of the frame of one page of a diagram print job.
void DrawPageFrame(IDrawingSurface& dc, int page, int pageCount, const SurfaceRect& pageRect,
                   const CNivoraDoc& doc, const CTextTabelle& texts, CivilDate today);

}  // namespace nivora
