#pragma once
// Messages of the core as modal message boxes with the program's caption.
#include <QString>

#include "platform/MessageSink.h"

class QWidget;

namespace nivora::app {

class MessageBoxSink final : public IMessageSink {
  public:
    explicit MessageBoxSink(QWidget* owner = nullptr, QString caption = {});
    MessageAnswer Show(const std::string& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok) override;

  private:
    QWidget* m_owner;
    QString m_caption;
};

}  // namespace nivora::app
