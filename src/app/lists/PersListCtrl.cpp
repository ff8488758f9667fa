#include "lists/PersListCtrl.h"

#include <QHeaderView>
#include <algorithm>

#include "platform/SettingsStore.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora::app {
namespace {

const std::string kOrderSuffix = "iOrder";
const std::string kSortSuffix = "iSortInfo";

std::string Joined(const std::vector<int>& values) {
    std::string s;
    for (int v : values) s += std::to_string(v) + ";";
    return s;
}

}  // namespace

CPersListCtrl::CPersListCtrl(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionsMovable(true);
    // Stored widths are taken as they are: no stretching, and a width of 0
    // keeps a column out of sight until the user drags it open.
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
}

CPersListCtrl::~CPersListCtrl() { SaveColumns(); }

void CPersListCtrl::SetColumns(const std::vector<Column>& columns) {
    clear();
    setColumnCount(static_cast<int>(columns.size()));
    QStringList headings;
    for (const auto& c : columns) headings << c.heading;
    setHeaderLabels(headings);
    m_align.clear();
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const Column& c = columns[static_cast<std::size_t>(i)];
        headerItem()->setTextAlignment(i, c.align | Qt::AlignVCenter);
        header()->resizeSection(i, c.width);
        m_align.push_back(c.align);
    }
}

void CPersListCtrl::Initialise(ISettingsStore& store, std::string section, std::string entry,
                               std::string defaultWidths) {
    m_store = &store;
    m_section = std::move(section);
    m_entry = std::move(entry);
    RestoreColumns(defaultWidths);
}

void CPersListCtrl::RestoreColumns(const std::string& defaultWidths) {
    const std::string widths = m_store->ReadText(m_section, m_entry).value_or(defaultWidths);
    const int columns = columnCount();
    int n = 0;
    for (;; ++n) {
        const std::string field = text::GetCharField(widths, ';', n);
        if (field.empty()) break;
        // Fields beyond the columns have nothing to size.
        if (n < columns) header()->resizeSection(n, std::max(0, text::ToInt(field)));
    }
    m_widthsRestored = n > 0;
    const std::string order = m_store->ReadText(m_section, m_entry + kOrderSuffix).value_or("");
    if (!order.empty() && n == columns) {
        std::vector<int> logical;
        for (int i = 0; i < n; ++i)
            logical.push_back(text::ToInt(text::GetCharField(order, ';', i)));
        // Only a complete permutation is an order; anything else would
        // leave the header half moved.
        std::vector<int> sorted = logical;
        std::sort(sorted.begin(), sorted.end());
        bool permutation = true;
        for (int i = 0; i < n; ++i)
            permutation = permutation && sorted[static_cast<std::size_t>(i)] == i;
        if (permutation)
            for (int visual = 0; visual < n; ++visual)
                header()->moveSection(
                    header()->visualIndex(logical[static_cast<std::size_t>(visual)]), visual);
    }
    m_sortInfo = m_store->ReadInt(m_section, m_entry + kSortSuffix).value_or(-1);
}

void CPersListCtrl::SaveColumns() {
    if (!m_store || m_section.empty() || m_entry.empty()) return;
    m_store->WriteText(m_section, m_entry, Joined(ColumnWidths()));
    m_store->WriteText(m_section, m_entry + kOrderSuffix, Joined(ColumnOrder()));
    if (m_sortInfo != -1) m_store->WriteInt(m_section, m_entry + kSortSuffix, m_sortInfo);
}

QTreeWidgetItem* CPersListCtrl::AddRow(const QStringList& cells) {
    auto* item = new QTreeWidgetItem(this, cells);  // owned by the list
    for (int i = 0; i < static_cast<int>(m_align.size()); ++i)
        item->setTextAlignment(i, m_align[static_cast<std::size_t>(i)] | Qt::AlignVCenter);
    return item;
}

int CPersListCtrl::SelectedRow() const {
    const auto items = selectedItems();
    return items.isEmpty() ? -1 : indexOfTopLevelItem(items.front());
}

std::vector<int> CPersListCtrl::ColumnWidths() const {
    std::vector<int> widths;
    for (int i = 0; i < header()->count(); ++i) widths.push_back(header()->sectionSize(i));
    return widths;
}

std::vector<int> CPersListCtrl::ColumnOrder() const {
    std::vector<int> order;
    for (int v = 0; v < header()->count(); ++v) order.push_back(header()->logicalIndex(v));
    return order;
}

void CPersListCtrl::ResetStoredColumns(ISettingsStore& store) { store.DeleteKey(kSection); }

}  // namespace nivora::app
