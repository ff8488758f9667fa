#pragma once
// "Auswertung Überschreitungen und Abzüge": every exceedance of the run with
// the excluded areas before it, divided into route sections. Filled once
// when it opens; it changes no data.
#include <QDialog>

#include "evaluation/AuswertungsListe.h"

namespace nivora {
class CNivoraDoc;
class ISettingsStore;
}  // namespace nivora

namespace nivora::app {

class CExListCtrl;

class CAuswertungDlg : public QDialog {
    Q_OBJECT

  public:
    // pages: the page of each exceedance, from the view's paging.
    CAuswertungDlg(const CNivoraDoc& doc, const std::vector<int>& pages, ISettingsStore& store,
                   QWidget* parent = nullptr);

    CExListCtrl& List() { return *m_list; }
    const CAuswertungsListe& Lines() const { return m_lines; }

  private:
    CAuswertungsListe m_lines;
    CExListCtrl* m_list = nullptr;
};

}  // namespace nivora::app
