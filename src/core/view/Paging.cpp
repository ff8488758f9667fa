#include "view/Paging.h"

#include "measurement/MessFahrtDaten.h"
#include "text/Number.h"

namespace nivora {

int32_t StripLengthForScale(int scale) {
    return text::ClampToInt(static_cast<long long>(scale) * 250 / 100);
}

int ScaleForPaging(int storedScale) {
    return StripLengthForScale(storedScale) < 10 ? 400 : storedScale;
}

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
