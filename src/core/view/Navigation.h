#pragma once
// Finding one's way in a long run: the page that holds a station, the
// stations a page spans, the station a typed text names, and the exceedance
// before or after the one shown.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "view/Paging.h"

namespace nivora {

// The first page, in the run's direction, whose strips reach the station (a
// strip's start and end both count). A station before page 1 gives page 1,
// one beyond the last page the page count; 0 when there are no pages.
int PageOfStation(const Paging& paging, bool ascending, int32_t station);

// The stations at the left edge of a page and at the right edge of its last
// drawn strip (the last page shows only the strips the run reaches).
struct PageSpan {
    int32_t first = 0;
    int32_t last = 0;
};
PageSpan SpanOfPage(const Paging& paging, bool ascending, int page);

// A station as the user types it, in whole decimetres: metres by default
// ("1234,5", "1234.5", "1234,5 m", the readout's "[ 1234.5 ]"), kilometres
// with "km" ("1,2345 km", "Station 1,2345 km" as the evaluation pages write
// it). A decimal comma or point, an optional sign; rounded to the nearest
// decimetre with halves away from zero and held within 32 bits. Empty when
// the text is no station.
std::optional<int32_t> ParseStationText(std::string_view text);

// The exceedance to show next, as an index into the exceedance list (which
// is in the run's order), given the page of each (ExceedancePages). From the
// one shown, when it lies on the current page, the neighbour in the given
// direction; otherwise forward the first on the current page or after it,
// backward the last on the current page or before it. Empty when there is
// none in that direction.
std::optional<std::size_t> StepExceedance(const std::vector<int>& pages, int currentPage,
                                          std::optional<std::size_t> shown, bool forward);

}  // namespace nivora
