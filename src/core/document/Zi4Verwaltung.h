#pragma once
// The processing state of one run, read from the state file next to the
// measurement file (its full path with ".zi4" appended). The file is only
// read: every change lives in the key table in memory.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/Abschnitt.h"
#include "platform/Einstellungen.h"

namespace nivora {

class CZi4Verwaltung {
  public:
    // "%02i%02i%02i%03i" of the program version 4.5.48.0.
    static constexpr const char* kVersionText = "040548000";
    static constexpr int kRoadSurfaceCount = 41;

    // Reads the file; a file that cannot be read gives a new state with the
    // application's settings where they differ from the built-in defaults.
    // Returns whether the file existed.
    using FileReader = std::function<std::optional<std::string>(const std::string& path)>;
    bool ReadFile(const std::string& path, const CEinstellungen& appSettings,
                  const FileReader& reader = nullptr);
    // The same from the content of a file that exists.
    void ReadText(std::string_view content);

    bool FileExisted() const { return m_fileExisted; }
    const std::string& GetFilePath() const { return m_filePath; }

    std::string GetValue(const std::string& key, const std::string& defaultValue) const;
    int32_t GetIntValue(const std::string& key, int32_t defaultValue) const;
    void SetValue(const std::string& key, const std::string& value);
    void RemoveValue(const std::string& key);
    bool HasKey(const std::string& key) const { return m_keys.count(key) != 0; }
    const std::map<std::string, std::string>& Keys() const { return m_keys; }

    int GetLengthScale() const { return m_lengthScale; }
    // The diagram draws at 1:100, 200, 400, 1000, 2000 or 5000 only.
    static bool IsSupportedLengthScale(int n);
    // The scale itself when supported, otherwise 400.
    static int SupportedLengthScale(int n) { return IsSupportedLengthScale(n) ? n : 400; }
    void SetLengthScale(int n);
    int GetRoadSurfaceIndex() const { return m_roadSurface; }
    std::string GetRoadSurfaceName() const;
    static const char* RoadSurfaceName(int index);  // null outside 0..40
    int GetTpLevel() const { return m_tpLevel; }
    const std::string& GetTpMaximumText() const { return m_tpMaximum; }

    std::string ComputeIdentification() const;
    bool CheckIdentification() const;

    // Typed readers and writers of the adjustment keys.
    void GetManuVonBis(int32_t& from, int32_t& to) const;
    void SetManuVonBis(int32_t from, int32_t to);
    bool GetSpiegeln() const { return GetValue("BOOL_SPIEGELN", "0") == "1"; }
    void SetSpiegeln(bool on) { SetValue("BOOL_SPIEGELN", on ? "1" : "0"); }
    int32_t GetDezimeterOffset() const { return GetIntValue("DEZIMETER_OFFSET", 0); }
    int32_t GetKalibrierwert() const { return GetIntValue("KALIBRIERWERT", 0); }

    // The run's own settings, loaded from the key table.
    const CEinstellungen& Settings() const { return m_settings; }
    // Copies the per-run keys into the block; absent keys give the defaults.
    void LoadSettingsFromKeys();
    // Sets a per-run key for each setting that differs from its default.
    void StoreSettingsInKeys(const CEinstellungen& settings);

    // Route sections, all read from ABSCHNITTE and MANUVONBIS.
    void RebuildSectionCache();
    // The sections of ABSCHNITTE over the evaluated range, as the cache holds them.
    std::vector<ABSCHNITT> BuildSections() const;
    int GetSectionCount() const;
    ABSCHNITT GetSection(int i) const;
    const std::vector<ABSCHNITT>& SectionCache() const { return m_sectionCache; }
    struct SectionHit {
        bool found = false;
        int index = -1;
        int32_t width = 0;
        int32_t limit = 0;
        double factorK = 0.0;
        double unitPrice = 0.0;
        bool evaluate = false;
    };
    SectionHit FindSectionAt(int32_t station) const;
    // Section number (from 1) and width (cm) at a station; (0, 0) without sections.
    std::pair<int, int> GetSectionNumberAndWidth(int32_t station) const;
    // The same lookup with ABSCHNITTE read once, for callers that ask for
    // many stations (the evaluation asks once per exceedance).
    class SectionLookup {
      public:
        explicit SectionLookup(const CZi4Verwaltung& state);
        std::pair<int, int> operator()(int32_t station) const;

      private:
        bool m_ascending = true;
        std::vector<int32_t>
            m_bound;  // running max (ascending) or min of the begins from group 1 on
        std::vector<int32_t> m_width;
    };
    std::string GetLimitProfile(int32_t a, int32_t b) const;

  private:
    void Reset();
    void ApplyReadKeys();

    CEinstellungen m_settings;
    int m_tpLevel = 1;
    std::string m_tpMaximum = "0.5";
    int m_lengthScale = 400;
    int m_roadSurface = 0;
    bool m_fileExisted = false;
    std::string m_filePath;
    std::map<std::string, std::string> m_keys;
    std::vector<ABSCHNITT> m_sectionCache;
};

}  // namespace nivora
