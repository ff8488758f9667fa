#pragma once
#include <optional>
#include <string>

namespace nivora {

// The whole content of a regular file; empty when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// As ReadFileBytes; where the exact name does not exist, a file in the same
// folder whose name differs only in letter case is taken (the files come from
// a platform that ignores case). The exact name is preferred.
std::optional<std::string> ReadFileIgnoringCase(const std::string& path);

}  // namespace nivora
