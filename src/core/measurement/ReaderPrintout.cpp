// The text printout of older instruments: labelled head, limit line, scale
// line, then one line per sample with whole numbers. It is the last resort
// of format detection.
#include <algorithm>

#include "measurement/Readers.h"
#include "platform/MessageSink.h"
#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/Scan.h"
#include "text/TextUtil.h"

namespace nivora::readers {

using text::Contains;

namespace {

constexpr std::string_view kScale = "-10   0  +10  +20  +30";

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// Steps over a token (up to the next blank or TAB) and the blanks after it.
std::string_view NextToken(std::string_view& rest) {
    std::size_t n = 0;
    while (n < rest.size() && !IsBlankOrTab(rest[n])) ++n;
    const std::string_view token = rest.substr(0, n);
    while (n < rest.size() && IsBlankOrTab(rest[n])) ++n;
    rest.remove_prefix(n);
    return token;
}

// An optional sign followed by digits; anything else reads as 0.
int32_t TokenNumber(std::string_view token) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    if (i >= token.size() || token[i] < '0' || token[i] > '9') return 0;
    return text::ToInt(token);
}

}  // namespace

bool ReadTextPrintout(CMessFahrtDaten& run, const ReadContext& context) {
    const auto& lines = run.FileLines();

    std::size_t scaleLine = lines.size();
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (Contains(lines[n], "Rollstab - Kontrollpruefung")) return false;
        if (n == 0 && (Contains(lines[n], "Datum:") || Contains(lines[n], "file"))) return false;
        if (Contains(lines[n], kScale)) {
            scaleLine = n;
            break;
        }
    }

    const auto limitLine = std::find_if(
        lines.begin(), lines.end(), [](std::string_view l) { return Contains(l, "Grenzwert"); });
    if (limitLine == lines.end()) return false;
    std::string digits(*limitLine);
    for (char& c : digits)
        if (c < '0' || c > '9') c = ' ';
    if (text::Trim(digits).empty()) return false;
    const auto ab = text::Scan(text::Trim(digits), "%d%d");
    run.SetLimit(ab.count == 2 ? text::SatAdd(text::SatMul(ab.ints[0], 10), ab.ints[1]) : 0);

    for (std::size_t n = 0; n < lines.size() && n < 40; ++n) {
        if (Contains(lines[n], "Sp1   Sp2    Sp3")) {
            if (context.messages)
                context.messages->Show(
                    text::W("FEHLER\r\nDieses Dateiformat wird nicht unterstützt!"),
                    MessageIcon::Error);
            return false;
        }
    }

    const std::size_t start = scaleLine < lines.size()
                                  ? scaleLine + 1
                                  : static_cast<std::size_t>(limitLine - lines.begin()) + 1;

    std::vector<MESSUNG> samples;
    if (start < lines.size()) samples.reserve(lines.size() - start);
    std::string starred;  // a line whose star has become a blank
    for (std::size_t n = start; n < lines.size(); ++n) {
        std::string_view rest = lines[n];
        bool marked = false;
        if (const auto star = rest.find('*', 1); star != std::string_view::npos) {
            marked = true;
            starred.assign(rest);
            starred[star] = ' ';
            rest = starred;
        }
        while (!rest.empty() && IsBlankOrTab(rest.front())) rest.remove_prefix(1);
        if (rest.empty()) continue;
        const int32_t value = TokenNumber(NextToken(rest));
        if (rest.empty()) continue;
        const int32_t station = TokenNumber(NextToken(rest));
        MESSUNG m;
        m.value = value;
        m.station = station;
        m.SetMarked(marked);
        m.comment = text::Trim(rest);
        samples.push_back(std::move(m));
    }
    if (samples.empty()) return false;

    // Equal stations: the first keeps its place with the larger value and the
    // remark of a marked successor.
    std::size_t kept = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        MESSUNG& k = samples[kept];
        if (samples[i].station == k.station) {
            k.value = std::max(k.value, samples[i].value);
            if (samples[i].Marked()) k.SetComment(samples[i].comment);
        } else if (++kept != i) {
            samples[kept] = std::move(samples[i]);
        }
    }
    samples.resize(kept + 1);
    if (samples.back().station == 0) samples.pop_back();

    KopfFelder head;
    static const struct {
        const char* key;
        std::string KopfFelder::*field;
    } kKeys[] = {
        {"MESSUNG NR.", &KopfFelder::number},  {"vom", &KopfFelder::date},
        {"Dienststelle", &KopfFelder::office}, {"Abteilung", &KopfFelder::department},
        {"Pruefer", &KopfFelder::inspector},   {"Str.-Typ", &KopfFelder::roadType},
        {"Str.-Nr.", &KopfFelder::roadNumber},
    };
    std::string messfahrtDate = run.fields.date;
    for (std::size_t n = 0; n < lines.size() && n < 50 && n < scaleLine; ++n) {
        const std::string_view line = text::TrimLeft(lines[n]);
        for (const auto& k : kKeys)
            if (text::StartsWith(line, k.key))
                head.*k.field =
                    std::string(text::Trim(line.substr(std::string_view(k.key).size())));
        if (text::StartsWith(line, "Messfahrt") && n + 1 < lines.size()) {
            const std::string_view next = lines[n + 1];
            messfahrtDate = std::string(next.substr(0, 8)) + " " +
                            std::string(next.size() > 19 ? next.substr(19, 5) : std::string_view());
        }
    }
    auto& f = run.fields;
    f.number = head.number;
    f.office = head.office;
    f.department = head.department;
    f.inspector = head.inspector;
    f.roadType = head.roadType;
    f.roadNumber = head.roadNumber;
    f.date = head.date.empty() ? messfahrtDate : head.date;

    auto& raw = run.MutableRaw();
    raw.insert(raw.end(), std::make_move_iterator(samples.begin()),
               std::make_move_iterator(samples.end()));
    run.ResetRange();
    return true;
}

}  // namespace nivora::readers
