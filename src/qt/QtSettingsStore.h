#pragma once
// The settings store on QSettings: the user's settings under the
// organisation "Morlant GmbH" and the application "Nivora".
#include <QSettings>
#include <memory>

#include "platform/SettingsStore.h"

namespace nivora::qt {

class QtSettingsStore final : public ISettingsStore {
  public:
    static constexpr const char* kOrganisation = "Morlant GmbH";
    static constexpr const char* kApplication = "Nivora";

    // The user's native store.
    QtSettingsStore();
    // An INI file (tests, portable set-ups).
    explicit QtSettingsStore(const QString& iniPath);

    std::optional<std::string> ReadText(const std::string& section,
                                        const std::string& entry) const override;
    std::optional<int32_t> ReadInt(const std::string& section,
                                   const std::string& entry) const override;
    void WriteText(const std::string& section, const std::string& entry,
                   const std::string& value) override;
    void WriteInt(const std::string& section, const std::string& entry, int32_t value) override;
    void DeleteKey(const std::string& section) override;

  private:
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace nivora::qt
