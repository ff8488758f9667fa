#include "evaluation/AuswertungsListe.h"

#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF, kBlack = 0, kGrey = 0x007F7F7F, kBlue = 0x00FF0000;

std::string Metres(int32_t dm) { return text::FormatFixed(dm / 10.0, 1); }

AUSWERTUNGSZEILE Separator() { return {}; }

}  // namespace

const std::vector<AuswertungsSpalte>& CAuswertungsListe::Columns() {
    static const std::string p2 = text::W("p² [mm]");
    static const std::vector<AuswertungsSpalte> columns = {
        {"Nr.", 40, 5},
        {"Seite", 0, 6},
        {"Station [m]", 100, 7},
        {"Breite", 40, 9},
        {"Messwert [mm]", 90, 10},
        {"p [mm]", 50, 11},
        {p2.c_str(), 50, 12},
        {"Geschw. [km/h]", 100, 13},
        {"Bemerkung", 270, 1},
    };
    return columns;
}

void CAuswertungsListe::Fill(const UeberschreitungsListe& exceedances, const SectionLookup& lookup,
                             const std::vector<BEREICH_OHNE_ERKENNUNG_DATEN>& areas,
                             const std::vector<int>& pages) {
    m_rows.clear();
    const auto& records = exceedances.Records();
    int32_t previousStation = -1;
    int previousSection = 0;
    for (std::size_t n = 0; n < records.size(); ++n) {
        const UEBERSCHREITUNG& u = records[n];
        const int i = static_cast<int>(n) + 1;
        const auto [section, width] = lookup ? lookup(u.station) : std::pair<int, int>{0, 0};
        if (n == 0) previousSection = section;
        if (section != previousSection) {
            m_rows.push_back(Separator());
            previousSection = section;
        }
        for (std::size_t a = 0; a < areas.size(); ++a) {
            const auto& area = areas[a];
            if (!(previousStation < area.from && area.from <= u.station)) continue;
            AUSWERTUNGSZEILE row;
            row.kind = AUSWERTUNGSZEILE::Kind::Area;
            row.fields[0] = std::to_string(a);
            row.fields[1] = area.text.substr(0, area.text.find('\xBF'));
            row.fields[5] = std::to_string(i);
            row.fields[7] = Metres(area.from) + " - " + Metres(area.to);
            row.fields[8] = std::to_string(area.from);
            row.fields[11] = row.fields[12] = row.fields[13] = "--";
            m_rows.push_back(std::move(row));
        }
        AUSWERTUNGSZEILE row;
        row.kind = AUSWERTUNGSZEILE::Kind::Exceedance;
        const std::string entry = exceedances.GetRemarkEntry(std::to_string(u.station));
        const auto sep = entry.find('\xBF');
        row.fields[1] = entry.substr(0, sep);
        row.fields[2] = sep == std::string::npos ? std::string() : entry.substr(sep + 1);
        row.fields[3] = u.counted ? "1" : "0";
        row.fields[5] = std::to_string(i);
        row.fields[6] = std::to_string(n < pages.size() ? pages[n] : u.page);
        row.fields[7] = Metres(u.station);
        row.fields[8] = std::to_string(u.station);
        row.fields[9] = text::FormatFixed(width / 100.0, 2);
        row.fields[10] = text::FormatFixed(u.value / 10.0 + 0.0001, 1);
        row.fields[11] = std::to_string(u.p);
        row.fields[12] = std::to_string(u.pSquared);
        if (u.speed > 0) row.fields[13] = text::FormatFixed(u.speed, 1);
        m_rows.push_back(std::move(row));
        if (n + 1 == records.size()) m_rows.push_back(Separator());
        previousStation = u.station;
    }
}

std::string CAuswertungsListe::CellText(std::size_t row, int column) const {
    const auto& columns = Columns();
    if (row >= m_rows.size() || column < 0 || column >= static_cast<int>(columns.size())) return {};
    std::string t =
        m_rows[row]
            .fields[static_cast<std::size_t>(columns[static_cast<std::size_t>(column)].field)];
    if (columns[static_cast<std::size_t>(column)].field == 1)
        text::ReplaceText(t, "{{CRLF}}", " ", true);
    return t;
}

bool CAuswertungsListe::IsCounted(const AUSWERTUNGSZEILE& row) {
    return text::ToInt(row.fields[3]) != 0;
}

CAuswertungsListe::RowStyle CAuswertungsListe::StyleOf(const AUSWERTUNGSZEILE& row, bool selected) {
    const bool counted = IsCounted(row);
    return RowStyle{selected ? kBlue : kWhite,
                    selected  ? kWhite
                    : counted ? kBlack
                              : kGrey,
                    !counted, selected ? kWhite : kGrey};
}

}  // namespace nivora
