#pragma once
// The wait cursor while a run opens. A dialog that comes up meanwhile (the
// first-load dialog, a message) gets the normal cursor back while it is open.
#include <QApplication>
#include <QCursor>

namespace nivora::app {

class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

class DialogCursor {
  public:
    DialogCursor() : m_pushed(QApplication::overrideCursor() != nullptr) {
        if (m_pushed) QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    ~DialogCursor() {
        if (m_pushed) QApplication::restoreOverrideCursor();
    }
    DialogCursor(const DialogCursor&) = delete;
    DialogCursor& operator=(const DialogCursor&) = delete;

  private:
    bool m_pushed;
};

}  // namespace nivora::app
