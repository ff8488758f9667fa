#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "QtModuleLoader.h"
#include "Usage.h"

int main(int argc, char** argv) {
    using namespace nivora::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage("", true);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h") {
        PrintUsage("", false);
        return 0;
    }
    if (command == "--version") {
        std::cout << "Nivora " NIVORA_VERSION_TEXT "\n";
        return 0;
    }
    if (command == "info") return RunInfo(args);
    if (command == "read") return RunRead(args);
    // Help and usage errors are answered here, without loading the module.
    if (command == "open" || command == "report") {
        OpenOptions options;
        if (const int status = ParseOpenOptions(args, command, options); status >= 0) return status;
        return RunInQtModule(command, args);
    }
    if (command == "render") {
        RenderOptions options;
        if (const int status = ParseRenderOptions(args, options); status >= 0) return status;
        return RunInQtModule(command, args);
    }
    std::cerr << "nivora-cli: unbekannter Befehl " << command << "\n";
    PrintUsage("", true);
    return 2;
}
