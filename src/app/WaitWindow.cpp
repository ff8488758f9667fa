#include "WaitWindow.h"

#include <QApplication>

#include "QtText.h"

namespace nivora::app {

WaitWindow::WaitWindow(QWidget* owner)
    : m_owner(owner),
      m_label(std::make_unique<QLabel>(
          nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)) {
    m_label->setObjectName(QStringLiteral("waitWindow"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMargin(24);
    m_label->setFrameStyle(QFrame::Box | QFrame::Plain);
}

WaitWindow::~WaitWindow() = default;

void WaitWindow::Show(const std::string& text) {
    m_label->setText(qt::FromCp1252(text));
    m_label->adjustSize();
    if (m_owner) m_label->move(m_owner->geometry().center() - m_label->rect().center());
    m_label->show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WaitWindow::Close() { m_label->hide(); }

}  // namespace nivora::app
