#pragma once
// --print and --print-to: the diagram pages of one file, printed without a
// window and without asking anybody. Messages go to standard error.
#include <QString>

#include "platform/MessageSink.h"

namespace nivora::app {

struct AppContext;

// Writes every message as one German text on standard error.
class StderrMessageSink final : public IMessageSink {
  public:
    MessageAnswer Show(const std::string& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok) override;
};

// Prints the diagram pages of path on the default printer, on the printer
// named target, or into the PDF target ends in ".pdf". A run without state
// file is taken as the first-load dialog confirmed unchanged would leave it.
// Returns the exit status: 0 when at least one page was printed, 1 otherwise.
int PrintUnattended(AppContext& context, const QString& path, const QString& target);

}  // namespace nivora::app
