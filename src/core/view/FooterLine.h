#pragma once
// The program's footer line, written upright along the edge of diagram and
// evaluation pages.
#include <string>
#include <vector>

#include "platform/DrawingSurface.h"

namespace nivora {

// LeftTurned reads downward from the point; RightTurned reads downward too but
// ends at the point, so that a footer at the foot of a page stays on it.
enum class FooterAlign { Left = 0, Centre = 1, Right = 2, LeftTurned = 3, RightTurned = 4 };

// The single line, and the lines of the several-lines form.
std::string FooterText();
std::vector<std::string> FooterLines();

// Courier New 2 mm, black, reading upward (downward for LeftTurned), baseline
// at the point; the several-lines form steps 2 mm to the right per line.
void DrawFooterLine(IDrawingSurface& dc, SurfacePoint at, bool severalLines, FooterAlign align);

}  // namespace nivora
