#include "measurement/SideFile.h"

#include "platform/FileSystem.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

std::string RemarkSideFilePath(const std::string& path) {
    if (path.size() < 4) return {};
    return path.substr(0, path.size() - 4) + ".PGC";
}

std::map<int32_t, std::string> ParseRemarkSideFile(std::string_view content) {
    std::map<int32_t, std::string> remarks;
    bool inTable = false;
    std::size_t pos = 0;
    while (pos < content.size()) {
        auto end = content.find('\n', pos);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!inTable) {
            inTable = line == "table";
            continue;
        }
        if (line == "/table") {
            inTable = false;
            continue;
        }
        const int fields = text::CountFields(line, '\t');
        if (fields < 5) continue;
        const std::string remark(text::Trim(text::GetCharField(line, '\t', fields - 1)));
        if (remark.empty()) continue;
        remarks[StationFromKm(text::ToDouble(text::GetCharField(line, '\t', 0)))] = remark;
    }
    return remarks;
}

std::map<int32_t, std::string> ReadRemarkSideFile(const std::string& path,
                                                  const ReadContext& context) {
    const std::string side = RemarkSideFilePath(path);
    if (side.empty()) return {};
    const auto content =
        context.readSideFile ? context.readSideFile(side) : ReadFileIgnoringCase(side);
    if (!content) return {};
    return ParseRemarkSideFile(*content);
}

}  // namespace nivora
