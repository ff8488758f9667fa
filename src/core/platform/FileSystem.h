#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/LargeBlocks.h"

namespace nivora {

// The whole content of a regular file; empty when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         const LargeBlockAdvice& advice = {});

// As ReadFileBytes; where the exact name does not exist, a file in the same
// folder whose name differs only in letter case is taken (the files come from
// a platform that ignores case). The exact name is preferred.
std::optional<std::string> ReadFileIgnoringCase(const std::string& path);

// Reading a run needs several times its file size in memory; a file larger
// than maxBytes (0: no limit) is refused before it is read. Returns the size
// of such a file.
std::optional<std::uintmax_t> FileLargerThan(const std::string& path, std::uintmax_t maxBytes);

// The German message for such a file.
std::string FileTooLargeMessage(std::uintmax_t size, std::uintmax_t maxBytes);

}  // namespace nivora
