#include "platform/MessageSink.h"

namespace nivora {

const char* IconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return "warning";
        case MessageIcon::Error:
            return "error";
        case MessageIcon::Stop:
            return "stop";
        case MessageIcon::Information:
            return "information";
    }
    return "information";
}

}  // namespace nivora
