// Services of the run for route sections: speed statistics, locating a
// section's samples, and the default sections from width and limit changes.
#include <cmath>

#include "document/Abschnitt.h"
#include "measurement/MessFahrtDaten.h"
#include "text/Number.h"

namespace nivora {
namespace {

struct Interval {
    int32_t a, b;
    bool Contains(int32_t s) const { return (a <= s && s < b) || (b <= s && s < a); }
};

}  // namespace

void ComputeSpeedStatistics(const CMessFahrtDaten& run, Abschnitt& section,
                            const AbschnittListe* exclusions) {
    const int count = run.WorkingCount();
    auto clamp = [count](int i) { return i < 0 ? 0 : i > count ? count : i; };
    section.firstIndex = clamp(section.firstIndex);
    section.endIndex = clamp(section.endIndex);

    std::vector<Interval> excluded;
    if (exclusions)
        for (const auto& s : exclusions->sections)
            if (!s.evaluate) excluded.push_back({s.from, s.to});

    const auto& samples = run.WorkingSamples();
    std::vector<double> speeds;
    double sum = 0;
    for (int i = section.firstIndex; i < section.endIndex; ++i) {
        const MESSUNG& m = samples[static_cast<std::size_t>(i)];
        if (!m.HasSpeed()) continue;
        bool skip = false;
        for (const auto& e : excluded)
            if (e.Contains(m.station)) {
                skip = true;
                break;
            }
        if (skip) continue;
        speeds.push_back(m.speed);
        sum += m.speed;
    }
    const std::size_t n = speeds.size();
    if (!(sum > 0) || n <= 1) {
        section.meanSpeed.clear();
        section.stdDev.clear();
        section.vark.clear();
        return;
    }
    const double mean = sum / static_cast<double>(n);
    double squares = 0;
    for (double v : speeds) squares += (v - mean) * (v - mean);
    const double sd = std::sqrt(squares / static_cast<double>(n - 1));
    section.meanSpeed = text::FormatFixed(mean, 1);
    section.stdDev = text::FormatFixed(sd, 1);
    section.vark = text::FormatFixed(sd * 100 / mean, 1);
}

void LocateSection(const CMessFahrtDaten& run, Abschnitt& section) {
    const int count = run.WorkingCount();
    if (count <= 1) return;
    const auto& samples = run.WorkingSamples();
    int first = -1, end = -1;
    auto test = [](int32_t station, int32_t a, int32_t b, int i, int& index) {
        if (index != -1) return;
        if (station == a)
            index = i;
        else if (station == b)
            index = i + 1;
        else if ((a <= station && station <= b) || (b <= station && station <= a))
            index = i;
    };
    for (int i = 0; i + 1 < count && (first == -1 || end == -1); ++i) {
        const int32_t a = samples[static_cast<std::size_t>(i)].station;
        const int32_t b = samples[static_cast<std::size_t>(i) + 1].station;
        test(section.from, a, b, i, first);
        test(section.to, a, b, i, end);
    }
    // The full edition's statistics rely on the end index count - 1 here.
    if (section.from < section.to && end == -1) end = count - 1;
    if (section.from >= section.to && first == -1) first = 0;
    if (first == -1 || end == -1) {
        section.meanSpeed.clear();
        section.stdDev.clear();
        section.vark.clear();
        return;
    }
    section.firstIndex = first;
    section.endIndex = end;
    ComputeSpeedStatistics(run, section, nullptr);
}

void WholeRunStatistics(const CMessFahrtDaten& run, Abschnitt& whole,
                        const AbschnittListe* exclusions) {
    whole = Abschnitt{};
    whole.firstIndex = 0;
    whole.endIndex = run.WorkingCount();
    ComputeSpeedStatistics(run, whole, exclusions);
}

void BuildDefaultSections(const CMessFahrtDaten& run, Abschnitt& whole, AbschnittListe& list) {
    list.sections.clear();
    const auto& samples = run.WorkingSamples();
    if (samples.empty()) {
        whole = Abschnitt{};
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
        Abschnitt s;
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
