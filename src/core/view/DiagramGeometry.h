#pragma once
// The numbers of a diagram page: lengths in 0.01 mm at zoom factor 1.0
// (Scaled gives them at another factor), the value and speed axes in mm and
// km/h, stations in dm, and the choices that depend on the zoom level.
#include <array>
#include <cstdint>

#include "text/Number.h"

namespace nivora::diagram {

// Zoom: levels -2 (largest) to 5 (true paper size).
inline constexpr int kMinZoomLevel = -2;
inline constexpr int kMaxZoomLevel = 5;
inline constexpr int kInitialZoomLevel = 4;
inline constexpr int kPrintZoomLevel = 5;
inline constexpr std::array<double, kMaxZoomLevel - kMinZoomLevel + 1> kZoomFactors = {
    5.0, 4.0, 3.0, 2.0, 1.7, 1.4, 1.2, 1.0};

// A length at a zoom factor, truncated toward zero.
inline int32_t Scaled(int32_t n, double zoom) { return text::TruncToInt(n * zoom); }

// One strip is 250 mm of paper at factor 1.0: scale · 250 / 100 dm.
inline constexpr int kStripPaperMm = 250;
// Page 1 starts on a 10 m mark.
inline constexpr int32_t kPageStartMark = 100;

// A page holds two or three strips.
inline constexpr int kMaxStripsPerPage = 3;

// Where the strips of a page lie below its origin.
inline constexpr int32_t kStripWidth = 25000;     // W
inline constexpr int32_t kCurveHeight = 3200;     // H
inline constexpr int32_t kStripGap = 1400;        // below each of three strips
inline constexpr int32_t kTwoStripsTop = 2400;    // the first of two strips
inline constexpr int32_t kTwoStripsPitch = 6800;  // from the first of two to the second
// The curve area's top left corner, right of and below the strip origin.
inline constexpr int32_t kCurveLeft = 1100;
inline constexpr int32_t kCurveTop = 600;

// The screen page lies below the top of the scrollable area; the scroll size.
inline constexpr int32_t kScreenPageTop = 500;
inline constexpr int32_t kScrollWidth = 35000;
inline constexpr int32_t kScrollHeight = 18000;
// A printed page's diagram: its origin's y, and the width that always fits
// right of the origin.
inline constexpr int32_t kPrintPageTop = -4000;
inline constexpr int32_t kPrintDiagramWidth = 27000;

// Value axis (mm): the top edge of the curve area, the bottom edge, grid step.
inline constexpr double kValueTop = -5.0;
inline constexpr double kValueBottom = 25.0;
inline constexpr double kValueGridStep = 5.0;
// Speed axis (km/h) along the same height; its labels fall by 2 per grid line.
inline constexpr double kSpeedTop = 12.0;
inline constexpr double kSpeedBottom = 0.0;
inline constexpr double kSpeedLabelStep = 2.0;
// Shaded areas (click range, excluded areas) stay just inside the grid.
inline constexpr double kShadeTop = -4.8;
inline constexpr double kShadeBottom = 24.8;
// Area texts: the arrow line, the box's bottom edge, the connector's end.
inline constexpr double kAreaLine = -3.1;
inline constexpr double kAreaBoxBottom = -3.6;
inline constexpr double kAreaConnectorEnd = -5.1;
// Area texts: the width of the end triangles, how far the arrow reaches
// beyond the curve area and the size of its head, how far a box may reach
// beyond it.
inline constexpr int32_t kAreaTriangle = 80;
inline constexpr int32_t kAreaArrowReach = 200;
inline constexpr int32_t kArrowHead = 100;
inline constexpr int32_t kAreaBoxReach = 300;
// Text boxes: the room around a text, the callout's half width and height,
// and the span the placer fills.
inline constexpr int32_t kBoxPaddingX = 160;
inline constexpr int32_t kBoxPaddingY = 50;
inline constexpr int32_t kCalloutHalfWidth = 100;
inline constexpr int32_t kCalloutHeight = 200;
inline constexpr int32_t kTextBoxesLeft = -50;
inline constexpr int32_t kTextBoxesReach = 200;
// The speed caption stands right of the curve area.
inline constexpr int32_t kSpeedCaptionRight = 1000;
// Exceedance mark lines start 1 mm below the measured value.
inline constexpr double kMarkBelowValue = 1.0;

// Grid lines reach this far left of the curve area, ticks this far below it;
// value labels stand twice as far left.
inline constexpr int32_t kGridOverhang = 100;
// Labels hang from a point this far above their grid line.
inline constexpr int32_t kLabelRaise = 150;

// 2 m bands: 2 m wide, 2 m apart.
inline constexpr int32_t kBandWidth = 20;  // dm

// Section separators: the top of the first label, the step between
// staggered labels on a page of two strips, when the stagger starts again,
// the cross bars' half width and the labels' distance from the line.
inline constexpr int32_t kSeparatorTop = 500;
inline constexpr int32_t kSeparatorStagger = 450;
inline constexpr int32_t kSeparatorRestartDistance = 70;  // dm
inline constexpr int kSeparatorLevels = 7;
inline constexpr int32_t kSeparatorBarHalf = 150;
inline constexpr int32_t kSeparatorTextGap = 100;
inline constexpr int32_t kSeparatorBelowCurve = 100;

// Text boxes of free and star texts: the row heights (three rows for
// placement, two more kept), the gap after a box.
inline constexpr std::array<int32_t, 5> kTextBoxRows = {-1600, -2133, -2666, 0, 940};
inline constexpr int kTextBoxPlacementRows = 3;
inline constexpr int32_t kTextBoxGap = 100;

// The fixed colours of the strip drawing.
inline constexpr uint32_t Rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
           (static_cast<uint32_t>(b) << 16);
}
inline constexpr uint32_t kBlack = Rgb(0, 0, 0);
inline constexpr uint32_t kPaleYellow = Rgb(255, 255, 127);  // click range
inline constexpr uint32_t kLightGrey = Rgb(209, 209, 209);   // 2 m bands
inline constexpr uint32_t kWhite = Rgb(255, 255, 255);       // text boxes
inline constexpr uint32_t kHatch = Rgb(80, 80, 80);          // excluded areas
inline constexpr uint32_t kMagenta = Rgb(255, 0, 255);       // section separators
inline constexpr uint32_t kGrey = Rgb(127, 127, 127);        // marks not counted
inline constexpr int32_t kSeparatorPenWidth = 50;
inline constexpr int32_t kOutlineWidth = 10;  // text boxes, area texts, grey marks

// The fonts F1 .. F8 (all Arial): height, weight, escapement.
struct FontDef {
    int32_t height, weight, escapement;
};
inline constexpr std::array<FontDef, 8> kFonts = {{{300, 300, 1},
                                                   {400, 300, 1},
                                                   {450, 300, 1},
                                                   {300, 700, 900},
                                                   {250, 400, 0},
                                                   {400, 400, 0},
                                                   {480, 400, 0},
                                                   {500, 400, 0}}};
inline constexpr int kCaptionFont = 4;  // upright axis caption

// Per zoom level: the grid font, the text box font and the section
// separator's font, label top (y · num / 500) and line spacing.
struct SeparatorStyle {
    int font;
    int32_t topNumerator;
    int32_t lineSpacing;
};

inline constexpr int GridFont(int zoomLevel) {
    if (zoomLevel == 5) return 1;
    if (zoomLevel == 3 || zoomLevel == 4) return 2;
    return 3;
}

inline constexpr int BoxFont(int zoomLevel) {
    if (zoomLevel == 2) return 7;
    if (zoomLevel == 3) return 6;
    if (zoomLevel == 4 || zoomLevel == 5) return 5;
    return 8;
}

inline constexpr int MarkFont(int zoomLevel) { return zoomLevel == 5 ? 1 : 3; }

inline constexpr SeparatorStyle SeparatorStyleFor(int zoomLevel) {
    switch (zoomLevel) {
        case 1:
            return {8, 1140, 420};
        case 2:
            return {6, 980, 330};
        case 3:
            return {6, 800, 300};
        case 4:
            return {5, 580, 200};
        case 5:
            return {5, 600, 200};
        default:
            return {8, 1200, 450};
    }
}

// Station tick spacing in metres by length scale; 10 for any other.
inline constexpr int TickSpacing(int scale) {
    switch (scale) {
        case 100:
            return 5;
        case 1000:
        case 2000:
            return 50;
        case 5000:
            return 125;
        default:
            return 10;
    }
}

}  // namespace nivora::diagram
