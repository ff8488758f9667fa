#include "document/NivoraDoc.h"

#include "document/Abschnitt.h"
#include "document/ComparisonPath.h"
#include "platform/FileSystem.h"
#include "platform/MessageSink.h"
#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

void Show(const DocumentServices& s, const std::string& text, MessageIcon icon) {
    if (s.messages) s.messages->Show(text, icon, MessageButtons::Ok);
}

std::string Metres(double dm) { return text::FormatFixed(dm / 10.0, 1); }

}  // namespace

std::string CNivoraDoc::IncompleteRunMessage(int32_t rangeStart, int32_t rangeEnd) {
    const long long length = static_cast<long long>(rangeEnd) - rangeStart;
    return text::W("Achtung!\n\n") +
           text::W("Die Messreihe ist eventuell unvollständig bzw. wurde abgebrochen.\n") +
           text::W("Es stehen  ") + Metres(static_cast<double>(length < 0 ? -length : length)) +
           text::W(" m  Messwerte zur Verfügung, von Station  ") + Metres(rangeStart) + "  bis  " +
           Metres(rangeEnd) + ".";
}

std::string CNivoraDoc::InconsistentStateMessage(const std::string& statePath) {
    return "Fehler die Datei:\r\n  " + text::Utf8ToCp1252(statePath) +
           text::W(" enthält inkonsistente Daten.");
}

const CMessFahrtDaten& CNivoraDoc::ComparisonRun(int n) const {
    return m_comparison[static_cast<std::size_t>(n >= 1 && n <= kComparisonRuns ? n - 1 : 0)];
}

CMessFahrtDaten& CNivoraDoc::ComparisonRun(int n) {
    return m_comparison[static_cast<std::size_t>(n >= 1 && n <= kComparisonRuns ? n - 1 : 0)];
}

CNivoraDoc::OpenResult CNivoraDoc::OpenFile(const std::string& path,
                                            const DocumentServices& services) {
    // Reading needs several times the file's size; a file that the memory
    // cannot hold is refused before it is read.
    const std::uintmax_t largest = CMessFahrtDaten::LargestFile(services.maxFileBytes);
    if (const auto size = FileLargerThan(path, largest)) {
        Show(services, FileTooLargeMessage(*size, largest), MessageIcon::Warning);
        return OpenResult::Failed;
    }
    auto bytes = ReadFileBytes(path, services.adviseLargeBlock);
    if (!bytes) {
        Show(services, text::W("Fehler beim Öffnen des Dokuments."), MessageIcon::Warning);
        return OpenResult::Failed;
    }
    DiscardContents();
    if (bytes->empty()) {
        // An empty file is not read at all: no run data, no state file.
        m_filePath = path;
        m_empty = true;
        return OpenResult::Opened;
    }
    if (!LoadFromFile(std::move(*bytes), path, services)) {
        Show(services, "Unerwartetes Dateiformat.", MessageIcon::Warning);
        DiscardContents();
        return OpenResult::Refused;
    }
    return OpenResult::Opened;
}

bool CNivoraDoc::LoadFromFile(std::string bytes, const std::string& path,
                              const DocumentServices& services) {
    m_empty = false;
    m_firstLoadShown = false;
    if (services.wait) services.wait->Show("Moment bitte ...");
    struct CloseWait {
        IWaitWindow* w;
        ~CloseWait() {
            if (w) w->Close();
        }
    } closeWait{services.wait};

    m_state.ReadFile(StatePathFor(path), services.appSettings, services.readFile);
    // Settled once here, so that paging, strips, headers and evaluation pages
    // all show the scale the strips are drawn at.
    if (!CZi4Verwaltung::IsSupportedLengthScale(m_state.GetLengthScale()))
        m_state.SetLengthScale(400);
    ReadContext context;
    context.messages = services.messages;
    context.readSideFile = services.readFile;
    context.adviseLargeBlock = services.adviseLargeBlock;
    m_run.Load(std::move(bytes), path, context);
    if (!m_run.IsLoaded()) return false;

    if (!m_state.FileExisted()) {
        m_firstLoadShown = true;
        AcceptingFirstLoadDialog accept;
        IFirstLoadDialog& dialog = services.firstLoad ? *services.firstLoad : accept;
        const FirstLoadAnswer answer = dialog.Ask(m_run.RangeStart(), m_run.RangeEnd());
        if (answer.mirror) m_state.SetSpiegeln(true);
        if (!answer.kilometrage.empty()) m_state.SetKilometrage(answer.kilometrage);
    }

    m_run.reverseOrder = m_state.GetSpiegeln();
    m_run.kilometrage = m_state.GetKilometrage();
    m_run.ApplyKilometrage();

    if (!m_state.FileExisted() && m_run.IsIncomplete())
        Show(services, IncompleteRunMessage(m_run.RangeStart(), m_run.RangeEnd()),
             MessageIcon::Warning);

    ApplyEvaluatedRange();

    int32_t von = 0, bis = 0;
    m_state.GetManuVonBis(von, bis);
    const SectionsAtOpening sections =
        ComputeSectionsAtOpening(m_run, m_state.GetAbschnitte(), von, bis);
    m_state.SetAbschnitte(sections.abschnitte);
    if (sections.statgesChanged) m_state.SetRunStatistics(sections.statges);

    m_run.ShiftStations(m_state.GetDezimeterOffset());
    if (m_state.GetPageTexts().headerData.empty() && !m_run.headerText.empty())
        m_state.SetHeaderData(m_run.headerText);
    m_run.SetCorrection(m_state.GetKalibrierwert());

    if (!m_state.CheckIdentification()) {
        const std::string message = InconsistentStateMessage(m_state.GetFilePath());
        m_state.ClearIdentifiedTexts();
        Show(services, message, MessageIcon::Error);
    }

    LoadComparisonRuns(services);
    const CTextListen::Values lists = m_state.GetTextLists();
    m_texts.Load(m_run, lists.sterntexte, lists.freietexte, lists.bereichstexte,
                 lists.bereichOhneErkennung);

    m_filePath = path;
    const auto slash = path.find_last_of("/\\");
    m_fileName = slash == std::string::npos ? path : path.substr(slash + 1);

    const ExceedanceKeys exceedances = m_state.GetExceedanceKeys();
    m_exceedances.Load(m_run.IsAscending(), exceedances.records, exceedances.parameters,
                       exceedances.remarks, services.appSettings.waerung);
    return true;
}

void CNivoraDoc::ApplyEvaluatedRange() {
    int32_t von = 0, bis = 0;
    m_state.GetManuVonBis(von, bis);
    const int32_t start = m_run.RangeStart(), end = m_run.RangeEnd();
    if (von == -1 && bis == -1) {
        von = start;
        bis = end;
        m_state.SetManuVonBis(von, bis);
    }
    // The full edition stored the last sample's station; the range ends one past it.
    if (von < bis) {
        if (bis == text::SatSub(end, 1)) m_state.SetManuVonBis(von, end);
    } else if (von == text::SatSub(start, 1)) {
        m_state.SetManuVonBis(start, bis);
    }
    m_state.GetManuVonBis(von, bis);
    m_run.SetRange(von, bis);
}

void CNivoraDoc::LoadComparisonRuns(const DocumentServices& services) {
    const bool spiegeln = m_state.GetSpiegeln();
    for (int n = 1; n <= kComparisonRuns; ++n) {
        CMessFahrtDaten& run = m_comparison[static_cast<std::size_t>(n - 1)];
        run.ClearSamples();
        run.reverseOrder = false;
        const ComparisonKeys keys = m_state.GetComparisonKeys(n);
        const std::string& path = keys.path;
        run.comparisonOffset = text::ReadNumber(keys.offset);
        const bool mirror = keys.mirror;
        if (path.empty()) continue;
        auto bytes = services.readFile ? services.readFile(path)
                                       : ReadComparisonFile(path, m_run.FilePath());
        if (!bytes || bytes->size() > CMessFahrtDaten::LargestFile(services.maxFileBytes)) continue;
        ReadContext context;
        context.messages = services.messages;
        context.readSideFile = services.readFile;
        run.Load(std::move(*bytes), "", context);
        run.kilometrage = m_state.GetKilometrage();
        if (mirror != spiegeln) {
            run.ReverseRun();
            run.reverseOrder = !mirror;
        } else {
            run.reverseOrder = mirror;
        }
        run.ApplyKilometrage();
        run.ResetRange();
        run.RebuildSelection();
        if (!run.IsLoaded()) run.ClearSamples();
    }
}

void CNivoraDoc::DiscardContents() { m_state.SetTextLists(m_texts.Discard()); }

CAbschnitteDlg CNivoraDoc::SectionListDialog() const {
    int32_t from = 0, to = 0;
    m_state.GetManuVonBis(from, to);
    // The dialog is opened with the range in metres, as the view shows it.
    return CAbschnitteDlg(m_state.GetAbschnitte(), Metres(from), Metres(to));
}

void CNivoraDoc::ConfirmSectionList(const CAbschnitteDlg& dialog) {
    m_state.SetAbschnitte(dialog.AbschnitteOnOk());
    m_state.SetRunStatistics(dialog.StatgesOnOk(m_run));
}

}  // namespace nivora
