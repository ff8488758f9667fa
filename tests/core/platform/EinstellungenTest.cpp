#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Einstellungen.h"
#include "platform/SettingsStore.h"
#include "support/TempDir.h"

namespace nivora {
namespace {

namespace fs = std::filesystem;

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
    EXPECT_EQ(s.checkNegativ, 2);  // read like strtol: up to the first non-digit

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
}

TEST(SettingsStore, IntegersReadLikeStrtol) {
    const struct {
        const char* text;
        std::optional<int32_t> expected;
    } cases[] = {
        {" -12 ", -12},
        {"\t+7", 7},
        {"1.5", 1},
        {"2x", 2},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"x2", std::nullopt},
        {"- 3", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseStoredInt(c.text), c.expected) << c.text;
}

TEST(IniSettingsStore, ReadsTheFileAndNeverWritesIt) {
    const test::TempDir tmp;
    const fs::path& dir = tmp.path();
    const fs::path file = dir / "nivora.ini";
    const std::string content = "[Druck]\nlinkerRand=50\nlinkerRand=70\n[Leer]\n";
    std::ofstream(file, std::ios::binary) << content;

    IniSettingsStore store;
    ASSERT_TRUE(store.Load(file.string()));
    EXPECT_EQ(store.ReadInt("Druck", "linkerRand"), std::optional<int32_t>(70));  // later wins
    store.WriteInt("Druck", "linkerRand", 1);
    store.DeleteKey("Druck");
    EXPECT_FALSE(store.ReadText("Druck", "linkerRand"));
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content);

    std::ofstream(dir / "leer.ini", std::ios::binary);
    IniSettingsStore empty;
    EXPECT_TRUE(empty.Load((dir / "leer.ini").string()));
    CEinstellungen s;
    s.ReadFromStore(empty);
    EXPECT_EQ(s, CEinstellungen());

    IniSettingsStore missing;
    EXPECT_FALSE(missing.Load((dir / "fehlt.ini").string()));
    EXPECT_FALSE(missing.Load(dir.string()));  // a folder
}

}  // namespace
}  // namespace nivora
