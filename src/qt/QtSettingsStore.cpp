#include "QtSettingsStore.h"

#include "QtText.h"

namespace nivora::qt {
namespace {

QString KeyOf(const std::string& section, const std::string& entry) {
    return FromCp1252(section) + QLatin1Char('/') + FromCp1252(entry);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(kOrganisation, kApplication)) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsStore::ReadText(const std::string& section,
                                                     const std::string& entry) const {
    const QVariant v = m_settings->value(KeyOf(section, entry));
    if (!v.isValid()) return std::nullopt;
    // An INI value with unquoted commas comes back as a list; toString() would
    // give an empty text.
    if (v.userType() == QMetaType::QStringList)
        return ToCp1252(v.toStringList().join(QLatin1Char(',')));
    return ToCp1252(v.toString());
}

std::optional<int32_t> QtSettingsStore::ReadInt(const std::string& section,
                                                const std::string& entry) const {
    const auto t = ReadText(section, entry);
    return t ? ParseStoredInt(*t) : std::nullopt;
}

void QtSettingsStore::WriteText(const std::string& section, const std::string& entry,
                                const std::string& value) {
    m_settings->setValue(KeyOf(section, entry), FromCp1252(value));
}

void QtSettingsStore::WriteInt(const std::string& section, const std::string& entry,
                               int32_t value) {
    m_settings->setValue(KeyOf(section, entry), value);
}

void QtSettingsStore::DeleteKey(const std::string& section) {
    m_settings->remove(FromCp1252(section));
}

}  // namespace nivora::qt
