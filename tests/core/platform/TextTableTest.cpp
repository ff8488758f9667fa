#include <gtest/gtest.h>

#include "platform/TextTable.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

TEST(TextTable, BuiltInGermanTexts) {
    const CTextTabelle table;
    EXPECT_EQ(table.GetText("PLOTPAGE_ENCLOSURE", true), "Anlage :");
    EXPECT_EQ(table.GetText("PLOTPAGE_ENCLOSURE"), "Anlage");
    EXPECT_EQ(table.GetText("PLOTPAGE_TESTED_BY"),
              "Pr\xFC"
              "fer");
    EXPECT_EQ(table.GetText("PLOTPAGE_SCALE_LEVEL"),
              "Ma\xDF"
              "stab H\xF6he");
    EXPECT_EQ(table.GetText("PLOTPAGE_PAGE_A_OF_B"), "Seite %%A%% von %%B%%");
    EXPECT_EQ(table.GetText("KEY"), "DE");
    EXPECT_EQ(table.GetText("LANGUAGE_NAME"), "German");
    EXPECT_EQ(table.GetText("GIBT_ES_NICHT"), "ERROR");
    EXPECT_EQ(table.GetText("GIBT_ES_NICHT", true), "ERROR :");
    EXPECT_EQ(table.GetText("plotpage_enclosure"), "ERROR");  // keys are case-sensitive
}

TEST(TextTable, LanguageFileReplacesByItsThirdGroup) {
    CTextTabelle english;
    english.LoadLanguageText(CTextTabelle::BuiltInText());
    EXPECT_EQ(english.GetText("LANGUAGE_NAME"), "English");
    EXPECT_EQ(english.GetText("PLOTPAGE_HEADLINE"), "4-m Straight Edge Testresults");

    CTextTabelle edited;
    edited.LoadLanguageText(
        "{PLOTPAGE_FILES}{Dateien}\r\n"  // two groups: emptied
        "{}{ohne}{Schluessel}\n"         // empty key: ignored
        "\n"                             // an empty line does not end the file
        "{NEU}{x}{Neuer Text}\n"
        "{PLOTPAGE_DATE}{a}{Messdatum\n");  // unclosed third group reads as empty
    EXPECT_EQ(edited.GetText("PLOTPAGE_FILES"), "");
    EXPECT_EQ(edited.GetText("PLOTPAGE_FILES", true), "");
    EXPECT_EQ(edited.GetText("NEU"), "Neuer Text");
    EXPECT_EQ(edited.GetText("PLOTPAGE_DATE"), "");
    EXPECT_EQ(edited.GetText("PLOTPAGE_CLIENT"), "Dienststelle");

    CTextTabelle missing;
    missing.LoadLanguageFile("/nicht/vorhanden/lang.txt");
    EXPECT_EQ(missing.GetText("PLOTPAGE_Y_AXIS"), "Abweichung [mm]");
}

}  // namespace
}  // namespace nivora
