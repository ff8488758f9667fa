// Instrument files written by the device itself: PM01BS01 (TAB-separated
// text) and PM01BS02 (text head, binary records, closing marks).
#include <map>

#include "measurement/ByteReader.h"
#include "measurement/Readers.h"
#include "text/Number.h"
#include "text/Scan.h"
#include "text/TextUtil.h"

namespace nivora::readers {

using text::GetCharField;
using text::ReadNumber;
using text::StartsWith;
using text::Trim;

bool ReadPm01Bs01(CMessFahrtDaten& run, const ReadContext&) {
    auto& lines = run.MutableLines();
    if (lines.size() < 2 || !text::Contains(lines[0], "PM01BS01")) return false;
    if (text::Scan(lines[1], "%2d.%2d.%4d %2d:%2d").count < 5) return false;

    std::string entries[6];
    entries[0] = text::ReplacedChar(lines[1], '\t', ' ');
    static const char* const kKeys[] = {"Dienststelle", "Abteilung", "Pruefer", "Str.-Typ",
                                        "Str.-Nr."};
    for (int k = 0; k < 5; ++k) {
        const std::size_t n = static_cast<std::size_t>(k) + 2;
        if (n >= lines.size() || !StartsWith(lines[n], kKeys[k])) return false;
        entries[k + 1] =
            std::string(Trim(std::string_view(lines[n]).substr(std::string_view(kKeys[k]).size())));
    }

    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    for (std::size_t n = 7; n < lines.size(); ++n) {
        std::string_view line = lines[n];
        while (!line.empty() && line.back() == '\t') line.remove_suffix(1);
        if (text::CountFields(line, '\t') < 6) continue;
        const std::string f0 = GetCharField(line, '\t', 0);
        const std::string f4 = GetCharField(line, '\t', 4);
        const std::string f5 = GetCharField(line, '\t', 5);
        const std::string remark(Trim(GetCharField(line, '\t', 6)));
        MESSUNG m;
        m.value = text::RoundToInt(ReadNumber(f0) * 10);
        m.station = text::RoundToInt((ReadNumber(f4) * 1000) * 10);
        m.width = text::RoundToInt(ReadNumber(f5) * 100);
        m.SetComment(remark);
        raw.push_back(std::move(m));
        lines[n] = f0 + '\t' + f4 + '\t' + f5 + '\t' + remark;
    }
    if (raw.size() == before) return false;

    run.SetLimit(0);
    run.headerText.clear();
    for (const auto& e : entries) run.headerText += e + '\xBF';
    run.ResetRange();
    return true;
}

namespace {

std::size_t ContentLength(std::string_view line) {
    std::size_t n = line.size();
    if (n > 0 && line[n - 1] == '\n') --n;
    if (n > 0 && line[n - 1] == '\r') --n;
    return n;
}

}  // namespace

bool ReadPm01Bs02(CMessFahrtDaten& run) {
    auto& lines = run.MutableLines();
    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    std::map<std::string, std::string> head;
    enum class State { Head, Records } state = State::Head;
    bool closed = false;

    for (std::string& line : lines) {
        if (state == State::Head) {
            if (StartsWith(line, "***")) {
                line = std::string(text::TrimRight(line));
                state = State::Records;
                continue;
            }
            line = std::string(Trim(line));
            const auto bar = line.find('|');
            if (bar != std::string::npos && bar > 0)
                head[line.substr(0, bar)] = line.substr(bar + 1);
            continue;
        }
        // Only a short line can close the block; a record may begin with "***".
        if (StartsWith(line, "***") && line.size() < 42) {
            closed = true;
            break;
        }
        if (ContentLength(line) < 40) continue;
        const ByteReader bytes(line);
        const double d0 = *bytes.DoubleLE(0);
        const double d2 = *bytes.DoubleLE(16);
        const double d3 = *bytes.DoubleLE(24);
        MESSUNG m;
        m.value = ValueFromMm(d0);
        m.station = StationFromKm(d2);
        m.width = WidthFromM(d3);
        m.SetComment(text::TrimRight(std::string_view(line).substr(40)));
        line = text::FormatFixed(m.value / 10.0, 2) + ' ' +
               text::FormatFixed(m.station / 10000.0, 4) + ' ' +
               text::FormatFixed(m.width / 100.0, 2) + ' ' + m.comment;
        raw.push_back(std::move(m));
    }
    if (raw.size() == before) return false;

    run.SetLimit(0);
    run.headerText.clear();
    for (const char* key :
         {"Zeitstempel", "Dienststelle", "Abteilung", "Pruefer", "Str.-Typ", "Str.-Nr."}) {
        const auto it = head.find(key);
        if (it != head.end()) run.headerText += it->second;
        run.headerText += '\xBF';
    }
    if (!closed) run.SetIncomplete(true);
    run.ResetRange();
    return true;
}

}  // namespace nivora::readers
