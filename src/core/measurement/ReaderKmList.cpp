// Kilometre column lists: the measurement-record list, the limit-value list
// with its remark side file, and the street list.
#include <map>

#include "measurement/Readers.h"
#include "measurement/SideFile.h"
#include "text/Number.h"
#include "text/Scan.h"
#include "text/TextUtil.h"

namespace nivora::readers {

using text::Scan;
using text::StartsWith;

bool ReadRecordList(CMessFahrtDaten& run, const ReadContext&) {
    const auto& lines = run.FileLines();
    if (lines.empty() || !StartsWith(lines[0],
                                     "ROLLSTAB: Me\xDF"
                                     "datens\xE4tze;"))
        return false;
    run.SetLimit(0);
    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    for (const std::string_view line : lines) {
        // Commas are read as points.
        const auto data = Scan(line, "%lf;%lf;", true);
        if (data.count >= 2) {
            MESSUNG m;
            m.station = StationFromKm(data.doubles[0]);
            m.value = ValueFromMm(data.doubles[1]);
            raw.push_back(std::move(m));
        } else if (const auto limit = Scan(line, "Grenzwert [mm]:;%lf;", true); limit.count == 1) {
            run.SetLimit(LimitFromMmTruncated(limit.doubles[0]));
        }
    }
    if (raw.size() == before) return false;
    run.ResetRange();
    return true;
}

bool ReadLimitList(CMessFahrtDaten& run, const ReadContext& context) {
    const auto& lines = run.FileLines();
    if (lines.empty() || !StartsWith(lines[0], "Grenzwert")) return false;
    run.SetLimit(0);
    if (const auto g = Scan(lines[0], "Grenzwert %lf"); g.count == 1)
        run.SetLimit(LimitFromMmTruncated(g.doubles[0]));

    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    for (std::size_t n = 2; n < lines.size(); ++n) {
        const auto r = Scan(lines[n], "%lf%lf%lf%lf");
        if (r.count < 2) continue;
        const double speed = r.count >= 3 ? r.doubles[2] : -1.0;
        const double limit = r.count >= 4 ? r.doubles[3] : -1.0;
        MESSUNG m;
        m.station = StationFromKm(r.doubles[0]);
        m.value = ValueFromMm(r.doubles[1]);
        m.speed = speed;
        m.limit = limit >= 0 ? LimitFromMmTruncated(limit) : run.GetLimit();
        raw.push_back(std::move(m));
    }
    if (raw.size() == before) return false;

    const std::map<int32_t, std::string> remarks = ReadRemarkSideFile(run.FilePath(), context);
    if (!remarks.empty()) {
        for (auto it = raw.begin() + static_cast<std::ptrdiff_t>(before); it != raw.end(); ++it) {
            const auto found = remarks.find(it->station);
            if (found != remarks.end()) it->SetComment(found->second);
        }
    }
    run.ResetRange();
    return true;
}

bool ReadStreetList(CMessFahrtDaten& run, const ReadContext&) {
    run.SetLimit(0);
    const auto& lines = run.FileLines();
    if (lines.size() < 2 || !StartsWith(lines[0], "Strasse:") || !StartsWith(lines[1], "Start-Km:"))
        return false;

    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    for (std::size_t n = 2; n < lines.size(); ++n) {
        const auto r = Scan(lines[n], "%lf%lf", true);  // commas read as points
        if (r.count < 2) continue;
        MESSUNG m;
        m.station = StationFromKm(r.doubles[0]);
        m.value = ValueFromMm(r.doubles[1]);
        raw.push_back(std::move(m));
    }
    if (raw.size() == before) return false;

    std::string street(lines[0]), startKm(lines[1]);
    text::ReplaceText(street, "Strasse:", "", true);
    text::ReplaceText(startKm, "Start-Km:", "", true);
    run.fields.street = std::string(text::TrimLeft(street));
    run.fields.startKm = std::string(text::TrimLeft(startKm));
    run.ResetRange();
    return true;
}

}  // namespace nivora::readers
