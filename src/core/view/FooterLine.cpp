#include "view/FooterLine.h"

#include "platform/ProgramInfo.h"
#include "platform/Units.h"

namespace nivora {

namespace {
// Courier New 2 mm; the several-lines form steps one line height right per line.
constexpr int32_t kFontHeight = 200;
constexpr int32_t kLineStep = kFontHeight;
// The baseline stands this far left of the given point.
constexpr int32_t kBaselineShift = 60;
}  // namespace

std::string FooterText() {
    return std::string(program::kName) + " " + program::kVersion + "   " + program::kNoticeLine;
}

std::vector<std::string> FooterLines() {
    return {std::string(program::kName) + " " + program::kVersion, program::kNoticeLine,
            program::kWebAddress};
}

void DrawFooterLine(IDrawingSurface& dc, SurfacePoint at, bool severalLines, FooterAlign align) {
    dc.SaveState();
    FontSpec font;
    font.face = "Courier New";
    font.height = kFontHeight;
    font.weight = 400;
    const bool turned = align == FooterAlign::LeftTurned || align == FooterAlign::RightTurned;
    font.escapement = turned ? kReadingDown : kReadingUp;
    font.orientation = font.escapement;
    dc.SelectFont(font);
    dc.SetTextColour(0x000000);
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    HAlign h = HAlign::Left;
    if (align == FooterAlign::Centre) h = HAlign::Centre;
    if (align == FooterAlign::Right || align == FooterAlign::RightTurned) h = HAlign::Right;
    dc.SetTextAlign(h, VAlign::Baseline);
    if (!severalLines) {
        dc.TextOut({at.x - kBaselineShift, at.y}, FooterText());
    } else {
        const auto lines = FooterLines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty()) continue;
            dc.TextOut({at.x - kBaselineShift + kLineStep * static_cast<int32_t>(i), at.y},
                       lines[i]);
        }
    }
    dc.RestoreState();
}

}  // namespace nivora
