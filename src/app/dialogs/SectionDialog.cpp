#include "dialogs/SectionDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "QtText.h"
#include "dialogs/DialogSupport.h"
#include "document/NivoraDoc.h"
#include "widgets/Label.h"

namespace nivora::app {
namespace {

enum Control {
    kEvaluate = 1065,
    kBegin = 1073,
    kWidth = 1074,
    kLimit = 1124,
    kFactorK = 1126,
    kUnitPrice = 1127,
    kNewestButton = 1128,
    kOlderButton = 1129,
    kRoadSurface = 1130,
    kMeanSpeed = 1136,
    kVark = 1139,
    kHint = 1156,
    kSurfaces = 1172,
};

QString Caption(int id) {
    for (const auto& [control, caption] : CAbschnittDlg::Labels())
        if (control == id) return qt::FromCp1252(caption);
    return {};
}

}  // namespace

SectionDialog::SectionDialog(const std::string& sectionText, bool firstSection,
                             const CNivoraDoc& doc, QWidget* parent)
    : QDialog(parent),
      m_logic(sectionText, firstSection, doc.State().GetRoadSurfaceName(),
              doc.ClickedStations().Get(0), doc.ClickedStations().Get(1)),
      m_runRoadSurface(doc.State().GetRoadSurfaceName()) {
    setWindowTitle(qt::FromCp1252(CAbschnittDlg::kTitle));
    auto* grid = new QGridLayout;
    int row = 0;
    auto field = [&](int id) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(ControlName("edit", id));
        auto* label = new QLabel(Caption(id), this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
        return edit;
    };
    m_begin = field(kBegin);
    for (int k = 0; k < 2; ++k) {
        m_stationButtons[static_cast<std::size_t>(k)] = new QPushButton(this);
        m_stationButtons[static_cast<std::size_t>(k)]->setObjectName(
            ControlName("button", k == 0 ? kNewestButton : kOlderButton));
        grid->addWidget(m_stationButtons[static_cast<std::size_t>(k)], 0, 2 + k);
        connect(m_stationButtons[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                [this, k] { OnStationButton(k); });
    }
    m_evaluate = new QCheckBox(Caption(kEvaluate), this);
    m_evaluate->setObjectName(ControlName("check", kEvaluate));
    grid->addWidget(m_evaluate, row++, 1, 1, 3);
    m_width = field(kWidth);
    m_limit = field(kLimit);
    m_factorK = field(kFactorK);
    m_unitPrice = field(kUnitPrice);
    m_roadSurface = field(kRoadSurface);
    m_surfaces = new QComboBox(this);
    m_surfaces->setObjectName(ControlName("combo", kSurfaces));
    for (const auto& entry : CAbschnittDlg::RoadSurfaceEntries())
        m_surfaces->addItem(qt::FromCp1252(entry));
    m_surfaces->setCurrentIndex(m_logic.RoadSurfaceSelection());
    grid->addWidget(m_surfaces, row - 1, 2, 1, 2);
    connect(m_surfaces, &QComboBox::activated, this, &SectionDialog::OnRoadSurfaceChosen);
    m_meanSpeed = field(kMeanSpeed);
    m_vark = field(kVark);
    m_meanSpeed->setReadOnly(true);
    m_vark->setReadOnly(true);

    auto* hint = new CLabel(ShownText(CAbschnittDlg::HintText()), this);
    hint->setObjectName(ControlName("label", kHint));
    hint->SetTextColour(FromColorRef(CAbschnittDlg::kHintColour));
    hint->setMinimumHeight(2 * hint->fontMetrics().height() + 4);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(ControlName("button", 1));
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(ControlName("button", 2));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    // This edition only shows the section.
    // Fields that may not be changed are read-only rather than greyed out:
    // their values stay readable and can be selected and copied.
    for (QWidget* w : std::initializer_list<QWidget*>{m_evaluate, m_surfaces})
        w->setEnabled(m_logic.InputsEnabled());
    for (QLineEdit* e : {m_begin, m_width, m_limit, m_factorK, m_unitPrice, m_roadSurface})
        e->setReadOnly(!m_logic.InputsEnabled());
    ok->setEnabled(m_logic.OkEnabled());
    cancel->setDefault(true);
    if (m_logic.BeginReadOnly()) m_begin->setReadOnly(true);
    for (int k = 0; k < 2; ++k) {
        QPushButton* b = m_stationButtons[static_cast<std::size_t>(k)];
        b->setVisible(m_logic.StationButtonsVisible());
        b->setText(qt::FromCp1252(m_logic.StationButtonText(k)));
        b->setEnabled(m_logic.StationButtonEnabled(k));
    }
    ShowFields();
    resize(FromDialogUnits(*this, 328, 222));
}

void SectionDialog::ShowFields() {
    const auto& f = m_logic.Values();
    m_begin->setText(qt::FromCp1252(f.begin));
    m_evaluate->setChecked(f.evaluate);
    m_width->setText(qt::FromCp1252(f.width));
    m_limit->setText(qt::FromCp1252(f.limit));
    m_factorK->setText(qt::FromCp1252(f.factorK));
    m_unitPrice->setText(qt::FromCp1252(f.unitPrice));
    m_roadSurface->setText(qt::FromCp1252(f.roadSurface));
    m_meanSpeed->setText(qt::FromCp1252(f.meanSpeed));
    m_vark->setText(qt::FromCp1252(f.vark));
}

void SectionDialog::OnStationButton(int k) {
    m_logic.OnStationButton(k);
    ShowFields();
}

void SectionDialog::OnRoadSurfaceChosen(int index) {
    // "Standard" stands for the run's own road surface.
    m_roadSurface->setText(index == 0 ? qt::FromCp1252(m_runRoadSurface)
                                      : m_surfaces->itemText(index));
}

}  // namespace nivora::app
