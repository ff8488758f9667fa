// Drawing only reads the document: one scale from opening on, exceedance
// pages from the paging alone, and a document unchanged by drawing.
#include <gtest/gtest.h>

#include <sstream>

#include "core/view/TestDocuments.h"
#include "core/view/ViewFixture.h"
#include "evaluation/AuswertungsListe.h"

namespace nivora {
namespace {

using test::ViewFixture;

// The first page whose drawn strips hold the station (both ends included),
// found by drawing every page and reading the strip registry.
int DrawnPage(ViewFixture& f, int32_t station) {
    for (int page = 1; page <= f.view.PageCount(); ++page) {
        RecordingSurface s;
        f.view.DrawPage(s, page, {0, 0});
        const CGetMouseDm& r = f.view.StripRegistry();
        for (int k = 0; k < r.Count(); ++k) {
            const auto& e = r.At(k);
            if (std::min(e.leftStation, e.rightStation) <= station &&
                station <= std::max(e.leftStation, e.rightStation))
                return page;
        }
    }
    return 0;
}

TEST(ExceedancePages, FirstPageThatDrawsItAtEveryScaleStripCountAndDirection) {
    for (const int scale : {100, 200, 400, 1000, 2000, 5000}) {
        for (const bool ascending : {true, false}) {
            for (const int strips : {2, 3}) {
                SCOPED_TRACE(std::to_string(scale) + (ascending ? " up " : " down ") +
                             std::to_string(strips));
                ViewFixture f;
                const int32_t length = scale * 250 / 100;
                // Seven and a half strips, starting off a 10 m mark.
                const int32_t a = 1230, b = a + length * 15 / 2;
                if (ascending)
                    f.Stretch(a, b, length / 25);
                else
                    f.Stretch(b, a, length / 25);
                f.State({"MASSSTAB_DER_LAENGE=" + std::to_string(scale)});
                f.view.SetStripsPerPage(strips);
                // Marks on strip ends, inside strips, on the first and last sample.
                const int32_t start = ascending ? 1200 : b + (100 - b % 100) % 100;
                const int dir = ascending ? 1 : -1;
                std::vector<int32_t> stations = {a, b};
                for (int k = 1; k <= 7; ++k) {
                    stations.push_back(start + dir * k * length);
                    stations.push_back(start + dir * (k * length - length / 3));
                }
                std::sort(stations.begin(), stations.end());
                std::string groups;
                for (const int32_t s : stations)
                    groups += "[" + std::to_string(s) + ";52;2;0;0;1;;0.0;;]";
                f.Exceedances(groups);
                f.view.ComputePages();
                const std::vector<int> computed = f.view.ExceedancePages();
                const auto& records = f.doc.Exceedances().Records();
                ASSERT_EQ(computed.size(), records.size());
                for (std::size_t i = 0; i < records.size(); ++i)
                    EXPECT_EQ(computed[i], DrawnPage(f, records[i].station))
                        << "station " << records[i].station;
                // Drawn in another order, at another zoom, by another view: the same.
                for (int page = f.view.PageCount(); page >= 1; --page) f.Draw(page, 0);
                CTextTabelle texts;
                CNivoraView other(f.doc, texts, f.clock);
                other.SetStripsPerPage(5 - strips);
                other.ComputePages();
                RecordingSurface s;
                other.DrawPage(s, other.PageCount(), {0, 0});
                f.view.ComputePages();
                EXPECT_EQ(f.view.ExceedancePages(), computed);
            }
        }
    }
}

TEST(ExceedancePages, OutsideEveryStripAndWithoutPages) {
    ViewFixture f;
    f.Stretch(0, 5000, 100);  // 6 strips at 1:400, 2 pages of 3
    f.Exceedances("[-4000;52;2;0;0;1;;0.0;;][20000;52;2;0;0;1;;0.0;;][6500;52;2;0;0;1;;0.0;;]");
    f.view.ComputePages();
    // By distance from the first page start, held within the page count.
    EXPECT_EQ(f.view.ExceedancePages(), (std::vector<int>{2, 2, 2}));
    Paging none;
    EXPECT_EQ(ExceedancePage(500, true, none), 1);
}

TEST(ExceedancePages, TheEvaluationListShowsThePagesItIsGiven) {
    ViewFixture f;
    f.Stretch(0, 9000, 100);
    f.Exceedances("[500;52;2;1;7;1;;0.0;;][3500;52;2;2;7;1;;0.0;;][7200;52;2;3;7;1;;0.0;;]");
    f.view.SetStripsPerPage(2);
    f.view.ComputePages();
    EXPECT_EQ(f.view.ExceedancePages(), (std::vector<int>{1, 2, 4}));
    CAuswertungsListe list;
    list.Fill(f.doc.Exceedances(), nullptr, {}, f.view.ExceedancePages());
    std::vector<std::string> shown;
    for (std::size_t row = 0; row < list.Rows().size(); ++row)
        if (!list.CellText(row, 2).empty()) shown.push_back(list.CellText(row, 1));
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "2", "4"}));
}

// Everything of a document that drawing could touch, as text.
std::string Serialized(const CNivoraDoc& doc) {
    std::ostringstream out;
    for (const auto& [k, v] : doc.State().Keys()) out << k << "=" << v << "\n";
    out << "scale " << doc.State().GetLengthScale() << "\n";
    for (const auto& s : doc.State().SectionCache())
        out << "section " << s.from << " " << s.to << " " << s.limit << " " << s.width << "\n";
    for (const auto& e : doc.Exceedances().Records())
        out << "exceedance " << e.station << " " << e.value << " " << e.number << " " << e.page
            << " " << e.counted << "\n";
    for (const auto& t : doc.Texts().FreeTexts()) out << "free " << t.station << t.text << "\n";
    for (const auto& t : doc.Texts().StarTexts()) out << "star " << t.station << t.text << "\n";
    for (const auto& t : doc.Texts().AreaTexts()) out << "area " << t.from << t.text << "\n";
    for (const auto& t : doc.Texts().ExcludedAreas()) out << "excl " << t.from << t.text << "\n";
    for (int i = 0; i < 2; ++i) out << "clicked " << doc.ClickedStations().Get(i) << "\n";
    return out.str();
}

class DrawingReads : public ::testing::Test {
  protected:
    CNivoraDoc& Open(const std::string& state) {
        EXPECT_TRUE(test::OpenDocument(doc, test::FourFieldRun(301), "lauf.csv", state, messages));
        return doc;
    }
    // Every page on screen at every zoom level with both strip counts, then
    // the diagram and the evaluation print jobs; the texts of every page.
    std::vector<std::string> DrawEverything() {
        std::vector<std::string> texts;
        CTextTabelle table;
        FixedClock clock{{2026, 12, 10}};
        CNivoraView view(doc, table, clock);
        for (const int strips : {3, 2}) {
            view.SetStripsPerPage(strips);
            for (int level = CNivoraView::kMaxZoomLevel; level >= CNivoraView::kMinZoomLevel;
                 --level) {
                view.ComputePages();
                for (int page = 1; page <= view.PageCount(); ++page) {
                    RecordingSurface s;
                    view.SetCurrentPage(page);
                    view.OnDraw(s);
                }
                view.ZoomIn();
            }
            for (const bool evaluation : {false, true}) {
                view.SetEvaluationMode(evaluation);
                PrintJobInfo job;
                view.OnPreparePrinting(job);
                job.printRect = {0, 0, 29700, -21000};
                view.OnBeginPrinting();
                for (int page = 1; page <= job.maxPage; ++page) {
                    RecordingSurface s;
                    view.OnPrint(s, job, page);
                    for (const auto& t : s.Texts()) texts.push_back(t);
                }
                view.OnEndPrinting();
            }
        }
        return texts;
    }
    CNivoraDoc doc;
    test::RecordingMessageSink messages;
};

TEST_F(DrawingReads, AStoredScaleOf250IsSettledAt400WhenOpened) {
    Open("MASSSTAB_DER_LAENGE=250\nDruck_MetadatenAufFolgeseiten=1\n");
    EXPECT_EQ(doc.State().GetLengthScale(), 400);
    EXPECT_EQ(doc.State().GetValue("MASSSTAB_DER_LAENGE", ""), "400");
    const auto texts = DrawEverything();
    int shown = 0;
    for (const auto& t : texts) {
        EXPECT_TRUE(t.find("1:250") == std::string::npos && t.find("1 : 250") == std::string::npos)
            << t;
        if (t == "1:400" || t == "1 : 400") ++shown;
    }
    EXPECT_GE(shown, 4);  // every diagram page header and the evaluation page
    for (const int good : {100, 200, 400, 1000, 2000, 5000}) {
        CNivoraDoc d;
        test::OpenDocument(d, test::FourFieldRun(), "lauf.csv",
                           "MASSSTAB_DER_LAENGE=" + std::to_string(good) + "\n", messages);
        EXPECT_EQ(d.State().GetLengthScale(), good);
    }
}

TEST_F(DrawingReads, TheDocumentIsTheSameAfterDrawingEveryPage) {
    Open(
        "ABSCHNITTE=[0|350|40|10|||1||||][1000|375|45|10|||1||||]\n"
        "UEBERSCHREITUNGSDATEN_1=[500;52;2;1;-999;1;;0.0;;][1000;60;3;2;-999;0;;0.0;;]"
        "[2500;52;2;3;-999;1;;0.0;;]\n"
        "UEBERSCHREITUNGSDATEN_4=[500\xBFRiss\xBF"
        "1]\n"
        "FREIETEXTE=700_frei<1>_\nBEREICHSTEXTE=100_400_Flick<2>_\n"
        "MASSSTAB_DER_LAENGE=200\n");
    ASSERT_EQ(doc.Exceedances().GetCount(), 3);
    const std::string before = Serialized(doc);
    DrawEverything();
    EXPECT_EQ(Serialized(doc), before);
}

}  // namespace
}  // namespace nivora
