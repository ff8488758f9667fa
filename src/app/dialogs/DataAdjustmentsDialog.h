#pragma once
// "Datenanpassungen", the first-load dialog: kilometrage and direction of a
// run that has no state file yet. The answer is read however the dialog was
// closed; only OK builds a new kilometrage.
#include <QDialog>
#include <QPointer>
#include <cstdint>

#include "document/Vorabanpassungen.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace nivora::app {

class CLabel;

class DataAdjustmentsDialog : public QDialog {
    Q_OBJECT

  public:
    // The run's range as it was read, in decimetres.
    DataAdjustmentsDialog(int32_t readStart, int32_t readEnd, QWidget* parent = nullptr);

    FirstLoadAnswer Answer() const { return m_logic.Answer(); }
    const CVorabanpassungenDlg& Logic() const { return m_logic; }

    // OK: the kilometrage is built, then the dialog closes.
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Refresh();

    CVorabanpassungenDlg m_logic;
    bool m_refreshing = false;
    QLabel* m_readStart = nullptr;
    QLabel* m_readEnd = nullptr;
    CLabel* m_adjustedStart = nullptr;
    CLabel* m_adjustedEnd = nullptr;
    QLabel* m_state = nullptr;
    QCheckBox* m_adjust = nullptr;
    QCheckBox* m_ascending = nullptr;
    QCheckBox* m_mirror = nullptr;
    QLineEdit* m_startField = nullptr;
    QLineEdit* m_endField = nullptr;
    QLabel* m_startLabel = nullptr;
    QLabel* m_endLabel = nullptr;
};

// The document's first-load question, answered by the modal dialog.
class FirstLoadDialog final : public IFirstLoadDialog {
  public:
    explicit FirstLoadDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    FirstLoadAnswer Ask(int32_t rangeStart, int32_t rangeEnd) override;

  private:
    QPointer<QWidget> m_parent;
};

}  // namespace nivora::app
