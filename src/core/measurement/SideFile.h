#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "measurement/MessFahrtDaten.h"

namespace nivora {

// The remark list next to a limit-value list: the measurement file's path
// with its last four characters replaced by ".PGC". Empty for a path that
// is shorter than four characters.
std::string RemarkSideFilePath(const std::string& measurementPath);

// Remarks by station (decimetres) from the tables of the side file.
std::map<int32_t, std::string> ParseRemarkSideFile(std::string_view content);
std::map<int32_t, std::string> ReadRemarkSideFile(const std::string& measurementPath,
                                                  const ReadContext& context);

}  // namespace nivora
