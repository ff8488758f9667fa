#pragma once
// The per-user data folder "Nivora4" with its file "recent.txt".
#include <filesystem>

namespace nivora {
class IMessageSink;
}

namespace nivora::app {

// Creates `base`/Nivora4 with its parents; a missing recent.txt is copied
// from `base`/Nivora3 (never replacing one) or created empty. A file that
// cannot be created is reported as "Fehler 3377"; start-up goes on.
// Returns the data folder.
std::filesystem::path PrepareDataFolder(const std::filesystem::path& base, IMessageSink& messages);

}  // namespace nivora::app
