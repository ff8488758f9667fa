#pragma once
// The frame of a printed diagram page: notice block, headline, header data
// block and enclosure label. The notice block also heads the evaluation pages.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/DrawingSurface.h"

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
std::vector<std::string> NoticeLines();
void DrawNoticeBlock(IDrawingSurface& dc, const SurfaceRect& rect);

// Everything of the frame of one page of a diagram print job.
void DrawPageFrame(IDrawingSurface& dc, int page, int pageCount, const SurfaceRect& pageRect,
                   const CNivoraDoc& doc, const CTextTabelle& texts, CivilDate today);

// The processing date as pages print it: "07.03.2026".
std::string FormatPrintDate(CivilDate date);
// "Anlage 4" for a one-page job, "Anlage 4.2" for page 2 of a longer one.
std::string EnclosureLabel(const CTextTabelle& texts, const std::string& number, int page,
                           int pageCount);

// A text cut to a width in the current font, "..." marking the cut: at the
// end, or at the start (paths, so that the file name stays). A text that
// fits, or a width of 0 or less, gives the text unchanged.
std::string FitTextEnd(IDrawingSurface& dc, std::string_view text, int32_t width);
std::string FitTextStart(IDrawingSurface& dc, std::string_view text, int32_t width);

}  // namespace nivora
