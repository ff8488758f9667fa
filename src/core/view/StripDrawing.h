#pragma once
// The drawing of one strip of a diagram page from its plan. The drawing
// reads the plan; what it keeps is the view's own state of the last strip
// drawn (strip registry, text box placer).
#include "platform/DrawingSurface.h"
#include "view/DiagramGeometry.h"
#include "view/GetMouseDm.h"
#include "view/PagePlan.h"
#include "view/TextboxVerwaltung.h"

namespace nivora {

// The view's state that the drawing of a strip sets.
struct StripState {
    CGetMouseDm registry;
    CTextboxVerwaltung textBoxes;
};

// One strip at the page origin plus the strip's own origin.
void DrawStrip(IDrawingSurface& dc, const StripPlan& plan, SurfacePoint pageOrigin,
               StripState& state);

// The strips of a page; the registry is emptied first.
void DrawPagePlan(IDrawingSurface& dc, const PagePlan& plan, SurfacePoint pageOrigin,
                  StripState& state);

}  // namespace nivora
