#include "view/GetMouseDm.h"

#include <algorithm>

#include "text/Number.h"
#include "view/Achse.h"

namespace nivora {

std::optional<int32_t> CGetMouseDm::HitTest(SurfacePoint p) const {
    for (int i = 0; i < m_count; ++i) {
        const Entry& e = m_entries[i];
        const int32_t x1 = std::min(e.rect.left, e.rect.right),
                      x2 = std::max(e.rect.left, e.rect.right);
        const int32_t y1 = std::min(e.rect.top, e.rect.bottom),
                      y2 = std::max(e.rect.top, e.rect.bottom);
        if (p.x < x1 || p.x >= x2 || p.y < y1 || p.y >= y2) continue;
        CAchse axis;
        axis.Set(e.rect.right - e.rect.left, e.leftStation, e.rightStation);
        return text::TruncToInt(axis.Inverse(static_cast<double>(p.x) - e.rect.left));
    }
    return std::nullopt;
}

}  // namespace nivora
