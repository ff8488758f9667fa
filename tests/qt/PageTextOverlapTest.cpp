// Every text on every page, measured with the fonts the pages are printed
// with: no two texts overlap and none leaves the sheet. Diagram pages with
// three and two strips on paper and at every zoom level on screen, and the
// evaluation pages, of every example run and of crowded runs made from them.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PageTextChecks.h"
#include "document/NivoraDoc.h"
#include "document/Zi4Verwaltung.h"
#include "platform/Clock.h"
#include "platform/MessageSink.h"
#include "platform/TextTable.h"
#include "support/TempDir.h"
#include "view/NivoraView.h"

namespace nivora::qt::test {
namespace {

namespace fs = std::filesystem;

// One application object for the whole test program, whichever test makes it.
void EnsureApp() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "nivora_qt_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

std::vector<fs::path> ExampleRuns() {
    std::vector<fs::path> runs;
    for (const auto& e : fs::directory_iterator(NIVORA_EXAMPLES_DIR)) {
        const std::string ext = e.path().extension().string();
        if (ext == ".zi4" || ext == ".PGC" || ext == ".py" || ext == ".md") continue;
        runs.push_back(e.path());
    }
    std::sort(runs.begin(), runs.end());
    return runs;
}

// Keeps what a refused file says, for the failure message.
class KeptMessages final : public IMessageSink {
  public:
    MessageAnswer Show(const std::string& text, MessageIcon, MessageButtons buttons) override {
        shown += text + "\n";
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::string shown;
};

bool Open(CNivoraDoc& doc, const fs::path& path) {
    KeptMessages sink;
    DocumentServices services;
    services.messages = &sink;
    const bool opened = doc.OpenFile(path.string(), services) == CNivoraDoc::OpenResult::Opened;
    if (!opened) ADD_FAILURE() << path << ": " << sink.shown;
    return opened;
}

// Checks every page a view draws; failures name the run, the output and the page.
class PageChecker {
  public:
    explicit PageChecker(RealFonts& fonts) : m_fonts(fonts) {}

    void AllPages(CNivoraDoc& doc, const std::string& name, bool evaluation = true) {
        for (int strips : {3, 2}) {
            CNivoraView view(doc, m_texts, m_clock);
            view.OnInitialUpdate(nullptr);
            view.SetStripsPerPage(strips);
            const std::string what = name + ", " + std::to_string(strips) + " Streifen";
            for (int level = CNivoraView::kMinZoomLevel; level <= CNivoraView::kMaxZoomLevel;
                 ++level) {
                while (view.ZoomLevel() < level) view.ZoomOut();
                while (view.ZoomLevel() > level) view.ZoomIn();
                view.ComputePages();
                for (int page = 1; page <= view.PageCount(); ++page) {
                    view.SetCurrentPage(page);
                    RecordingSurface s;
                    m_fonts.Attach(s);
                    view.OnDraw(s);
                    const SurfaceSize area = view.ScrollTotal();
                    Check(s, {0, 0, area.cx, -area.cy},
                          what + ", Bildschirm Zoomstufe " + std::to_string(level) + ", Seite " +
                              std::to_string(page),
                          false);
                }
            }
            Print(view, false, {0, 0, 29700, -21000}, what + ", Papier");
            if (evaluation && strips == 3)
                Print(view, true, {0, 0, 21000, -29700}, name + ", Auswertung");
        }
    }

    int pages = 0;

  private:
    void Print(CNivoraView& view, bool evaluation, SurfaceRect sheet, const std::string& what) {
        view.SetEvaluationMode(evaluation);
        PrintJobInfo job;
        view.OnPreparePrinting(job);
        job.printRect = sheet;
        view.OnBeginPrinting();
        for (int page = job.minPage; page <= job.maxPage; ++page) {
            RecordingSurface s;
            m_fonts.Attach(s);
            view.OnPrint(s, job, page);
            Check(s, sheet, what + ", Seite " + std::to_string(page), evaluation);
        }
        view.OnEndPrinting();
        view.SetEvaluationMode(false);
    }

    void Check(const RecordingSurface& s, const SurfaceRect& sheet, const std::string& what,
               bool frameLines) {
        ++pages;
        const std::vector<DrawnText> texts = DrawnTexts(s, m_fonts);
        std::vector<std::string> problems = Collisions(texts, sheet);
        if (frameLines) {
            const auto crossings = LineCrossings(s, texts);
            problems.insert(problems.end(), crossings.begin(), crossings.end());
        }
        if (problems.empty()) return;
        std::string message = what + ": " + std::to_string(problems.size()) + " Fehler";
        for (std::size_t i = 0; i < problems.size() && i < 12; ++i) message += "\n  " + problems[i];
        ADD_FAILURE() << message;
    }

    RealFonts& m_fonts;
    CTextTabelle m_texts;
    FixedClock m_clock{{2026, 12, 10}};
};

// ---- crowded runs ---------------------------------------------------------

const std::string kBf = "\xBF";

std::string Repeat(const std::string& s, std::size_t length) {
    std::string out;
    while (out.size() < length) out += s;
    out.resize(length);
    return out;
}

// Longer header entries in the files whose page header shows them.
std::string LongHeaders(std::string bytes, std::size_t extra) {
    const std::string tail = " " + Repeat(
                                       "Referat Stra\xDF"
                                       "enbau S\xFC"
                                       "d, ",
                                       extra);
    for (const std::string& s :
         {std::string("Regierungspr\xE4sidium Freiburg"), std::string("Bernd Schw\xE4rer"),
          std::string("Deckenerneuerung Spaichingen - Balgheim"),
          std::string("Stra\xDF"
                      "enmeisterei Rottweil")}) {
        for (auto pos = bytes.find(s); pos != std::string::npos; pos = bytes.find(s, pos + 1)) {
            bytes.insert(pos + s.size(), tail);
            pos += tail.size();
        }
    }
    return bytes;
}

struct Crowd {
    std::size_t fileHeaderExtra = 160;  // added to header lines of the file
    std::size_t headerExtra = 160;      // each stored header entry
    std::size_t longRemark = 120;
    int denseMarks = 90;
    int scale = 400;
    int manyMarks = 0;  // every decimetre from the first station on
};

// The state file of a crowded run from `first` in direction `dir`.
std::string CrowdedState(int32_t first, int dir, const Crowd& c) {
    auto at = [&](int dm) { return std::to_string(first + dir * dm); };
    std::string records, remarks;
    int number = 0;
    auto mark = [&](int dm, const std::string& remark) {
        ++number;
        records += "[" + at(dm) + ";55;2;" + std::to_string(number) + ";1;" +
                   (number % 3 == 2 ? "0" : "1") + ";;-1.0;;]";
        if (!remark.empty()) remarks += "[" + at(dm) + kBf + remark + kBf + "1]";
    };
    const std::string lengths[] = {
        "",
        "R",
        "Riss",
        "Schachtdeckel",
        "Flickstelle mit Kaltasphalt, 2 m",
        "Aufbruch{{CRLF}}" + Repeat("Leitungsgraben quer ", c.longRemark)};
    if (c.manyMarks > 0) {
        for (int i = 0; i < c.manyMarks; ++i) mark(i, i == 17 ? lengths[5] : "");
    } else {
        // 0.1 to 0.5 m apart, then across the end of the first strip, then
        // 2 m apart with long remarks.
        int dm = 30;
        for (int i = 0; i < c.denseMarks; ++i, dm += 1 + i % 5) mark(dm, lengths[i % 6]);
        for (int i = 0; i < 12; ++i) mark(995 + i, lengths[(i * 5) % 6]);
        for (int i = 0; i < 10; ++i) mark(1400 + 20 * i, lengths[4 + i % 2]);
    }
    std::string free, star, areas;
    const std::string freeTexts[] = {"Baubeginn Los 2",
                                     "Br\xFC"
                                     "cke{{CRLF}}Widerlager Nord",
                                     "Einm\xFCndung",
                                     "   ",
                                     "Messung unterbrochen wegen Baustellenverkehr",
                                     "X"};
    for (int i = 0; i < 6; ++i)
        free += at(400 + 5 * i) + "_" + freeTexts[i] + "<" + std::to_string(i % 4) + ">_";
    for (int i = 0; i < 3; ++i)
        star += at(402 + 5 * i) + "_Stern " + std::to_string(i) + "{{CRLF}}x<1>_";
    areas += at(100) + "_" + at(300) + "_Neue Deckschicht{{CRLF}}AC 11 D S<3>_";
    areas += at(320) + "_" + at(340) + "_{{CRLF}}<1>_";
    areas += at(900) + "_" + at(1200) +
             "_\xDC"
             "bergang zur alten Decke<2>_";
    std::string header;
    for (const char* label : {"Auftraggeber: ",
                              "Pr\xFC"
                              "fer: ",
                              "Abteilung: ", "Ort: ", "Projekt: ", "Projekt-Nr.: "})
        header +=
            std::string(label) + Repeat("Regierungspr\xE4sidium Freiburg ", c.headerExtra) + kBf;

    std::string state = "MASSSTAB_DER_LAENGE=" + std::to_string(c.scale) +
                        "\r\nDruck_DisplaySpeed=1\r\nDruck_MetadatenAufFolgeseiten=1\r\n";
    state +=
        "UBERSCHRIFT_ZEILE_1=Abnahmemessung nach Deckenerneuerung, Fahrstreifen rechts, Los 2\r\n";
    state += "UBERSCHRIFT_ZEILE_2=" + Repeat("Zeile zwei ", 90) + "\r\n";
    state += "UBERSCHRIFT_ZEILE_3=Auftrag 2024-117\r\n";
    state += "KOPFDATEN=" + header + "\r\n";
    state += "UEBERSCHREITUNGSDATEN_1=" + records + "\r\n";
    state += "UEBERSCHREITUNGSDATEN_2=0.0;1.0;0.60;;;EUR;;\r\n";
    state += "UEBERSCHREITUNGSDATEN_4=" + remarks + "\r\n";
    state +=
        "FREIETEXTE=" + free + "\r\nSTERNTEXTE=" + star + "\r\nBEREICHSTEXTE=" + areas + "\r\n";
    CZi4Verwaltung z;
    z.ReadText(state);
    return state + "KENNUNG=" + z.ComputeIdentification() + "\r\n";
}

// A copy of the run under a long folder path with a crowded state file.
bool OpenCrowded(CNivoraDoc& doc, const fs::path& example, const fs::path& root, const Crowd& c) {
    fs::path dir = root;
    for (const char* part : {"Messungen Rollstab 2024 Regierungsbezirk Freiburg",
                             "B 31 Titisee-Neustadt bis Hinterzarten Deckenerneuerung Los 2",
                             "Abnahme nach VOB Fahrstreifen rechts und links"})
        dir /= part;
    fs::create_directories(dir);
    const fs::path copy = dir / example.filename();
    WriteBytes(copy, LongHeaders(ReadBytes(example), c.fileHeaderExtra));
    for (const char* side : {".PGC"}) {
        const fs::path s = fs::path(example).replace_extension(side);
        if (fs::exists(s))
            fs::copy_file(s, dir / s.filename(), fs::copy_options::overwrite_existing);
    }
    fs::remove(fs::path(copy.string() + ".zi4"));
    CNivoraDoc plain;
    if (!Open(plain, copy) || plain.Run().WorkingSamples().empty()) return false;
    const int dir1 = plain.Run().IsAscending() ? 1 : -1;
    WriteBytes(copy.string() + ".zi4",
               CrowdedState(plain.Run().WorkingSamples().front().station, dir1, c));
    return Open(doc, copy);
}

class PageTexts : public ::testing::Test {
  protected:
    void SetUp() override { EnsureApp(); }
    fs::path Root() const { return m_temp.path(); }

    nivora::test::TempDir m_temp;
};

TEST_F(PageTexts, ExampleRunsHaveNoCollidingText) {
    RealFonts fonts;
    PageChecker check(fonts);
    for (const fs::path& run : ExampleRuns()) {
        CNivoraDoc doc;
        ASSERT_TRUE(Open(doc, run)) << run;
        check.AllPages(doc, run.filename().string());
    }
    EXPECT_GT(check.pages, 100);
}

TEST_F(PageTexts, CrowdedRunsHaveNoCollidingText) {
    RealFonts fonts;
    PageChecker check(fonts);
    for (const fs::path& run : ExampleRuns()) {
        CNivoraDoc doc;
        ASSERT_TRUE(OpenCrowded(doc, run, Root(), {})) << run;
        ASSERT_GT(doc.Exceedances().Records().size(), 100u) << run;
        check.AllPages(doc, "dicht " + run.filename().string());
    }
}

// A 3,000-character header entry and remark, 10,000 exceedances on one
// strip, a free text of blanks and an area text that is only a line break.
TEST_F(PageTexts, BadInputStaysReadableOnTheSheet) {
    RealFonts fonts;
    PageChecker check(fonts);
    for (const char* name : {"K7031_datum.csv", "B10_strasse.txt", "B31_ausdruck.txt"}) {
        Crowd c;
        c.headerExtra = 3000;
        c.longRemark = 3000;
        c.scale = 5000;
        c.manyMarks = 10000;
        CNivoraDoc doc;
        ASSERT_TRUE(OpenCrowded(doc, fs::path(NIVORA_EXAMPLES_DIR) / name, Root(), c)) << name;
        ASSERT_EQ(doc.Exceedances().Records().size(), 10000u);
        check.AllPages(doc, std::string("schlecht ") + name, false);
    }
}

}  // namespace
}  // namespace nivora::qt::test
