#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

#include "QtText.h"
#include "app/dialogs/DialogDocument.h"
#include "dialogs/SectionDialog.h"
#include "dialogs/SectionListDialog.h"
#include "lists/ColumnWidths.h"
#include "lists/PersListCtrl.h"
#include "platform/SettingsStore.h"
#include "widgets/Label.h"

namespace nivora::app {
namespace {

// Two sections over 0 to 100.1 m: one evaluated, one not.
const std::string kState =
    "KENNUNG=135122\nMANUVONBIS=0;1000\n"
    "ABSCHNITTE=[0|350|40|10|0.6|12.5|1|Asphalt|||][500|325||10|||0||||]\n";

class SectionDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override { test::LoadDocument(doc, kState); }

    template <typename T>
    static T& Find(QWidget& dialog, const char* name) {
        T* w = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }
    static QStringList Row(CPersListCtrl& list, int row) {
        QStringList cells;
        for (int c = 0; c < list.columnCount(); ++c) cells << list.topLevelItem(row)->text(c);
        return cells;
    }

    CNivoraDoc doc;
    MemorySettingsStore store;
};

TEST_F(SectionDialogsTest, ListShowsOneRowPerSection) {
    SectionListDialog dialog(doc, store);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Streckenabschnitte bearbeiten"));
    CPersListCtrl& list = Find<CPersListCtrl>(dialog, "list1067");
    EXPECT_EQ(&list, &dialog.List());
    QStringList headings;
    for (int c = 0; c < list.columnCount(); ++c) headings << list.headerItem()->text(c);
    EXPECT_EQ(headings, (QStringList{"von [m]", "bis [m]", "ausw.?", "Breite [cm]", "Grenzw. [mm]",
                                     "Faktor k", "Einheitspr.", "Fahrbahnob.", "Mittl. Geschw.",
                                     "VarK [%]"}));
    // The pixels of the original dialog font, grown for this desktop's font
    // and never narrower than the heading.
    const std::vector<int> original{50, 50, 50, 70, 80, 60, 70, 80, 80, 80};
    for (int c = 0; c < list.columnCount(); ++c) {
        EXPECT_GE(list.ColumnWidths()[static_cast<std::size_t>(c)],
                  DefaultColumnWidth(list, headings[c], original[static_cast<std::size_t>(c)]));
        EXPECT_GE(list.ColumnWidths()[static_cast<std::size_t>(c)],
                  original[static_cast<std::size_t>(c)]);
    }
    ASSERT_EQ(list.RowCount(), 2);
    EXPECT_EQ(Row(list, 0),
              (QStringList{"0.0", "50.0", "ja", "350", "4.0", "0.6", "12.5", "Asphalt", "", ""}));
    // Not evaluated: "nein" and nothing else.
    EXPECT_EQ(Row(list, 1), (QStringList{"50.0", "100.1", "nein", "", "", "", "", "", "", ""}));
    const auto align = [&](int column) {
        return Qt::Alignment(list.topLevelItem(0)->textAlignment(column));
    };
    EXPECT_TRUE(align(0).testFlag(Qt::AlignRight));
    EXPECT_TRUE(align(2).testFlag(Qt::AlignHCenter));
    EXPECT_TRUE(align(7).testFlag(Qt::AlignLeft));
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(SectionDialogsTest, EveryHeadingAndCellReadsInFull) {
    SectionListDialog dialog(doc, store);
    CPersListCtrl& list = dialog.List();
    for (int c = 0; c < list.columnCount(); ++c) {
        SCOPED_TRACE(list.headerItem()->text(c).toStdString());
        const int width = list.header()->sectionSize(c);
        EXPECT_LE(list.header()->fontMetrics().horizontalAdvance(list.headerItem()->text(c)),
                  width);
        EXPECT_LE(HeadingWidthNeeded(list, list.headerItem()->text(c)), width);
        for (int r = 0; r < list.RowCount(); ++r)
            EXPECT_LE(CellWidthNeeded(list, list.topLevelItem(r)->text(c)), width) << r;
    }
}

TEST_F(SectionDialogsTest, ListButtons) {
    SectionListDialog dialog(doc, store);
    struct Case {
        const char* name;
        const char* text;
        bool enabled;
    };
    for (const Case& c : std::vector<Case>{{"button1072", "Neu", false},
                                           {"button1074", "Bearbeiten", true},
                                           {"button1075", "Löschen", true},
                                           {"button1", "OK", true},
                                           {"button2", "Abbrechen", true}}) {
        SCOPED_TRACE(c.name);
        auto& b = Find<QPushButton>(dialog, c.name);
        EXPECT_EQ(b.text(), QString::fromUtf8(c.text));
        EXPECT_EQ(b.isEnabled(), c.enabled);
    }
    // "Löschen" has no effect.
    Find<QPushButton>(dialog, "button1075").click();
    EXPECT_EQ(dialog.List().RowCount(), 2);
    EXPECT_EQ(dialog.result(), 0);
}

TEST_F(SectionDialogsTest, ColumnsAreKeptUnderTheirOwnEntry) {
    store.WriteText("Spaltenbreiten", "BreitenaendernDlg", "90;91;");
    std::string expected = "90;91;";
    {
        SectionListDialog dialog(doc, store);
        CPersListCtrl& list = dialog.List();
        EXPECT_EQ(list.ColumnWidths()[0], 90);
        EXPECT_EQ(list.ColumnWidths()[1], 91);
        // The columns without a stored width keep their defaults.
        for (int c = 2; c < 9; ++c) {
            EXPECT_EQ(
                list.ColumnWidths()[static_cast<std::size_t>(c)],
                DefaultColumnWidth(list, list.headerItem()->text(c),
                                   CAbschnitteDlg::Columns()[static_cast<std::size_t>(c)].width));
            expected += std::to_string(list.ColumnWidths()[static_cast<std::size_t>(c)]) + ";";
        }
        list.header()->resizeSection(9, 33);
    }
    EXPECT_EQ(store.ReadText("Spaltenbreiten", "BreitenaendernDlg"), expected + "33;");
}

TEST_F(SectionDialogsTest, OkKeepsTheSectionsAndComputesTheRunStatistics) {
    const std::string before = doc.State().GetValue("ABSCHNITTE", "");
    {
        SectionListDialog dialog(doc, store);
        Find<QPushButton>(dialog, "button2").click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(doc.State().HasKey("STATGES"));
    SectionListDialog dialog(doc, store);
    Find<QPushButton>(dialog, "button1").click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(doc.State().GetValue("ABSCHNITTE", ""), before);
    // The run has no speeds: three empty statistics.
    EXPECT_EQ(doc.State().GetValue("STATGES", "?"), "||");
}

TEST_F(SectionDialogsTest, EditOpensTheSelectedSectionOnly) {
    SectionListDialog dialog(doc, store);
    // Nothing selected: no dialog (a modal one would wait here).
    Find<QPushButton>(dialog, "button1074").click();
    EXPECT_EQ(dialog.CreateSectionDialog(-1), nullptr);
    EXPECT_EQ(dialog.CreateSectionDialog(2), nullptr);

    dialog.List().setCurrentItem(dialog.List().topLevelItem(1));
    QString opened;
    test::OnNextModal([&](QWidget& modal) {
        opened = modal.windowTitle() + " " +
                 modal.findChild<QLineEdit*>(QStringLiteral("edit1073"))->text();
    });
    Find<QPushButton>(dialog, "button1074").click();
    EXPECT_EQ(opened, QStringLiteral("Streckenabschnitt bearbeiten 50.0"));

    opened.clear();
    test::OnNextModal([&](QWidget& modal) { opened = modal.windowTitle(); });
    emit dialog.List().itemDoubleClicked(dialog.List().topLevelItem(1), 0);
    EXPECT_EQ(opened, QStringLiteral("Streckenabschnitt bearbeiten"));
}

TEST_F(SectionDialogsTest, SectionDialogShowsTheSectionAndAllowsNoChange) {
    SectionListDialog list(doc, store);
    auto dialog = list.CreateSectionDialog(0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Streckenabschnitt bearbeiten"));
    struct Field {
        const char* name;
        const char* text;
        bool editable;
    };
    for (const Field& f : std::vector<Field>{{"edit1073", "0.0", false},
                                             {"edit1074", "350", false},
                                             {"edit1124", "4.0", false},
                                             {"edit1126", "0.6", false},
                                             {"edit1127", "12.5", false},
                                             {"edit1130", "Asphalt", false},
                                             {"edit1136", "", false},
                                             {"edit1139", "", false}}) {
        SCOPED_TRACE(f.name);
        auto& edit = Find<QLineEdit>(*dialog, f.name);
        EXPECT_EQ(edit.text(), QString::fromUtf8(f.text));
        // Read-only, not greyed out: readable and selectable.
        EXPECT_TRUE(edit.isEnabled());
        EXPECT_EQ(!edit.isReadOnly(), f.editable);
        EXPECT_EQ(edit.palette().color(QPalette::Text),
                  edit.palette().color(QPalette::Active, QPalette::Text));
    }
    EXPECT_TRUE(Find<QLineEdit>(*dialog, "edit1136").isReadOnly());
    auto& evaluate = Find<QCheckBox>(*dialog, "check1065");
    EXPECT_EQ(evaluate.text(), QStringLiteral("diesen Streckenabschnitt auswerten"));
    EXPECT_TRUE(evaluate.isChecked());
    EXPECT_FALSE(evaluate.isEnabled());
    auto& combo = Find<QComboBox>(*dialog, "combo1172");
    EXPECT_EQ(combo.count(), 41);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("Standard"));
    EXPECT_FALSE(combo.isEnabled());
    EXPECT_FALSE(Find<QPushButton>(*dialog, "button1").isEnabled());
    EXPECT_TRUE(Find<QPushButton>(*dialog, "button2").isEnabled());
    auto& hint = Find<CLabel>(*dialog, "label1156");
    EXPECT_EQ(hint.TextColour(), QColor(0, 0, 191));
    EXPECT_TRUE(hint.text().startsWith(QStringLiteral("Hinweis: \nVermeiden Sie")));
    // The first section keeps its begin: no station buttons.
    EXPECT_TRUE(Find<QLineEdit>(*dialog, "edit1073").isReadOnly());
    EXPECT_TRUE(Find<QPushButton>(*dialog, "button1128").isHidden());
    EXPECT_TRUE(Find<QPushButton>(*dialog, "button1129").isHidden());
}

TEST_F(SectionDialogsTest, StationButtonsOfALaterSectionTakeTheClickedStations) {
    doc.ClickedStations().Push("2345");
    SectionListDialog list(doc, store);
    auto dialog = list.CreateSectionDialog(1);
    ASSERT_NE(dialog, nullptr);
    auto& newest = Find<QPushButton>(*dialog, "button1128");
    auto& older = Find<QPushButton>(*dialog, "button1129");
    EXPECT_FALSE(newest.isHidden());
    EXPECT_EQ(newest.text(), QStringLiteral("<   234.5"));
    EXPECT_TRUE(newest.isEnabled());
    EXPECT_EQ(older.text(), QStringLiteral("<   "));
    EXPECT_FALSE(older.isEnabled());  // no older click yet
    // Not evaluated: the box is clear, the limit field empty; the road
    // surface is the run's own.
    EXPECT_FALSE(Find<QCheckBox>(*dialog, "check1065").isChecked());
    EXPECT_EQ(Find<QLineEdit>(*dialog, "edit1130").text(),
              qt::FromCp1252(doc.State().GetRoadSurfaceName()));
    EXPECT_EQ(Find<QComboBox>(*dialog, "combo1172").currentIndex(), 0);
    // Not to be changed in this edition, but the buttons still fill it in.
    EXPECT_TRUE(Find<QLineEdit>(*dialog, "edit1073").isReadOnly());

    newest.click();
    EXPECT_EQ(Find<QLineEdit>(*dialog, "edit1073").text(), QStringLiteral("234.5"));
    EXPECT_EQ(Find<QLineEdit>(*dialog, "edit1074").text(), QStringLiteral("325"));
    EXPECT_EQ(Find<QLineEdit>(*dialog, "edit1124").text(), QStringLiteral("0.0"));
}

}  // namespace
}  // namespace nivora::app
