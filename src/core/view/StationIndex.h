#pragma once
// Finds the first sample of a run at or beyond a station in the run's
// direction without walking from the first sample: the running maximum
// (ascending) or minimum (descending) of the stations is monotonic, and it
// first reaches the station at the very sample a scan from the start would
// find, also where the stations go back and forth. A run whose stations
// never go back is its own running extreme and is searched directly.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "measurement/Messung.h"

namespace nivora {

class StationIndex {
  public:
    void Build(const std::vector<MESSUNG>& samples, bool ascending);
    // Whether the index was built for these samples (same storage, size and ends).
    bool Matches(const std::vector<MESSUNG>& samples, bool ascending) const;
    // Index of the first sample whose station is at or beyond `station`
    // (>= ascending, <= descending); the sample count when there is none.
    std::size_t FirstAtOrBeyond(long long station) const;

  private:
    std::vector<int32_t> m_extreme;  // empty when the stations never go back
    const MESSUNG* m_data = nullptr;
    std::size_t m_size = 0;
    int32_t m_first = 0, m_last = 0;
    bool m_ascending = true;
    bool m_built = false;
};

}  // namespace nivora
