// The entry point of the module with the commands that need Qt.
#include <string>
#include <vector>

#include "Commands.h"
#include "QtModule.h"

extern "C" __attribute__((visibility("default"))) int nivora_cli_qt_run(int argc,
                                                                        const char* const* argv) {
    using namespace nivora::cli;
    if (argc < 1) return 2;
    const std::string command = argv[0];
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (command == "open") return RunOpen(args);
    if (command == "report") return RunReport(args);
    if (command == "render") return RunRender(args);
    return 2;
}
