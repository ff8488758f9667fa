// Services of the run for route sections: speed statistics, locating a
// section's samples, and the default sections from width and limit changes.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "document/Abschnitt.h"
#include "measurement/MessFahrtDaten.h"
#include "text/Number.h"

namespace nivora {
namespace {

void ClearStatistics(ABSCHNITT& s) {
    s.meanSpeed.clear();
    s.stdDev.clear();
    s.vark.clear();
}

void SetStatistics(ABSCHNITT& s, double mean, double sd) {
    s.meanSpeed = text::FormatFixed(mean, 1);
    s.stdDev = text::FormatFixed(sd, 1);
    s.vark = text::FormatFixed(sd * 100 / mean, 1);
}

void ClampIndices(ABSCHNITT& s, int count) {
    auto clamp = [count](int i) { return i < 0 ? 0 : i > count ? count : i; };
    s.firstIndex = clamp(s.firstIndex);
    s.endIndex = clamp(s.endIndex);
}

// The stations that sections not evaluated cover, as sorted, disjoint
// half-open spans, so that a sample is tested in logarithmic time however
// many sections there are.
class ExcludedSpans {
  public:
    explicit ExcludedSpans(const AbschnittListe* exclusions) {
        if (!exclusions) return;
        std::vector<std::pair<int32_t, int32_t>> spans;
        for (const auto& s : exclusions->sections)
            if (!s.evaluate && s.from != s.to)
                spans.emplace_back(std::min(s.from, s.to), std::max(s.from, s.to));
        std::sort(spans.begin(), spans.end());
        for (const auto& span : spans) {
            if (!m_spans.empty() && span.first <= m_spans.back().second)
                m_spans.back().second = std::max(m_spans.back().second, span.second);
            else
                m_spans.push_back(span);
        }
    }
    bool Contains(int32_t station) const {
        auto it = std::upper_bound(
            m_spans.begin(), m_spans.end(), station,
            [](int32_t s, const std::pair<int32_t, int32_t>& span) { return s < span.first; });
        return it != m_spans.begin() && station < std::prev(it)->second;
    }

  private:
    std::vector<std::pair<int32_t, int32_t>> m_spans;
};

// Finds the first pair of neighbouring working samples whose stations
// enclose a station. The stations form a path from sample to sample, so that
// pair is the one at which the running minimum or maximum of the stations
// first takes the station in; both are monotone, so a binary search replaces
// the walk along the samples.
class PairLocator {
  public:
    explicit PairLocator(const std::vector<MESSUNG>& samples) : m_samples(samples) {
        m_min.reserve(samples.size());
        m_max.reserve(samples.size());
        for (const MESSUNG& m : samples) {
            m_min.push_back(m_min.empty() ? m.station : std::min(m_min.back(), m.station));
            m_max.push_back(m_max.empty() ? m.station : std::max(m_max.back(), m.station));
        }
    }

    // Index i of the pair (i, i + 1), or i + 1 when the station equals the
    // second station but not the first; -1 when no pair encloses it.
    int Index(int32_t x) const {
        const std::size_t n = m_samples.size();
        if (n < 2) return -1;
        auto first = [n](auto&& below) {
            std::size_t lo = 1, hi = n;  // the first k in [1, n) for which below(k) is false
            while (lo < hi) {
                const std::size_t mid = lo + (hi - lo) / 2;
                if (below(mid))
                    lo = mid + 1;
                else
                    hi = mid;
            }
            return lo;
        };
        const std::size_t k1 = first([&](std::size_t k) { return m_min[k] > x; });
        const std::size_t k2 = first([&](std::size_t k) { return m_max[k] < x; });
        const std::size_t k = std::max(k1, k2);
        if (k >= n) return -1;
        const int i = static_cast<int>(k) - 1;
        if (x == m_samples[k - 1].station) return i;
        if (x == m_samples[k].station) return i + 1;
        return i;
    }

  private:
    const std::vector<MESSUNG>& m_samples;
    std::vector<int32_t> m_min, m_max;  // over the samples 0 to k
};

// Running sums of the speeds, for statistics of many overlapping index
// ranges in constant time each. The speeds are taken relative to the first
// speed, which keeps the sum of squares from cancelling.
class SpeedSums {
  public:
    explicit SpeedSums(const std::vector<MESSUNG>& samples) {
        for (const MESSUNG& m : samples)
            if (m.HasSpeed()) {
                m_ref = m.speed;
                break;
            }
        m_count.assign(samples.size() + 1, 0);
        m_positive.assign(samples.size() + 1, 0);
        m_sum.assign(samples.size() + 1, 0);
        m_squares.assign(samples.size() + 1, 0);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const MESSUNG& m = samples[i];
            const bool has = m.HasSpeed();
            const long double d = has ? static_cast<long double>(m.speed) - m_ref : 0;
            m_count[i + 1] = m_count[i] + (has ? 1 : 0);
            m_positive[i + 1] = m_positive[i] + (has && m.speed > 0 ? 1 : 0);
            m_sum[i + 1] = m_sum[i] + d;
            m_squares[i + 1] = m_squares[i] + d * d;
        }
    }

    void Apply(ABSCHNITT& s) const {
        const auto f = static_cast<std::size_t>(s.firstIndex);
        const auto e = static_cast<std::size_t>(std::max(s.firstIndex, s.endIndex));
        const int n = m_count[e] - m_count[f];
        if (m_positive[e] == m_positive[f] || n <= 1) return ClearStatistics(s);
        const long double sum = m_sum[e] - m_sum[f];
        const long double squares = m_squares[e] - m_squares[f] - sum * sum / n;
        const double mean = static_cast<double>(m_ref + sum / n);
        SetStatistics(s, mean, std::sqrt(static_cast<double>(std::max(squares, 0.0L) / (n - 1))));
    }

  private:
    long double m_ref = 0;
    std::vector<int> m_count, m_positive;
    std::vector<long double> m_sum, m_squares;
};

// The index range of a section as LocateSection finds it; false when a
// station lies outside the samples and the range stays open.
bool FindIndices(const PairLocator& locator, int count, ABSCHNITT& s) {
    s.firstIndex = locator.Index(s.from);
    s.endIndex = locator.Index(s.to);
    // The full edition's statistics rely on the end index count - 1 here.
    if (s.from < s.to && s.endIndex == -1) s.endIndex = count - 1;
    if (s.from >= s.to && s.firstIndex == -1) s.firstIndex = 0;
    return s.firstIndex != -1 && s.endIndex != -1;
}

}  // namespace

void ComputeSpeedStatistics(const CMessFahrtDaten& run, ABSCHNITT& section,
                            const AbschnittListe* exclusions) {
    ClampIndices(section, run.WorkingCount());
    const ExcludedSpans excluded(exclusions);
    const auto& samples = run.WorkingSamples();
    std::vector<double> speeds;
    double sum = 0;
    for (int i = section.firstIndex; i < section.endIndex; ++i) {
        const MESSUNG& m = samples[static_cast<std::size_t>(i)];
        if (!m.HasSpeed() || excluded.Contains(m.station)) continue;
        speeds.push_back(m.speed);
        sum += m.speed;
    }
    const std::size_t n = speeds.size();
    if (!(sum > 0) || n <= 1) return ClearStatistics(section);
    const double mean = sum / static_cast<double>(n);
    double squares = 0;
    for (double v : speeds) squares += (v - mean) * (v - mean);
    SetStatistics(section, mean, std::sqrt(squares / static_cast<double>(n - 1)));
}

void LocateSection(const CMessFahrtDaten& run, ABSCHNITT& section) {
    const int count = run.WorkingCount();
    if (count <= 1) return;
    if (FindIndices(PairLocator(run.WorkingSamples()), count, section))
        ComputeSpeedStatistics(run, section, nullptr);
    else
        ClearStatistics(section);
}

void LocateSections(const CMessFahrtDaten& run, std::vector<ABSCHNITT>& sections) {
    const int count = run.WorkingCount();
    if (count <= 1) return;
    const PairLocator locator(run.WorkingSamples());
    std::vector<bool> found(sections.size());
    long long work = 0;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        ABSCHNITT& s = sections[i];
        found[i] = FindIndices(locator, count, s);
        if (found[i]) {
            ABSCHNITT clamped = s;
            ClampIndices(clamped, count);
            work += std::max(0, clamped.endIndex - clamped.firstIndex);
        }
    }
    // Sections that follow each other cover each sample about once and are
    // summed sample by sample. Sections that overlap again and again (a text
    // whose begins jump back and forth) would make that quadratic; they are
    // summed from running sums instead.
    const bool direct = work <= 4LL * count + (1LL << 20);
    std::optional<SpeedSums> sums;
    if (!direct) sums.emplace(run.WorkingSamples());
    for (std::size_t i = 0; i < sections.size(); ++i) {
        ABSCHNITT& s = sections[i];
        if (!found[i]) {
            ClearStatistics(s);
        } else if (direct) {
            ComputeSpeedStatistics(run, s, nullptr);
        } else {
            ClampIndices(s, count);
            sums->Apply(s);
        }
    }
}

void WholeRunStatistics(const CMessFahrtDaten& run, ABSCHNITT& whole,
                        const AbschnittListe* exclusions) {
    whole = ABSCHNITT{};
    whole.firstIndex = 0;
    whole.endIndex = run.WorkingCount();
    ComputeSpeedStatistics(run, whole, exclusions);
}

void BuildDefaultSections(const CMessFahrtDaten& run, ABSCHNITT& whole, AbschnittListe& list) {
    list.sections.clear();
    const auto& samples = run.WorkingSamples();
    if (samples.empty()) {
        whole = ABSCHNITT{};
        return;
    }
    WholeRunStatistics(run, whole, nullptr);
    list.rangeFrom = samples.front().station;
    list.rangeTo = samples.back().station;
    list.ascending = list.rangeFrom < list.rangeTo;
    if (list.ascending)
        list.rangeTo = text::SatAdd(list.rangeTo, 1);
    else
        list.rangeFrom = text::SatAdd(list.rangeFrom, 1);

    std::size_t cursor = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const MESSUNG& c = samples[cursor];
        const bool last = i + 1 == samples.size();
        if (samples[i].width == c.width && samples[i].limit == c.limit && !last) continue;
        ABSCHNITT s;
        s.firstIndex = static_cast<int>(cursor);
        s.endIndex = static_cast<int>(i) + 1;
        s.from = list.ascending ? c.station : text::SatAdd(c.station, 1);
        s.width = c.width;
        s.limit = c.limit;
        ComputeSpeedStatistics(run, s, nullptr);
        list.sections.push_back(std::move(s));
        cursor = i;
    }
    list.Normalize();
}

}  // namespace nivora
