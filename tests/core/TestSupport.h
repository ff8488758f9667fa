#pragma once
// Shared helpers for the core tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "measurement/MessFahrtDaten.h"
#include "platform/MessageSink.h"

namespace nivora::test {

// Records message boxes; a test that does not expect one fails on it.
class RecordingMessageSink final : public IMessageSink {
  public:
    struct Entry {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
    };
    MessageAnswer Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override {
        shown.push_back({text, icon, buttons});
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::vector<Entry> shown;
};

class StrictMessageSink final : public IMessageSink {
  public:
    MessageAnswer Show(const std::string& text, MessageIcon, MessageButtons) override {
        ADD_FAILURE() << "unexpected message: " << text;
        return MessageAnswer::Ok;
    }
};

// Reads bytes as a file at path; side files come from the given map only.
struct LoadedRun {
    CMessFahrtDaten run;
    RecordingMessageSink messages;
};

inline void LoadBytes(
    CMessFahrtDaten& run, const std::string& bytes, const std::string& path = "messung.txt",
    IMessageSink* sink = nullptr,
    std::function<std::optional<std::string>(const std::string&)> side = nullptr) {
    static StrictMessageSink strict;
    ReadContext ctx;
    ctx.messages = sink ? sink : &strict;
    ctx.readSideFile =
        side ? side : [](const std::string&) { return std::optional<std::string>(); };
    run.Load(bytes, path, ctx);
}

// Joins lines with CR LF.
inline std::string Crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

}  // namespace nivora::test
