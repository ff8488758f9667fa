#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/dialogs/DialogDocument.h"
#include "dialogs/AuswertungDlg.h"
#include "lists/ColumnWidths.h"
#include "lists/ExListCtrl.h"
#include "platform/SettingsStore.h"

namespace nivora::app {
namespace {

using K = AUSWERTUNGSZEILE::Kind;

// Two sections; exceedances at 10 m and 40 m (not counted) in the first and
// at 70 m in the second; an area before each section's last exceedance.
const std::string kState =
    "KENNUNG=135122\nMANUVONBIS=0;1000\n"
    "ABSCHNITTE=[0|350|40|10|0.6|12.5|1||||][500|325|40|10|||1||||]\n"
    "UEBERSCHREITUNGSDATEN_1=[700;55;4;0;0;1;;12.5;;][100;61;6;0;0;1;;0.0;;]"
    "[400;52;5;0;0;0;;3.5;;]\n"
    "UEBERSCHREITUNGSDATEN_4=[100\xBFRiss{{CRLF}}quer\xBF"
    "1]\n"
    "BEREICHOHNEERKENNUNGDATEN=200_250_Br\xFC"
    "cke_650_600_Baustelle\n";

class AuswertungDlgTest : public ::testing::Test {
  protected:
    QStringList Cells(CExListCtrl& list, int row) {
        QStringList cells;
        for (int c = 0; c < list.columnCount(); ++c) cells << list.topLevelItem(row)->text(c);
        return cells;
    }
    MemorySettingsStore store;
};

TEST_F(AuswertungDlgTest, ListsExceedancesWithAreasDividedBySections) {
    CNivoraDoc doc;
    test::LoadDocument(doc, kState);
    // The page column shows the pages the view's paging gives.
    CAuswertungDlg dialog(doc, {1, 1, 2}, store);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Auswertung Überschreitungen und Abzüge"));
    CExListCtrl& list = *dialog.findChild<CExListCtrl*>(QStringLiteral("list1067"));
    EXPECT_EQ(&list, &dialog.List());
    QStringList headings;
    for (int c = 0; c < list.columnCount(); ++c) headings << list.headerItem()->text(c);
    EXPECT_EQ(headings,
              (QStringList{"Nr.", "Seite", "Station [m]", "Breite", "Messwert [mm]", "p [mm]",
                           QStringLiteral("p² [mm]"), "Geschw. [km/h]", "Bemerkung"}));
    EXPECT_EQ(list.ColumnWidths()[1], 0);  // "Seite" hidden until dragged open

    ASSERT_EQ(list.RowCount(), 7);
    const std::vector<K> kinds = {K::Exceedance, K::Area,       K::Exceedance, K::Separator,
                                  K::Area,       K::Exceedance, K::Separator};
    const std::vector<bool> counted = {true, false, false, false, false, true, false};
    for (int r = 0; r < 7; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(list.Record(r).kind, kinds[static_cast<std::size_t>(r)]);
        const auto style = CAuswertungsListe::StyleOf(list.Record(r), false);
        EXPECT_EQ(style.strikeThrough, !counted[static_cast<std::size_t>(r)]);
        EXPECT_EQ(CAuswertungsListe::StyleOf(list.Record(r), true).background, 0x00FF0000u);
    }
    EXPECT_EQ(Cells(list, 0),
              (QStringList{"1", "1", "10.0", "3.50", "6.1", "6", "36", "", "Riss quer"}));
    EXPECT_EQ(Cells(list, 1), (QStringList{"2", "", "20.0 - 25.0", "", "", "--", "--", "--",
                                           QStringLiteral("Brücke")}));
    EXPECT_EQ(Cells(list, 2), (QStringList{"2", "1", "40.0", "3.50", "5.2", "5", "25", "3.5", ""}));
    // Areas are listed in stored order of their stations, not sorted.
    EXPECT_EQ(Cells(list, 4),
              (QStringList{"3", "", "65.0 - 60.0", "", "", "--", "--", "--", "Baustelle"}));
    // The second section's width.
    EXPECT_EQ(Cells(list, 5),
              (QStringList{"3", "2", "70.0", "3.25", "5.5", "4", "16", "12.5", ""}));
}

TEST_F(AuswertungDlgTest, EveryHeadingAndCellReadsInFull) {
    CNivoraDoc doc;
    test::LoadDocument(doc, kState);
    CAuswertungDlg dialog(doc, {1, 1, 2}, store);
    CExListCtrl& list = dialog.List();
    const std::vector<int> original{40, 0, 100, 40, 90, 50, 50, 100, 270};
    for (int c = 0; c < list.columnCount(); ++c) {
        SCOPED_TRACE(list.headerItem()->text(c).toStdString());
        const int width = list.header()->sectionSize(c);
        if (original[static_cast<std::size_t>(c)] == 0) {
            EXPECT_EQ(width, 0);
            continue;
        }
        EXPECT_LE(list.header()->fontMetrics().horizontalAdvance(list.headerItem()->text(c)),
                  width);
        EXPECT_LE(HeadingWidthNeeded(list, list.headerItem()->text(c)), width);
        for (int r = 0; r < list.RowCount(); ++r)
            EXPECT_LE(CellWidthNeeded(list, list.topLevelItem(r)->text(c)), width) << r;
    }
    // The dialog shows all columns side by side where the screen allows.
    ASSERT_NE(dialog.screen(), nullptr);
    EXPECT_GE(dialog.width(), std::min(ListWidthNeeded(list),
                                       dialog.screen()->availableGeometry().width() * 9 / 10));
}

TEST_F(AuswertungDlgTest, RunWithoutExceedancesShowsAnEmptyList) {
    CNivoraDoc doc;
    test::LoadDocument(doc, "KENNUNG=135122\nBEREICHOHNEERKENNUNGDATEN=200_250_x\n");
    CAuswertungDlg dialog(doc, {}, store);
    EXPECT_EQ(dialog.List().RowCount(), 0);
}

TEST_F(AuswertungDlgTest, ColumnsPersistAndCloseButtonCloses) {
    CNivoraDoc doc;
    test::LoadDocument(doc, kState);
    store.WriteText("Spaltenbreiten", "AuswertungDlg", "40;35;");
    std::string expected = "40;35;";
    {
        CAuswertungDlg dialog(doc, {}, store);
        EXPECT_EQ(dialog.List().ColumnWidths()[0], 40);  // stored widths win
        EXPECT_EQ(dialog.List().ColumnWidths()[1], 35);  // "Seite" dragged open earlier
        for (std::size_t c = 2; c < 9; ++c)
            expected += std::to_string(dialog.List().ColumnWidths()[c]) + ";";
        dialog.List().header()->moveSection(8, 0);
        auto* close = dialog.findChild<QPushButton*>(QStringLiteral("button1"));
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->text(), QStringLiteral("Schließen"));
        EXPECT_TRUE(close->isDefault());
        close->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        QStringList texts;
        for (auto* label : dialog.findChildren<QLabel*>()) texts << label->text();
        EXPECT_TRUE(texts.contains(QStringLiteral(
            "Doppelklick auf einen Eintrag, um einzelne Überschreitung zu bearbeiten")));
        EXPECT_TRUE(
            texts.contains(QStringLiteral("Taste F7, um Bemerkung und Berücksichtigungsstatus der "
                                          "Überschreitung darüber zu übernehmen")));
    }
    EXPECT_EQ(store.ReadText("Spaltenbreiten", "AuswertungDlg"), expected);
    EXPECT_EQ(store.ReadText("Spaltenbreiten", "AuswertungDlgiOrder"), "8;0;1;2;3;4;5;6;7;");
}

}  // namespace
}  // namespace nivora::app
