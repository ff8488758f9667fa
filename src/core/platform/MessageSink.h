#pragma once
// How the core shows a message box. The desktop program shows a real box;
// the command-line program prints and lists the message.
#include <string>

namespace nivora {

enum class MessageIcon { Warning, Error, Stop, Information };

enum class MessageButtons { Ok, OkCancel, YesNo };

enum class MessageAnswer { Ok, Cancel, Yes, No };

class IMessageSink {
  public:
    virtual ~IMessageSink() = default;
    // text is Windows-1252; it may hold "\r\n" line breaks.
    virtual MessageAnswer Show(const std::string& text, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
};

// Answers every message with its default button and keeps nothing.
class SilentMessageSink final : public IMessageSink {
  public:
    MessageAnswer Show(const std::string&, MessageIcon, MessageButtons buttons) override {
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

const char* IconName(MessageIcon icon);

}  // namespace nivora
