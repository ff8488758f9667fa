#include "view/PlotPageFrame.h"

// Placeholder until the page frame is drawn; keeps the print path linking.
namespace nivora {

LimitList BuildLimitList(const CNivoraDoc&) { return {}; }
void DrawNoticeBlock(IDrawingSurface&, const SurfaceRect&) {}
void DrawPageFrame(IDrawingSurface&, int, int, const SurfaceRect&, const CNivoraDoc&,
                   const CTextTabelle&, CivilDate) {}

}  // namespace nivora
