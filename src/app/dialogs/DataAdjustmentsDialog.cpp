#include "dialogs/DataAdjustmentsDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "QtText.h"
#include "dialogs/DialogSupport.h"
#include "widgets/Label.h"

namespace nivora::app {
namespace {

using Dlg = CVorabanpassungenDlg;

QLabel* ReadLabel(QWidget* parent, int id) {
    auto* label = new QLabel(parent);
    label->setObjectName(ControlName("label", id));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

CLabel* AdjustedLabel(QWidget* parent, int id) {
    auto* label = new CLabel(parent);
    label->setObjectName(ControlName("label", id));
    label->SetPlacement(CLabel::Placement::CentreImage);
    return label;
}

}  // namespace

DataAdjustmentsDialog::DataAdjustmentsDialog(int32_t readStart, int32_t readEnd, QWidget* parent)
    : QDialog(parent), m_logic(readStart, readEnd) {
    setWindowTitle(QStringLiteral("Datenanpassungen"));
    auto* intro = new QLabel(qt::FromCp1252(Dlg::IntroductionText()), this);
    intro->setWordWrap(true);

    auto* group = new QGroupBox(QStringLiteral("Kilometrierung"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("lt. Messfahrtdatei"), group), 0, 1, Qt::AlignCenter);
    // The template's placeholder; replaced as soon as the labels are updated.
    m_state = new QLabel(QStringLiteral("{angepasst/gespiegelt}"), group);
    m_state->setObjectName(ControlName("label", Dlg::kStateLabel));
    m_state->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_state, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Start [m]:"), group), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Ende [m]:"), group), 2, 0);
    m_readStart = ReadLabel(group, Dlg::kReadStart);
    m_readEnd = ReadLabel(group, Dlg::kReadEnd);
    m_adjustedStart = AdjustedLabel(group, Dlg::kAdjustedStart);
    m_adjustedEnd = AdjustedLabel(group, Dlg::kAdjustedEnd);
    grid->addWidget(m_readStart, 1, 1);
    grid->addWidget(m_readEnd, 2, 1);
    grid->addWidget(m_adjustedStart, 1, 2);
    grid->addWidget(m_adjustedEnd, 2, 2);

    m_adjust = new QCheckBox(QStringLiteral("Kilometrierung anpassen"), group);
    m_adjust->setObjectName(ControlName("check", Dlg::kAdjust));
    grid->addWidget(m_adjust, 3, 0, 1, 3);
    auto* frame = new QFrame(group);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* frameGrid = new QGridLayout(frame);
    m_startLabel = new QLabel(QStringLiteral("Start [m]:"), frame);
    m_startLabel->setObjectName(ControlName("label", Dlg::kStartLabel));
    m_startField = new QLineEdit(frame);
    m_startField->setObjectName(ControlName("edit", Dlg::kStartField));
    m_startLabel->setBuddy(m_startField);
    m_ascending = new QCheckBox(QStringLiteral("Aufsteigend"), frame);
    m_ascending->setObjectName(ControlName("check", Dlg::kAscending));
    m_endLabel = new QLabel(QStringLiteral("Ende [m]:"), frame);
    m_endLabel->setObjectName(ControlName("label", Dlg::kEndLabel));
    m_endField = new QLineEdit(frame);
    m_endField->setObjectName(ControlName("edit", Dlg::kEndField));
    m_endField->setReadOnly(true);
    frameGrid->addWidget(m_startLabel, 0, 0);
    frameGrid->addWidget(m_startField, 0, 1);
    frameGrid->addWidget(m_ascending, 0, 2);
    frameGrid->addWidget(m_endLabel, 1, 0);
    frameGrid->addWidget(m_endField, 1, 1);
    grid->addWidget(frame, 4, 0, 1, 3);

    m_mirror = new QCheckBox(qt::FromCp1252(Dlg::MirrorCaption()), this);
    m_mirror->setObjectName(ControlName("check", Dlg::kMirror));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(ControlName("button", 1));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(ControlName("button", 2));
    cancel->setVisible(false);
    connect(ok, &QPushButton::clicked, this, &DataAdjustmentsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(group);
    layout->addWidget(m_mirror);
    layout->addLayout(buttons);

    connect(m_adjust, &QCheckBox::clicked, this, [this](bool on) {
        m_logic.OnAdjustClicked(on);
        Refresh();
    });
    connect(m_ascending, &QCheckBox::clicked, this, [this](bool on) {
        m_logic.OnAscendingClicked(on);
        Refresh();
    });
    connect(m_mirror, &QCheckBox::clicked, this, [this](bool on) {
        m_logic.OnMirrorClicked(on);
        Refresh();
    });
    connect(m_startField, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_refreshing) return;
        m_logic.OnStartChanged(qt::ToCp1252(text));
        Refresh();
    });
    m_startField->installEventFilter(this);
    Refresh();
    resize(FromDialogUnits(*this, 357, 252));
}

void DataAdjustmentsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The template's width; the height the content needs there, without
    // empty bands (known only once the fonts and the style are applied).
    if (QLayout* l = layout(); l && l->hasHeightForWidth())
        resize(width(), std::max(minimumHeight(), l->totalHeightForWidth(width())));
}

bool DataAdjustmentsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_startField && event->type() == QEvent::FocusOut) {
        m_logic.OnStartKillFocus();
        Refresh();
    }
    return QDialog::eventFilter(watched, event);
}

void DataAdjustmentsDialog::Refresh() {
    m_refreshing = true;
    auto set = [](auto* widget, const std::string& text) {
        const QString shown = qt::FromCp1252(text);
        if (widget->text() != shown) widget->setText(shown);
    };
    set(m_readStart, m_logic.ReadStartText());
    set(m_readEnd, m_logic.ReadEndText());
    set(m_adjustedStart, m_logic.AdjustedStartText());
    set(m_adjustedEnd, m_logic.AdjustedEndText());
    set(m_state, m_logic.StateText());
    set(m_startField, m_logic.StartFieldText());
    set(m_endField, m_logic.EndFieldText());
    // Without the highlight the labels show the button face.
    const QColor background =
        m_logic.AdjustedLabelsHighlighted() ? FromColorRef(Dlg::kHighlightColour) : QColor();
    m_adjustedStart->SetBackgroundColour(background);
    m_adjustedEnd->SetBackgroundColour(background);
    m_adjust->setChecked(m_logic.Adjust());
    m_ascending->setChecked(m_logic.Ascending());
    m_mirror->setChecked(m_logic.Mirror());
    for (QWidget* w : std::initializer_list<QWidget*>{m_startField, m_endField, m_ascending,
                                                      m_startLabel, m_endLabel})
        w->setEnabled(m_logic.FrameEnabled());
    m_refreshing = false;
}

void DataAdjustmentsDialog::accept() {
    m_logic.OnOk();
    QDialog::accept();
}

FirstLoadAnswer FirstLoadDialog::Ask(int32_t rangeStart, int32_t rangeEnd) {
    DataAdjustmentsDialog dialog(rangeStart, rangeEnd, m_parent);
    dialog.exec();
    return dialog.Answer();
}

}  // namespace nivora::app
