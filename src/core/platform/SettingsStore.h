#pragma once
// The user's settings store: sections with text and integer entries. The
// desktop program backs it with QSettings, the command-line program with an
// INI file or the same QSettings; tests use the in-memory store.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace nivora {

class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    // Empty when the entry is missing; texts are Windows-1252.
    virtual std::optional<std::string> ReadText(const std::string& section,
                                                const std::string& entry) const = 0;
    // Empty when the entry is missing or does not hold an integer.
    virtual std::optional<int32_t> ReadInt(const std::string& section,
                                           const std::string& entry) const = 0;
    virtual void WriteText(const std::string& section, const std::string& entry,
                           const std::string& value) = 0;
    virtual void WriteInt(const std::string& section, const std::string& entry, int32_t value) = 0;
    // Removes a section with everything below it.
    virtual void DeleteKey(const std::string& section) = 0;
};

// An integer read from a settings text like strtol: leading white space, an
// optional sign, then digits up to the first other character, saturated at
// the 32-bit range. A text without a digit there is no integer.
std::optional<int32_t> ParseStoredInt(const std::string& text);

class MemorySettingsStore : public ISettingsStore {
  public:
    std::optional<std::string> ReadText(const std::string& section,
                                        const std::string& entry) const override;
    std::optional<int32_t> ReadInt(const std::string& section,
                                   const std::string& entry) const override;
    void WriteText(const std::string& section, const std::string& entry,
                   const std::string& value) override;
    void WriteInt(const std::string& section, const std::string& entry, int32_t value) override;
    void DeleteKey(const std::string& section) override;

  private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

// Reads an INI file ("[Section]" lines, "Entry=value" lines) once. Writes
// stay in memory: the file is never changed.
class IniSettingsStore final : public MemorySettingsStore {
  public:
    // False when the file cannot be read (the store is then empty).
    bool Load(const std::string& path);
    void LoadText(const std::string& content);
};

}  // namespace nivora
