#include "document/Zi4Verwaltung.h"

#include <cstring>

#include "document/KeyEncodings.h"
#include "document/StateKeys.h"
#include "platform/FileSystem.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

using namespace statekey;

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
        f(Key(kColour, k), i,
          static_cast<int32_t>(CEinstellungen::kDefaultColours[static_cast<std::size_t>(k)]));
        v = static_cast<uint32_t>(i);
    }
    for (int k = 0; k < CEinstellungen::kTextColours; ++k) {
        auto& v = s.textFarbe[static_cast<std::size_t>(k)];
        int32_t i = static_cast<int32_t>(v);
        f(Key(kTextColour, k), i,
          static_cast<int32_t>(CEinstellungen::kDefaultColours[static_cast<std::size_t>(k)]));
        v = static_cast<uint32_t>(i);
    }
    for (int k = 0; k < CEinstellungen::kColours; ++k)
        f(Key(kLineWidth, k), s.dicke[static_cast<std::size_t>(k)], 10);
    f(kLeftMargin, s.linkerRand, 0);
    f(kShowVarK, s.varKanzeigen, 1);
    f(kNumbering, s.nummerierung, 0);
    f(kMetadataOnFollowingPages, s.metadatenAufFolgeseiten, 0);
    f(kDisplaySpeed, s.displaySpeed, 1);
    f(kNoMirrorQuestion, s.spiegelabfrageAbschalten, 0);
    f(kNegativeAsZero, s.checkNegativ, 0);
    f(kCurrency, s.waerung, 0);
}

constexpr const char* kNrAuswertungKey = kEvaluationAnnexNumber;
constexpr const char* kNrDiagrammeKey = kDiagramAnnexNumber;

constexpr const char* kHeadlineKeys[3] = {kHeadline1, kHeadline2, kHeadline3};

// The fields of a text at the byte 0xBF; an empty text is one empty field.
std::vector<std::string> SplitAtBF(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    for (;;) {
        const auto end = text.find('\xBF', pos);
        out.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        if (end == std::string::npos) return out;
        pos = end + 1;
    }
}

}  // namespace

void CZi4Verwaltung::Reset() {
    m_fileExisted = true;
    m_keys.clear();
    m_sectionCache.clear();
    DecodeRunStatistics();
    DecodePageTexts();
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
        SetValue(kProgramVersion, kVersionText);
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
    RebuildSectionCache();
    DecodeRunStatistics();
    DecodePageTexts();
    m_lengthScale = GetIntValue(kLengthScale, 400);
    const std::string surface = GetValue(kRoadSurface, "");
    m_roadSurface = 0;
    for (int i = 0; i < kRoadSurfaceCount; ++i)
        if (surface == kRoadSurfaces[i]) {
            m_roadSurface = i;
            break;
        }
    m_tpMaximum = GetValue(kTpMaximum, "0.5");
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
    KeyChanged(key);
}

void CZi4Verwaltung::RemoveValue(const std::string& key) {
    m_keys.erase(key);
    KeyChanged(key);
}

void CZi4Verwaltung::KeyChanged(const std::string& key) {
    if (key == kAbschnitte || key == kManuVonBis)
        RebuildSectionCache();
    else if (key == kStatges)
        DecodeRunStatistics();
    else if (key == kKopfdaten || key == kKopfFussDaten || key == kHeadline1 || key == kHeadline2 ||
             key == kHeadline3)
        DecodePageTexts();
}

void CZi4Verwaltung::DecodePageTexts() {
    for (std::size_t i = 0; i < 3; ++i) m_pageTexts.headlines[i] = GetValue(kHeadlineKeys[i], "");
    m_pageTexts.headerData = GetValue(kKopfdaten, "");
    // The evaluation pages take their fields from the second group.
    m_pageTexts.footerFields = SplitAtBF(BracketGroup(GetValue(kKopfFussDaten, ""), 1));
}

void CZi4Verwaltung::DecodeRunStatistics() {
    const std::string v = GetValue(kStatges, "-||-");
    m_runStatistics = {text::GetCharField(v, '|', 0), text::GetCharField(v, '|', 1),
                       text::GetCharField(v, '|', 2)};
}

bool CZi4Verwaltung::IsSupportedLengthScale(int n) {
    return n == 100 || n == 200 || n == 400 || n == 1000 || n == 2000 || n == 5000;
}

void CZi4Verwaltung::SetLengthScale(int n) {
    m_lengthScale = n;
    SetValue(kLengthScale, std::to_string(n));
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
    for (const char* key : {kHeadline1, kHeadline2, kHeadline3, kStarTexts}) {
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
    return GetValue(kKennung, "") == ComputeIdentification();
}

void CZi4Verwaltung::GetManuVonBis(int32_t& from, int32_t& to) const {
    const std::string v = GetValue(kManuVonBis, "-1;-1");
    from = text::ToInt(text::GetCharField(v, ';', 0));
    to = text::ToInt(text::GetCharField(v, ';', 1));
}

void CZi4Verwaltung::SetManuVonBis(int32_t from, int32_t to) {
    SetValue(kManuVonBis, std::to_string(from) + ";" + std::to_string(to));
}

bool CZi4Verwaltung::GetSpiegeln() const { return GetValue(kSpiegeln, "0") == "1"; }

void CZi4Verwaltung::SetSpiegeln(bool on) { SetValue(kSpiegeln, on ? "1" : "0"); }

std::string CZi4Verwaltung::GetKilometrage() const { return GetValue(kKilometrage, ""); }

void CZi4Verwaltung::SetKilometrage(const std::string& value) { SetValue(kKilometrage, value); }

int32_t CZi4Verwaltung::GetDezimeterOffset() const { return GetIntValue(kDezimeterOffset, 0); }

int32_t CZi4Verwaltung::GetKalibrierwert() const { return GetIntValue(kKalibrierwert, 0); }

ComparisonKeys CZi4Verwaltung::GetComparisonKeys(int n) const {
    const std::string suffix = std::to_string(n);
    return {GetValue(kComparisonPath + suffix, ""), GetValue(kComparisonOffset + suffix, "0"),
            GetValue(kComparisonMirror + suffix, "0") == "1"};
}

ExceedanceKeys CZi4Verwaltung::GetExceedanceKeys() const {
    return {GetValue(kExceedances, ""), GetValue(kExceedanceParameters, ""),
            GetValue(kRemarks, "")};
}

std::string CZi4Verwaltung::GetAbschnitte() const { return GetValue(kAbschnitte, ""); }

void CZi4Verwaltung::SetAbschnitte(const std::string& value) { SetValue(kAbschnitte, value); }

void CZi4Verwaltung::SetRunStatistics(const std::string& value) { SetValue(kStatges, value); }

void CZi4Verwaltung::SetHeaderData(const std::string& value) { SetValue(kKopfdaten, value); }

void CZi4Verwaltung::ClearIdentifiedTexts() {
    for (const char* key : {kHeadline1, kHeadline2, kHeadline3, kStarTexts}) SetValue(key, "");
}

CTextListen::Values CZi4Verwaltung::GetTextLists() const {
    return {GetValue(kStarTexts, ""), GetValue(kFreeTexts, ""), GetValue(kAreaTexts, ""),
            GetValue(kExcludedAreas, "")};
}

void CZi4Verwaltung::SetTextLists(const CTextListen::Values& v) {
    SetValue(kStarTexts, v.sterntexte);
    SetValue(kFreeTexts, v.freietexte);
    SetValue(kAreaTexts, v.bereichstexte);
    SetValue(kExcludedAreas, v.bereichOhneErkennung);
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
