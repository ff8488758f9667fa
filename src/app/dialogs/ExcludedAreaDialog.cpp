#include "dialogs/ExcludedAreaDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "QtText.h"
#include "dialogs/DialogSupport.h"

namespace nivora::app {

ExcludedAreaDialog::ExcludedAreaDialog(const BEREICH_OHNE_ERKENNUNG_DATEN& area, bool ascending,
                                       QWidget* parent)
    : QDialog(parent), m_logic(area, ascending) {
    using Dlg = CBereichOhneErkennungDlg;
    setWindowTitle(qt::FromCp1252(Dlg::Caption()));
    auto* from = new QLineEdit(qt::FromCp1252(m_logic.FromText()), this);
    from->setObjectName(ControlName("edit", Dlg::kFromField));
    auto* to = new QLineEdit(qt::FromCp1252(m_logic.ToText()), this);
    to->setObjectName(ControlName("edit", Dlg::kToField));
    auto* remark = new QPlainTextEdit(this);
    remark->setObjectName(ControlName("edit", Dlg::kRemarkField));
    remark->setPlainText(ShownText(m_logic.RemarkText()));
    for (QWidget* w : std::initializer_list<QWidget*>{from, to, remark})
        w->setEnabled(m_logic.FieldsEnabled());
    auto* remove = new QCheckBox(qt::FromCp1252(Dlg::DeleteCaption()), this);
    remove->setObjectName(ControlName("check", Dlg::kDeleteCheck));
    remove->setVisible(m_logic.DeleteCheckVisible());

    auto* fields = new QFormLayout;
    fields->addRow(qt::FromCp1252(Dlg::FromLabel()), from);
    fields->addRow(qt::FromCp1252(Dlg::ToLabel()), to);
    auto* remarkLabel = new QLabel(qt::FromCp1252(Dlg::RemarkLabel()), this);
    remarkLabel->setBuddy(remark);
    auto* hint = new QLabel(qt::FromCp1252(Dlg::HintText()), this);
    hint->setObjectName(QStringLiteral("labelHint"));
    hint->setWordWrap(true);

    auto* ok = new QPushButton(qt::FromCp1252(Dlg::OkCaption()), this);
    ok->setObjectName(ControlName("button", 1));
    ok->setDefault(true);
    auto* cancel = new QPushButton(qt::FromCp1252(Dlg::CancelCaption()), this);
    cancel->setObjectName(ControlName("button", 2));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(remarkLabel);
    layout->addWidget(remark);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    resize(FromDialogUnits(*this, 260, 180));
}

}  // namespace nivora::app
