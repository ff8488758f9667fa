#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
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
    if (command == "open") return RunOpen(args);
    if (command == "report") return RunReport(args);
    if (command == "render") return RunRender(args);
    std::cerr << "nivora-cli: unbekannter Befehl " << command << "\n";
    PrintUsage("", true);
    return 2;
}
