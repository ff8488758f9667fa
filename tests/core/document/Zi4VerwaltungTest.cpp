#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/KeyEncodings.h"
#include "document/Zi4Verwaltung.h"
#include "support/TempDir.h"

namespace nivora {
namespace {

namespace fs = std::filesystem;

CZi4Verwaltung FromText(const std::string& content) {
    CZi4Verwaltung z;
    z.ReadText(content);
    return z;
}

TEST(Zi4Verwaltung, LineSyntax) {
    const auto z = FromText(
        "A=1\r\nB = x \t\r\nB=2\nohne Gleichheitszeichen\nC==d=e\n  D=  vorn  "
        "\nE=\nMASSSTAB_DER_LAENGE=1000 ");
    EXPECT_EQ(z.GetValue("A", "?"), "1");
    EXPECT_EQ(z.GetValue("B", "?"), "2");
    EXPECT_EQ(z.GetValue("B ", "?"), " x");  // a blank before "=" is part of the key
    EXPECT_EQ(z.GetValue("C", "?"), "=d=e");
    EXPECT_EQ(z.GetValue("  D", "?"), "  vorn");
    EXPECT_EQ(z.GetValue("E", "?"), "");  // present and empty is not the default
    EXPECT_EQ(z.GetValue("F", "?"), "?");
    EXPECT_EQ(z.GetLengthScale(), 1000);
    EXPECT_TRUE(z.FileExisted());
}

TEST(Zi4Verwaltung, TypedValues) {
    auto z = FromText(
        "MANUVONBIS=\nKALIBRIERWERT=-5mm\nDEZIMETER_OFFSET=abc\nBOOL_SPIEGELN=1 \nX=99999999999\n");
    int32_t from = -7, to = -7;
    z.GetManuVonBis(from, to);
    EXPECT_EQ(from, 0);
    EXPECT_EQ(to, 0);
    EXPECT_EQ(z.GetKalibrierwert(), -5);
    EXPECT_EQ(z.GetDezimeterOffset(), 0);
    EXPECT_TRUE(z.GetSpiegeln());
    EXPECT_EQ(z.GetIntValue("X", 0), 2147483647);
    EXPECT_EQ(z.GetIntValue("Y", 12), 12);
    CZi4Verwaltung fresh;
    fresh.GetManuVonBis(from, to);
    EXPECT_EQ(from, -1);
    EXPECT_EQ(to, -1);
    z.SetManuVonBis(0, 1000);
    EXPECT_EQ(z.GetValue("MANUVONBIS", ""), "0;1000");
    z.SetLengthScale(400);
    EXPECT_EQ(z.GetValue("MASSSTAB_DER_LAENGE", ""), "400");
}

TEST(Zi4Verwaltung, LargeFilesAndExtremeNumbers) {
    std::string content = "UBERSCHRIFT_ZEILE_1=" + std::string(1 << 20, 'x') + "\r\n";
    for (int i = 0; i < 100000; ++i) content += "K" + std::to_string(i) + "=" + "[1|2]\n";
    content +=
        "MASSSTAB_DER_LAENGE=99999999999\nDEZIMETER_OFFSET=-99999999999\n"
        "KALIBRIERWERT=  +12\nMANUVONBIS=-99999999999;99999999999\nA=x\ry\n";
    const auto z = FromText(content);
    EXPECT_EQ(z.GetValue("UBERSCHRIFT_ZEILE_1", "").size(), std::size_t{1} << 20);
    EXPECT_EQ(z.GetValue("K99999", ""), "[1|2]");
    EXPECT_EQ(z.GetLengthScale(), 2147483647);
    EXPECT_EQ(z.GetDezimeterOffset(), -2147483647 - 1);
    EXPECT_EQ(z.GetKalibrierwert(), 12);
    int32_t from = 0, to = 0;
    z.GetManuVonBis(from, to);
    EXPECT_EQ(from, -2147483647 - 1);
    EXPECT_EQ(to, 2147483647);
    EXPECT_EQ(z.GetValue("A", ""), "x\ry");  // a lone CR does not end a line
    // 2^20 bytes "x": a = 1321 + 120 * 2^20, b = 3022 + the sum of i % 17; a * 100 + b
    // passes 2^31 and wraps as in the full edition's 32-bit arithmetic.
    EXPECT_EQ(z.ComputeIdentification(), "-293466166");
}

TEST(Zi4Verwaltung, IdentificationChecksum) {
    struct Case {
        const char* zeile1;
        const char* expected;
    };
    const Case cases[] = {
        {"", "135122"}, {"A", "141622"}, {"AB", "148237"}, {"\xC4", "129122"}, {"A   ", "141622"}};
    for (const auto& c : cases) {
        auto z = FromText(std::string("UBERSCHRIFT_ZEILE_1=") + c.zeile1 + "\n");
        z.SetValue("UBERSCHRIFT_ZEILE_1", c.zeile1);
        EXPECT_EQ(z.ComputeIdentification(), c.expected) << c.zeile1;
    }
    EXPECT_FALSE(FromText("").CheckIdentification());  // no KENNUNG
    EXPECT_TRUE(FromText("KENNUNG=135122").CheckIdentification());
    EXPECT_FALSE(FromText("KENNUNG=135122\nSTERNTEXTE=5_x<0>_").CheckIdentification());
    // Trailing white space of each text is dropped before the next is appended.
    auto z = FromText("UBERSCHRIFT_ZEILE_1=A\nUBERSCHRIFT_ZEILE_2=B");
    z.SetValue("UBERSCHRIFT_ZEILE_1", "A \t");
    EXPECT_EQ(z.ComputeIdentification(), "148237");
}

TEST(Zi4Verwaltung, RoadSurfaceAndSettings) {
    EXPECT_EQ(FromText("FAHRBAHN_OB2=SMA 8 S").GetRoadSurfaceIndex(), 14);
    EXPECT_EQ(FromText("FAHRBAHN_OB2=C 30/37").GetRoadSurfaceName(), "C 30/37");
    EXPECT_EQ(FromText("FAHRBAHN_OB2=sma 8 s").GetRoadSurfaceName(), "-");
    EXPECT_EQ(CZi4Verwaltung::RoadSurfaceName(41), nullptr);

    const auto z = FromText(
        "Farben_Farbe3=255\nDicken_Dicke0=30\nNEGWERTENULL=1\nANLAGENNUMMER_DIAGRAMMSEITEN=5\n"
        "Sonstiges_Waerung=1\nDruck_DisplaySpeed=x");
    EXPECT_EQ(z.Settings().Colour(3), 255u);
    EXPECT_EQ(z.Settings().Colour(1), 12583104u);
    EXPECT_EQ(z.Settings().Width(0), 30);
    EXPECT_TRUE(z.Settings().CheckNegativAn());
    EXPECT_EQ(z.Settings().nrDiagramme, "5");
    EXPECT_EQ(z.Settings().nrAusWertung, "1");
    EXPECT_EQ(z.Settings().Currency(), "CHF");
    EXPECT_EQ(z.Settings().displaySpeed, 0);  // malformed number reads as 0
    EXPECT_EQ(z.GetTpLevel(), 1);
    EXPECT_EQ(z.GetTpMaximumText(), "0.5");
}

TEST(Zi4Verwaltung, MissingFileGivesNewStateAndWritesNothing) {
    const test::TempDir tmp;
    const fs::path& dir = tmp.path();
    CEinstellungen app;
    app.farbe[0] = 255;
    app.nummerierung = 1;
    app.nrAusWertung = "3";
    CZi4Verwaltung z;
    EXPECT_FALSE(z.ReadFile((dir / "lauf.dat.zi4").string(), app));
    EXPECT_FALSE(z.FileExisted());
    EXPECT_TRUE(z.CheckIdentification());
    EXPECT_EQ(z.GetValue("INITIIERT_MIT_PROGRAMMVERSION", ""), "040548000");
    EXPECT_EQ(z.GetValue("Farben_Farbe0", ""), "255");
    EXPECT_EQ(z.GetValue("Druck_Nummerierung", ""), "1");
    EXPECT_EQ(z.GetValue("ANLAGENNUMMER_AUSWERTUNGSSEITEN", ""), "3");
    EXPECT_FALSE(z.HasKey("Farben_Farbe1"));  // equal to the default
    EXPECT_EQ(z.Keys().size(), 4u);
    EXPECT_EQ(z.Settings(), app);  // the run's colours equal the application's
    EXPECT_TRUE(fs::is_empty(dir));

    // An existing state file without colour keys gives the built-in defaults.
    std::ofstream(dir / "Lauf.dat.ZI4", std::ios::binary) << "KENNUNG=135122\r\n";
    CZi4Verwaltung found;
    EXPECT_TRUE(found.ReadFile((dir / "lauf.dat.zi4").string(), app));
    EXPECT_EQ(found.Settings(), CEinstellungen());
    EXPECT_TRUE(found.CheckIdentification());

    fs::create_directories(dir / "ordner.zi4");
    CZi4Verwaltung folder;
    EXPECT_FALSE(folder.ReadFile((dir / "ordner.zi4").string(), CEinstellungen()));
}

TEST(KeyEncodings, BracketListTextEscapeAndAttribute) {
    using V = std::vector<std::string>;
    EXPECT_EQ(BracketGroups("[a][b|c][d"), (V{"a", "b|c"}));
    EXPECT_EQ(BracketGroups("[a][][c]"), (V{"a"}));
    EXPECT_EQ(BracketGroups("x[a[b]y]"),
              (V{"a[b", "b"}));  // the search goes on after the previous "["
    EXPECT_EQ(BracketGroups(""), V{});
    EXPECT_EQ(BracketGroup("[a][b]", 1), "b");
    EXPECT_EQ(BracketGroup("[a][b]", 2), "");
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "[" + std::to_string(i) + "|x]";
    EXPECT_EQ(BracketGroups(many).size(), 100000u);
    // Nested brackets overlap; their copies stay bounded by the value's size.
    const auto nested = BracketGroups(std::string(200000, '[') + "]");
    std::size_t total = 0;
    for (const auto& g : nested) total += g.size();
    EXPECT_LE(total, 4u * 200001 + 65536);
    EXPECT_GE(nested.size(), 4u);

    EXPECT_EQ(EscapeListText("a_b<c>#d"), "a#underscore#b#lo#c#gt#d");
    EXPECT_EQ(UnescapeListText("a#underscore#b#lo#c#gt#d"), "a_b<c>d");
    const auto t = ReadTextWithAttribute("Riss#underscore#1<3>");
    EXPECT_EQ(t.text, "Riss_1");
    EXPECT_EQ(t.attribute, 3);
    EXPECT_EQ(ReadTextWithAttribute("ohne").attribute, 0);
    EXPECT_EQ(ReadTextWithAttribute("x<y>").attribute, 0);
}

}  // namespace
}  // namespace nivora

namespace nivora {
namespace {

// The typed values are decoded from the keys when the file is read and
// follow every later change of their keys.
TEST(Zi4Verwaltung, TypedValuesFollowTheirKeys) {
    auto z = FromText(
        "UBERSCHRIFT_ZEILE_1=Eins\nUBERSCHRIFT_ZEILE_3=Drei \nKOPFDATEN=a\xBF"
        "b\xBF\nKOPFFUSSDATEN=[x\xBFy][Auftrag\xBF\xBFOrt][z]\nSTATGES=45.5|2.5|5.5\n"
        "MANUVONBIS=0;3000\nABSCHNITTE=[0|350|40|10|0.6|12,5|1||||][1000|325|45|10|||0||||]\n");
    const PageTexts& texts = z.GetPageTexts();
    EXPECT_EQ(texts.headlines, (std::array<std::string, 3>{"Eins", "", "Drei"}));
    EXPECT_EQ(texts.headerData,
              "a\xBF"
              "b\xBF");
    EXPECT_EQ(texts.footerFields, (std::vector<std::string>{"Auftrag", "", "Ort"}));
    EXPECT_EQ(z.GetRunStatistics().meanSpeed, "45.5");
    EXPECT_EQ(z.GetRunStatistics().stdDev, "2.5");
    EXPECT_EQ(z.GetRunStatistics().vark, "5.5");
    ASSERT_EQ(z.SectionCache().size(), 2u);
    EXPECT_EQ(z.SectionCache()[1].limit, 0);  // not evaluated: no limit
    EXPECT_DOUBLE_EQ(z.SectionCache()[0].UnitPrice(), 12.5);

    z.ClearIdentifiedTexts();
    z.SetHeaderData("neu");
    z.SetRunStatistics("1.0||");
    z.SetManuVonBis(0, 2000);
    EXPECT_EQ(texts.headlines, (std::array<std::string, 3>{}));
    EXPECT_EQ(texts.headerData, "neu");
    EXPECT_EQ(z.GetRunStatistics().vark, "");
    EXPECT_EQ(z.SectionCache()[1].to, 2000);
    z.SetAbschnitte("[0|300|50|10|||1||||]");
    ASSERT_EQ(z.SectionCache().size(), 1u);
    EXPECT_EQ(z.SectionCache()[0].limit, 50);

    // Absent keys: no texts, and the statistics' default "-||-".
    const auto empty = FromText("");
    EXPECT_TRUE(empty.GetPageTexts().headerData.empty());
    EXPECT_EQ(empty.GetPageTexts().footerFields, std::vector<std::string>{""});
    EXPECT_EQ(empty.GetRunStatistics().meanSpeed, "-");
    EXPECT_EQ(empty.GetRunStatistics().vark, "-");
    EXPECT_TRUE(empty.SectionCache().empty());
}

}  // namespace
}  // namespace nivora
