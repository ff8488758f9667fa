#include "view/StationIndex.h"

#include <algorithm>

namespace nivora {

void StationIndex::Build(const std::vector<MESSUNG>& samples, bool ascending) {
    auto goesBack = [ascending](const MESSUNG& a, const MESSUNG& b) {
        return ascending ? b.station < a.station : b.station > a.station;
    };
    m_extreme.clear();
    if (std::adjacent_find(samples.begin(), samples.end(), goesBack) == samples.end())
        m_extreme.shrink_to_fit();
    else
        m_extreme.resize(samples.size());
    for (std::size_t i = 0; i < m_extreme.size(); ++i) {
        const int32_t s = samples[i].station;
        m_extreme[i] =
            i == 0 ? s
                   : (ascending ? std::max(m_extreme[i - 1], s) : std::min(m_extreme[i - 1], s));
    }
    m_data = samples.data();
    m_size = samples.size();
    m_first = samples.empty() ? 0 : samples.front().station;
    m_last = samples.empty() ? 0 : samples.back().station;
    m_ascending = ascending;
    m_built = true;
}

bool StationIndex::Matches(const std::vector<MESSUNG>& samples, bool ascending) const {
    if (!m_built || ascending != m_ascending || samples.size() != m_size ||
        samples.data() != m_data)
        return false;
    return samples.empty() ||
           (samples.front().station == m_first && samples.back().station == m_last);
}

std::size_t StationIndex::FirstAtOrBeyond(long long station) const {
    if (m_extreme.empty()) {
        const MESSUNG* const end = m_data + m_size;
        const MESSUNG* const it =
            m_ascending
                ? std::partition_point(m_data, end,
                                       [station](const MESSUNG& m) { return m.station < station; })
                : std::partition_point(m_data, end,
                                       [station](const MESSUNG& m) { return m.station > station; });
        return static_cast<std::size_t>(it - m_data);
    }
    const auto it = m_ascending
                        ? std::partition_point(m_extreme.begin(), m_extreme.end(),
                                               [station](int32_t m) { return m < station; })
                        : std::partition_point(m_extreme.begin(), m_extreme.end(),
                                               [station](int32_t m) { return m > station; });
    return static_cast<std::size_t>(it - m_extreme.begin());
}

}  // namespace nivora
