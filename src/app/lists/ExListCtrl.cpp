#include "lists/ExListCtrl.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "QtText.h"
#include "widgets/Label.h"

namespace nivora::app {
namespace {

class RowDelegate final : public QStyledItemDelegate {
  public:
    explicit RowDelegate(CExListCtrl* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.row() < 0 || index.row() >= m_list->RecordCount()) return;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const auto style = CAuswertungsListe::StyleOf(m_list->Record(index.row()), selected);
        painter->save();
        painter->fillRect(option.rect, FromColorRef(style.background));
        // Text 3 pixels in from the cell's left edge, cut at its right edge.
        const QRect textRect = option.rect.adjusted(3, 0, 0, 0);
        const QString shown =
            QFontMetrics(option.font)
                .elidedText(index.data().toString(), Qt::ElideRight, textRect.width());
        painter->setFont(option.font);
        painter->setPen(FromColorRef(style.text));
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        if (style.strikeThrough) {
            painter->setPen(QPen(FromColorRef(style.strikeColour), 1));
            const int y = option.rect.top() + option.rect.height() / 2;
            painter->drawLine(option.rect.left(), y, option.rect.right(), y);
        }
        painter->restore();
    }

  private:
    CExListCtrl* m_list;
};

}  // namespace

CExListCtrl::CExListCtrl(QWidget* parent) : CPersListCtrl(parent) {
    setItemDelegate(new RowDelegate(this));  // owned by the list
}

void CExListCtrl::SetRows(const CAuswertungsListe& list) {
    clear();
    m_records = list.Rows();
    const int columns = columnCount();
    for (std::size_t r = 0; r < m_records.size(); ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c) cells << qt::FromCp1252(list.CellText(r, c));
        AddRow(cells);
    }
}

}  // namespace nivora::app
