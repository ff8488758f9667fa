#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "core/evaluation/ReportInput.h"
#include "document/UeberschreitungsListe.h"
#include "evaluation/AuswertungsSeiten.h"
#include "evaluation/ReportLines.h"
#include "text/ReportText.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

using test::Input;
using test::MarkerItems;
using test::Row;
using test::Section;

TEST(AuswertungsSeiten, WorkedExampleByteForByte) {
    CAuswertungsSeiten pages;
    pages.Build(Input({Section(0, 12000)}), {Row(1000, 5, true), Row(3000, 3, false, "", 40.0)});
    ASSERT_EQ(pages.GetLineCount(), 4);
    EXPECT_EQ(pages.GetLine(0), "<<<1000|5|25||1||12.3>>><<<1|350|1>>>");
    EXPECT_EQ(pages.GetLine(1), "<<<3000|3|9||0||40.0>>><<<1|350|2>>>");
    EXPECT_EQ(pages.GetLine(2),
              "FF ABSCH_ENDE |SUMMEPQ=25\xBFSUMMEPQGES=25\xBFVON=0\xBF"
              "BIS=12000\xBFPREIS=12.50\xBF"
              "FAKTORK=0.60\xBFGRENZWERT=40.0\xBFLAENGE=12000\xBF"
              "BREITE=350\xBF"
              "FAHRBAHNOB=\xBFMGESCHW=\xBFKEINE_UEBERSCHREITUNGSZEILEN=0\xBFKEINE_AUSWERTUNG=0\xBF"
              "LFDNR_ABSCHNITT=1\xBFNUR_EIN_ABSCHNITT=1\xBFLFDNR_SEITE_IM_ABSCHNITT=1\xBF"
              "NUR_EINE_SEITE_IM_ABSCHNITT=1\xBF"
              "ABZUG=656.25\xBF"
              "ABZUGGES=656.25\xBFUNTERSCHRIFT=1\xBF");
    EXPECT_EQ(pages.GetLine(3), "ENDE");
    EXPECT_EQ(pages.GetPageCount(), 1);
    EXPECT_EQ(pages.GetLine(4), "");
}

TEST(AuswertungsSeiten, PageFillCarriesTheSectionSum) {
    std::vector<EvaluationExceedance> rows;
    for (int i = 0; i < 18; ++i) rows.push_back(Row(100 + i * 10, 2, true));
    CAuswertungsSeiten pages;
    pages.Build(Input({Section(0, 12000)}), rows);
    ASSERT_EQ(pages.GetPageCount(), 2);
    ASSERT_EQ(pages.GetLineCount(), 18 + 3);
    const auto first = MarkerItems(pages.GetLine(17));
    EXPECT_EQ(pages.GetLine(17).rfind("FF ABSCH_UMBRUCH |", 0), 0u);
    EXPECT_EQ(first.at("SUMMEPQ"), "68");
    EXPECT_EQ(first.at("NUR_EINE_SEITE_IM_ABSCHNITT"), "0");
    EXPECT_EQ(first.at("UNTERSCHRIFT"), "0");  // the reader's default: not written
    EXPECT_EQ(first.at("SUMMEPQ_UEBERTRAG"), "-1");
    const auto second = MarkerItems(pages.GetLine(19));
    EXPECT_EQ(second.at("SUMMEPQ_UEBERTRAG"), "68");
    EXPECT_EQ(second.at("SUMMEPQ"), "72");
    EXPECT_EQ(second.at("LFDNR_SEITE_IM_ABSCHNITT"), "2");
    EXPECT_EQ(second.at("UNTERSCHRIFT"), "1");

    // Row heights by remark lines; four lines count as three.
    EXPECT_EQ(ExceedanceRow(Row(1, 1, true,
                                "a\xBF"
                                "1"))
                  .Height(),
              500);
    EXPECT_EQ(ExceedanceRow(Row(1, 1, true,
                                "a{{CRLF}}b\xBF"
                                "1"))
                  .Height(),
              900);
    EXPECT_EQ(ExceedanceRow(Row(1, 1, true, "a{{CRLF}}b{{CRLF}}c")).Height(), 1300);
    EXPECT_EQ(ExceedanceRow(Row(1, 1, true, "a{{CRLF}}b{{CRLF}}c{{CRLF}}d")).Height(), 1300);
    std::vector<EvaluationExceedance> tall;
    for (int i = 0; i < 7; ++i)
        tall.push_back(Row(100 + i, 1, true, "a{{CRLF}}b{{CRLF}}c{{CRLF}}d"));
    pages.Build(Input({Section(0, 12000)}), tall);
    EXPECT_EQ(pages.GetPageCount(), 2);  // six per page
}

TEST(AuswertungsSeiten, SectionsBoundariesAreasAndDirections) {
    const std::vector<EvaluationExceedance> rows = {Row(500, 4, true), Row(1000, 5, true),
                                                    Row(2000, 6, true)};
    CAuswertungsSeiten pages;
    pages.Build(Input({Section(0, 1000, 0.0), Section(1000, 2000)}, {{1200, 800,
                                                                      "Br\xFC"
                                                                      "cke"},
                                                                     {0, 2000, "ganz"},
                                                                     {1000, 1500, "Rand"}}),
                rows);
    const auto& l = pages.Lines();
    ASSERT_EQ(l.size(), 8u);
    EXPECT_EQ(l[0], "<<<500|4|16||1||12.3>>><<<1|350|1>>>");
    EXPECT_EQ(l[1],
              "<<<800|0|0|Br\xFC"
              "cke|1|1200||{{BOK}}>>><<<0|0|0>>>");
    EXPECT_EQ(l[2].rfind("FF ABSCH_ENDE |", 0), 0u);
    const auto m1 = MarkerItems(l[2]);
    EXPECT_EQ(m1.at("ABZUG"), "");  // k is 0
    EXPECT_EQ(m1.at("ABZUGGES"), "");
    EXPECT_EQ(m1.count("NUR_EIN_ABSCHNITT"), 1u);
    EXPECT_EQ(m1.at("NUR_EIN_ABSCHNITT"), "0");
    // The boundary exceedance belongs to the higher section but the lookup gives number 1.
    EXPECT_EQ(l[3].find("<<<800|"), 0u);  // an area across the boundary is in both sections
    EXPECT_EQ(l[4], "<<<1000|5|25||1||12.3>>><<<1|350|2>>>");
    EXPECT_EQ(l[5].find("<<<1000|0|0|Rand|1|1500"), 0u);  // same station: row before area
    const auto m2 = MarkerItems(l[6]);
    EXPECT_EQ(m2.at("SUMMEPQ"), "25");
    EXPECT_EQ(m2.at("SUMMEPQGES"), "41");
    EXPECT_EQ(m2.at("ABZUG"), "656.25");
    EXPECT_EQ(m2.at("ABZUGGES"), "656.25");
    EXPECT_EQ(m2.at("LFDNR_ABSCHNITT"), "2");
    EXPECT_EQ(l[7], "ENDE");

    // Descending: rows and areas by falling station, an area's larger end first.
    pages.Build(Input({Section(2000, 0)}, {{300, 900, "Fuge"}}), rows);
    EXPECT_EQ(pages.GetLine(0).find("<<<1000|"), 0u);
    EXPECT_EQ(pages.GetLine(1).find("<<<900|0|0|Fuge|1|300|"), 0u);
    EXPECT_EQ(pages.GetLine(2).find("<<<500|"), 0u);
}

TEST(AuswertungsSeiten, EmptySectionsAndNoSections) {
    CAuswertungsSeiten pages;
    pages.Build(Input({Section(500, 500), Section(500, 900)}), {Row(700, 3, false)});
    ASSERT_EQ(pages.GetPageCount(), 2);
    const auto empty = MarkerItems(pages.GetLine(0));
    EXPECT_EQ(empty.at("KEINE_UEBERSCHREITUNGSZEILEN"), "1");
    EXPECT_EQ(empty.at("NUR_EINE_SEITE_IM_ABSCHNITT"), "1");
    const auto uncounted = MarkerItems(pages.GetLine(2));
    EXPECT_EQ(uncounted.at("KEINE_UEBERSCHREITUNGSZEILEN"), "0");
    EXPECT_EQ(uncounted.at("SUMMEPQ"), "0");
    EXPECT_EQ(uncounted.at("ABZUG"), "0.00");  // content, k and price: a deduction of 0
    EXPECT_EQ(uncounted.at("ABZUGGES"), "");

    pages.Build(Input({}), {Row(700, 3, true)});
    EXPECT_EQ(pages.GetPageCount(), 0);
    EXPECT_EQ(pages.Lines(), std::vector<std::string>{"ENDE"});
}

TEST(AuswertungsSeiten, HostileTextsCannotBreakTheMarkup) {
    auto s = Section(0, 1000);
    s.roadSurface = "AC=11|x\xBF";
    s.vark = "12.5";
    CAuswertungsSeiten pages;
    pages.Build(Input({s}, {{100, 200,
                             "a|b>>>c<<<d\xBF"
                             "e"}}),
                {});
    EXPECT_EQ(pages.GetLine(0),
              "<<<100|0|0|a\xA6"
              "b\x9B\x9B\x9B"
              "c\x8B\x8B\x8B"
              "d?e|1|200||{{BOK}}>>><<<0|0|0>>>");
    const auto m = MarkerItems(pages.GetLine(1));
    EXPECT_EQ(m.at("FAHRBAHNOB"), "AC-11\xA6x?");
    EXPECT_EQ(m.at("VARK"), "12.5");
    EXPECT_EQ(m.at("UNTERSCHRIFT"), "1");
    // Ordinary texts stay byte for byte; single markers are harmless.
    EXPECT_EQ(ReportFieldText("Riss > 5 mm, <Fuge> \xE4\xF6\xFC"),
              "Riss > 5 mm, <Fuge> \xE4\xF6\xFC");
}

}  // namespace
}  // namespace nivora

namespace nivora {
namespace {

TEST(AuswertungsSeiten, HostileRemarkFromTheExceedanceList) {
    UeberschreitungsListe list;
    list.Load(true, "[1000;52;5;1;1;1;;12.3;;]", "",
              "[1000\xBFRiss|quer >>> <<<x\xBF"
              "1]",
              0);
    std::vector<std::string> lines;
    list.AppendReportLines(lines);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              "<<<1000|5|25|Riss\xA6quer \x9B\x9B\x9B \x8B\x8B\x8Bx\xBF"
              "1|1||12.3>>>");
    CAuswertungsSeiten pages;
    pages.Build(Input({Section(0, 2000)}), EvaluationExceedancesOf(list));
    EXPECT_EQ(pages.GetPageCount(), 1);
    const auto m = MarkerItems(pages.GetLine(1));
    EXPECT_EQ(m.at("SUMMEPQ"), "25");  // the counted flag is still field 4
    EXPECT_EQ(pages.GetLine(0).substr(pages.GetLine(0).size() - 13), "<<<1|350|1>>>");
    // The report's row is the list's own report line with the section group.
    EXPECT_EQ(pages.GetLine(0), lines[0] + "<<<1|350|1>>>");
    // An ordinary remark stays byte for byte.
    UeberschreitungsListe plain;
    plain.Load(true, "[1000;52;5;1;1;1;;12.3;;]", "",
               "[1000\xBF"
               "Br\xFC"
               "cke{{CRLF}}links\xBF"
               "0]",
               0);
    lines.clear();
    plain.AppendReportLines(lines);
    EXPECT_EQ(lines[0],
              "<<<1000|5|25|Br\xFC"
              "cke{{CRLF}}links\xBF"
              "0|1||12.3>>>");
}

}  // namespace
}  // namespace nivora

namespace nivora {
namespace {

TEST(AuswertungsSeiten, PageRecordsCarryTheSumsAndCounters) {
    // Section 1 (k 0) takes 18 rows and so two pages; section 2 one row.
    std::vector<EvaluationExceedance> rows;
    for (int i = 0; i < 18; ++i) rows.push_back(Row(100 + i * 10, 2, i != 0));
    rows.push_back(Row(1500, 5, true));
    CAuswertungsSeiten pages;
    pages.Build(test::Input({test::Section(0, 1000, 0.0), test::Section(1000, 2000)}), rows);
    struct Expected {
        std::size_t rows;
        bool sectionEnd;
        int section, pageInSection;
        bool onlyPage;
        int32_t sectionSum, reportSum;
        std::optional<int32_t> carried;
        std::optional<double> deduction, total;
    };
    const std::vector<Expected> expected = {
        {17, false, 1, 1, false, 64, 64, std::nullopt, std::nullopt, std::nullopt},
        {1, true, 1, 2, false, 68, 68, 64, std::nullopt, std::nullopt},
        {1, true, 2, 1, true, 25, 93, std::nullopt, 656.25, 656.25},
    };
    ASSERT_EQ(pages.GetPageCount(), 3);
    for (std::size_t n = 0; n < expected.size(); ++n) {
        SCOPED_TRACE(n);
        const EvaluationPage& p = pages.Pages()[n];
        const Expected& e = expected[n];
        EXPECT_EQ(p.rows.size(), e.rows);
        EXPECT_EQ(p.sectionEnd, e.sectionEnd);
        EXPECT_EQ(p.sectionNumber, e.section);
        EXPECT_FALSE(p.onlySection);
        EXPECT_EQ(p.pageInSection, e.pageInSection);
        EXPECT_EQ(p.onlyPageInSection, e.onlyPage);
        EXPECT_EQ(p.sectionSumMm2, e.sectionSum);
        EXPECT_EQ(p.reportSumMm2, e.reportSum);
        EXPECT_EQ(p.carriedSumMm2, e.carried);
        EXPECT_EQ(p.deduction, e.deduction);
        EXPECT_EQ(p.totalDeduction, e.total);
    }
    EXPECT_FALSE(pages.Pages()[0].rows[0].counted);
    EXPECT_EQ(pages.Pages()[2].rows[0].runningNumber, 19);
    EXPECT_EQ(pages.Pages()[2].section.lengthDm, 1000);
    EXPECT_EQ(pages.Lines(), WriteReportLines(pages.Pages()));
}

TEST(AuswertungsSeiten, DeductionShownAsThePageReadsTheWrittenFigures) {
    // The page shows k and unit price, and a deduction, when both read back
    // from their two-decimal figures as more than 0.0001.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double v : {0.0, 0.0001, 0.004, 0.0049999, 0.005, 0.0050001, 0.006, 0.6, 12.5, -0.6,
                           inf, -inf, nan}) {
        for (const bool onPrice : {false, true}) {
            SCOPED_TRACE(std::to_string(v) + (onPrice ? " as price" : " as k"));
            CAuswertungsSeiten pages;
            pages.Build(test::Input({onPrice ? test::Section(0, 1000, 0.6, v)
                                             : test::Section(0, 1000, v, 12.5)}),
                        {});
            const auto items = MarkerItems(pages.GetLine(0));
            const bool read = text::ReadNumber(items.at("PREIS")) > 0.0001 &&
                              text::ReadNumber(items.at("FAKTORK")) > 0.0001;
            EXPECT_EQ(pages.Pages()[0].section.DeductionShown(), read);
        }
    }
}

}  // namespace
}  // namespace nivora
