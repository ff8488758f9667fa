#pragma once
// How a run is cut into strips and pages at its length scale, and the zoom
// levels of the diagram view.
#include <cstdint>

namespace nivora {

class CMessFahrtDaten;

struct Paging {
    int scale = 400;             // length scale 1:n used for the computation
    int32_t stripLength = 1000;  // dm
    int32_t firstPageStart = 0;  // dm, station at the left edge of page 1
    int stripCount = 0;
    int stripsPerPage = 3;
    int pageCount = 0;
};

// scale · 250 / 100 dm: one strip is 250 mm of paper at zoom factor 1.0.
int32_t StripLengthForScale(int scale);

// A scale whose strip would be shorter than 10 dm (below 4, zero, negative)
// cannot be paged: it is replaced by 400. Other scales stay as stored.
int ScaleForPaging(int storedScale);

// Recomputes first page start, strip count and page count from the run's
// working samples; a run without samples gets page count 0 and keeps the rest.
void ComputePages(const CMessFahrtDaten& run, int storedScale, Paging& paging);

// Page count for a strip count: int((strips - 0.5) / strips per page) + 1.
int PageCountFor(int stripCount, int stripsPerPage);

// Zoom factor of a level (-2 to 5); any other level gives 1.0.
double ZoomFactor(int level);

}  // namespace nivora
