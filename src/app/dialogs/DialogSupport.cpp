#include "dialogs/DialogSupport.h"

#include <QFontMetrics>
#include <QWidget>

#include "QtText.h"

namespace nivora::app {

QSize FromDialogUnits(const QWidget& widget, int x, int y) {
    const QFontMetrics metrics(widget.font());
    return {x * metrics.averageCharWidth() / 4, y * metrics.height() / 8};
}

QString ControlName(const char* kind, int id) {
    return QString::fromLatin1(kind) + QString::number(id);
}

QString ShownText(const std::string& cp1252) {
    QString text = qt::FromCp1252(cp1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace nivora::app
