#pragma once
// The display logic of the two route-section dialogs, "Streckenabschnitte
// bearbeiten" (the list) and "Streckenabschnitt bearbeiten" (one section).
// In this edition they show the sections and change nothing.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "document/Abschnitt.h"

namespace nivora {

class CMessFahrtDaten;

class CAbschnitteDlg {
  public:
    enum class Align { Left, Right, Centre };
    struct Column {
        const char* heading;
        Align align;
        int width;
    };
    static constexpr const char* kSettingsEntry = "BreitenaendernDlg";
    static constexpr const char* kTitle = "Streckenabschnitte bearbeiten";
    static const std::vector<Column>& Columns();
    struct Button {
        int id;
        std::string caption;
        bool enabled;
    };
    // "Neu" is disabled; "Bearbeiten" opens the selected section; "Löschen"
    // is enabled but has no effect.
    static std::vector<Button> Buttons();

    // Opened with ABSCHNITTE and the two stations of MANUVONBIS as metres.
    CAbschnitteDlg(const std::string& abschnitte, const std::string& fromMetres,
                   const std::string& toMetres);

    int RowCount() const { return static_cast<int>(m_list.sections.size()); }
    std::array<std::string, 10> Row(int i) const;
    bool NewEnabled() const { return false; }
    // The text of the selected section for the section dialog; empty when
    // nothing is selected.
    std::string SectionText(int selected) const;
    // The section dialog treats the first section apart (its begin is fixed).
    static bool IsFirstSection(int selected) { return selected == 0; }

    // On OK: ABSCHNITTE stays as it was opened; STATGES is computed anew
    // without the samples of sections that are not evaluated.
    const std::string& AbschnitteOnOk() const { return m_abschnitte; }
    std::string StatgesOnOk(const CMessFahrtDaten& run) const;

  private:
    std::string m_abschnitte;
    AbschnittListe m_list;
};

class CAbschnittDlg {
  public:
    static constexpr uint32_t kHintColour = 0x00BF0000;  // RGB (0, 0, 191) as 0x00BBGGRR
    static constexpr const char* kTitle = "Streckenabschnitt bearbeiten";
    static std::string HintText();
    // The captions of the fields, by control id.
    static std::vector<std::pair<int, std::string>> Labels();
    static std::vector<std::string> RoadSurfaceEntries();  // "Standard", then entries 1 to 40

    // Opened with a section's text, whether it is the first section, the
    // run's road surface name and the two clicked stations (newest first).
    CAbschnittDlg(const std::string& sectionText, bool firstSection,
                  const std::string& runRoadSurface, const std::string& newestClick,
                  const std::string& olderClick);

    struct Fields {
        std::string begin, width, limit, factorK, unitPrice, roadSurface, meanSpeed, vark;
        bool evaluate = false;
    };
    const Fields& Values() const { return m_fields; }
    int RoadSurfaceSelection() const { return m_comboSelection; }
    bool BeginReadOnly() const { return m_first; }
    bool StationButtonsVisible() const { return !m_first; }
    std::string StationButtonText(int k) const;  // 0: newest, 1: older
    bool StationButtonEnabled(int k) const;
    // Takes a clicked station as begin and rewrites the numeric fields.
    void OnStationButton(int k);
    // Every input field and OK are disabled: the dialog only shows.
    bool InputsEnabled() const { return false; }
    bool OkEnabled() const { return false; }

  private:
    Fields m_fields;
    std::string m_value3;
    std::array<std::string, 2> m_clicks;
    int m_comboSelection = 0;
    bool m_first;
};

}  // namespace nivora
