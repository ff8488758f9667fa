#include "platform/SettingsStore.h"

#include "platform/FileSystem.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

std::optional<int32_t> ParseStoredInt(const std::string& t) {
    const std::string_view s = text::TrimLeft(t);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i == s.size() || s[i] < '0' || s[i] > '9') return std::nullopt;
    return text::ToInt(s);
}

std::optional<std::string> MemorySettingsStore::ReadText(const std::string& section,
                                                         const std::string& entry) const {
    const auto it = m_values.find({section, entry});
    if (it == m_values.end()) return std::nullopt;
    return it->second;
}

std::optional<int32_t> MemorySettingsStore::ReadInt(const std::string& section,
                                                    const std::string& entry) const {
    const auto t = ReadText(section, entry);
    return t ? ParseStoredInt(*t) : std::nullopt;
}

void MemorySettingsStore::WriteText(const std::string& section, const std::string& entry,
                                    const std::string& value) {
    m_values[{section, entry}] = value;
}

void MemorySettingsStore::WriteInt(const std::string& section, const std::string& entry,
                                   int32_t value) {
    m_values[{section, entry}] = std::to_string(value);
}

void MemorySettingsStore::DeleteKey(const std::string& section) {
    for (auto it = m_values.begin(); it != m_values.end();) {
        const std::string& s = it->first.first;
        const bool below =
            s == section ||
            (s.size() > section.size() && s.compare(0, section.size(), section) == 0 &&
             (s[section.size()] == '/' || s[section.size()] == '\\'));
        it = below ? m_values.erase(it) : std::next(it);
    }
}

bool IniSettingsStore::Load(const std::string& path) {
    const auto content = ReadFileBytes(path);
    if (!content) return false;
    LoadText(*content);
    return true;
}

void IniSettingsStore::LoadText(const std::string& content) {
    std::string section;
    std::size_t pos = 0;
    while (pos < content.size()) {
        auto end = content.find('\n', pos);
        if (end == std::string::npos) end = content.size();
        const std::string_view line = text::Trim(std::string_view(content).substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = std::string(line.substr(1, line.size() - 2));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        WriteText(section, std::string(text::Trim(line.substr(0, eq))),
                  std::string(text::Trim(line.substr(eq + 1))));
    }
}

}  // namespace nivora
