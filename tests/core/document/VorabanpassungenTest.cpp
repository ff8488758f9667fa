#include <gtest/gtest.h>

#include "document/Vorabanpassungen.h"

namespace nivora {
namespace {

TEST(Vorabanpassungen, OpensWithTheReadRange) {
    CVorabanpassungenDlg dlg(0, 10001);
    EXPECT_EQ(dlg.ReadStartText(), "0.0");
    EXPECT_EQ(dlg.ReadEndText(), "1000.1");
    EXPECT_EQ(dlg.StartFieldText(), "0.0");
    EXPECT_EQ(dlg.EndFieldText(), "1000.1");
    EXPECT_TRUE(dlg.Ascending());
    EXPECT_FALSE(dlg.Adjust());
    EXPECT_FALSE(dlg.FrameEnabled());
    EXPECT_EQ(dlg.AdjustedStartText(), "");
    EXPECT_EQ(dlg.StateText(), "");
    EXPECT_FALSE(dlg.AdjustedLabelsHighlighted());
    dlg.OnOk();
    EXPECT_EQ(dlg.Answer().kilometrage, "");
    EXPECT_FALSE(dlg.Answer().mirror);

    CVorabanpassungenDlg descending(10001, 0);
    EXPECT_FALSE(descending.Ascending());
    EXPECT_EQ(descending.ReadStartText(), "1000.1");
}

TEST(Vorabanpassungen, WorkedExample) {
    CVorabanpassungenDlg dlg(0, 10001);
    dlg.OnAdjustClicked(true);
    EXPECT_TRUE(dlg.FrameEnabled());
    EXPECT_EQ(dlg.StateText(), "");  // nothing changed yet
    dlg.OnStartChanged("250");
    EXPECT_EQ(dlg.NewStart(), 2500);
    EXPECT_EQ(dlg.NewEnd(), 12501);
    EXPECT_EQ(dlg.EndFieldText(), "1250.1");
    EXPECT_EQ(dlg.StateText(), "angepasst");
    EXPECT_EQ(dlg.AdjustedStartText(), "250.0");
    EXPECT_EQ(dlg.AdjustedEndText(), "1250.1");
    EXPECT_TRUE(dlg.AdjustedLabelsHighlighted());
    dlg.OnStartKillFocus();
    EXPECT_EQ(dlg.StartFieldText(), "250.0");
    dlg.OnMirrorClicked(true);
    EXPECT_EQ(dlg.StateText(), "angepasst und gespiegelt");
    EXPECT_EQ(dlg.AdjustedStartText(), "1250.1");
    EXPECT_EQ(dlg.AdjustedEndText(), "250.0");
    dlg.OnOk();
    EXPECT_EQ(dlg.Answer().kilometrage, "2500;1");
    EXPECT_TRUE(dlg.Answer().mirror);
}

TEST(Vorabanpassungen, EdgeCases) {
    // Ticked but unchanged: no result, labels empty.
    CVorabanpassungenDlg same(0, 10001);
    same.OnAdjustClicked(true);
    EXPECT_EQ(same.NewEnd(), 10001);
    EXPECT_EQ(same.StateText(), "");
    same.OnOk();
    EXPECT_EQ(same.Answer().kilometrage, "");

    // Only the direction changed.
    CVorabanpassungenDlg direction(0, 10001);
    direction.OnAdjustClicked(true);
    direction.OnAscendingClicked(false);
    EXPECT_EQ(direction.NewEnd(), -10001);
    EXPECT_EQ(direction.StateText(), "angepasst");
    direction.OnOk();
    EXPECT_EQ(direction.Answer().kilometrage, "0;0");

    // Mirror only, closed with Escape: no OK, so no kilometrage.
    CVorabanpassungenDlg mirror(0, 10001);
    mirror.OnMirrorClicked(true);
    EXPECT_EQ(mirror.StateText(), "gespiegelt");
    EXPECT_EQ(mirror.AdjustedStartText(), "1000.1");
    EXPECT_TRUE(mirror.Answer().mirror);
    EXPECT_EQ(mirror.Answer().kilometrage, "");

    // Decimal comma and text that is no number.
    CVorabanpassungenDlg comma(0, 10001);
    comma.OnAdjustClicked(true);
    comma.OnStartChanged("12,5");
    EXPECT_EQ(comma.NewStart(), 125);
    comma.OnStartChanged("abc");
    EXPECT_EQ(comma.NewStart(), 0);

    // A start typed while adjusting is off gives no result either.
    CVorabanpassungenDlg off(0, 10001);
    off.OnStartChanged("5");
    off.OnOk();
    EXPECT_EQ(off.Answer().kilometrage, "");
}

TEST(Vorabanpassungen, TextsOfTheDialog) {
    EXPECT_EQ(
        CVorabanpassungenDlg::MirrorCaption(),
        "Abfolge der Messwerte \"spiegeln\". Der Startpunkt wird also zum Endpunkt und umgekehrt.");
    const std::string intro = CVorabanpassungenDlg::IntroductionText();
    EXPECT_NE(intro.find("sp\xE4ter"), std::string::npos);
    EXPECT_NE(intro.find("m\xF6glich sind. \n\nSollten"), std::string::npos);
}

}  // namespace
}  // namespace nivora
