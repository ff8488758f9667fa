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
        mark == std::string_view::npos ? std::nullopt
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
