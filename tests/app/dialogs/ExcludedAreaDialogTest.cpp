#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/ExcludedAreaDialog.h"
#include "text/Cp1252.h"

namespace nivora::app {
namespace {

template <typename T>
T& Find(QWidget& dialog, const char* name) {
    T* w = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return *w;
}

TEST(ExcludedAreaDialogTest, ShowsTheAreaInTheDirectionOfTravel) {
    struct Case {
        int32_t from, to;
        bool ascending;
        const char *shownFrom, *shownTo;
    };
    for (const Case& c : std::vector<Case>{{300, 100, true, "10.0", "30.0"},
                                           {100, 300, true, "10.0", "30.0"},
                                           {100, 300, false, "30.0", "10.0"},
                                           {300, 100, false, "30.0", "10.0"},
                                           {-15, -15, true, "-1.5", "-1.5"}}) {
        SCOPED_TRACE(testing::Message() << c.from << " " << c.to << " " << c.ascending);
        ExcludedAreaDialog dialog({c.from, c.to, "x"}, c.ascending);
        EXPECT_EQ(Find<QLineEdit>(dialog, "edit1033").text(), QString::fromLatin1(c.shownFrom));
        EXPECT_EQ(Find<QLineEdit>(dialog, "edit1032").text(), QString::fromLatin1(c.shownTo));
    }
}

TEST(ExcludedAreaDialogTest, TextsAndControls) {
    ExcludedAreaDialog dialog({300, 100, text::W("Brücke{{CRLF}}gesperrt")}, true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bereich ohne Überschreitungsauswertung"));
    auto& remark = Find<QPlainTextEdit>(dialog, "edit1000");
    EXPECT_EQ(remark.toPlainText(), QStringLiteral("Brücke\ngesperrt"));
    QStringList labels;
    for (auto* label : dialog.findChildren<QLabel*>()) labels << label->text();
    for (const char* text :
         {"von Station [m]:", "bis Station [m]:",
          "Bemerkung (erscheint im Überschreitungsprotokoll):",
          "Hinweis: Nach schließen dieses Dialogs muss die autom. Überschreitungserkennung "
          "wiederholt werden."})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    // Shown only: disabled fields, no delete box.
    for (const char* name : {"edit1033", "edit1032"})
        EXPECT_FALSE(Find<QLineEdit>(dialog, name).isEnabled());
    EXPECT_FALSE(remark.isEnabled());
    auto& remove = Find<QCheckBox>(dialog, "check1138");
    EXPECT_EQ(remove.text(), QStringLiteral("Bereich wieder löschen"));
    EXPECT_TRUE(remove.isHidden());
    EXPECT_EQ(Find<QPushButton>(dialog, "button1").text(), QStringLiteral("OK"));
    EXPECT_EQ(Find<QPushButton>(dialog, "button2").text(), QStringLiteral("Abbrechen"));
}

TEST(ExcludedAreaDialogTest, BothButtonsClose) {
    for (const char* name : {"button1", "button2"}) {
        ExcludedAreaDialog dialog({100, 300, "x"}, true);
        dialog.show();
        Find<QPushButton>(dialog, name).click();
        EXPECT_FALSE(dialog.isVisible()) << name;
        EXPECT_EQ(dialog.result(),
                  name == std::string("button1") ? QDialog::Accepted : QDialog::Rejected);
    }
}

}  // namespace
}  // namespace nivora::app
