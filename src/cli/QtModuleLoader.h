#pragma once
#include <string>
#include <vector>

namespace nivora::cli {

// Runs COMMAND in the Qt module; 1 with a message on standard error when the
// module cannot be loaded.
int RunInQtModule(const std::string& command, const std::vector<std::string>& args);

}  // namespace nivora::cli
