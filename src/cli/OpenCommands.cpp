// "open" and "report": the whole opening sequence of a document, as the
// desktop program runs it, then the document or its report lines.
#include <iostream>

#include "CliMessages.h"
#include "Commands.h"
#include "JsonRun.h"
#include "OpenDocument.h"
#include "PosixLimits.h"
#include "QtSettingsStore.h"
#include "Usage.h"
#include "document/NivoraDoc.h"
#include "evaluation/DocumentEvaluation.h"
#include "platform/SettingsStore.h"
#include "text/Cp1252.h"
#include "view/Paging.h"

namespace nivora::cli {
namespace {

// The first-load dialog answered from the command line.
class OptionDialog final : public IFirstLoadDialog {
  public:
    explicit OptionDialog(FirstLoadAnswer a) : m_answer(std::move(a)) {}
    FirstLoadAnswer Ask(int32_t, int32_t) override { return m_answer; }

  private:
    FirstLoadAnswer m_answer;
};

// The application settings' store: an INI file when given, else the user's
// store; null when the INI file cannot be read.
std::unique_ptr<ISettingsStore> OpenSettingsStore(const OpenOptions& o) {
    if (!o.settingsFile.empty()) {
        auto store = std::make_unique<IniSettingsStore>();
        if (!store->Load(o.settingsFile)) {
            std::cerr << "nivora-cli: Einstellungsdatei kann nicht gelesen werden: "
                      << o.settingsFile << "\n";
            return nullptr;
        }
        return store;
    }
    return std::make_unique<qt::QtSettingsStore>();
}

Json RunJson(const CMessFahrtDaten& run) {
    Json j;
    j["format"] = run.formatCode;
    j["loaded"] = run.IsLoaded();
    j["incomplete"] = run.IsIncomplete();
    j["limit"] = run.GetLimit();
    j["header_text"] = Text(run.headerText);
    j["fields"] = Fields(run);
    j["ascending"] = run.IsAscending();
    j["range"] = Json::array({run.RangeStart(), run.RangeEnd()});
    j["correction"] = run.Correction();
    j["kilometrage_offset"] = run.KilometrageOffset();
    j["samples"] = SampleList(run.RawSamples());
    j["working"] = SampleList(run.WorkingSamples());
    return j;
}

Json TextList(const std::vector<TEXTDATEN>& texts) {
    Json list = Json::array();
    for (const auto& t : texts)
        list.push_back({{"station", t.station},
                        {"file_station", t.fileStation},
                        {"text", Text(t.text)},
                        {"colour", t.colour}});
    return list;
}

Json DocumentJson(const std::string& path, const Opened& o) {
    const CNivoraDoc& doc = o.doc;
    const CZi4Verwaltung& z = doc.State();
    Json j;
    j["path"] = path;
    j["state_file"] = CNivoraDoc::StatePathFor(path);
    j["state_existed"] = !doc.IsEmpty() && z.FileExisted();
    j["first_load_dialog"] = doc.FirstLoadDialogShown();
    j["messages"] = Messages(o.messages.Shown());
    j["run"] = RunJson(doc.Run());
    Json keys = Json::object();
    for (const auto& [k, v] : z.Keys()) keys[text::Cp1252ToUtf8(k)] = Text(v);
    j["keys"] = keys;
    Json sections = Json::array();
    for (const ABSCHNITT& s : z.SectionCache())
        sections.push_back({{"from", s.from},
                            {"to", s.to},
                            {"width", s.width},
                            {"limit", s.limit},
                            {"value3", s.value3},
                            {"factor_k", Speed(s.FactorK())},
                            {"unit_price", Speed(s.UnitPrice())},
                            {"evaluate", s.evaluate},
                            {"road_surface", Text(s.roadSurface)},
                            {"mean_speed", Text(s.meanSpeed)},
                            {"std_dev", Text(s.stdDev)},
                            {"vark", Text(s.vark)}});
    j["sections"] = sections;
    Json exceedances = Json::array();
    for (const UEBERSCHREITUNG& u : doc.Exceedances().Records())
        exceedances.push_back({{"station", u.station},
                               {"value", u.value},
                               {"p", u.p},
                               {"p2", u.pSquared},
                               {"number", u.number},
                               {"counted", u.counted},
                               {"speed", Speed(u.speed)}});
    j["exceedances"] = exceedances;
    Json remarks = Json::object();
    for (const auto& [k, v] : doc.Exceedances().Remarks()) remarks[text::Cp1252ToUtf8(k)] = Text(v);
    j["remarks"] = remarks;
    j["currency"] = Text(doc.Exceedances().GetCurrency());
    j["star_texts"] = TextList(doc.Texts().StarTexts());
    j["free_texts"] = TextList(doc.Texts().FreeTexts());
    Json areaTexts = Json::array();
    for (const auto& t : doc.Texts().AreaTexts())
        areaTexts.push_back(
            {{"from", t.from}, {"to", t.to}, {"text", Text(t.text)}, {"colour", t.colour}});
    j["area_texts"] = areaTexts;
    Json areas = Json::array();
    for (const auto& a : doc.Texts().ExcludedAreas())
        areas.push_back({{"from", a.from}, {"to", a.to}, {"text", Text(a.text)}});
    j["excluded_areas"] = areas;
    Json comparison = Json::array();
    for (int n = 1; n <= CNivoraDoc::kComparisonRuns; ++n) {
        const CMessFahrtDaten& c = doc.ComparisonRun(n);
        comparison.push_back({{"loaded", c.IsLoaded()},
                              {"samples", c.RawSamples().size()},
                              {"offset", Speed(c.comparisonOffset)},
                              {"reverse", c.reverseOrder}});
    }
    j["comparison_runs"] = comparison;
    Paging paging;
    paging.stripsPerPage = 3;
    ComputePages(doc.Run(), z.GetLengthScale(), paging);
    j["paging"] = {{"scale", paging.scale},
                   {"strip_length", paging.stripLength},
                   {"first_page_start", paging.firstPageStart},
                   {"strip_count", paging.stripCount},
                   {"strips_per_page", paging.stripsPerPage},
                   {"page_count", paging.pageCount}};
    return j;
}

}  // namespace

int OpenDocument(const OpenOptions& options, Opened& o) {
    DocumentServices services;
    o.settings = OpenSettingsStore(options);
    if (!o.settings) return 2;
    services.appSettings.ReadFromStore(*o.settings);
    services.messages = &o.messages;
    services.maxFileBytes = posix::MaxMeasurementFileBytes();
    services.adviseLargeBlock = posix::AdviseHugePages;
    OptionDialog dialog({options.mirror, options.kilometrage});
    services.firstLoad = &dialog;
    o.result = o.doc.OpenFile(options.path, services);
    return o.result == CNivoraDoc::OpenResult::Opened ? 0 : 1;
}

int RunOpen(const std::vector<std::string>& args) {
    OpenOptions options;
    if (const int status = ParseOpenOptions(args, "open", options); status >= 0) return status;
    Opened o;
    const int status = OpenDocument(options, o);
    if (status != 0) {
        PrintJson(Json{{"path", options.path}, {"messages", Messages(o.messages.Shown())}});
        return status;
    }
    PrintJson(DocumentJson(options.path, o));
    return 0;
}

int RunReport(const std::vector<std::string>& args) {
    OpenOptions options;
    if (const int status = ParseOpenOptions(args, "report", options); status >= 0) return status;
    Opened o;
    if (const int status = OpenDocument(options, o); status != 0) return status;
    CAuswertungsSeiten pages;
    BuildEvaluation(o.doc, pages);
    std::string out;
    for (const auto& line : pages.Lines()) out += text::Cp1252ToUtf8(line) + "\n";
    std::cout << out;
    return 0;
}

}  // namespace nivora::cli
