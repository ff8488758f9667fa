#pragma once
// How a run is cut into strips and pages at its length scale, the page of
// every exceedance, and the zoom levels of the diagram view.
#include <cstdint>
#include <vector>

#include "document/Ueberschreitung.h"

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

// The scale the pages and strips use: an unsupported stored scale (opening
// replaces it already) draws at 400.
int ScaleForPaging(int storedScale);

// Recomputes first page start, strip count and page count from the run's
// working samples; a run without samples gets page count 0 and keeps the rest.
void ComputePages(const CMessFahrtDaten& run, int storedScale, Paging& paging);

// Stations one page spans (strips per page · strip length), at least 1.
long long PageLength(const Paging& paging);
// The station at the left edge of a page.
long long PageStart(const Paging& paging, bool ascending, int page);
// How many strips a page shows: all but on the last page, which shows only
// the strips the run reaches.
int StripsOnPage(const Paging& paging, int page);

// The page of an exceedance at this station: the first page, in the run's
// direction, whose strips draw it (a strip draws both its ends); one that no
// strip draws gets |station - first page start| / (strip length · strips per
// page) + 1, held within 1 .. page count.
int ExceedancePage(long long station, bool ascending, const Paging& paging);
// The page of every exceedance, in list order. The view, the evaluation
// list and the step from exceedance to exceedance all read these.
std::vector<int> ExceedancePages(const std::vector<UEBERSCHREITUNG>& records, bool ascending,
                                 const Paging& paging);

// Page count for a strip count: int((strips - 0.5) / strips per page) + 1.
int PageCountFor(int stripCount, int stripsPerPage);

// Zoom factor of a level (-2 to 5); any other level gives 1.0.
double ZoomFactor(int level);

}  // namespace nivora
