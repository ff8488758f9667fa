#pragma once
// A report-style list whose column widths and order persist in the settings
// store: restored once when the dialog initialises it, saved once when the
// list is destroyed.
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <string>
#include <vector>

namespace nivora {
class ISettingsStore;
}

namespace nivora::app {

class CPersListCtrl : public QTreeWidget {
    Q_OBJECT

  public:
    // The settings section of every list of the program.
    static constexpr const char* kSection = "Spaltenbreiten";

    struct Column {
        QString heading;
        Qt::Alignment align;
        int width;  // pixels
    };

    explicit CPersListCtrl(QWidget* parent = nullptr);
    ~CPersListCtrl() override;

    // Replaces the columns and their initial widths; rows are removed.
    void SetColumns(const std::vector<Column>& columns);
    // After the columns are in: remembers where the columns are kept and
    // restores them from there.
    void Initialise(ISettingsStore& store, std::string section, std::string entry,
                    std::string defaultWidths = {});
    // Writes widths, order and sort information; only once initialised.
    void SaveColumns();

    // One row, each cell aligned like its column.
    QTreeWidgetItem* AddRow(const QStringList& cells);
    int RowCount() const { return topLevelItemCount(); }
    // Index of the selected row, or -1.
    int SelectedRow() const;

    std::vector<int> ColumnWidths() const;
    // Logical column index at each visual position.
    std::vector<int> ColumnOrder() const;
    int SortInfo() const { return m_sortInfo; }
    // Whether Initialise found stored widths.
    bool WidthsRestored() const { return m_widthsRestored; }

    // Forgets the stored columns of every list: they open with their
    // initial widths again.
    static void ResetStoredColumns(ISettingsStore& store);

  private:
    void RestoreColumns(const std::string& defaultWidths);

    ISettingsStore* m_store = nullptr;
    std::string m_section;
    std::string m_entry;
    int m_sortInfo = -1;
    bool m_widthsRestored = false;
    std::vector<Qt::Alignment> m_align;
};

}  // namespace nivora::app
