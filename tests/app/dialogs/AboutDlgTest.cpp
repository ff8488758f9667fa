#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/AboutDlg.h"
#include "dialogs/ProgramIcon.h"
#include "widgets/Label.h"

namespace nivora::app {
namespace {

TEST(AboutDlgTest, TitleTextsAndLinks) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Info über Nivora"));
    QStringList labels;
    for (auto* label : dialog.findChildren<QLabel*>()) labels << label->text();
    for (const char* text : {"Nivora 4.5.48", "Morlant GmbH", "Entwicklung, Vertrieb und Service:",
                             "E-Mail:", "direkt zur Website:"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(labels.contains(CAboutDlg::Description()));

    auto* contact = dialog.findChild<QPlainTextEdit*>(QStringLiteral("edit1277"));
    ASSERT_NE(contact, nullptr);
    EXPECT_TRUE(contact->isReadOnly());
    EXPECT_EQ(contact->toPlainText(),
              QStringLiteral("Morlant GmbH\n\nTel. +49 (0)711 490 36-0\nFax +49 (0)711 490 "
                             "36-99\n\nE-Mail: info@morlant.de"));

    struct Link {
        const char* name;
        CLabel::LinkKind kind;
        const char* text;
        const char* target;
    };
    for (const Link& l :
         {Link{"label1278", CLabel::LinkKind::Web, "www.morlant.de", "http://www.morlant.de"},
          Link{"label1279", CLabel::LinkKind::Mail, "info@morlant.de", "mailto:info@morlant.de"}}) {
        SCOPED_TRACE(l.name);
        auto* label = dialog.findChild<CLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Link(), l.kind);
        EXPECT_EQ(label->text(), QString::fromLatin1(l.text));
        EXPECT_EQ(label->LinkTarget(), QUrl(QString::fromLatin1(l.target)));
        EXPECT_EQ(label->TextColour(), QColor(0, 0, 255));
        EXPECT_TRUE(label->Underline());
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    }
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("button1"));
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(AboutDlgTest, IconIsDrawnAtEverySize) {
    EXPECT_FALSE(ProgramIcon().isNull());
    const QImage image = ProgramPixmap(32).toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixelColor(16, 3), QColor(0, 64, 160));
}

}  // namespace
}  // namespace nivora::app
