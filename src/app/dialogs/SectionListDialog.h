#pragma once
// "Streckenabschnitte bearbeiten": the route sections of a run in a list
// whose columns persist. OK stores the sections unchanged and recomputes the
// run's speed statistics without the sections that are not evaluated.
#include <QDialog>
#include <memory>

#include "document/AbschnittDialoge.h"

namespace nivora {
class CNivoraDoc;
class ISettingsStore;
}  // namespace nivora

namespace nivora::app {

class CPersListCtrl;
class SectionDialog;

class SectionListDialog : public QDialog {
    Q_OBJECT

  public:
    SectionListDialog(CNivoraDoc& doc, ISettingsStore& store, QWidget* parent = nullptr);

    CPersListCtrl& List() { return *m_list; }
    // The dialog of one section, a child of this one (release it first);
    // null when `row` is no row.
    std::unique_ptr<SectionDialog> CreateSectionDialog(int row);
    // "Bearbeiten" and a double click: the selected row's section, modally.
    void EditSelected();

    void accept() override;

  private:
    CNivoraDoc& m_doc;
    CAbschnitteDlg m_logic;
    CPersListCtrl* m_list = nullptr;
};

}  // namespace nivora::app
