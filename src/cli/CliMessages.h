#pragma once
#include <string>
#include <vector>

#include "platform/MessageSink.h"

namespace nivora::cli {

struct ShownMessage {
    MessageIcon icon;
    std::string text;  // Windows-1252
};

// Prints every message box to standard error as "ICON: TEXT" and keeps it for
// the JSON output. Questions get their default answer.
class CliMessageSink final : public IMessageSink {
  public:
    MessageAnswer Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override;
    const std::vector<ShownMessage>& Shown() const { return m_shown; }

  private:
    std::vector<ShownMessage> m_shown;
};

// One stderr line for a message; the text stays out of the JSON list.
void PrintMessageLine(MessageIcon icon, const std::string& cp1252Text);

}  // namespace nivora::cli
