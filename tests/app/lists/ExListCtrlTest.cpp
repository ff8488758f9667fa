#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStyledItemDelegate>

#include "lists/ExListCtrl.h"
#include "text/Cp1252.h"

namespace nivora::app {
namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kGrey(127, 127, 127), kBlue(0, 0, 255);

// Two exceedances in one section, the second not counted, an excluded area
// between them: rows exceedance, area, exceedance, separator.
class ExListCtrlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UeberschreitungsListe exceedances;
        exceedances.Load(true, "[200;60;2;0;0;0;;-1;;][100;50;3;0;0;1;;42.5;;]",
                         "0.0;1.0;0.60;;;EUR;;", text::W("[100¿Riss{{CRLF}}breit¿1][200¿Fuge¿0]"),
                         0);
        CAuswertungsListe lines;
        lines.Fill(exceedances,
                   [](int32_t) {
                       return std::pair<int, int>{1, 350};
                   },
                   {{150, 180, text::W("Brücke¿x")}});
        std::vector<CPersListCtrl::Column> columns;
        for (const auto& c : CAuswertungsListe::Columns())
            columns.push_back({QString::fromLatin1(c.heading), Qt::AlignLeft, c.width});
        list.SetColumns(columns);
        list.SetRows(lines);
    }

    // One cell drawn by the list's own delegate.
    QImage Paint(int row, int column, bool selected) {
        QImage image(200, 20, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 200, 20);
        option.font.setPixelSize(14);
        option.font.setStyleStrategy(QFont::NoAntialias);
        option.state = QStyle::State_Enabled;
        if (selected) option.state |= QStyle::State_Selected;
        list.itemDelegate()->paint(&painter, option, list.model()->index(row, column));
        return image;
    }
    // Whether a pixel of the colour appears away from the strike line.
    static bool HasTextPixel(const QImage& image, const QColor& colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (y != 10 && image.pixelColor(x, y) == colour) return true;
        return false;
    }

    CExListCtrl list;
};

TEST_F(ExListCtrlTest, RowsShowTheirRecordsCells) {
    ASSERT_EQ(list.RowCount(), 4);
    ASSERT_EQ(list.RecordCount(), 4);
    using K = AUSWERTUNGSZEILE::Kind;
    EXPECT_EQ(list.Record(0).kind, K::Exceedance);
    EXPECT_EQ(list.Record(1).kind, K::Area);
    EXPECT_EQ(list.Record(2).kind, K::Exceedance);
    EXPECT_EQ(list.Record(3).kind, K::Separator);
    const auto cells = [&](int row) {
        QStringList s;
        for (int c = 0; c < list.columnCount(); ++c) s << list.topLevelItem(row)->text(c);
        return s;
    };
    EXPECT_EQ(cells(0),
              (QStringList{"1", "-999", "10.0", "3.50", "5.0", "3", "9", "42.5", "Riss breit"}));
    EXPECT_EQ(cells(1), (QStringList{"2", "", "15.0 - 18.0", "", "", "--", "--", "--",
                                     QStringLiteral("Brücke")}));
    // No speed: an empty cell.
    EXPECT_EQ(cells(2), (QStringList{"2", "-999", "20.0", "3.50", "6.0", "2", "4", "", "Fuge"}));
    EXPECT_EQ(cells(3), QStringList(9, QString()));
}

TEST_F(ExListCtrlTest, RowsAreDrawnByWhetherTheyCountAndAreSelected) {
    struct Case {
        int row;
        bool selected;
        QColor background, text;
        bool struck;
        QColor strike;
    };
    const std::vector<Case> cases = {
        {0, false, kWhite, kBlack, false, {}},  // counted
        {0, true, kBlue, kWhite, false, {}},
        {2, false, kWhite, kGrey, true, kGrey},  // not counted
        {2, true, kBlue, kWhite, true, kWhite},
        {1, false, kWhite, kGrey, true, kGrey},  // area
        {3, false, kWhite, {}, true, kGrey},     // separator: a thin grey line
        {3, true, kBlue, {}, true, kWhite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << (c.selected ? " selected" : ""));
        const QImage image = Paint(c.row, 8, c.selected);
        EXPECT_EQ(image.pixelColor(0, 2), c.background);  // the whole cell is filled
        EXPECT_EQ(image.pixelColor(199, 2), c.background);
        EXPECT_EQ(image.pixelColor(199, 10), c.struck ? c.strike : c.background);
        EXPECT_EQ(image.pixelColor(0, 10), c.struck ? c.strike : c.background);
        EXPECT_EQ(image.pixelColor(199, 9), c.background);  // one pixel high
        if (c.text.isValid()) {
            EXPECT_TRUE(HasTextPixel(image, c.text));
            for (const QColor& other : {kBlack, kGrey}) {
                if (other != c.text) {
                    EXPECT_FALSE(HasTextPixel(image, other));
                }
            }
        }
    }
}

TEST_F(ExListCtrlTest, TextStartsThreePixelsIn) {
    const QImage image = Paint(0, 8, false);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(image.pixelColor(x, y), kWhite);
}

TEST_F(ExListCtrlTest, NewRowsReplaceTheOldRecords) {
    list.SetRows(CAuswertungsListe());
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.RecordCount(), 0);
}

}  // namespace
}  // namespace nivora::app
