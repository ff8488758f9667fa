#include "view/Paging.h"

#include <algorithm>

#include "document/Zi4Verwaltung.h"
#include "measurement/MessFahrtDaten.h"
#include "text/Number.h"
#include "view/DiagramGeometry.h"

namespace nivora {

namespace {
long long StripsPerPage(const Paging& p) { return p.stripsPerPage > 0 ? p.stripsPerPage : 3; }
long long StripLength(const Paging& p) { return p.stripLength > 0 ? p.stripLength : 1; }
}  // namespace

int32_t StripLengthForScale(int scale) {
    return text::ClampToInt(static_cast<long long>(scale) * diagram::kStripPaperMm / 100);
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
    constexpr long long mark = diagram::kPageStartMark;
    long long a = samples.front().station;
    const long long b = samples.back().station;
    if (a % mark != 0) {
        const long long d = a - a % mark;
        if (run.IsAscending())
            a = a < 0 ? d - mark : d;
        else
            a = a >= 0 ? d + mark : d;
    }
    p.firstPageStart = text::ClampToInt(a);
    const long long span = b > a ? b - a : a - b;
    p.stripCount = text::ClampToInt(span / p.stripLength + 1);
    p.pageCount = PageCountFor(p.stripCount, p.stripsPerPage);
}

long long PageLength(const Paging& p) { return StripsPerPage(p) * StripLength(p); }

long long PageStart(const Paging& p, bool ascending, int page) {
    const long long dir = ascending ? 1 : -1;
    return static_cast<long long>(page - 1) * PageLength(p) * dir + p.firstPageStart;
}

int StripsOnPage(const Paging& p, int page) {
    const int spp = static_cast<int>(StripsPerPage(p));
    const int rest = p.stripCount % spp;
    return page < p.pageCount || rest == 0 ? spp : rest;
}

int ExceedancePage(long long station, bool ascending, const Paging& p) {
    const long long length = StripLength(p);
    const long long d = ascending ? station - p.firstPageStart : p.firstPageStart - station;
    if (d >= 0 && p.pageCount > 0) {
        long long strip = d / length;
        // The strip before ends on this station and draws it first.
        if (strip > 0 && d % length == 0) --strip;
        if (strip < p.stripCount) return static_cast<int>(strip / StripsPerPage(p) + 1);
    }
    const long long page = (d < 0 ? -d : d) / PageLength(p) + 1;
    return static_cast<int>(std::clamp<long long>(page, 1, std::max(p.pageCount, 1)));
}

std::vector<int> ExceedancePages(const std::vector<UEBERSCHREITUNG>& records, bool ascending,
                                 const Paging& paging) {
    std::vector<int> pages;
    pages.reserve(records.size());
    for (const UEBERSCHREITUNG& e : records)
        pages.push_back(ExceedancePage(e.station, ascending, paging));
    return pages;
}

double ZoomFactor(int level) {
    if (level < diagram::kMinZoomLevel || level > diagram::kMaxZoomLevel) return 1.0;
    return diagram::kZoomFactors[static_cast<std::size_t>(level - diagram::kMinZoomLevel)];
}

}  // namespace nivora
