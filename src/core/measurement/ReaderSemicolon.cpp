// Dated semicolon lists: the four-field and five-field exports with a date
// line, and the "Datum:" export that names its columns.
#include <vector>

#include "measurement/Readers.h"
#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/Scan.h"
#include "text/TextUtil.h"

namespace nivora::readers {

using text::GetCharField;
using text::ReadNumber;
using text::Trim;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Optional blanks, optional sign, then a digit or a point and a digit.
bool BeginsWithNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && text::IsBlank(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i < s.size() && IsDigit(s[i])) return true;
    return i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1]);
}

bool ReadFieldList(CMessFahrtDaten& run, int fieldCount) {
    const auto& lines = run.FileLines();
    if (lines.empty() || text::Scan(lines[0], "%2d.%2d.%4d %2d:%2d:%2d").count < 6) return false;
    const bool withWidth = fieldCount == 5;
    const std::size_t headLimit = withWidth ? 7 : 6;

    std::vector<std::string> headLines{lines[0]};
    auto& raw = run.MutableRaw();
    const std::size_t before = raw.size();
    for (std::size_t n = 1; n < lines.size(); ++n) {
        std::string line = text::ReplacedChar(lines[n], ',', '.');
        const std::string f0 = GetCharField(line, ';', 0);
        if (text::CountFields(line, ';') == fieldCount && BeginsWithNumber(f0)) {
            MESSUNG m;
            m.station = StationFromM(text::ToDouble(f0));
            m.value = ValueFromMm(text::ToDouble(GetCharField(line, ';', 1)));
            if (withWidth) m.width = WidthFromM(text::ToDouble(GetCharField(line, ';', 2)));
            m.marked = GetCharField(line, ';', withWidth ? 3 : 2) == "1";
            m.comment = GetCharField(line, ';', withWidth ? 4 : 3);
            raw.push_back(std::move(m));
        } else if (n < headLimit &&
                   !(withWidth && text::Contains(line, "Position;Abweichung;Breite"))) {
            headLines.push_back(std::move(line));
        }
    }
    if (raw.size() == before) return false;

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
    return true;
}

}  // namespace

bool ReadFiveFieldList(CMessFahrtDaten& run, const ReadContext&) { return ReadFieldList(run, 5); }
bool ReadFourFieldList(CMessFahrtDaten& run, const ReadContext&) { return ReadFieldList(run, 4); }

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
        const std::string& line = first == dateLine ? dateText : lines[first];
        if (first != dateLine && BeginsDataLine(line)) break;
        for (const auto& key : kKeywords) {
            if (!text::Contains(line, key)) continue;
            std::string entry(Trim(line));
            text::ReplaceText(entry, ";", "", true);
            UmlautRepair(entry);
            entries.push_back(std::move(entry));
            break;
        }
        if (GetCharField(line, ';', 0) == "Station") {
            for (int f = 1; f <= 7; ++f) {
                const std::string title = GetCharField(line, ';', f);
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
    double previous = -9999999.0;
    for (std::size_t n = first; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        const int count = text::CountFields(line, ';');
        if (count < 2) continue;
        const double s = ReadNumber(GetCharField(line, ';', 0));
        if (s == previous) {
            // A remark line belongs to the sample before it; there is none
            // before the first sample.
            if (raw.size() > before) {
                raw.back().comment = std::string(Trim(GetCharField(line, ';', 1)));
                raw.back().marked = true;
            }
            continue;
        }
        if (count < 6) continue;
        MESSUNG m;
        m.value = ValueFromMm(ReadNumber(GetCharField(line, ';', colValue)));
        m.station = StationFromM(s);
        m.width = WidthFromM(ReadNumber(GetCharField(line, ';', colWidth)));
        m.speed = ReadNumber(GetCharField(line, ';', colSpeed));
        m.limit = colLimit >= 0
                      ? text::RoundToInt(ReadNumber(GetCharField(line, ';', colLimit)) * 10)
                      : 0;
        if (colRemark >= 0) m.SetComment(GetCharField(line, ';', colRemark));
        raw.push_back(std::move(m));
        previous = s;
    }
    if (raw.size() == before) return false;

    lines[dateLine] = dateText;
    run.SetLimit(0);
    run.headerText.clear();
    for (const auto& e : entries) run.headerText += e + '\xBF';
    run.ResetRange();
    return true;
}

}  // namespace nivora::readers
