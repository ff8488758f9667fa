#pragma once
// How a surface font (face, height in 0.01 mm, weight, italic, escapement)
// becomes a QFont and a turn of the text. The painter surface draws with it
// and the page checks measure with it, so both see the same boxes.
#include <QFont>
#include <QString>

#include "platform/DrawingSurface.h"

namespace nivora::qt {

// The resolution taken for a device that tells none.
inline constexpr double kFallbackDpi = 96.0;

// The face a Windows font name is drawn with ("Arial" is "Liberation Sans").
QString SurfaceFontFamily(const std::string& face);

// The QFont of a surface font on a device of the given vertical resolution,
// with pixelsPerUnit device pixels per 0.01 mm.
QFont SurfaceQFont(const FontSpec& font, double pixelsPerUnit, double deviceDpi);

// The text's turn in degrees, counter-clockwise on paper. Turns below one
// degree (the page fonts carry a tenth of a degree) are drawn straight, so
// that raster output shows no baseline step inside a word.
double SurfaceTextAngle(const FontSpec& font);

}  // namespace nivora::qt
