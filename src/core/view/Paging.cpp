#include "view/Paging.h"

#include <algorithm>

#include "document/Zi4Verwaltung.h"
#include "measurement/MessFahrtDaten.h"
#include "text/Number.h"

namespace nivora {

int32_t StripLengthForScale(int scale) {
    return text::ClampToInt(static_cast<long long>(scale) * 250 / 100);
}

int ScaleForPaging(int storedScale) { return CZi4Verwaltung::SupportedLengthScale(storedScale); }

int PageCountFor(int stripCount, int stripsPerPage) {
    if (stripsPerPage <= 0) stripsPerPage = 3;
    return static_cast<int>((stripCount - 0.5) / stripsPerPage) + 1;
}

void ComputePages(const CMessFahrtDaten& run, int storedScale, Paging& p) {
    p.scale = ScaleForPaging(storedScale);
    p.stripLength = StripLengthForScale(p.scale);
    p.pageCount = 0;
    const auto& samples = run.WorkingSamples();
    if (samples.empty()) return;
    long long a = samples.front().station;
    const long long b = samples.back().station;
    if (a % 100 != 0) {
        const long long d = a - a % 100;
        if (run.IsAscending())
            a = a < 0 ? d - 100 : d;
        else
            a = a >= 0 ? d + 100 : d;
    }
    p.firstPageStart = text::ClampToInt(a);
    const long long span = b > a ? b - a : a - b;
    p.stripCount = text::ClampToInt(span / p.stripLength + 1);
    p.pageCount = PageCountFor(p.stripCount, p.stripsPerPage);
}

int ExceedancePage(long long station, bool ascending, const Paging& p) {
    const long long length = p.stripLength > 0 ? p.stripLength : 1;
    const long long spp = p.stripsPerPage > 0 ? p.stripsPerPage : 3;
    const long long d = ascending ? station - p.firstPageStart : p.firstPageStart - station;
    if (d >= 0 && p.pageCount > 0) {
        long long strip = d / length;
        // The strip before ends on this station and draws it first.
        if (strip > 0 && d % length == 0) --strip;
        if (strip < p.stripCount) return static_cast<int>(strip / spp + 1);
    }
    const long long page = (d < 0 ? -d : d) / (length * spp) + 1;
    return static_cast<int>(std::clamp<long long>(page, 1, std::max(p.pageCount, 1)));
}

double ZoomFactor(int level) {
    switch (level) {
        case -2:
            return 5.0;
        case -1:
            return 4.0;
        case 0:
            return 3.0;
        case 1:
            return 2.0;
        case 2:
            return 1.7;
        case 3:
            return 1.4;
        case 4:
            return 1.2;
        default:
            return 1.0;
    }
}

}  // namespace nivora
