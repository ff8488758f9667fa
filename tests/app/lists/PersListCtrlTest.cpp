#include <gtest/gtest.h>

#include <QHeaderView>
#include <memory>

#include "lists/PersListCtrl.h"
#include "platform/SettingsStore.h"

namespace nivora::app {
namespace {

constexpr const char* kEntry = "TestDlg";

class PersListCtrlTest : public ::testing::Test {
  protected:
    // A list with three columns of 50, 60 and 70 pixels, initialised from the store.
    std::unique_ptr<CPersListCtrl> Open() {
        auto list = std::make_unique<CPersListCtrl>();
        list->SetColumns({{QStringLiteral("a"), Qt::AlignLeft, 50},
                          {QStringLiteral("b"), Qt::AlignRight, 60},
                          {QStringLiteral("c"), Qt::AlignHCenter, 70}});
        list->Initialise(store, CPersListCtrl::kSection, kEntry);
        return list;
    }
    std::optional<std::string> Stored(const std::string& suffix = "") const {
        return store.ReadText(CPersListCtrl::kSection, kEntry + suffix);
    }
    void Store(const std::string& widths, const std::string& order = "") {
        store.WriteText(CPersListCtrl::kSection, kEntry, widths);
        if (!order.empty())
            store.WriteText(CPersListCtrl::kSection, kEntry + std::string("iOrder"), order);
    }

    MemorySettingsStore store;
};

using Ints = std::vector<int>;

TEST_F(PersListCtrlTest, WithoutStoredEntryTheInitialColumnsStayAndAreWrittenOnClosing) {
    auto list = Open();
    EXPECT_EQ(list->ColumnWidths(), (Ints{50, 60, 70}));
    EXPECT_EQ(list->ColumnOrder(), (Ints{0, 1, 2}));
    EXPECT_EQ(list->SortInfo(), -1);
    EXPECT_FALSE(Stored().has_value());  // nothing is written while open
    list.reset();
    EXPECT_EQ(Stored(), "50;60;70;");
    EXPECT_EQ(Stored("iOrder"), "0;1;2;");
    // The sort information is never set, so it is never written.
    EXPECT_FALSE(store.ReadInt(CPersListCtrl::kSection, std::string(kEntry) + "iSortInfo"));
}

TEST_F(PersListCtrlTest, WidthsAndOrderRoundTripThroughTheStore) {
    {
        auto list = Open();
        list->header()->resizeSection(0, 120);
        list->header()->resizeSection(2, 0);  // hidden
        list->header()->moveSection(2, 0);    // c a b
        EXPECT_EQ(list->ColumnOrder(), (Ints{2, 0, 1}));
    }
    EXPECT_EQ(Stored(), "120;60;0;");
    EXPECT_EQ(Stored("iOrder"), "2;0;1;");
    auto list = Open();
    EXPECT_EQ(list->ColumnWidths(), (Ints{120, 60, 0}));
    EXPECT_EQ(list->ColumnOrder(), (Ints{2, 0, 1}));

    // The hidden column dragged open is open at the next opening.
    list->header()->resizeSection(2, 45);
    list.reset();
    EXPECT_EQ(Open()->ColumnWidths(), (Ints{120, 60, 45}));
}

TEST_F(PersListCtrlTest, StoredListsThatDoNotCoverEveryColumn) {
    struct Case {
        const char* widths;
        const char* order;
        Ints expectedWidths;
        Ints expectedOrder;
    };
    const std::vector<Case> cases = {
        // Fewer fields: only the first columns change; the order needs one
        // index per column, so it is left alone.
        {"80;", "1;0;2;", {80, 60, 70}, {0, 1, 2}},
        // An empty field ends the list.
        {"80;;90;", "", {80, 60, 70}, {0, 1, 2}},
        {"", "2;1;0;", {50, 60, 70}, {0, 1, 2}},
        // More fields than columns: the extra ones have nothing to size.
        {"11;12;13;14;", "2;1;0;", {11, 12, 13}, {0, 1, 2}},
        // An order that is no permutation of the columns is ignored.
        {"11;12;13;", "0;0;1;", {11, 12, 13}, {0, 1, 2}},
        {"11;12;13;", "1;2;0;", {11, 12, 13}, {1, 2, 0}},
        // Numbers read like strtol; a negative width shows nothing.
        {"9x;-5;", "", {9, 0, 70}, {0, 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.widths) + " / " + c.order);
        store.DeleteKey(CPersListCtrl::kSection);
        Store(c.widths, c.order);
        auto list = Open();
        EXPECT_EQ(list->ColumnWidths(), c.expectedWidths);
        EXPECT_EQ(list->ColumnOrder(), c.expectedOrder);
    }
}

TEST_F(PersListCtrlTest, ResetBringsBackTheInitialWidths) {
    Store("5;6;7;", "2;1;0;");
    store.WriteText("Druck", "Rand", "1");
    CPersListCtrl::ResetStoredColumns(store);
    EXPECT_FALSE(Stored().has_value());
    EXPECT_EQ(store.ReadText("Druck", "Rand"), "1");  // other sections stay
    auto list = Open();
    EXPECT_EQ(list->ColumnWidths(), (Ints{50, 60, 70}));
    EXPECT_EQ(list->ColumnOrder(), (Ints{0, 1, 2}));
}

TEST_F(PersListCtrlTest, StoredSortInformationIsKept) {
    store.WriteInt(CPersListCtrl::kSection, std::string(kEntry) + "iSortInfo", 3);
    auto list = Open();
    EXPECT_EQ(list->SortInfo(), 3);
    store.DeleteKey(CPersListCtrl::kSection);
    list.reset();
    EXPECT_EQ(store.ReadInt(CPersListCtrl::kSection, std::string(kEntry) + "iSortInfo"), 3);
}

TEST_F(PersListCtrlTest, ListThatWasNeverInitialisedWritesNothing) {
    {
        CPersListCtrl list;
        list.SetColumns({{QStringLiteral("a"), Qt::AlignLeft, 50}});
    }
    EXPECT_FALSE(Stored().has_value());
}

TEST_F(PersListCtrlTest, RowsTakeTheAlignmentOfTheirColumnsAndOneIsSelected) {
    auto list = Open();
    list->AddRow({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    list->AddRow({QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
    EXPECT_EQ(list->RowCount(), 2);
    const QTreeWidgetItem* row = list->topLevelItem(1);
    EXPECT_EQ(row->text(1), QStringLiteral("5"));
    EXPECT_TRUE(Qt::Alignment(row->textAlignment(1)).testFlag(Qt::AlignRight));
    EXPECT_TRUE(Qt::Alignment(row->textAlignment(2)).testFlag(Qt::AlignHCenter));
    EXPECT_EQ(list->SelectedRow(), -1);
    list->topLevelItem(0)->setSelected(true);
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_EQ(list->SelectedRow(), 1);  // single selection: the new row replaces the old
}

}  // namespace
}  // namespace nivora::app
