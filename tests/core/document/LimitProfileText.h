#pragma once
// The limit profile written out in one line, so that a case reads as one
// text: "[g;from;to;limit]" per span, "[r;from;to;phase;half period]" after a
// span with a limit, then "[w;station]" per section boundary.
#include <string>

#include "document/Zi4Verwaltung.h"

namespace nivora::test {

inline std::string ProfileText(const LimitProfile& profile) {
    std::string out;
    for (const LimitSpan& s : profile.spans) {
        const std::string span = std::to_string(s.from) + ";" + std::to_string(s.to) + ";";
        out += "[g;" + span + std::to_string(s.limit) + "]";
        if (s.limit > 0)
            out +=
                "[r;" + span + std::to_string(s.phase) + ";" + std::to_string(s.halfPeriod) + "]";
    }
    for (const int32_t station : profile.boundaries) out += "[w;" + std::to_string(station) + "]";
    return out;
}

}  // namespace nivora::test
