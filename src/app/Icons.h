#pragma once
// The toolbar's images, drawn for this program; the
// desktop's icon theme is used where it has an image of the same meaning.
#include <QIcon>

#include "Commands.h"

namespace nivora::app {

// Null for Glyph::None.
QIcon GlyphIcon(Glyph glyph);

}  // namespace nivora::app
