#include "dialogs/AboutDlg.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogSupport.h"
#include "dialogs/ProgramIcon.h"
#include "platform/ProgramInfo.h"
#include "widgets/Label.h"

namespace nivora::app {
namespace {

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

CLabel* LinkLabel(const char* address, int id, QWidget* parent) {
    auto* label = new CLabel(QString::fromLatin1(address), parent);
    label->setObjectName(ControlName("label", id));
    return label;
}

}  // namespace

QString CAboutDlg::ContactBlock() {
    using namespace program;
    return QString::fromLatin1(kMaker) + QStringLiteral("\n\n") + QString::fromLatin1(kPhone) +
           QLatin1Char('\n') + QString::fromLatin1(kFax) + QStringLiteral("\n\nE-Mail: ") +
           QString::fromLatin1(kMailAddress);
}

QString CAboutDlg::Description() {
    return QStringLiteral(
        "Nivora zeigt die Messfahrten des Rollstabs als Diagramme an und wertet die "
        "Überschreitungen der Grenzwerte je Streckenabschnitt aus.");
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info über Nivora"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramPixmap(48));
    icon->setAlignment(Qt::AlignTop);
    auto* title = new QLabel(QString::fromLatin1(program::kTitle), this);
    title->setObjectName(QStringLiteral("labelTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* maker = new QLabel(QString::fromLatin1(program::kMaker), this);
    maker->setObjectName(QStringLiteral("labelMaker"));
    auto* description = new QLabel(Description(), this);
    description->setObjectName(QStringLiteral("labelDescription"));
    description->setWordWrap(true);

    auto* contact = new QPlainTextEdit(ContactBlock(), this);
    contact->setObjectName(ControlName("edit", 1277));
    contact->setReadOnly(true);
    contact->setMinimumHeight(7 * contact->fontMetrics().height());
    auto* web = LinkLabel(program::kWebAddress, 1278, this);
    web->EnableWebLink(true)
        .SetTextColour(QColor(0, 0, 255))
        .SetUnderline(true)
        .SetHoverCursor(Qt::PointingHandCursor);
    auto* mail = LinkLabel(program::kMailAddress, 1279, this);
    mail->EnableMailLink(true)
        .SetTextColour(QColor(0, 0, 255))
        .SetUnderline(true)
        .SetHoverCursor(Qt::PointingHandCursor);

    auto* details = new QGridLayout;
    details->addWidget(new QLabel(QStringLiteral("Entwicklung, Vertrieb und Service:"), this), 0, 0,
                       Qt::AlignTop);
    details->addWidget(contact, 0, 1);
    details->addWidget(new QLabel(QStringLiteral("E-Mail:"), this), 1, 0);
    details->addWidget(mail, 1, 1);
    details->addWidget(new QLabel(QStringLiteral("direkt zur Website:"), this), 2, 0);
    details->addWidget(web, 2, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(ControlName("button", 1));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(maker);
    heading->addWidget(description);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(heading, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Separator(this));
    layout->addLayout(details);
    layout->addWidget(Separator(this));
    layout->addLayout(buttons);
}

}  // namespace nivora::app
