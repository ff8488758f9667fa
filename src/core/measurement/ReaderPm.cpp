// Instrument files written by the device itself: PM01BS01 (TAB-separated
// text) and PM01BS02 (text head, binary records, closing marks).
#include <array>
#include <cstdint>
#include <cstring>
#include <map>

#include "measurement/ByteReader.h"
#include "measurement/FieldNumber.h"
#include "measurement/Readers.h"
#include "text/Number.h"
#include "text/Scan.h"
#include "text/TextUtil.h"

namespace nivora::readers {

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
        entries[k + 1] = std::string(Trim(lines[n].substr(std::string_view(kKeys[k]).size())));
    }

    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    for (std::size_t n = 7; n < lines.size(); ++n) {
        std::string_view line = lines[n];
        while (!line.empty() && line.back() == '\t') line.remove_suffix(1);
        const text::Fields<7> f(line, '\t');
        if (f.count() < 6) continue;
        const std::string_view remark = Trim(f[6]);
        MESSUNG m;
        m.value = text::RoundToInt(FieldNumber(f[0]) * 10);
        m.station = text::RoundToInt((FieldNumber(f[4]) * 1000) * 10);
        m.width = text::RoundToInt(FieldNumber(f[5]) * 100);
        m.SetComment(remark);
        raw.push_back(std::move(m));
        // The line becomes "f0 TAB f4 TAB f5 TAB remark". Each part lies
        // further right in the line than where it goes, so it is rewritten in
        // place from left to right.
        char* const out = lines.MutableData(n);
        std::size_t pos = f[0].size();
        for (const std::string_view part : {f[4], f[5], remark}) {
            out[pos++] = '\t';
            if (!part.empty()) std::memmove(out + pos, part.data(), part.size());
            pos += part.size();
        }
        lines.Shorten(n, pos);
    }
    if (raw.size() == before) return false;

    run.SetLimit(0);
    run.headerText.clear();
    for (const auto& e : entries) run.headerText += e + '\xBF';
    run.ResetRange();
    return true;
}

namespace {

// Writes v / 10^ScaleDigits with Decimals decimals, as "%.Nf" of that
// quotient gives for a 32-bit v, straight into out (at most 13 bytes);
// returns the end of the text. The divisors are constants and the digits go
// two at a time from a table, so a million records cost no division
// instructions and no calls.
template <int ScaleDigits, int Decimals>
char* PutScaled(char* out, int32_t v) {
    static_assert(Decimals >= ScaleDigits && ScaleDigits > 0);
    constexpr uint32_t kScale = [] {
        uint32_t s = 1;
        for (int d = 0; d < ScaleDigits; ++d) s *= 10;
        return s;
    }();
    static constexpr auto kPairs = [] {
        std::array<char, 200> t{};
        for (int i = 0; i < 100; ++i) {
            t[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
            t[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
        }
        return t;
    }();
    const uint32_t a = v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
    uint32_t whole = a / kScale, frac = a % kScale;
    int wholeDigits = 1;
    for (uint32_t w = whole; w >= 10; w /= 10) ++wholeDigits;
    if (v < 0) *out++ = '-';
    char* const end = out + wholeDigits + 1 + Decimals;
    char* p = end;
    auto pair = [&p](uint32_t x) { std::memcpy(p -= 2, &kPairs[2 * x], 2); };
    for (int d = ScaleDigits; d < Decimals; ++d) *--p = '0';
    for (int d = ScaleDigits; d >= 2; d -= 2, frac /= 100) pair(frac % 100);
    if (ScaleDigits % 2) *--p = static_cast<char>('0' + frac);
    *--p = '.';
    for (; whole >= 100; whole /= 100) pair(whole % 100);
    if (whole >= 10)
        pair(whole);
    else
        *--p = static_cast<char>('0' + whole);
    return end;
}

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

    std::string text;  // reused for every rewritten record line
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        if (state == State::Head) {
            if (StartsWith(line, "***")) {
                lines.Shorten(n, text::TrimRight(line).size());
                state = State::Records;
                continue;
            }
            lines.Replace(n, Trim(line));
            const std::string_view trimmed = lines[n];
            const auto bar = trimmed.find('|');
            if (bar != std::string_view::npos && bar > 0)
                head[std::string(trimmed.substr(0, bar))] = std::string(trimmed.substr(bar + 1));
            continue;
        }
        // Only a short line can close the block; a record may begin with "***".
        if (line.size() < 42 && StartsWith(line, "***")) {
            closed = true;
            break;
        }
        if (ContentLength(line) < 40) continue;
        const ByteReader bytes(line);
        const double d0 = *bytes.DoubleLE(0);
        const double d2 = *bytes.DoubleLE(16);
        const double d3 = *bytes.DoubleLE(24);
        MESSUNG& m = raw.emplace_back();
        m.value = ValueFromMm(d0);
        m.station = StationFromKm(d2);
        m.width = WidthFromM(d3);
        const std::string_view rest = line.substr(40);
        if (rest != "\r\n") m.SetComment(text::TrimRight(rest));
        // "%.2f %.4f %.2f %s" of value / 10, station / 10000, width / 100 and
        // the comment, written over the record, which is read. The numbers
        // take at most 40 bytes and the line has at least as many; the
        // comment takes at most what follows byte 40, so the text fits.
        char* const out = lines.MutableData(n);
        char* p = PutScaled<1, 2>(out, m.value);
        *p++ = ' ';
        p = PutScaled<4, 4>(p, m.station);
        *p++ = ' ';
        p = PutScaled<2, 2>(p, m.width);
        *p++ = ' ';
        const std::size_t headLength = static_cast<std::size_t>(p - out);
        const std::string_view comment = m.comment;
        if (headLength + comment.size() <= line.size()) {
            if (!comment.empty()) std::memcpy(p, comment.data(), comment.size());
            lines.Shorten(n, headLength + comment.size());
        } else {
            text.assign(out, headLength);
            text += comment;
            lines.Replace(n, text);
        }
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
