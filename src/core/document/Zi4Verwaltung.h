#pragma once
// The processing state of one run, read from the state file next to the
// measurement file (its full path with ".zi4" appended). The file is only
// read: every change lives in the key table in memory.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/Abschnitt.h"
#include "document/Texte.h"
#include "platform/Einstellungen.h"

namespace nivora {

// The texts of the printed pages.
struct PageTexts {
    std::array<std::string, 3> headlines;   // the headline lines of the diagram pages
    std::string headerData;                 // header entries, each ended by the byte 0xBF
    std::vector<std::string> footerFields;  // the evaluation pages' header and footer fields
};

// The speed statistics of the whole run, as texts ("%.1lf", empty or "-").
struct RunStatistics {
    std::string meanSpeed, stdDev, vark;
};

// The limit line of the sections within a station window, from the smaller
// to the larger station. The 2 m bands along a line with a limit start at
// the phase (dm) and the half period (0 or 1) of their 20 dm pattern.
struct LimitSpan {
    int32_t from = 0;
    int32_t to = 0;
    int32_t limit = 0;  // tenths of a millimetre; 0: no limit, no bands
    int phase = 0;
    int halfPeriod = 0;
};
struct LimitProfile {
    std::vector<LimitSpan> spans;     // one per section in the window, in list order
    std::vector<int32_t> boundaries;  // section begins inside the window
};

// The key values of the exceedance list.
struct ExceedanceKeys {
    std::string records, parameters, remarks;
};

// The keys of comparison run n.
struct ComparisonKeys {
    std::string path;
    std::string offset;  // metres, with a decimal point or comma
    bool mirror = false;
};

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
    bool GetSpiegeln() const;
    void SetSpiegeln(bool on);
    std::string GetKilometrage() const;
    void SetKilometrage(const std::string& value);
    int32_t GetDezimeterOffset() const;
    int32_t GetKalibrierwert() const;
    ComparisonKeys GetComparisonKeys(int n) const;  // n from 1 to 4
    ExceedanceKeys GetExceedanceKeys() const;

    // The route sections as stored, one bracketed record each.
    std::string GetAbschnitte() const;
    void SetAbschnitte(const std::string& value);
    const RunStatistics& GetRunStatistics() const { return m_runStatistics; }
    // "%s|%s|%s" of mean speed, standard deviation and VarK.
    void SetRunStatistics(const std::string& value);

    const PageTexts& GetPageTexts() const { return m_pageTexts; }
    // Filled from the run's header text when the state has none.
    void SetHeaderData(const std::string& value);
    // A state that fails its identification loses the headline lines and
    // the star texts.
    void ClearIdentifiedTexts();
    // The document's four text lists, as stored.
    CTextListen::Values GetTextLists() const;
    void SetTextLists(const CTextListen::Values& values);

    // The run's own settings, loaded from the key table.
    const CEinstellungen& Settings() const { return m_settings; }
    // Copies the per-run keys into the block; absent keys give the defaults.
    void LoadSettingsFromKeys();
    // Sets a per-run key for each setting that differs from its default.
    void StoreSettingsInKeys(const CEinstellungen& settings);

    // Route sections over the evaluated range, decoded whenever the stored
    // sections or the range change: the first begins at the range's start,
    // each ends where the next begins, the last at the range's end; a section
    // that is not evaluated has no limit.
    void RebuildSectionCache();
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
    // The same lookup prepared once, for callers that ask for many stations
    // (the evaluation asks once per exceedance).
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
    LimitProfile GetLimitProfile(int32_t a, int32_t b) const;

  private:
    void Reset();
    void ApplyReadKeys();
    // Decodes the typed values that depend on the key.
    void KeyChanged(const std::string& key);
    void DecodePageTexts();
    void DecodeRunStatistics();

    CEinstellungen m_settings;
    int m_tpLevel = 1;
    std::string m_tpMaximum = "0.5";
    int m_lengthScale = 400;
    int m_roadSurface = 0;
    bool m_fileExisted = false;
    std::string m_filePath;
    std::map<std::string, std::string> m_keys;
    std::vector<ABSCHNITT> m_sectionCache;
    PageTexts m_pageTexts;
    RunStatistics m_runStatistics;
};

}  // namespace nivora
