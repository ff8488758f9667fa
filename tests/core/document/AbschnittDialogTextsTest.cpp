#include <gtest/gtest.h>

#include "document/AbschnittDialoge.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

using text::W;

TEST(AbschnittDialogTexts, CaptionsAsTheUserSeesThem) {
    EXPECT_STREQ(CAbschnitteDlg::kTitle, "Streckenabschnitte bearbeiten");
    EXPECT_STREQ(CAbschnittDlg::kTitle, "Streckenabschnitt bearbeiten");
    const auto buttons = CAbschnitteDlg::Buttons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].caption, "Neu");
    EXPECT_FALSE(buttons[0].enabled);
    EXPECT_EQ(buttons[2].id, 1075);
    EXPECT_EQ(buttons[2].caption, W("Löschen"));

    const auto labels = CAbschnittDlg::Labels();
    ASSERT_EQ(labels.size(), 9u);
    EXPECT_EQ(labels[5], (std::pair<int, std::string>{1127, W("Einheitspreis [WE/m²]:")}));
    EXPECT_EQ(labels[6], (std::pair<int, std::string>{1130, W("Fahrbahnoberfläche:")}));
    EXPECT_EQ(CAbschnittDlg::HintText(),
              W("Hinweis: \r\nVermeiden Sie Abschnittswechsel in genau der Höhe von möglichen "
                "abzugsfähigen Überschreitungspunkten."));

    const auto& columns = CAbschnitteDlg::Columns();
    std::string headings;
    for (const auto& c : columns) headings += std::string(c.heading) + ";";
    EXPECT_EQ(headings,
              "von [m];bis [m];ausw.?;Breite [cm];Grenzw. [mm];Faktor k;Einheitspr.;"
              "Fahrbahnob.;Mittl. Geschw.;VarK [%];");
    EXPECT_EQ(columns[2].align, CAbschnitteDlg::Align::Centre);
    EXPECT_EQ(columns[7].align, CAbschnitteDlg::Align::Left);
    EXPECT_EQ(columns[4].width, 80);
}

TEST(AbschnittDialogTexts, DescendingListRows) {
    CAbschnitteDlg dlg("[1001|350|45|10|||1||||][600|300|-3|10|||1||||]", "100.1", "0.0");
    ASSERT_EQ(dlg.RowCount(), 2);
    EXPECT_EQ(dlg.Row(0)[0], "100.1");
    EXPECT_EQ(dlg.Row(0)[1], "60.0");
    EXPECT_EQ(dlg.Row(0)[4], "4.5");
    EXPECT_EQ(dlg.Row(1)[1], "0.0");
    EXPECT_EQ(dlg.Row(1)[4], "-0.3");  // a negative limit is shown as it was read
    EXPECT_TRUE(CAbschnitteDlg::IsFirstSection(0));
    EXPECT_FALSE(CAbschnitteDlg::IsFirstSection(1));
    EXPECT_EQ(dlg.Row(2)[0], "");  // no such row
}

TEST(AbschnittDialogTexts, StationButtonRewritesTheNumericFields) {
    struct Case {
        const char* text;
        const char* click;
        const char* caption;
        const char* begin;
        const char* width;
        const char* limit;
        const char* factorK;
        const char* unitPrice;
    };
    const Case cases[] = {
        {"500|350,6|45|10| 3,456 |7|1", "-15", "<   -1.5", "-1.5", "351", "4.5", "3.46", "7.00"},
        {"500|  |0|10|abc||1", "2000", "<   200.0", "200.0", "", "0.0", "0.00", ""},
        {"500|x|99999999999|10|1e400||1", "99999999999", "<   214748364.7", "214748364.7", "0",
         "9999999999.9", "inf", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CAbschnittDlg dlg(c.text, false, "-", c.click, "");
        EXPECT_EQ(dlg.StationButtonText(0), c.caption);
        EXPECT_EQ(dlg.StationButtonText(1), "<   ");
        EXPECT_FALSE(dlg.StationButtonEnabled(1));
        dlg.OnStationButton(1);  // disabled: nothing happens
        EXPECT_EQ(dlg.Values().begin, "50.0");
        dlg.OnStationButton(0);
        EXPECT_EQ(dlg.Values().begin, c.begin);
        EXPECT_EQ(dlg.Values().width, c.width);
        EXPECT_EQ(dlg.Values().limit, c.limit);
        EXPECT_EQ(dlg.Values().factorK, c.factorK);
        EXPECT_EQ(dlg.Values().unitPrice, c.unitPrice);
    }
    CAbschnittDlg first("0|350", true, "-", "10", "20");
    first.OnStationButton(0);  // the first section's begin is fixed
    EXPECT_EQ(first.Values().begin, "0.0");
}

}  // namespace
}  // namespace nivora
