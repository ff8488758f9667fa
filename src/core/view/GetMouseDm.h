#pragma once
// The strips of the last page drawn, so that a click finds its station.
#include <array>
#include <cstdint>
#include <optional>

#include "platform/DrawingSurface.h"
#include "view/DiagramGeometry.h"

namespace nivora {

class CGetMouseDm {
  public:
    static constexpr int kMaxStrips = diagram::kMaxStripsPerPage;

    struct Entry {
        SurfaceRect rect;  // relative to a zero window origin
        int32_t leftStation = 0;
        int32_t rightStation = 0;
    };

    void Clear() { m_count = 0; }
    // A fourth strip is ignored.
    void Register(const SurfaceRect& rect, int32_t leftStation, int32_t rightStation) {
        if (m_count >= kMaxStrips) return;
        m_entries[m_count++] = {rect, leftStation, rightStation};
    }
    int Count() const { return m_count; }
    // The station under a point given relative to a zero window origin: the
    // first strip containing it (edges at the smaller x and y inside, the
    // others outside), mapped linearly and truncated to whole dm.
    std::optional<int32_t> HitTest(SurfacePoint p) const;
    const Entry& At(int i) const { return m_entries[i]; }

  private:
    int m_count = 0;
    std::array<Entry, kMaxStrips> m_entries{};
};

}  // namespace nivora
