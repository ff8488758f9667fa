#pragma once
#include <optional>
#include <string>
#include <vector>

namespace nivora {

// Reads the file of a comparison run. The full edition stores the path as it
// was on its own platform, often with backslashes and a drive letter, so the
// path is tried as given, then with "/" for "\", then as a file name in the
// measurement file's folder; names are matched without regard to letter case.
// Empty when the file cannot be read.
std::optional<std::string> ReadComparisonFile(const std::string& storedPath,
                                              const std::string& measurementPath);

// The candidate paths in the order they are tried.
std::vector<std::string> ComparisonPathCandidates(const std::string& storedPath,
                                                  const std::string& measurementPath);

}  // namespace nivora
