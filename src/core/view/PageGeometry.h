#pragma once
// Where a diagram page puts its strips, in logical units (0.01 mm). Lengths
// marked "zoomed" are multiplied by the view's zoom factor and truncated
// before use; the others stay as they are at every zoom.
#include <cstdint>

namespace nivora::geometry {

// A page holds two or three strips.
inline constexpr int kMaxStripsPerPage = 3;

// The curve area of a strip (zoomed): 250 mm of paper at zoom factor 1.0,
// its top left corner right of and below the strip origin.
inline constexpr int32_t kStripWidth = 25000;
inline constexpr int32_t kCurveHeight = 3200;
inline constexpr int32_t kCurveAreaLeft = 1100;
inline constexpr int32_t kCurveAreaTop = 600;

// Strips below the page origin (zoomed): three follow each other with a gap
// after each curve area; of two, the first starts lower and the second lies
// one pitch below it.
inline constexpr int32_t kStripGap = 1400;
inline constexpr int32_t kTwoStripsTop = 2400;
inline constexpr int32_t kTwoStripsPitch = 6800;

// The value axis in mm and the speed axis in km/h, from the top edge of the
// curve area to its bottom edge: deeper deviations lie lower on the page.
inline constexpr double kValueAxisTop = -5.0;
inline constexpr double kValueAxisBottom = 25.0;
inline constexpr double kSpeedAxisTop = 12.0;
inline constexpr double kSpeedAxisBottom = 0.0;

// The scrollable area of the screen (zoomed) and the page origin's distance
// below its top.
inline constexpr int32_t kScrollWidth = 35000;
inline constexpr int32_t kScrollHeight = 18000;
inline constexpr int32_t kScreenPageTop = 500;

// A printed diagram page: the page origin below the top of the sheet, and
// the room that always stays right of it.
inline constexpr int32_t kPrintPageTop = 4000;
inline constexpr int32_t kPrintDiagramWidth = 27000;

}  // namespace nivora::geometry
