#pragma once
// The document of one opened measurement run: the main run, four comparison
// runs, the state object and the lists built from it. Opening runs one fixed
// sequence; afterwards the document is only read. It never saves.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/AbschnittDialoge.h"
#include "document/Texte.h"
#include "document/UeberschreitungsListe.h"
#include "document/Vorabanpassungen.h"
#include "document/Zi4Verwaltung.h"
#include "measurement/MessFahrtDaten.h"
#include "platform/Einstellungen.h"

namespace nivora {

class IMessageSink;

// The last two clicked stations as texts, newest first.
class CFifo {
  public:
    void Push(const std::string& text) {
        m_entries[1] = std::move(m_entries[0]);
        m_entries[0] = text;
    }
    const std::string& Get(int i) const { return m_entries[i == 0 ? 0 : 1]; }

  private:
    std::array<std::string, 2> m_entries;
};

// The window "Moment bitte ..." while a run opens.
class IWaitWindow {
  public:
    virtual ~IWaitWindow() = default;
    virtual void Show(const std::string& text) = 0;
    virtual void Close() = 0;
};

// What the document needs from the program that opens it.
struct DocumentServices {
    IMessageSink* messages = nullptr;
    IFirstLoadDialog* firstLoad = nullptr;  // null: confirmed with OK, nothing changed
    IWaitWindow* wait = nullptr;
    CEinstellungen appSettings;  // the application's settings block
    // Reads the files next to the run (state file, comparison runs, remark
    // lists); null: the file system, names matched without regard to case.
    std::function<std::optional<std::string>(const std::string& path)> readFile;
    // Largest measurement file that is read (0: no limit).
    std::uintmax_t maxFileBytes = 0;
    // Advice for the large blocks of a long run; may be empty.
    LargeBlockAdvice adviseLargeBlock;
};

class CNivoraDoc {
  public:
    enum class OpenResult { Opened, Refused, Failed };
    static constexpr int kComparisonRuns = 4;

    // The framework's open: reads the file; a 0-byte file opens as an empty
    // document; a file that cannot be read or is refused shows its message.
    OpenResult OpenFile(const std::string& path, const DocumentServices& services);
    // The opening sequence on the file's bytes; false when no reader took it.
    bool LoadFromFile(std::string bytes, const std::string& path, const DocumentServices& services);
    void DiscardContents();
    void LoadComparisonRuns(const DocumentServices& services);

    // The route-section list dialog of this run, and its OK: the sections
    // stay as they were opened, the run's statistics leave out the samples
    // of sections that are not evaluated.
    CAbschnitteDlg SectionListDialog() const;
    void ConfirmSectionList(const CAbschnitteDlg& dialog);

    const CMessFahrtDaten& Run() const { return m_run; }
    CMessFahrtDaten& Run() { return m_run; }
    const CMessFahrtDaten& ComparisonRun(int n) const;  // n from 1 to 4
    CMessFahrtDaten& ComparisonRun(int n);
    const CZi4Verwaltung& State() const { return m_state; }
    CZi4Verwaltung& State() { return m_state; }
    const UeberschreitungsListe& Exceedances() const { return m_exceedances; }
    UeberschreitungsListe& Exceedances() { return m_exceedances; }
    const CTextListen& Texts() const { return m_texts; }
    CTextListen& Texts() { return m_texts; }
    CFifo& ClickedStations() { return m_clicked; }
    const CFifo& ClickedStations() const { return m_clicked; }
    const std::string& FileName() const { return m_fileName; }
    const std::string& FilePath() const { return m_filePath; }
    bool IsEmpty() const { return m_empty; }
    bool FirstLoadDialogShown() const { return m_firstLoadShown; }

    static std::string IncompleteRunMessage(int32_t rangeStart, int32_t rangeEnd);
    static std::string InconsistentStateMessage(const std::string& statePath);
    static std::string StatePathFor(const std::string& measurementPath) {
        return measurementPath + ".zi4";
    }

  private:
    void ApplyEvaluatedRange();

    CMessFahrtDaten m_run;
    std::array<CMessFahrtDaten, kComparisonRuns> m_comparison;
    CZi4Verwaltung m_state;
    CFifo m_clicked;
    UeberschreitungsListe m_exceedances;
    CTextListen m_texts;
    std::string m_fileName;
    std::string m_filePath;
    bool m_empty = true;
    bool m_firstLoadShown = false;
};

}  // namespace nivora
