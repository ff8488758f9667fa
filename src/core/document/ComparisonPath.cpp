#include "document/ComparisonPath.h"

#include <algorithm>

#include "platform/FileSystem.h"

namespace nivora {

std::vector<std::string> ComparisonPathCandidates(const std::string& stored,
                                                  const std::string& measurementPath) {
    std::vector<std::string> candidates;
    if (stored.empty()) return candidates;
    auto add = [&candidates](std::string p) {
        if (!p.empty() && std::find(candidates.begin(), candidates.end(), p) == candidates.end())
            candidates.push_back(std::move(p));
    };
    add(stored);
    std::string slashed = stored;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    add(slashed);
    const auto nameStart = slashed.find_last_of('/');
    const std::string name =
        nameStart == std::string::npos ? slashed : slashed.substr(nameStart + 1);
    const auto dirEnd = measurementPath.find_last_of('/');
    if (!name.empty())
        add(dirEnd == std::string::npos ? name : measurementPath.substr(0, dirEnd + 1) + name);
    return candidates;
}

std::optional<std::string> ReadComparisonFile(const std::string& stored,
                                              const std::string& measurementPath) {
    for (const auto& candidate : ComparisonPathCandidates(stored, measurementPath))
        if (auto bytes = ReadFileIgnoringCase(candidate)) return bytes;
    return std::nullopt;
}

}  // namespace nivora
