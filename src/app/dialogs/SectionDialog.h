#pragma once
// "Streckenabschnitt bearbeiten": one route section, shown and not changed.
// Every input and OK are disabled; only "Abbrechen" closes it.
#include <QDialog>
#include <array>
#include <string>

#include "document/AbschnittDialoge.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace nivora {
class CNivoraDoc;
}

namespace nivora::app {

class SectionDialog : public QDialog {
    Q_OBJECT

  public:
    // `sectionText` is the section's Encode() text; the document gives the
    // run's road surface and the two clicked stations.
    SectionDialog(const std::string& sectionText, bool firstSection, const CNivoraDoc& doc,
                  QWidget* parent = nullptr);

    const CAbschnittDlg& Logic() const { return m_logic; }

  private:
    void ShowFields();
    void OnStationButton(int k);
    void OnRoadSurfaceChosen(int index);

    CAbschnittDlg m_logic;
    std::string m_runRoadSurface;
    QLineEdit* m_begin = nullptr;
    QCheckBox* m_evaluate = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_limit = nullptr;
    QLineEdit* m_factorK = nullptr;
    QLineEdit* m_unitPrice = nullptr;
    QLineEdit* m_roadSurface = nullptr;
    QLineEdit* m_meanSpeed = nullptr;
    QLineEdit* m_vark = nullptr;
    QComboBox* m_surfaces = nullptr;
    std::array<QPushButton*, 2> m_stationButtons{};
};

}  // namespace nivora::app
