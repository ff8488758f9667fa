#pragma once
#include <string>
#include <vector>

namespace nivora::cli {

// Prints the usage of a command (or of the program for an empty name).
void PrintUsage(const std::string& command, bool toStdErr);

// For commands that take one file and no options: sets path, or returns the
// exit status to end with (0 after --help, 2 for a usage error); -1 to go on.
int ParseFileOnly(const std::vector<std::string>& args, const std::string& command,
                  std::string& path);

// Options of the commands that open a document.
struct OpenOptions {
    std::string path;
    bool mirror = false;
    std::string kilometrage;
    std::string settingsFile;
};
int ParseOpenOptions(const std::vector<std::string>& args, const std::string& command,
                     OpenOptions& options);

}  // namespace nivora::cli
