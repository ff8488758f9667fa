// The route-section queries of the state object: the section cache, the
// section at a station, the section lookup of the evaluation and the limit
// profile of the diagram.
#include <algorithm>
#include <functional>

#include "document/KeyEncodings.h"
#include "document/Zi4Verwaltung.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

using text::GetCharField;

void CZi4Verwaltung::RebuildSectionCache() { m_sectionCache = BuildSections(); }

std::vector<ABSCHNITT> CZi4Verwaltung::BuildSections() const {
    std::vector<ABSCHNITT> sections;
    for (const auto& g : BracketGroups(GetValue("ABSCHNITTE", ""))) {
        ABSCHNITT r;
        r.evaluate = GetCharField(g, '|', 6) == "1";
        r.from = text::ToInt(GetCharField(g, '|', 0));
        r.width = text::ToInt(GetCharField(g, '|', 1));
        r.limit = r.evaluate ? text::ToInt(GetCharField(g, '|', 2)) : 0;
        r.value3 = text::ToInt(GetCharField(g, '|', 3));
        r.factorK = text::ToDouble(GetCharField(g, '|', 4));
        r.unitPrice = text::ReadNumber(GetCharField(g, '|', 5));
        r.roadSurface = GetCharField(g, '|', 7);
        r.meanSpeed = GetCharField(g, '|', 8);
        r.stdDev = GetCharField(g, '|', 9);
        r.vark = GetCharField(g, '|', 10);
        sections.push_back(std::move(r));
    }
    if (sections.empty()) return sections;
    int32_t from = 0, to = 0;
    GetManuVonBis(from, to);
    sections.front().from = from;
    for (std::size_t i = 0; i + 1 < sections.size(); ++i) sections[i].to = sections[i + 1].from;
    sections.back().to = to;
    return sections;
}

int CZi4Verwaltung::GetSectionCount() const {
    return CountBracketGroups(GetValue("ABSCHNITTE", ""));
}

ABSCHNITT CZi4Verwaltung::GetSection(int i) const {
    if (i < 0 || i >= static_cast<int>(m_sectionCache.size())) return ABSCHNITT{};
    return m_sectionCache[static_cast<std::size_t>(i)];
}

CZi4Verwaltung::SectionHit CZi4Verwaltung::FindSectionAt(int32_t station) const {
    const std::vector<ABSCHNITT> sections = BuildSections();
    SectionHit hit;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const ABSCHNITT& r = sections[i];
        hit.limit = r.limit;
        if (std::min(r.from, r.to) <= station && station <= std::max(r.from, r.to)) {
            hit.found = true;
            hit.index = static_cast<int>(i);
            hit.width = r.width;
            hit.factorK = r.factorK;
            hit.unitPrice = r.unitPrice;
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
    const std::string value = state.GetValue("ABSCHNITTE", "");
    ForEachBracketGroup(value, [&](std::size_t begin, std::size_t end) {
        const std::string_view g = std::string_view(value).substr(begin, end - begin);
        const auto bar = g.find('|');
        const int32_t b = text::ToInt(g.substr(0, bar));
        m_width.push_back(bar == std::string_view::npos ? 0 : text::ToInt(g.substr(bar + 1)));
        if (m_width.size() > 1) {
            const int32_t previous = m_bound.empty() ? b : m_bound.back();
            m_bound.push_back(m_ascending ? std::max(previous, b) : std::min(previous, b));
        }
        return true;
    });
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

std::string CZi4Verwaltung::GetLimitProfile(int32_t a, int32_t b) const {
    const std::vector<ABSCHNITT> sections = BuildSections();
    const int32_t lo = std::min(a, b), hi = std::max(a, b);
    std::string out;
    auto absRem20 = [](long long d) { return static_cast<int>((d < 0 ? -d : d) % 20); };
    for (const ABSCHNITT& r : sections) {
        const int32_t slo = std::min(r.from, r.to), shi = std::max(r.from, r.to);
        if (!(shi >= lo && slo <= hi)) continue;
        const int32_t x1 = std::max(slo, lo), x2 = std::min(shi, hi);
        const std::string xs = std::to_string(x1) + ";" + std::to_string(x2) + ";";
        out += "[g;" + xs + std::to_string(r.limit) + "]";
        if (r.limit > 0) {
            const int p = a < b ? absRem20(static_cast<long long>(slo) - x1)
                                : absRem20(static_cast<long long>(shi) - x2);
            const int q = absRem20(static_cast<long long>(r.from) - x1) / 10;
            out += "[r;" + xs + std::to_string(p) + ";" + std::to_string(q) + "]";
        }
    }
    for (std::size_t i = 1; i < sections.size(); ++i) {
        const int32_t f = sections[i].from;
        if (lo <= f && f < hi) out += "[w;" + std::to_string(f) + "]";
    }
    return out;
}

}  // namespace nivora
