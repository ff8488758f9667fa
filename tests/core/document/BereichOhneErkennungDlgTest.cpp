#include <gtest/gtest.h>

#include "document/BereichOhneErkennungDlgLogic.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

TEST(BereichOhneErkennungDlg, StationsInTheDirectionOfTravel) {
    struct Case {
        int32_t from, to;
        bool ascending;
        const char* shownFrom;
        const char* shownTo;
    };
    const Case cases[] = {
        {1200, 800, true, "80.0", "120.0"},  {800, 1200, true, "80.0", "120.0"},
        {800, 1200, false, "120.0", "80.0"}, {1200, 800, false, "120.0", "80.0"},
        {500, 500, true, "50.0", "50.0"},
    };
    for (const auto& c : cases) {
        const CBereichOhneErkennungDlg dlg(BEREICH_OHNE_ERKENNUNG_DATEN{c.from, c.to, ""},
                                           c.ascending);
        EXPECT_EQ(dlg.FromText(), c.shownFrom) << c.from << " " << c.to << " " << c.ascending;
        EXPECT_EQ(dlg.ToText(), c.shownTo);
    }
    // Station texts are compared as numbers, not as texts.
    const CBereichOhneErkennungDlg texts("100.0", "20.5", "", true);
    EXPECT_EQ(texts.FromText(), "20.5");
    EXPECT_EQ(texts.ToText(), "100.0");
}

TEST(BereichOhneErkennungDlg, RemarkAndFixedTexts) {
    const CBereichOhneErkennungDlg dlg(
        BEREICH_OHNE_ERKENNUNG_DATEN{0, 10, "Schachtdeckel{{CRLF}}Kanal"}, true);
    EXPECT_EQ(dlg.RemarkText(), "Schachtdeckel\r\nKanal");
    EXPECT_FALSE(dlg.FieldsEnabled());
    EXPECT_FALSE(dlg.DeleteCheckVisible());
    EXPECT_EQ(CBereichOhneErkennungDlg::Caption(),
              text::W("Bereich ohne Überschreitungsauswertung"));
    EXPECT_EQ(CBereichOhneErkennungDlg::RemarkLabel(),
              text::W("Bemerkung (erscheint im Überschreitungsprotokoll):"));
    EXPECT_EQ(CBereichOhneErkennungDlg::HintText(),
              text::W("Hinweis: Nach schließen dieses Dialogs muss die autom. "
                      "Überschreitungserkennung wiederholt "
                      "werden."));
    EXPECT_EQ(CBereichOhneErkennungDlg::DeleteCaption(), text::W("Bereich wieder löschen"));
}

}  // namespace
}  // namespace nivora
