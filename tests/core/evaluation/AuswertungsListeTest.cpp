#include <gtest/gtest.h>

#include "evaluation/AuswertungsListe.h"

namespace nivora {
namespace {

using Kind = AUSWERTUNGSZEILE::Kind;

// Sections: 1 below station 2000, 2 from there on; widths 350 and 325 cm.
std::pair<int, int> Lookup(int32_t station) {
    return station < 2000 ? std::pair{1, 350} : std::pair{2, 325};
}

UeberschreitungsListe Exceedances() {
    UeberschreitungsListe list;
    list.Load(true,
              "[3000;52;5;1;1;0;;0.0;;][1000;61;6;2;1;1;;12.3;;][1000;45;4;3;1;1;;-1.0;;][2500;50;"
              "5;4;1;1;;4.5;;]",
              "",
              "[1000\xBFRiss{{CRLF}}quer\xBF"
              "1][3000\xBF"
              "Fuge\xBF"
              "0]",
              0);
    return list;
}

std::vector<Kind> Kinds(const CAuswertungsListe& l) {
    std::vector<Kind> k;
    for (const auto& r : l.Rows()) k.push_back(r.kind);
    return k;
}

TEST(AuswertungsListe, RowsSeparatorsAndAreas) {
    const std::vector<BEREICH_OHNE_ERKENNUNG_DATEN> areas = {{1000, 800, "vor der ersten\xBFx"},
                                                             {2500, 2600,
                                                              "Br\xFC"
                                                              "cke"},
                                                             {5000, 5100, "danach"},
                                                             {-5, 10, "negativ"}};
    CAuswertungsListe list;
    list.Fill(Exceedances(), Lookup, areas);
    EXPECT_EQ(Kinds(list),
              (std::vector<Kind>{Kind::Area, Kind::Exceedance, Kind::Exceedance, Kind::Separator,
                                 Kind::Area, Kind::Exceedance, Kind::Exceedance, Kind::Separator}));
    const auto& rows = list.Rows();
    // The area at the station of two exceedances stands before the first of them.
    EXPECT_EQ(rows[0].fields[0], "0");
    EXPECT_EQ(rows[0].fields[1], "vor der ersten");
    EXPECT_EQ(rows[0].fields[5], "1");
    EXPECT_EQ(rows[0].fields[7], "100.0 - 80.0");
    EXPECT_EQ(rows[0].fields[8], "1000");
    EXPECT_EQ(rows[0].fields[11], "--");
    const auto& first = rows[1].fields;
    EXPECT_EQ(first[1], "Riss{{CRLF}}quer");
    EXPECT_EQ(first[2], "1");
    EXPECT_EQ(first[3], "1");
    EXPECT_EQ(first[5], "1");
    EXPECT_EQ(first[7], "100.0");
    EXPECT_EQ(first[8], "1000");
    EXPECT_EQ(first[9], "3.50");
    EXPECT_EQ(first[10], "6.1");
    EXPECT_EQ(first[11], "6");
    EXPECT_EQ(first[12], "36");
    EXPECT_EQ(first[13], "12.3");
    EXPECT_EQ(rows[2].fields[13], "");  // no speed
    EXPECT_EQ(rows[4].fields[1],
              "Br\xFC"
              "cke");
    EXPECT_EQ(rows[5].fields[9], "3.25");
    EXPECT_EQ(rows[6].fields[3], "0");
    EXPECT_EQ(rows[6].fields[13], "");  // speed 0 shows nothing
    EXPECT_EQ(list.CellText(1, 8), "Riss quer");
    EXPECT_EQ(list.CellText(1, 0), "1");
    EXPECT_EQ(list.CellText(99, 0), "");
}

TEST(AuswertungsListe, EmptyAndSingleSection) {
    CAuswertungsListe list;
    list.Fill(UeberschreitungsListe{}, Lookup, {{0, 10, "a"}});
    EXPECT_TRUE(list.Rows().empty());
    UeberschreitungsListe one;
    one.Load(true, "[100;50;5;1;1;1;;1.0;;]", "", "", 0);
    list.Fill(one, Lookup, {});
    EXPECT_EQ(Kinds(list), (std::vector<Kind>{Kind::Exceedance, Kind::Separator}));
}

TEST(AuswertungsListe, CountedRuleAndColours) {
    CAuswertungsListe list;
    list.Fill(Exceedances(), Lookup, {{2500, 2600, "x"}});
    const auto& rows = list.Rows();
    EXPECT_TRUE(CAuswertungsListe::IsCounted(rows[0]));
    const auto normal = CAuswertungsListe::StyleOf(rows[0], false);
    EXPECT_EQ(normal.background, 0x00FFFFFFu);
    EXPECT_EQ(normal.text, 0u);
    EXPECT_FALSE(normal.strikeThrough);
    for (const auto& r : rows) {
        if (r.kind == Kind::Exceedance && r.fields[3] == "1") continue;
        EXPECT_FALSE(CAuswertungsListe::IsCounted(r));
        const auto grey = CAuswertungsListe::StyleOf(r, false);
        EXPECT_EQ(grey.text, 0x007F7F7Fu);
        EXPECT_TRUE(grey.strikeThrough);
        const auto selected = CAuswertungsListe::StyleOf(r, true);
        EXPECT_EQ(selected.background, 0x00FF0000u);
        EXPECT_EQ(selected.text, 0x00FFFFFFu);
        EXPECT_EQ(selected.strikeColour, 0x00FFFFFFu);
    }
    const auto& cols = CAuswertungsListe::Columns();
    ASSERT_EQ(cols.size(), 9u);
    EXPECT_STREQ(cols[6].heading, "p\xB2 [mm]");
    EXPECT_EQ(cols[1].width, 0);
    EXPECT_EQ(cols[8].field, 1);
}

}  // namespace
}  // namespace nivora
