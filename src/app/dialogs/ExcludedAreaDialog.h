#pragma once
// "Bereich ohne Überschreitungsauswertung": one area excluded from the
// recognition of exceedances, shown in the direction of travel. OK and
// "Abbrechen" both just close it.
#include <QDialog>

#include "document/BereichOhneErkennungDlgLogic.h"

namespace nivora::app {

class ExcludedAreaDialog : public QDialog {
    Q_OBJECT

  public:
    // The area as the view finds it under an Alt+click, with the run's direction.
    ExcludedAreaDialog(const BEREICH_OHNE_ERKENNUNG_DATEN& area, bool ascending,
                       QWidget* parent = nullptr);

    const CBereichOhneErkennungDlg& Logic() const { return m_logic; }

  private:
    CBereichOhneErkennungDlg m_logic;
};

}  // namespace nivora::app
