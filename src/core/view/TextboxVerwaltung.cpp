#include "view/TextboxVerwaltung.h"

#include <algorithm>

#include "text/Number.h"
#include "view/DiagramGeometry.h"

namespace nivora {

void CTextboxVerwaltung::Reset(int32_t left, int32_t right, double zoom) {
    for (int i = 0; i < kRows; ++i) {
        m_rows[i].height =
            diagram::Scaled(diagram::kTextBoxRows[static_cast<std::size_t>(i)], zoom);
        m_rows[i].nextFree = left;
    }
    m_right = right;
}

SurfacePoint CTextboxVerwaltung::PlaceInRow(int row, int32_t width, int32_t anchor) {
    int32_t left = m_rows[row].nextFree;
    // Room to spare before the anchor: the box ends at the anchor.
    if (static_cast<long long>(left) + width < anchor) left = anchor - width;
    m_rows[row].nextFree =
        text::ClampToInt(static_cast<long long>(left) + width + diagram::kTextBoxGap);
    return {left, m_rows[row].height};
}

SurfacePoint CTextboxVerwaltung::Place(int32_t width, int32_t anchor) {
    for (int row = 0; row < kPlacementRows; ++row) {
        const long long next = m_rows[row].nextFree;
        if (next <= anchor && next + width <= m_right) return PlaceInRow(row, width, anchor);
    }
    // No row has room: row 0 takes the box beyond its last one, and row 1 is
    // set back to just before it, but never back over its own last box.
    const SurfacePoint corner = PlaceInRow(0, width, anchor);
    m_rows[1].nextFree =
        std::max(m_rows[1].nextFree - diagram::kTextBoxGap, corner.x - diagram::kTextBoxGap);
    return corner;
}

}  // namespace nivora
