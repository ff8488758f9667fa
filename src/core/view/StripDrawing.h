#pragma once
// The pens, brushes and fonts of the diagram strips.
#include <cstdint>

#include "view/DrawingSurface.h"

namespace nivora::strip {

inline constexpr uint32_t Rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
           (static_cast<uint32_t>(b) << 16);
}

inline constexpr uint32_t kPaleYellow = Rgb(255, 255, 127);
inline constexpr uint32_t kLightGrey = Rgb(209, 209, 209);
inline constexpr uint32_t kWhite = Rgb(255, 255, 255);
inline constexpr uint32_t kHatch = Rgb(80, 80, 80);
inline constexpr uint32_t kMagenta = Rgb(255, 0, 255);
inline constexpr uint32_t kGrey = Rgb(127, 127, 127);

// F1 .. F8, all Arial.
FontSpec Font(int n);
// Font of the value and station grid by zoom level.
int GridFont(int zoomLevel);
// Font of text boxes (area, free and star texts) by zoom level.
int BoxFont(int zoomLevel);

}  // namespace nivora::strip
