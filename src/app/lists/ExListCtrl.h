#pragma once
// The list of the evaluation dialog: one row per evaluation line, drawn by
// the list itself: grey and struck through when the line does not count,
// white on blue when selected.
#include <vector>

#include "evaluation/AuswertungsListe.h"
#include "lists/PersListCtrl.h"

namespace nivora::app {

class CExListCtrl : public CPersListCtrl {
    Q_OBJECT

  public:
    explicit CExListCtrl(QWidget* parent = nullptr);

    // Replaces every row and its record by the lines of the list.
    void SetRows(const CAuswertungsListe& list);
    // The record of a row; rows are numbered as they stand.
    const AUSWERTUNGSZEILE& Record(int row) const {
        return m_records.at(static_cast<std::size_t>(row));
    }
    int RecordCount() const { return static_cast<int>(m_records.size()); }

  private:
    std::vector<AUSWERTUNGSZEILE> m_records;
};

}  // namespace nivora::app
