#pragma once
#include <string>
#include <vector>

namespace nivora::cli {

// Each returns the process exit status: 0 read, 1 refused, 2 usage error.
int RunInfo(const std::vector<std::string>& args);
int RunRead(const std::vector<std::string>& args);
int RunOpen(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);

}  // namespace nivora::cli
