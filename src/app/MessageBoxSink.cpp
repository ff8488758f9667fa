#include "MessageBoxSink.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <utility>

#include "AppInfo.h"
#include "BusyCursor.h"
#include "QtText.h"

namespace nivora::app {

MessageBoxSink::MessageBoxSink(QWidget* owner, QString caption)
    : m_owner(owner), m_caption(std::move(caption)) {
    if (m_caption.isEmpty()) m_caption = QString::fromLatin1(program::kTitle);
}

MessageAnswer MessageBoxSink::Show(const std::string& text, MessageIcon icon,
                                   MessageButtons buttons) {
    QMessageBox box(m_owner);
    box.setWindowTitle(m_caption);
    QString body = qt::FromCp1252(text);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(body);
    switch (icon) {
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Error:
        case MessageIcon::Stop:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
    }
    const std::pair<QMessageBox::StandardButton, const char*> german[] = {
        {QMessageBox::Cancel, "Abbrechen"}, {QMessageBox::Yes, "Ja"}, {QMessageBox::No, "Nein"}};
    for (const auto& [button, label] : german)
        if (QAbstractButton* b = box.button(button)) b->setText(QString::fromLatin1(label));
    const DialogCursor cursor;
    switch (box.exec()) {
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
    }
}

}  // namespace nivora::app
