#include "document/AbschnittDialoge.h"

#include "document/KeyEncodings.h"
#include "document/Zi4Verwaltung.h"
#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

std::string Metres(int32_t dm) { return text::FormatFixed(dm / 10.0, 1); }

// A metre text back to decimetres: the integer part of value × 10.
int32_t Decimetres(const std::string& metres) {
    return text::TruncToInt(text::ToDouble(metres) * 10);
}

std::string Tenths(double v) { return text::FormatFixed(v / 10.0, 1); }

// An edit field rewritten with a fixed number of decimals; empty stays empty.
std::string Rewritten(const std::string& field, int decimals) {
    const std::string_view t = text::Trim(field);
    if (t.empty()) return {};
    return text::FormatFixed(text::ToDouble(text::ReplacedChar(t, ',', '.')), decimals);
}

}  // namespace

const std::vector<CAbschnitteDlg::Column>& CAbschnitteDlg::Columns() {
    static const std::vector<Column> columns = {
        {"von [m]", Align::Right, 50},       {"bis [m]", Align::Right, 50},
        {"ausw.?", Align::Centre, 50},       {"Breite [cm]", Align::Right, 70},
        {"Grenzw. [mm]", Align::Right, 80},  {"Faktor k", Align::Right, 60},
        {"Einheitspr.", Align::Right, 70},   {"Fahrbahnob.", Align::Left, 80},
        {"Mittl. Geschw.", Align::Left, 80}, {"VarK [%]", Align::Left, 80},
    };
    return columns;
}

std::vector<CAbschnitteDlg::Button> CAbschnitteDlg::Buttons() {
    return {{1072, "Neu", false}, {1074, "Bearbeiten", true}, {1075, text::W("Löschen"), true}};
}

CAbschnitteDlg::CAbschnitteDlg(const std::string& abschnitte, const std::string& fromMetres,
                               const std::string& toMetres)
    : m_abschnitte(abschnitte) {
    m_list.Decode(abschnitte, Decimetres(fromMetres), Decimetres(toMetres));
}

std::array<std::string, 10> CAbschnitteDlg::Row(int i) const {
    std::array<std::string, 10> row;
    if (i < 0 || i >= RowCount()) return row;
    const ABSCHNITT& s = m_list.sections[static_cast<std::size_t>(i)];
    row[0] = Metres(s.from);
    row[1] = Metres(s.to);
    if (!s.evaluate) {
        row[2] = "nein";
        return row;
    }
    row[2] = "ja";
    row[3] = std::to_string(s.width);
    row[4] = Tenths(s.limit);
    row[5] = s.factorK;
    row[6] = s.unitPrice;
    row[7] = s.roadSurface;
    row[8] = s.meanSpeed;
    row[9] = s.vark;
    return row;
}

std::string CAbschnitteDlg::SectionText(int selected) const {
    if (selected < 0 || selected >= RowCount()) return {};
    return m_list.sections[static_cast<std::size_t>(selected)].Encode();
}

std::string CAbschnitteDlg::StatgesOnOk(const CMessFahrtDaten& run) const {
    AbschnittListe exclusions;
    exclusions.Decode(m_abschnitte, m_list.rangeFrom, m_list.rangeTo);
    ABSCHNITT whole;
    WholeRunStatistics(run, whole, &exclusions);
    return whole.StatisticsText();
}

std::string CAbschnittDlg::HintText() {
    return text::W(
        "Hinweis: \r\nVermeiden Sie Abschnittswechsel in genau der Höhe von möglichen "
        "abzugsfähigen "
        "Überschreitungspunkten.");
}

std::vector<std::pair<int, std::string>> CAbschnittDlg::Labels() {
    return {{1073, "Der Abschnitt beginnt an Position [m]:"},
            {1065, "diesen Streckenabschnitt auswerten"},
            {1074, "Breite [cm]:"},
            {1124, "Grenzwert [mm]:"},
            {1126, "Faktor k:"},
            {1127, text::W("Einheitspreis [WE/m²]:")},
            {1130, text::W("Fahrbahnoberfläche:")},
            {1136, "Mittlere Geschwindigkeit"},
            {1139, "VarK [%]"}};
}

std::vector<std::string> CAbschnittDlg::RoadSurfaceEntries() {
    std::vector<std::string> entries{"Standard"};
    for (int i = 1; i < CZi4Verwaltung::kRoadSurfaceCount; ++i)
        entries.emplace_back(CZi4Verwaltung::RoadSurfaceName(i));
    return entries;
}

CAbschnittDlg::CAbschnittDlg(const std::string& t, bool firstSection,
                             const std::string& runRoadSurface, const std::string& newestClick,
                             const std::string& olderClick)
    : m_clicks{newestClick, olderClick}, m_first(firstSection) {
    using text::GetCharField;
    m_fields.begin = Tenths(text::ToDouble(GetCharField(t, '|', 0)));
    m_fields.evaluate = GetCharField(t, '|', 6) == "1";
    m_fields.width = GetCharField(t, '|', 1);
    m_fields.limit = Tenths(text::ToDouble(GetCharField(t, '|', 2)));
    m_fields.factorK = GetCharField(t, '|', 4);
    m_fields.unitPrice = GetCharField(t, '|', 5);
    const std::string road = GetCharField(t, '|', 7);
    m_fields.roadSurface = road.empty() ? runRoadSurface : road;
    m_fields.meanSpeed = GetCharField(t, '|', 8);
    m_fields.vark = GetCharField(t, '|', 10);
    m_value3 = GetCharField(t, '|', 3);
    const auto entries = RoadSurfaceEntries();
    for (std::size_t i = 1; i < entries.size(); ++i)
        if (entries[i] == m_fields.roadSurface) m_comboSelection = static_cast<int>(i);
}

std::string CAbschnittDlg::StationButtonText(int k) const {
    const std::string& click = m_clicks[k == 0 ? 0 : 1];
    return "<   " + (click.empty() ? std::string() : Tenths(text::ToInt(click)));
}

bool CAbschnittDlg::StationButtonEnabled(int k) const {
    return !m_first && !m_clicks[k == 0 ? 0 : 1].empty();
}

void CAbschnittDlg::OnStationButton(int k) {
    if (!StationButtonEnabled(k)) return;
    m_fields.begin = Tenths(text::ToInt(m_clicks[k == 0 ? 0 : 1]));
    m_fields.begin = Rewritten(m_fields.begin, 1);
    m_fields.limit = Rewritten(m_fields.limit, 1);
    m_value3 = Rewritten(m_value3, 1);
    m_fields.width = Rewritten(m_fields.width, 0);
    m_fields.factorK = Rewritten(m_fields.factorK, 2);
    m_fields.unitPrice = Rewritten(m_fields.unitPrice, 2);
}

}  // namespace nivora
