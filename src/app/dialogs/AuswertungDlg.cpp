#include "dialogs/AuswertungDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "QtText.h"
#include "dialogs/DialogSupport.h"
#include "document/NivoraDoc.h"
#include "lists/ColumnWidths.h"
#include "lists/ExListCtrl.h"

namespace nivora::app {

CAuswertungDlg::CAuswertungDlg(const CNivoraDoc& doc, const std::vector<int>& pages,
                               ISettingsStore& store, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Auswertung Überschreitungen und Abzüge"));
    m_list = new CExListCtrl(this);
    m_list->setObjectName(ControlName("list", 1067));
    std::vector<CPersListCtrl::Column> columns;
    for (const auto& c : CAuswertungsListe::Columns()) {
        const QString heading = qt::FromCp1252(c.heading);
        columns.push_back({heading, Qt::AlignLeft, DefaultColumnWidth(*m_list, heading, c.width)});
    }
    m_list->SetColumns(columns);
    m_list->Initialise(store, CPersListCtrl::kSection, CAuswertungsListe::kSettingsEntry);
    m_lines.Fill(doc.Exceedances(), CZi4Verwaltung::SectionLookup(doc.State()),
                 doc.Texts().ExcludedAreas(), pages);
    m_list->SetRows(m_lines);
    FitColumnsToCells(*m_list);
    // Editing an exceedance and taking over the one above (double click, F7)
    // are not offered by this edition; the hints stay as the users know them.
    auto* hint1 = new QLabel(
        QStringLiteral("Doppelklick auf einen Eintrag, um einzelne Überschreitung zu bearbeiten"),
        this);
    auto* hint2 = new QLabel(
        QStringLiteral(
            "Taste F7, um Bemerkung und Berücksichtigungsstatus der Überschreitung darüber zu "
            "übernehmen"),
        this);
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(ControlName("button", 1));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    auto* hints = new QVBoxLayout;
    hints->addWidget(hint1);
    hints->addWidget(hint2);
    bottom->addLayout(hints);
    bottom->addStretch();
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(bottom);
    resize(FromDialogUnits(*this, 468, 282));
    WidenForList(*this, *m_list);
}

}  // namespace nivora::app
