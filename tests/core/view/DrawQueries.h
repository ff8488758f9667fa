#pragma once
// Queries on what a recording surface drew in one strip of a page.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "view/RecordingSurface.h"

namespace nivora {

inline void PrintTo(const SurfacePoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(const SurfaceRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

}  // namespace nivora

namespace nivora::test {

using Op = RecordingSurface::Op;
using Rec = RecordingSurface::Record;

struct Segment {
    SurfacePoint a, b;
    PenSpec pen;
};

// The window origin of strip k of a three-strip page at zoom factor 1 drawn
// with its page origin at (0, 0).
inline SurfacePoint StripOrigin(int k) { return {-1100, 600 + 4600 * k}; }

inline std::vector<Rec> InStrip(const RecordingSurface& s, Op op, int strip = 0) {
    std::vector<Rec> out;
    for (const auto& r : s.Records())
        if (r.op == op && r.state.origin == StripOrigin(strip)) out.push_back(r);
    return out;
}

inline std::vector<Segment> Segments(const RecordingSurface& s, int strip = 0) {
    std::vector<Segment> out;
    for (const auto& r : InStrip(s, Op::LineTo, strip))
        out.push_back({r.points[0], r.points[1], r.state.pen});
    return out;
}

inline bool HasSegment(const std::vector<Segment>& segs, SurfacePoint a, SurfacePoint b) {
    return std::any_of(segs.begin(), segs.end(), [&](const Segment& g) {
        return (g.a == a && g.b == b) || (g.a == b && g.b == a);
    });
}

inline const Rec* FindText(const std::vector<Rec>& texts, const std::string& t) {
    for (const auto& r : texts)
        if (r.text == t) return &r;
    return nullptr;
}

inline std::vector<std::string> TextsOf(const std::vector<Rec>& texts) {
    std::vector<std::string> out;
    for (const auto& r : texts) out.push_back(r.text);
    return out;
}

}  // namespace nivora::test
