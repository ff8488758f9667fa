// The route-section queries of the state object: the section cache, the
// section at a station, the section lookup of the evaluation and the limit
// profile of the diagram.
#include <algorithm>
#include <functional>

#include "document/KeyEncodings.h"
#include "document/StateKeys.h"
#include "document/Zi4Verwaltung.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

using namespace statekey;

void CZi4Verwaltung::RebuildSectionCache() {
    m_sectionCache = DecodeSections(GetValue(kAbschnitte, ""), ABSCHNITT::FlagRule::ExactlyOne);
    if (m_sectionCache.empty()) return;
    for (ABSCHNITT& r : m_sectionCache)
        if (!r.evaluate) r.limit = 0;
    int32_t from = 0, to = 0;
    GetManuVonBis(from, to);
    m_sectionCache.front().from = from;
    for (std::size_t i = 0; i + 1 < m_sectionCache.size(); ++i)
        m_sectionCache[i].to = m_sectionCache[i + 1].from;
    m_sectionCache.back().to = to;
}

int CZi4Verwaltung::GetSectionCount() const {
    return CountBracketGroups(GetValue(kAbschnitte, ""));
}

ABSCHNITT CZi4Verwaltung::GetSection(int i) const {
    if (i < 0 || i >= static_cast<int>(m_sectionCache.size())) return ABSCHNITT{};
    return m_sectionCache[static_cast<std::size_t>(i)];
}

CZi4Verwaltung::SectionHit CZi4Verwaltung::FindSectionAt(int32_t station) const {
    const std::vector<ABSCHNITT>& sections = m_sectionCache;
    SectionHit hit;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const ABSCHNITT& r = sections[i];
        hit.limit = r.limit;
        if (std::min(r.from, r.to) <= station && station <= std::max(r.from, r.to)) {
            hit.found = true;
            hit.index = static_cast<int>(i);
            hit.width = r.width;
            hit.factorK = r.FactorK();
            hit.unitPrice = r.UnitPrice();
            hit.evaluate = r.evaluate;
            break;
        }
    }
    return hit;
}

std::pair<int, int> CZi4Verwaltung::GetSectionNumberAndWidth(int32_t station) const {
    return SectionLookup(*this)(station);
}

CZi4Verwaltung::SectionLookup::SectionLookup(const CZi4Verwaltung& state) {
    int32_t from = 0, to = 0;
    state.GetManuVonBis(from, to);
    m_ascending = from < to;
    // The begins as stored: the cache moves only the first one, which the
    // lookup does not consult.
    for (const ABSCHNITT& s : state.SectionCache()) {
        m_width.push_back(s.width);
        if (m_width.size() > 1) {
            const int32_t previous = m_bound.empty() ? s.from : m_bound.back();
            m_bound.push_back(m_ascending ? std::max(previous, s.from)
                                          : std::min(previous, s.from));
        }
    }
}

std::pair<int, int> CZi4Verwaltung::SectionLookup::operator()(int32_t station) const {
    if (m_width.empty()) return {0, 0};
    // The first group from 1 on whose begin reaches the station (ascending)
    // or lies at or below it (descending): the first running bound that does.
    const auto it = m_ascending ? std::lower_bound(m_bound.begin(), m_bound.end(), station)
                                : std::lower_bound(m_bound.begin(), m_bound.end(), station,
                                                   std::greater<int32_t>());
    if (it == m_bound.end()) return {static_cast<int>(m_width.size()), m_width.back()};
    const std::size_t i = static_cast<std::size_t>(it - m_bound.begin()) + 1;
    return {static_cast<int>(i), m_width[i - 1]};
}

LimitProfile CZi4Verwaltung::GetLimitProfile(int32_t a, int32_t b) const {
    const std::vector<ABSCHNITT>& sections = m_sectionCache;
    const int32_t lo = std::min(a, b), hi = std::max(a, b);
    LimitProfile out;
    auto absRem20 = [](long long d) { return static_cast<int>((d < 0 ? -d : d) % 20); };
    for (const ABSCHNITT& r : sections) {
        const int32_t slo = std::min(r.from, r.to), shi = std::max(r.from, r.to);
        if (!(shi >= lo && slo <= hi)) continue;
        LimitSpan span;
        span.from = std::max(slo, lo);
        span.to = std::min(shi, hi);
        span.limit = r.limit;
        if (r.limit > 0) {
            span.phase = a < b ? absRem20(static_cast<long long>(slo) - span.from)
                               : absRem20(static_cast<long long>(shi) - span.to);
            span.halfPeriod = absRem20(static_cast<long long>(r.from) - span.from) / 10;
        }
        out.spans.push_back(span);
    }
    for (std::size_t i = 1; i < sections.size(); ++i) {
        const int32_t f = sections[i].from;
        if (lo <= f && f < hi) out.boundaries.push_back(f);
    }
    return out;
}

}  // namespace nivora
