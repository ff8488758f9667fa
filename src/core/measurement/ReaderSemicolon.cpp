// Dated semicolon lists: the four-field and five-field exports with a date
// line, and the "Datum:" export that names its columns.
#include <algorithm>
#include <string>
#include <vector>

#include "measurement/FieldNumber.h"
#include "measurement/Readers.h"
#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/Scan.h"
#include "text/TextUtil.h"

namespace nivora::readers {

using text::Trim;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Optional blanks, optional sign, then a digit or a point (or a comma, which
// these lists read as a point) and a digit.
bool BeginsWithNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && text::IsBlank(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i < s.size() && IsDigit(s[i])) return true;
    return i + 1 < s.size() && (s[i] == '.' || s[i] == ',') && IsDigit(s[i + 1]);
}

// Whether some line after the first has four or five fields and begins
// with a number. A file that is neither list is ruled out without reading
// its numbers.
bool HasDataLine(const LineBuffer& lines) {
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        const std::size_t separators = text::CountChar(line, ';');
        if ((separators == 3 || separators == 4) && BeginsWithNumber(text::CharField(line, ';', 0)))
            return true;
    }
    return false;
}

enum class ListRead { kNoSamples, kRead, kFiveFieldLine };

// Reads the data lines of fieldCount fields. Read as four-field, the list
// stops at the first data line of five fields: it is then a five-field list.
ListRead ReadFieldList(CMessFahrtDaten& run, int fieldCount) {
    const auto& lines = run.FileLines();
    const bool withWidth = fieldCount == 5;
    const std::size_t headLimit = withWidth ? 7 : 6;

    std::vector<std::string> headLines{std::string(lines[0])};
    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        // The lists read every "," as "."; the numbers are read while the
        // line is split.
        const ScannedFields<5> f(line, ';', withWidth ? 0b111u : 0b11u, InBuffer{});
        const bool data = f[0].plain || BeginsWithNumber(f[0].text());
        if (!withWidth && f.count() == 5 && data) return ListRead::kFiveFieldLine;
        if (f.count() == fieldCount && data) {
            MESSUNG& m = raw.emplace_back();
            m.station = StationFromM(CommaPointNumber(f[0]));
            m.value = ValueFromMm(CommaPointNumber(f[1]));
            if (withWidth) m.width = WidthFromM(CommaPointNumber(f[2]));
            m.SetMarked(f[withWidth ? 3 : 2].text() == "1");
            const std::string_view remark = f[withWidth ? 4 : 3].text();
            if (remark.empty()) continue;  // a new sample has no remark
            if (remark.find(',') == std::string_view::npos)
                m.comment = remark;
            else
                m.comment = text::ReplacedChar(remark, ',', '.');
        } else if (n < headLimit &&
                   !(withWidth && text::Contains(line, "Position;Abweichung;Breite"))) {
            headLines.push_back(text::ReplacedChar(line, ',', '.'));
        }
    }
    if (raw.size() == before) return ListRead::kNoSamples;

    run.SetLimit(0);
    std::string header;
    for (const auto& h : headLines) {
        const std::string_view t = Trim(h);
        if (!t.empty()) header.append(t).append(", ");
    }
    while (!header.empty() && (header.back() == ',' || text::IsBlank(header.back())))
        header.pop_back();
    run.headerText = header;
    run.ResetRange();
    return ListRead::kRead;
}

}  // namespace

int ReadDatedFieldList(CMessFahrtDaten& run, const ReadContext&) {
    const auto& lines = run.FileLines();
    if (lines.empty() || text::Scan(lines[0], "%2d.%2d.%4d %2d:%2d:%2d").count < 6) return 0;
    if (!HasDataLine(lines)) return 0;
    // One pass for a four-field list; a five-field list is read again from
    // its start once its first line of five fields is met.
    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    switch (ReadFieldList(run, 4)) {
        case ListRead::kRead:
            return CMessFahrtDaten::kFourField;
        case ListRead::kNoSamples:
            return 0;
        case ListRead::kFiveFieldLine:
            break;
    }
    raw.resize(before);
    return ReadFieldList(run, 5) == ListRead::kRead ? CMessFahrtDaten::kFiveField : 0;
}

namespace {

bool BeginsDataLine(std::string_view s) {
    if (!s.empty() && IsDigit(s[0])) return true;
    return s.size() >= 2 && s[0] == '-' && IsDigit(s[1]);
}

}  // namespace

bool ReadDatumList(CMessFahrtDaten& run, const ReadContext&) {
    auto& lines = run.MutableLines();
    if (lines.size() < 8) return false;
    std::size_t dateLine = 0;
    while (dateLine < 3 && !text::Contains(lines[dateLine], "Datum:")) ++dateLine;
    if (dateLine == 3) return false;
    text::ScanResult date = text::Scan(lines[dateLine], "Datum: %2d.%2d.%4d Zeit: %2d:%2d:%2d");
    if (date.count < 6) date = text::Scan(lines[dateLine], "Datum:;%2d.%2d.%4d, %2d:%2d:%2d");
    if (date.count < 6) return false;
    const auto& d = date.ints;
    using text::FormatIntPadded;
    const std::string dateText = "Datum: " + FormatIntPadded(d[0], 2) + "." +
                                 FormatIntPadded(d[1], 2) + "." + FormatIntPadded(d[2], 4) + " " +
                                 FormatIntPadded(d[3], 2) + ":" + FormatIntPadded(d[4], 2) + ":" +
                                 FormatIntPadded(d[5], 2);

    static const std::string kKeywords[] = {
        "Datum:",
        "Pruefer:",
        "Pr\xC3\xBC"
        "fer:",
        "Strasse:",
        "Baumassnahme:",
        "Ma\xC3\x9Fnahme",
        "Gesamtl\xE4nge:",
        "L\xC3\xA4nge:",
    };
    int colValue = 1, colSpeed = 2, colWidth = 4, colRemark = -1, colLimit = -1;
    std::vector<std::string> entries;
    std::size_t first = dateLine;
    for (; first < lines.size(); ++first) {
        const std::string_view line = first == dateLine ? std::string_view(dateText) : lines[first];
        if (first != dateLine && BeginsDataLine(line)) break;
        for (const auto& key : kKeywords) {
            if (!text::Contains(line, key)) continue;
            std::string entry(Trim(line));
            entry.erase(std::remove(entry.begin(), entry.end(), ';'), entry.end());
            UmlautRepair(entry);
            entries.push_back(std::move(entry));
            break;
        }
        if (text::CharField(line, ';', 0) == "Station") {
            const text::Fields<8> titles(line, ';');
            for (int f = 1; f <= 7; ++f) {
                const std::string_view title = titles[f];
                if (title == "H\xC3\xB6he" || title == "H\xF6he")
                    colValue = f;
                else if (text::StartsWith(title, "Geschw"))
                    colSpeed = f;
                else if (title == "Breite")
                    colWidth = f;
                else if (title == "Kommentar")
                    colRemark = f;
                else if (title == "Grenze")
                    colLimit = f;
            }
        }
    }
    if (first >= lines.size()) return false;

    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    // Fields read as numbers.
    uint32_t numbers = 1u | 1u << colValue | 1u << colSpeed | 1u << colWidth;
    if (colLimit >= 0) numbers |= 1u << colLimit;
    double previous = -9999999.0;
    for (std::size_t n = first; n < lines.size(); ++n) {
        const ScannedFields<8> f(lines[n], ';', numbers, InBuffer{});
        if (f.count() < 2) continue;
        const double s = FieldNumber(f[0]);
        if (s == previous) {
            // A remark line belongs to the sample before it; there is none
            // before the first sample.
            if (raw.size() > before) {
                raw.back().comment = std::string(Trim(f[1].text()));
                raw.back().SetMarked(true);
            }
            continue;
        }
        if (f.count() < 6) continue;
        MESSUNG& m = raw.emplace_back();
        m.value = ValueFromMm(FieldNumber(f[colValue]));
        m.station = StationFromM(s);
        m.width = WidthFromM(FieldNumber(f[colWidth]));
        m.speed = FieldNumber(f[colSpeed]);
        m.limit = colLimit >= 0 ? text::RoundToInt(FieldNumber(f[colLimit]) * 10) : 0;
        // An empty remark changes nothing on a new sample.
        if (colRemark >= 0 && f[colRemark].size > 0) m.SetComment(f[colRemark].text());
        previous = s;
    }
    if (raw.size() == before) return false;

    lines.Replace(dateLine, dateText);
    run.SetLimit(0);
    run.headerText.clear();
    for (const auto& e : entries) run.headerText += e + '\xBF';
    run.ResetRange();
    return true;
}

}  // namespace nivora::readers
