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

// Options of "render": those of the opening commands and the print job's.
struct RenderOptions : OpenOptions {
    enum class Format { Pdf, Png, Svg };
    enum class Paper { A4, A3 };
    static constexpr int kMaxDpi = 1200;

    std::string out;
    Format format = Format::Pdf;
    bool evaluation = false;
    int firstPage = 0;  // 1-based; 0: from the first page
    int lastPage = 0;   // 0: to the last page
    int strips = 0;     // 0: the stored setting
    bool grid = false;
    int dpi = 150;
    Paper paper = Paper::A4;
};
int ParseRenderOptions(const std::vector<std::string>& args, RenderOptions& options);

}  // namespace nivora::cli
