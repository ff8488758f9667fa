#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "text/Einstellungen.h"

namespace nivora {
namespace {

TEST(Einstellungen, DefaultsAndAccessors) {
    const CEinstellungen s;
    EXPECT_EQ(s.Colour(0), 0u);
    EXPECT_EQ(s.Colour(1), 12583104u);
    EXPECT_EQ(s.Colour(8), 12632256u);
    EXPECT_EQ(s.TextColour(5), 65280u);
    EXPECT_EQ(s.TextColour(6), s.TextColour(0));
    EXPECT_EQ(s.TextColour(-1), s.TextColour(0));
    EXPECT_EQ(s.Width(3), 10);
    EXPECT_TRUE(s.VarKAnzeigen());
    EXPECT_TRUE(s.DisplaySpeedAn());
    EXPECT_FALSE(s.NummerierungAn());
    EXPECT_EQ(s.nrAusWertung, "1");
    EXPECT_EQ(s.nrDiagramme, "2");
    EXPECT_EQ(s.Currency(), "EUR");
}

TEST(Einstellungen, ReadFromStoreKeepsDefaultsForMissingOrBadEntries) {
    IniSettingsStore store;
    store.LoadText(
        "[Farben]\r\nFarbe2=255\r\nTextFarbe1 = 16711680\r\nFarbe3=rot\r\n[Dicken]\nDicke0=25\n"
        "[Druck]\nNummerierung=1\n; "
        "Kommentar\n[Sonstiges]\nNrDiagramme=7a\nWaerung=1\nCheckNegativ=2x\n");
    CEinstellungen s;
    s.ReadFromStore(store);
    EXPECT_EQ(s.Colour(2), 255u);
    EXPECT_EQ(s.TextColour(1), 16711680u);
    EXPECT_EQ(s.Colour(3), 12459520u);  // not an integer
    EXPECT_EQ(s.Width(0), 25);
    EXPECT_TRUE(s.NummerierungAn());
    EXPECT_EQ(s.nrDiagramme, "7a");
    EXPECT_EQ(s.Currency(), "CHF");
    EXPECT_EQ(s.checkNegativ, 0);

    store.WriteInt("Sonstiges", "Waerung", 2);
    s.ReadFromStore(store);
    EXPECT_EQ(s.Currency(), "EUR");
    s.ResetToDefaults();
    EXPECT_EQ(s, CEinstellungen());

    CEinstellungen fromEmpty;
    fromEmpty.ReadFromStore(IniSettingsStore{});
    EXPECT_EQ(fromEmpty, CEinstellungen());
}

TEST(SettingsStore, MemoryStoreAndDeleteKey) {
    MemorySettingsStore store;
    store.WriteText("Spaltenbreiten", "a", "1");
    store.WriteText("Spaltenbreiten/AuswertungDlg", "b", "2");
    store.WriteText("Sonstiges", "LastFileOpen", "/x");
    EXPECT_EQ(store.ReadText("Spaltenbreiten", "a"), std::optional<std::string>("1"));
    EXPECT_EQ(store.ReadInt("Spaltenbreiten", "a"), std::optional<int32_t>(1));
    store.DeleteKey("Spaltenbreiten");
    EXPECT_FALSE(store.ReadText("Spaltenbreiten", "a"));
    EXPECT_FALSE(store.ReadText("Spaltenbreiten/AuswertungDlg", "b"));
    EXPECT_TRUE(store.ReadText("Sonstiges", "LastFileOpen"));
    EXPECT_EQ(ParseStoredInt(" -12 "), std::optional<int32_t>(-12));
    EXPECT_EQ(ParseStoredInt("99999999999"), std::optional<int32_t>(2147483647));
    EXPECT_FALSE(ParseStoredInt(""));
    EXPECT_FALSE(ParseStoredInt("-"));
    EXPECT_FALSE(ParseStoredInt("1.5"));

    IniSettingsStore missing;
    EXPECT_FALSE(missing.Load("/nicht/vorhanden.ini"));
}

}  // namespace
}  // namespace nivora
