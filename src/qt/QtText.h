#pragma once
// Conversion between the core's Windows-1252 text and Qt's Unicode strings.
#include <QString>
#include <string>
#include <string_view>

namespace nivora::qt {

QString FromCp1252(std::string_view bytes);
std::string ToCp1252(const QString& text);

}  // namespace nivora::qt
