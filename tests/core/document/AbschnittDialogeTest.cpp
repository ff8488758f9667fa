#include <gtest/gtest.h>

#include "document/AbschnittDialoge.h"
#include "measurement/MessFahrtDaten.h"

namespace nivora {
namespace {

TEST(AbschnitteDlg, RowsAndOkRule) {
    const std::string text =
        "[0|350|40|10|0,6|12.5|1|SMA 8 S|4.5||6.7][500|325|45|10|||2||||][800|300|45|10|||0||||]";
    CAbschnitteDlg dlg(text, "0.0", "100.1");
    ASSERT_EQ(dlg.RowCount(), 3);
    EXPECT_EQ(dlg.Row(0), (std::array<std::string, 10>{"0.0", "50.0", "ja", "350", "4.0", "0,6",
                                                       "12.5", "SMA 8 S", "4.5", "6.7"}));
    EXPECT_EQ(dlg.Row(1)[2], "ja");  // any non-zero flag counts here
    EXPECT_EQ(dlg.Row(2),
              (std::array<std::string, 10>{"80.0", "100.1", "nein", "", "", "", "", "", "", ""}));
    EXPECT_EQ(dlg.SectionText(1), "500|325|45|10|||1||||");
    EXPECT_EQ(dlg.SectionText(-1), "");
    EXPECT_EQ(dlg.AbschnitteOnOk(), text);
    EXPECT_FALSE(dlg.NewEnabled());
    ASSERT_EQ(CAbschnitteDlg::Columns().size(), 10u);
    EXPECT_STREQ(CAbschnitteDlg::Columns()[2].heading, "ausw.?");

    CMessFahrtDaten run;
    for (int i = 0; i < 11; ++i) {
        MESSUNG m;
        m.station = i * 100;
        m.speed = i < 8 ? 40 : 100;  // the fast ones lie in the section that is not evaluated
        run.MutableRaw().push_back(m);
    }
    run.ResetRange();
    run.SetRange(run.RangeStart(), run.RangeEnd());
    EXPECT_EQ(dlg.StatgesOnOk(run), "40.0|0.0|0.0");
}

TEST(AbschnittDlg, FieldsComboAndStationButtons) {
    CAbschnittDlg dlg("1500|350|40|10|0,6|12,5|1||4.5|0.3|6.7", false, "AC 11 D S", "1234", "");
    const auto& f = dlg.Values();
    EXPECT_EQ(f.begin, "150.0");
    EXPECT_EQ(f.width, "350");
    EXPECT_EQ(f.limit, "4.0");
    EXPECT_EQ(f.factorK, "0,6");
    EXPECT_EQ(f.roadSurface, "AC 11 D S");  // empty: the run's road surface
    EXPECT_TRUE(f.evaluate);
    EXPECT_EQ(f.vark, "6.7");
    EXPECT_EQ(dlg.RoadSurfaceSelection(), 2);
    EXPECT_EQ(CAbschnittDlg::RoadSurfaceEntries().size(), 41u);
    EXPECT_EQ(dlg.StationButtonText(0), "<   123.4");
    EXPECT_TRUE(dlg.StationButtonEnabled(0));
    EXPECT_FALSE(dlg.StationButtonEnabled(1));
    EXPECT_FALSE(dlg.InputsEnabled());
    EXPECT_FALSE(dlg.OkEnabled());
    dlg.OnStationButton(0);
    EXPECT_EQ(dlg.Values().begin, "123.4");
    EXPECT_EQ(dlg.Values().factorK, "0.60");
    EXPECT_EQ(dlg.Values().unitPrice, "12.50");

    CAbschnittDlg first("0|350|||||2|Beton", true, "-", "10", "20");
    EXPECT_TRUE(first.BeginReadOnly());
    EXPECT_FALSE(first.StationButtonsVisible());
    EXPECT_FALSE(first.Values().evaluate);  // only "1" ticks the box
    EXPECT_EQ(first.Values().limit, "0.0");
    EXPECT_EQ(first.RoadSurfaceSelection(), 39);
    CAbschnittDlg unknown("0|350|||||1|Kopfstein", false, "-", "", "");
    EXPECT_EQ(unknown.RoadSurfaceSelection(), 0);
    EXPECT_NE(CAbschnittDlg::HintText().find("Vermeiden Sie Abschnittswechsel"), std::string::npos);
}

}  // namespace
}  // namespace nivora
