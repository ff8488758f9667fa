// "info" and "read": a measurement file through format detection and the
// readers, without state file or adjustments.
#include <iostream>

#include "CliMessages.h"
#include "Commands.h"
#include "JsonRun.h"
#include "PosixLimits.h"
#include "Usage.h"
#include "measurement/FormatNames.h"
#include "measurement/KopfdatenLeser.h"
#include "platform/FileSystem.h"
#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora::cli {
namespace {

const char* const kOpenFailed =
    "Fehler beim \xD6"
    "ffnen des Dokuments.";
const char* const kUnexpectedFormat = "Unerwartetes Dateiformat.";

struct ReadOutcome {
    CMessFahrtDaten run;
    CliMessageSink messages;
    bool opened = false;
};

void ReadRun(const std::string& path, ReadOutcome& out) {
    const std::uintmax_t maxBytes = CMessFahrtDaten::LargestFile(posix::MaxMeasurementFileBytes());
    if (const auto size = FileLargerThan(path, maxBytes)) {
        PrintMessageLine(MessageIcon::Warning, FileTooLargeMessage(*size, maxBytes));
        return;
    }
    auto bytes = ReadFileBytes(path, posix::AdviseHugePages);
    if (!bytes) {
        PrintMessageLine(MessageIcon::Error, kOpenFailed);
        return;
    }
    out.opened = true;
    ReadContext context;
    context.messages = &out.messages;
    context.adviseLargeBlock = posix::AdviseHugePages;
    out.run.Load(std::move(*bytes), path, context);
    if (!out.run.IsLoaded()) PrintMessageLine(MessageIcon::Warning, kUnexpectedFormat);
}

std::string Metres(int32_t station) {
    std::string t = text::FormatDecimal(station / 10.0, 1);
    text::ReplaceText(t, ".", ",", false);
    return t + " m";
}

std::string Millimetres(int32_t tenths) {
    std::string t = text::FormatTenths(tenths);
    text::ReplaceText(t, ".", ",", false);
    return t + " mm";
}

}  // namespace

int RunRead(const std::vector<std::string>& args) {
    std::string path;
    if (const int status = ParseFileOnly(args, "read", path); status >= 0) return status;
    ReadOutcome r;
    ReadRun(path, r);
    const CMessFahrtDaten& run = r.run;
    Json j;
    j["path"] = path;
    j["loaded"] = run.IsLoaded();
    j["format"] = run.formatCode;
    j["incomplete"] = run.IsIncomplete();
    j["limit"] = run.GetLimit();
    j["header_text"] = Text(run.headerText);
    j["fields"] = Fields(run);
    j["range"] = Json::array({run.RangeStart(), run.RangeEnd()});
    j["samples"] = SampleList(run.RawSamples());
    j["lines"] = Lines(run);
    j["messages"] = Messages(r.messages.Shown());
    PrintJson(j);
    return run.IsLoaded() ? 0 : 1;
}

int RunInfo(const std::vector<std::string>& args) {
    std::string path;
    if (const int status = ParseFileOnly(args, "info", path); status >= 0) return status;
    // The run is left to the end of the process, which takes its memory back
    // at once; taking a long run apart sample by sample would only cost time.
    static ReadOutcome* kept = nullptr;
    kept = new ReadOutcome;
    ReadOutcome& r = *kept;
    ReadRun(path, r);
    if (!r.run.IsLoaded()) return 1;
    const CMessFahrtDaten& run = r.run;

    std::string s;
    auto line = [&s](const std::string& label, const std::string& value) {
        s += label;
        s += ": ";
        s += value;
        s += '\n';
    };
    line("Datei", text::Utf8ToCp1252(path));
    line("Format", std::to_string(run.formatCode) + " (" + FormatName(run.formatCode) + ")");
    line("Messwerte", std::to_string(run.RawSamples().size()));
    line("Erste Station", Metres(run.FirstRawStation()));
    line("Letzte Station", Metres(run.LastRawStation()));
    const long long length = static_cast<long long>(run.LastRawStation()) - run.FirstRawStation();
    line(text::W("Länge"), Metres(nivora::text::ClampToInt(length < 0 ? -length : length)));
    line("Grenzwert", Millimetres(run.GetLimit()));
    line(text::W("Unvollständig"), run.IsIncomplete() ? "ja (Endemarke fehlt)" : "nein");

    const KopfFelder& f = run.fields;
    const std::pair<const char*, const std::string*> named[] = {
        {"Messung Nr.", &f.number},
        {"Datum", &f.date},
        {"Dienststelle", &f.office},
        {"Abteilung", &f.department},
        {"Pr\xFC"
         "fer",
         &f.inspector},
        {"Str.-Typ", &f.roadType},
        {"Str.-Nr.", &f.roadNumber},
        {"Stra\xDF"
         "e",
         &f.street},
        {"Start-Km", &f.startKm},
    };
    for (const auto& [label, value] : named)
        if (!value->empty()) line(label, *value);

    if (!run.headerText.empty()) {
        s += "Kopfdaten:\n";
        int entries = text::CountFields(run.headerText, '\xBF');
        if (run.headerText.back() == '\xBF') --entries;
        CKopfdatenLeser reader(run.headerText);
        for (int i = 0; i < entries; ++i) {
            const auto e = reader.Next();
            s += "  ";
            if (!e.label.empty()) s += e.label + (e.label.back() == ':' ? " " : ": ");
            s += e.value + '\n';
        }
    }
    std::cout << text::Cp1252ToUtf8(s);
    return 0;
}

}  // namespace nivora::cli
