#include "QtModuleLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "QtModule.h"

namespace nivora::cli {
namespace {

namespace fs = std::filesystem;

// Next to the program in the build tree, else where the package installs it.
// Found from the program's own path only, never from the current directory or
// the library search path, so that no stranger's file is loaded.
fs::path ModulePath(const fs::path& program) {
    const fs::path dir = program.parent_path();
    const fs::path beside = dir / NIVORA_CLI_MODULE_FILE;
    std::error_code ec;
    if (fs::exists(beside, ec)) return beside;
    return (dir / NIVORA_CLI_MODULE_DIR / NIVORA_CLI_MODULE_FILE).lexically_normal();
}

int CannotLoad(const std::string& command, const std::string& what, const std::string& reason) {
    std::cerr << "nivora-cli " << command << ": Programmteil " << what
              << " kann nicht geladen werden: " << reason << "\n";
    return 1;
}

}  // namespace

int RunInQtModule(const std::string& command, const std::vector<std::string>& args) {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return CannotLoad(command, NIVORA_CLI_MODULE_FILE, "/proc/self/exe: " + ec.message());
    const std::string path = ModulePath(program).string();
    // Never closed: Qt's objects live until the process ends.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return CannotLoad(command, path, dlerror());
    using Entry = decltype(&nivora_cli_qt_run);
    const auto entry = reinterpret_cast<Entry>(dlsym(module, NIVORA_CLI_MODULE_ENTRY));
    if (!entry) return CannotLoad(command, path, dlerror());

    std::vector<const char*> argv{command.c_str()};
    for (const auto& a : args) argv.push_back(a.c_str());
    return entry(static_cast<int>(argv.size()), argv.data());
}

}  // namespace nivora::cli
