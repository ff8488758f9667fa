#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialogs/DialogDocument.h"
#include "dialogs/DataAdjustmentsDialog.h"
#include "widgets/Label.h"

namespace nivora::app {
namespace {

const QColor kHighlight(191, 255, 255);

// The dialog for the worked example: samples 0 to 10000 dm, range end 10001.
class DataAdjustmentsDialogTest : public ::testing::Test {
  protected:
    template <typename T>
    T& W(const char* name) {
        T* w = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }
    QString Text(const char* name) { return W<QLabel>(name).text(); }
    void FocusOut(QWidget& w) {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(&w, &out);
    }

    DataAdjustmentsDialog dialog{0, 10001};
};

TEST_F(DataAdjustmentsDialogTest, OpensWithTheRunAsRead) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Datenanpassungen"));
    EXPECT_EQ(Text("label1141"), QStringLiteral("0.0"));
    EXPECT_EQ(Text("label1142"), QStringLiteral("1000.1"));
    EXPECT_EQ(Text("label1143"), QString());
    EXPECT_EQ(Text("label1144"), QString());
    EXPECT_EQ(Text("label1148"), QString());
    EXPECT_FALSE(W<CLabel>("label1143").BackgroundColour().has_value());  // button face
    EXPECT_EQ(W<QLineEdit>("edit1145").text(), QStringLiteral("0.0"));
    EXPECT_EQ(W<QLineEdit>("edit1040").text(), QStringLiteral("1000.1"));
    EXPECT_TRUE(W<QLineEdit>("edit1040").isReadOnly());
    EXPECT_FALSE(W<QCheckBox>("check1139").isChecked());
    EXPECT_TRUE(W<QCheckBox>("check1138").isChecked());
    EXPECT_FALSE(W<QCheckBox>("check1140").isChecked());
    EXPECT_EQ(W<QCheckBox>("check1140").text(),
              QStringLiteral("Abfolge der Messwerte \"spiegeln\". Der Startpunkt wird also zum "
                             "Endpunkt und umgekehrt."));
    // The frame is enabled only with "Kilometrierung anpassen".
    for (const char* name : {"edit1145", "edit1040", "check1138", "label1146", "label1147"})
        EXPECT_FALSE(W<QWidget>(name).isEnabled()) << name;
    W<QCheckBox>("check1139").click();
    for (const char* name : {"edit1145", "edit1040", "check1138", "label1146", "label1147"})
        EXPECT_TRUE(W<QWidget>(name).isEnabled()) << name;
    // Ticked but nothing changed: no labels.
    EXPECT_EQ(Text("label1148"), QString());
    EXPECT_TRUE(W<QPushButton>("button2").isHidden());
}

TEST_F(DataAdjustmentsDialogTest, WorkedExampleThroughTheWidgets) {
    W<QCheckBox>("check1139").click();
    W<QLineEdit>("edit1145").setText(QStringLiteral("250"));
    EXPECT_EQ(W<QLineEdit>("edit1040").text(), QStringLiteral("1250.1"));
    EXPECT_EQ(Text("label1148"), QStringLiteral("angepasst"));
    EXPECT_EQ(Text("label1143"), QStringLiteral("250.0"));
    EXPECT_EQ(Text("label1144"), QStringLiteral("1250.1"));
    EXPECT_EQ(W<CLabel>("label1143").EffectiveBackground(), kHighlight);
    EXPECT_EQ(W<CLabel>("label1144").EffectiveBackground(), kHighlight);

    W<QCheckBox>("check1140").click();
    EXPECT_EQ(Text("label1148"), QStringLiteral("angepasst und gespiegelt"));
    EXPECT_EQ(Text("label1143"), QStringLiteral("1250.1"));
    EXPECT_EQ(Text("label1144"), QStringLiteral("250.0"));
    W<QCheckBox>("check1140").click();

    // Leaving the field writes the start back as metres.
    FocusOut(W<QLineEdit>("edit1145"));
    EXPECT_EQ(W<QLineEdit>("edit1145").text(), QStringLiteral("250.0"));

    W<QPushButton>("button1").click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.Answer().mirror);
    EXPECT_EQ(dialog.Answer().kilometrage, "2500;1");
}

TEST_F(DataAdjustmentsDialogTest, DirectionAndCommaInput) {
    W<QCheckBox>("check1139").click();
    W<QCheckBox>("check1138").click();  // descending from the same start
    EXPECT_EQ(W<QLineEdit>("edit1040").text(), QStringLiteral("-1000.1"));
    EXPECT_EQ(Text("label1148"), QStringLiteral("angepasst"));
    W<QLineEdit>("edit1145").setText(QStringLiteral("12,5"));
    EXPECT_EQ(W<QLineEdit>("edit1040").text(), QStringLiteral("-987.6"));
    W<QPushButton>("button1").click();
    EXPECT_EQ(dialog.Answer().kilometrage, "125;0");
}

TEST_F(DataAdjustmentsDialogTest, UnchangedOkAndEscape) {
    {
        DataAdjustmentsDialog untouched(0, 10001);
        untouched.findChild<QPushButton*>(QStringLiteral("button1"))->click();
        EXPECT_FALSE(untouched.Answer().mirror);
        EXPECT_EQ(untouched.Answer().kilometrage, "");
    }
    // Escape keeps the mirror box as it was left and builds no kilometrage.
    W<QCheckBox>("check1139").click();
    W<QLineEdit>("edit1145").setText(QStringLiteral("250"));
    W<QCheckBox>("check1140").click();
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.Answer().mirror);
    EXPECT_EQ(dialog.Answer().kilometrage, "");
}

TEST(DataAdjustmentsDescendingTest, DescendingRunOpensWithAscendingUnticked) {
    DataAdjustmentsDialog dialog(10001, 0);
    auto* ascending = dialog.findChild<QCheckBox*>(QStringLiteral("check1138"));
    ASSERT_NE(ascending, nullptr);
    EXPECT_FALSE(ascending->isChecked());
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("label1141"))->text(),
              QStringLiteral("1000.1"));
}

TEST(FirstLoadDialogTest, TheDocumentAsksTheModalDialog) {
    FirstLoadDialog firstLoad;
    test::OnNextModal([](QWidget& modal) {
        EXPECT_EQ(modal.windowTitle(), QStringLiteral("Datenanpassungen"));
        EXPECT_EQ(modal.findChild<QLabel*>(QStringLiteral("label1142"))->text(),
                  QStringLiteral("100.1"));
        modal.findChild<QCheckBox*>(QStringLiteral("check1139"))->click();
        modal.findChild<QLineEdit*>(QStringLiteral("edit1145"))->setText(QStringLiteral("500"));
        modal.findChild<QCheckBox*>(QStringLiteral("check1140"))->click();
        modal.findChild<QPushButton*>(QStringLiteral("button1"))->click();
    });
    CNivoraDoc doc;
    test::LoadDocument(doc, "", &firstLoad);
    EXPECT_TRUE(doc.FirstLoadDialogShown());
    EXPECT_EQ(doc.State().GetValue("KILOMETRIERUNG_ANGEPASST", ""), "5000;1");
    EXPECT_EQ(doc.State().GetValue("BOOL_SPIEGELN", ""), "1");
}

}  // namespace
}  // namespace nivora::app
