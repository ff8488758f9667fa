#include "dialogs/SectionListDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "QtText.h"
#include "dialogs/DialogSupport.h"
#include "dialogs/SectionDialog.h"
#include "document/NivoraDoc.h"
#include "lists/ColumnWidths.h"
#include "lists/PersListCtrl.h"

namespace nivora::app {
namespace {

constexpr int kList = 1067;
constexpr int kEditButton = 1074;

Qt::Alignment AlignmentOf(CAbschnitteDlg::Align align) {
    switch (align) {
        case CAbschnitteDlg::Align::Right:
            return Qt::AlignRight;
        case CAbschnitteDlg::Align::Centre:
            return Qt::AlignHCenter;
        case CAbschnitteDlg::Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

SectionListDialog::SectionListDialog(CNivoraDoc& doc, ISettingsStore& store, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_logic(doc.SectionListDialog()) {
    setWindowTitle(qt::FromCp1252(CAbschnitteDlg::kTitle));
    m_list = new CPersListCtrl(this);
    m_list->setObjectName(ControlName("list", kList));
    std::vector<CPersListCtrl::Column> columns;
    for (const auto& c : CAbschnitteDlg::Columns()) {
        const QString heading = qt::FromCp1252(c.heading);
        columns.push_back(
            {heading, AlignmentOf(c.align), DefaultColumnWidth(*m_list, heading, c.width)});
    }
    m_list->SetColumns(columns);
    m_list->Initialise(store, CPersListCtrl::kSection, CAbschnitteDlg::kSettingsEntry);
    for (int i = 0; i < m_logic.RowCount(); ++i) {
        QStringList cells;
        for (const auto& cell : m_logic.Row(i)) cells << qt::FromCp1252(cell);
        m_list->AddRow(cells);
    }
    FitColumnsToCells(*m_list);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { EditSelected(); });

    auto* buttons = new QHBoxLayout;
    for (const auto& b : CAbschnitteDlg::Buttons()) {
        auto* button = new QPushButton(qt::FromCp1252(b.caption), this);
        button->setObjectName(ControlName("button", b.id));
        button->setEnabled(b.enabled);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        // "Löschen" has no effect in this edition.
        if (b.id == kEditButton)
            connect(button, &QPushButton::clicked, this, &SectionListDialog::EditSelected);
    }
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(ControlName("button", 1));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(ControlName("button", 2));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &SectionListDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(FromDialogUnits(*this, 511, 180));
    WidenForList(*this, *m_list);
}

std::unique_ptr<SectionDialog> SectionListDialog::CreateSectionDialog(int row) {
    const std::string text = m_logic.SectionText(row);
    if (row < 0 || row >= m_logic.RowCount()) return nullptr;
    return std::make_unique<SectionDialog>(text, CAbschnitteDlg::IsFirstSection(row), m_doc, this);
}

void SectionListDialog::EditSelected() {
    if (auto dialog = CreateSectionDialog(m_list->SelectedRow())) dialog->exec();
}

void SectionListDialog::accept() {
    m_doc.ConfirmSectionList(m_logic);
    QDialog::accept();
}

}  // namespace nivora::app
