#pragma once
// Places the boxes of free and star texts of a strip in three rows below the
// zero line, left to right, without overlap where there is room.
#include <array>
#include <cstdint>

#include "platform/DrawingSurface.h"
#include "view/DiagramGeometry.h"

namespace nivora {

class CTextboxVerwaltung {
  public:
    static constexpr int kRows = static_cast<int>(diagram::kTextBoxRows.size());
    static constexpr int kPlacementRows = diagram::kTextBoxPlacementRows;

    void Reset(int32_t left, int32_t right, double zoom);
    // Top left corner of a box of width w whose callout points at x = anchor.
    SurfacePoint Place(int32_t width, int32_t anchor);

    int32_t NextFree(int row) const { return m_rows[row].nextFree; }

  private:
    struct Row {
        int32_t height = 0;
        int32_t nextFree = 0;
    };
    SurfacePoint PlaceInRow(int row, int32_t width, int32_t anchor);

    std::array<Row, kRows> m_rows{};
    int32_t m_right = 0;
};

}  // namespace nivora
