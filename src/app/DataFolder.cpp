#include "DataFolder.h"

#include <cerrno>
#include <cstdio>
#include <fstream>

#include "platform/MessageSink.h"
#include "text/Cp1252.h"

namespace nivora::app {

namespace fs = std::filesystem;

fs::path PrepareDataFolder(const fs::path& base, IMessageSink& messages) {
    const fs::path folder = base / "Nivora4";
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path recent = folder / "recent.txt";
    if (!fs::exists(recent, ec)) {
        const fs::path old = base / "Nivora3" / "recent.txt";
        if (fs::exists(old, ec)) fs::copy_file(old, recent, fs::copy_options::skip_existing, ec);
    }
    if (!fs::exists(recent, ec)) {
        errno = 0;
        std::ofstream created(recent, std::ios::binary | std::ios::app);
        if (!created) {
            const int error = errno;
            char code[32];
            std::snprintf(code, sizeof code, "%ld", static_cast<long>(error));
            messages.Show(text::Utf8ToCp1252("Fehler 3377:\nDie folgende Datei konnte nicht "
                                             "ge\xC3\xB6"
                                             "ffnet werden:\n") +
                              text::Utf8ToCp1252(recent.string()) + "\n\nGetLastError(): " + code,
                          MessageIcon::Error, MessageButtons::Ok);
        }
    }
    return folder;
}

}  // namespace nivora::app
