#include "document/Zi4Verwaltung.h"

#include <cstring>

#include "platform/FileSystem.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

const char* const kRoadSurfaces[CZi4Verwaltung::kRoadSurfaceCount] = {
    "-",          "AC 16 D S",    "AC 11 D S",    "AC 11 D N",  "AC 11 D L",  "AC 8 D S",
    "AC 8 D N",   "AC 8 D L",     "AC 5 D L",     "AC 5 D LOA", "SMA 22 B S", "SMA 16 B S",
    "SMA 16 DTS", "SMA 11 S",     "SMA 8 S",      "SMA 8 N",    "SMA 5 N",    "SMA 8 LA",
    "SMA 5 LA",   "MA 11 S",      "MA 11 N",      "MA 8 S",     "MA 8 N",     "MA 5 S",
    "MA 5 N",     "PA 16",        "PA 11",        "PA 8",       "PMA 8",      "PMA 5",
    "AC 16 T D",  "DSH - V 8",    "DSH - V 5",    "AC 22 B S",  "AC 16 B S",  "AC 16 B N",
    "AC 11 B N",  "AC 22 B S SG", "AC 16 B S SG", "Beton",      "C 30/37",
};

std::string Key(const char* prefix, int k) { return prefix + std::to_string(k); }

// Integer settings as (key, getter, setter) over a block.
template <typename F>
void ForEachIntSetting(CEinstellungen& s, F&& f) {
    for (int k = 0; k < CEinstellungen::kColours; ++k) {
        auto& v = s.farbe[static_cast<std::size_t>(k)];
        int32_t i = static_cast<int32_t>(v);
        f(Key("Farben_Farbe", k), i,
          static_cast<int32_t>(CEinstellungen::kDefaultColours[static_cast<std::size_t>(k)]));
        v = static_cast<uint32_t>(i);
    }
    for (int k = 0; k < CEinstellungen::kTextColours; ++k) {
        auto& v = s.textFarbe[static_cast<std::size_t>(k)];
        int32_t i = static_cast<int32_t>(v);
        f(Key("Farben_TextFarbe", k), i,
          static_cast<int32_t>(CEinstellungen::kDefaultColours[static_cast<std::size_t>(k)]));
        v = static_cast<uint32_t>(i);
    }
    for (int k = 0; k < CEinstellungen::kColours; ++k)
        f(Key("Dicken_Dicke", k), s.dicke[static_cast<std::size_t>(k)], 10);
    f("Druck_linkerRand", s.linkerRand, 0);
    f("Druck_VarKanzeigen", s.varKanzeigen, 1);
    f("Druck_Nummerierung", s.nummerierung, 0);
    f("Druck_MetadatenAufFolgeseiten", s.metadatenAufFolgeseiten, 0);
    f("Druck_DisplaySpeed", s.displaySpeed, 1);
    f("Sonstiges_SpiegelabfrageAbschalten", s.spiegelabfrageAbschalten, 0);
    f("NEGWERTENULL", s.checkNegativ, 0);
    f("Sonstiges_Waerung", s.waerung, 0);
}

constexpr const char* kNrAuswertungKey = "ANLAGENNUMMER_AUSWERTUNGSSEITEN";
constexpr const char* kNrDiagrammeKey = "ANLAGENNUMMER_DIAGRAMMSEITEN";

}  // namespace

void CZi4Verwaltung::Reset() {
    m_fileExisted = true;
    m_keys.clear();
    m_sectionCache.clear();
    m_settings.ResetToDefaults();
    m_roadSurface = 0;
    m_lengthScale = 400;
    m_tpLevel = 1;
    m_tpMaximum = "0.5";
}

bool CZi4Verwaltung::ReadFile(const std::string& path, const CEinstellungen& appSettings,
                              const FileReader& reader) {
    m_filePath = path;
    Reset();
    const auto content = reader ? reader(path) : ReadFileIgnoringCase(path);
    if (!content) {
        m_fileExisted = false;
        SetValue("INITIIERT_MIT_PROGRAMMVERSION", kVersionText);
        StoreSettingsInKeys(appSettings);
        LoadSettingsFromKeys();
        return false;
    }
    ReadText(*content);
    return true;
}

void CZi4Verwaltung::ReadText(std::string_view content) {
    const std::string path = m_filePath;
    Reset();
    m_filePath = path;
    std::size_t pos = 0;
    while (pos < content.size()) {
        auto end = content.find('\n', pos);
        if (end == std::string_view::npos) end = content.size();
        const std::string_view line = content.substr(pos, end - pos);
        pos = end + 1;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        m_keys[std::string(line.substr(0, eq))] = std::string(text::TrimRight(line.substr(eq + 1)));
    }
    ApplyReadKeys();
}

void CZi4Verwaltung::ApplyReadKeys() {
    m_lengthScale = GetIntValue("MASSSTAB_DER_LAENGE", 400);
    const std::string surface = GetValue("FAHRBAHN_OB2", "");
    m_roadSurface = 0;
    for (int i = 0; i < kRoadSurfaceCount; ++i)
        if (surface == kRoadSurfaces[i]) {
            m_roadSurface = i;
            break;
        }
    m_tpMaximum = GetValue("TPEBENE2017MAX", "0.5");
    LoadSettingsFromKeys();
}

std::string CZi4Verwaltung::GetValue(const std::string& key,
                                     const std::string& defaultValue) const {
    const auto it = m_keys.find(key);
    return it == m_keys.end() ? defaultValue : it->second;
}

int32_t CZi4Verwaltung::GetIntValue(const std::string& key, int32_t defaultValue) const {
    return text::ToInt(GetValue(key, std::to_string(defaultValue)));
}

void CZi4Verwaltung::SetValue(const std::string& key, const std::string& value) {
    m_keys[key] = value;
}

void CZi4Verwaltung::RemoveValue(const std::string& key) { m_keys.erase(key); }

bool CZi4Verwaltung::IsSupportedLengthScale(int n) {
    return n == 100 || n == 200 || n == 400 || n == 1000 || n == 2000 || n == 5000;
}

void CZi4Verwaltung::SetLengthScale(int n) {
    m_lengthScale = n;
    SetValue("MASSSTAB_DER_LAENGE", std::to_string(n));
}

const char* CZi4Verwaltung::RoadSurfaceName(int index) {
    return index >= 0 && index < kRoadSurfaceCount ? kRoadSurfaces[index] : nullptr;
}

std::string CZi4Verwaltung::GetRoadSurfaceName() const {
    const char* name = RoadSurfaceName(m_roadSurface);
    return name ? name : "";
}

std::string CZi4Verwaltung::ComputeIdentification() const {
    std::string s;
    for (const char* key :
         {"UBERSCHRIFT_ZEILE_1", "UBERSCHRIFT_ZEILE_2", "UBERSCHRIFT_ZEILE_3", "STERNTEXTE"}) {
        s += GetValue(key, "");
        s.resize(text::TrimRight(s).size());
    }
    // The full edition computes in 32-bit integers that wrap around; the same
    // is done here in unsigned arithmetic, so a long text still matches the
    // KENNUNG it wrote.
    uint32_t a = 1321, b = 3022;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int32_t c = static_cast<signed char>(s[i]);
        a += static_cast<uint32_t>(c);
        // Truncating division keeps the sign of c * i, as the full edition computes it.
        const int32_t ci =
            static_cast<int32_t>(static_cast<uint32_t>(c) * static_cast<uint32_t>(i));
        b += static_cast<uint32_t>(ci % 17);
    }
    return std::to_string(static_cast<int32_t>(a * 100u + b));
}

bool CZi4Verwaltung::CheckIdentification() const {
    if (!m_fileExisted) return true;
    return GetValue("KENNUNG", "") == ComputeIdentification();
}

void CZi4Verwaltung::GetManuVonBis(int32_t& from, int32_t& to) const {
    const std::string v = GetValue("MANUVONBIS", "-1;-1");
    from = text::ToInt(text::GetCharField(v, ';', 0));
    to = text::ToInt(text::GetCharField(v, ';', 1));
}

void CZi4Verwaltung::SetManuVonBis(int32_t from, int32_t to) {
    SetValue("MANUVONBIS", std::to_string(from) + ";" + std::to_string(to));
}

void CZi4Verwaltung::LoadSettingsFromKeys() {
    m_settings.ResetToDefaults();
    ForEachIntSetting(m_settings,
                      [this](const std::string& key, int32_t& field, int32_t defaultValue) {
                          const auto it = m_keys.find(key);
                          field = it == m_keys.end() ? defaultValue : text::ToInt(it->second);
                      });
    m_settings.nrAusWertung = GetValue(kNrAuswertungKey, "1");
    m_settings.nrDiagramme = GetValue(kNrDiagrammeKey, "2");
}

void CZi4Verwaltung::StoreSettingsInKeys(const CEinstellungen& settings) {
    CEinstellungen copy = settings;
    ForEachIntSetting(copy, [this](const std::string& key, int32_t& field, int32_t defaultValue) {
        if (field != defaultValue)
            SetValue(key, std::to_string(field));
        else
            RemoveValue(key);
    });
    if (settings.nrAusWertung != "1")
        SetValue(kNrAuswertungKey, settings.nrAusWertung);
    else
        RemoveValue(kNrAuswertungKey);
    if (settings.nrDiagramme != "2")
        SetValue(kNrDiagrammeKey, settings.nrDiagramme);
    else
        RemoveValue(kNrDiagrammeKey);
}

}  // namespace nivora
