#include "QtText.h"

#include "text/Cp1252.h"

namespace nivora::qt {

QString FromCp1252(std::string_view bytes) {
    QString s;
    s.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        s.append(
            QChar(static_cast<char16_t>(text::Cp1252CodePoint(static_cast<unsigned char>(c)))));
    return s;
}

std::string ToCp1252(const QString& text) { return nivora::text::Utf8ToCp1252(text.toStdString()); }

}  // namespace nivora::qt
