#include "CliMessages.h"

#include <iostream>

#include "text/Cp1252.h"

namespace nivora::cli {

void PrintMessageLine(MessageIcon icon, const std::string& cp1252Text) {
    std::string line;
    for (char c : text::Cp1252ToUtf8(cp1252Text)) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    }
    std::cerr << IconName(icon) << ": " << line << '\n';
}

MessageAnswer CliMessageSink::Show(const std::string& text, MessageIcon icon,
                                   MessageButtons buttons) {
    PrintMessageLine(icon, text);
    m_shown.push_back({icon, text});
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

}  // namespace nivora::cli
