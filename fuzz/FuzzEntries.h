#pragma once
// The work of each fuzz target, shared with the test suite, which replays
// the kept regression inputs through the same functions.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "measurement/MessFahrtDaten.h"
#include "platform/MessageSink.h"

namespace nivora::fuzz {

// Separates the measurement file from the side file of the limit-value list.
constexpr std::string_view kSideFileMark = "\n@@PGC@@\n";

// The reader chain with format detection on raw file bytes.
inline void FuzzReaders(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto mark = input.find(kSideFileMark);
    const std::string file(input.substr(0, mark));
    const std::optional<std::string> side =
        mark == std::string_view::npos
            ? std::nullopt
            : std::optional<std::string>(input.substr(mark + kSideFileMark.size()));
    SilentMessageSink sink;
    ReadContext ctx;
    ctx.messages = &sink;
    ctx.readSideFile = [&side](const std::string&) { return side; };
    CMessFahrtDaten run;
    run.Load(file, "fuzz.txt", ctx);
    run.kilometrage = "100;1";
    run.reverseOrder = size % 2 == 0;
    run.ApplyKilometrage();
    run.SetRange(run.RangeStart(), run.RangeEnd());
    run.SetCorrection(-5);
    run.ShiftStations(7);
    (void)run.GetRawText();
}

}  // namespace nivora::fuzz

#include "document/NivoraDoc.h"
#include "evaluation/AuswertungsSeiten.h"
#include "evaluation/DocumentEvaluation.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora::fuzz {

// A small fixed run: two sections' worth of samples with widths, limits,
// speeds and remarks.
inline const std::string& FixedRun() {
    static const std::string run = [] {
        std::string s =
            "Datum: 14.05.2024 Zeit: 09:12:33\r\nPruefer: Haag\r\nStrasse: K 7031\r\nx\r\nx\r\n"
            "Station;H\xF6he;Geschw;Kommentar;Breite;Grenze\r\n";
        for (int i = 0; i < 60; ++i)
            s += std::to_string(i * 5) + ";" + std::to_string(i % 9) + ",5;4." +
                 std::to_string(i % 10) + ";" + (i % 7 == 0 ? "Riss" : "") + ";" +
                 (i < 30 ? "3,50" : "3,75") + ";4,0\r\n";
        return s;
    }();
    return run;
}

// The state file through the whole opening sequence of a document, then the
// report lines built from it. Files the state names are never read.
inline void FuzzStateFile(const uint8_t* data, std::size_t size) {
    const std::string state(reinterpret_cast<const char*>(data), size);
    SilentMessageSink sink;
    DocumentServices services;
    services.messages = &sink;
    services.readFile = [&state](const std::string& path) -> std::optional<std::string> {
        if (path == "fuzz.csv.zi4") return state;
        return std::nullopt;
    };
    CNivoraDoc doc;
    doc.LoadFromFile(FixedRun(), "fuzz.csv", services);
    CAuswertungsSeiten pages;
    BuildEvaluation(doc, pages);
    doc.State().GetLimitProfile(0, 150);
    doc.State().FindSectionAt(100);
    doc.DiscardContents();
}

// The evaluation of fuzzed exceedances, one per line written like a report
// row ("<<<station|p|p²|remark¿flag|counted||speed>>>"), and its report lines.
inline void FuzzReportLines(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<EvaluationExceedance> exceedances;
    std::size_t pos = 0;
    while (pos <= input.size() && exceedances.size() < 4096) {
        auto end = input.find('\n', pos);
        if (end == std::string_view::npos) end = input.size();
        const std::string fields = text::GetBetween(input.substr(pos, end - pos), "<<<", ">>>", 0);
        pos = end + 1;
        EvaluationExceedance e;
        e.stationDm = text::ToInt(text::GetCharField(fields, '|', 0));
        e.pMm = text::ToInt(text::GetCharField(fields, '|', 1));
        e.pSquaredMm2 = text::ToInt(text::GetCharField(fields, '|', 2));
        const std::string remark = text::GetCharField(fields, '|', 3);
        const auto sep = remark.find('\xBF');
        e.remark = remark.substr(0, sep);
        if (sep != std::string::npos) e.printFlag = remark.substr(sep + 1);
        e.counted = text::GetCharField(fields, '|', 4) == "1";
        e.speedKmh = text::ReadNumber(text::GetCharField(fields, '|', 6));
        exceedances.push_back(std::move(e));
    }
    AuswertungsEingabe in;
    auto section = [](int32_t from, int32_t to, int32_t width, int32_t limit, const char* price,
                      bool evaluate) {
        ABSCHNITT s;
        s.from = from;
        s.to = to;
        s.width = width;
        s.limit = limit;
        s.factorK = "0.6";
        s.unitPrice = price;
        s.evaluate = evaluate;
        return s;
    };
    in.sections = {section(0, 500, 350, 40, "12.5", true), section(500, 200, 325, 45, "14", false)};
    in.sections[0].roadSurface = "AC 11 D S";
    in.sections[0].meanSpeed = "4.5";
    in.sections[0].vark = "10.1";
    in.sectionNumberAndWidth = [](int32_t s) {
        return s < 500 ? std::pair<int, int>{1, 350} : std::pair<int, int>{2, 325};
    };
    in.excludedAreas = {{100, 150, "Fuge"}};
    CAuswertungsSeiten pages;
    pages.Build(in, exceedances);
    for (const EvaluationPage& page : pages.Pages())
        for (const EvaluationRow& row : page.rows) (void)row.Height();
}

}  // namespace nivora::fuzz
