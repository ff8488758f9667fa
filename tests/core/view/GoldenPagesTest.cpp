// Every page of every example, recorded and compared whole with the text
// kept under golden/: diagram pages with three and with two strips on paper
// and on screen at every zoom level, and the evaluation pages.
//
// Renew after a deliberate change of the drawing:
//   NIVORA_RENEW_GOLDENS=1 ctest --test-dir build -R Golden
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/TestSupport.h"
#include "core/view/GoldenRecording.h"
#include "document/NivoraDoc.h"
#include "platform/Clock.h"
#include "platform/TextTable.h"
#include "view/NivoraView.h"
#include "view/RecordingSurface.h"

namespace nivora {
namespace {

namespace fs = std::filesystem;

// The examples open under this folder, so that the paths in the page headers
// do not depend on where the sources lie.
constexpr const char* kFolder = "/daten/messungen/";

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::optional<std::string> ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Any side file (state file, limits, remarks, comparison run) by its name alone,
// from the examples folder, without regard to case.
std::optional<std::string> ExampleSideFile(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    const std::string name = Lower(slash == std::string::npos ? path : path.substr(slash + 1));
    for (const auto& e : fs::directory_iterator(NIVORA_EXAMPLES_DIR))
        if (Lower(e.path().filename().string()) == name) return ReadBytes(e.path());
    return std::nullopt;
}

struct Example {
    CNivoraDoc doc;
    test::RecordingMessageSink messages;
    bool Open(const std::string& name) {
        const auto bytes = ReadBytes(fs::path(NIVORA_EXAMPLES_DIR) / name);
        if (!bytes) return false;
        DocumentServices services;
        services.messages = &messages;
        services.readFile = ExampleSideFile;
        return doc.LoadFromFile(*bytes, kFolder + name, services);
    }
};

class Pages {
  public:
    explicit Pages(CNivoraDoc& doc) : m_view(doc, m_texts, m_clock) {
        m_view.OnInitialUpdate(nullptr);
    }
    CNivoraView& View() { return m_view; }
    const CTextTabelle& Texts() const { return m_texts; }

  private:
    CTextTabelle m_texts;
    FixedClock m_clock{{2026, 12, 10}};
    CNivoraView m_view;
};

// Every zoom level from 1.0 up to 5.0, every page at each.
std::string Screen(CNivoraDoc& doc, int strips) {
    Pages pages(doc);
    CNivoraView& view = pages.View();
    view.SetStripsPerPage(strips);
    while (view.ZoomLevel() < CNivoraView::kMaxZoomLevel) view.ZoomOut();
    std::ostringstream out;
    for (int level = CNivoraView::kMaxZoomLevel;; --level) {
        view.ComputePages();
        for (int page = 1; page <= std::max(view.PageCount(), 1); ++page) {
            view.SetCurrentPage(page);
            RecordingSurface surface;
            view.OnDraw(surface);
            out << "== zoom " << view.ZoomLevel() << " page " << page << " title " << view.Title()
                << "\n"
                << test::GoldenText(surface);
        }
        if (level == CNivoraView::kMinZoomLevel) break;
        view.ZoomIn();
    }
    return out.str();
}

// The print job as the desktop program and the command line run it.
std::string Paper(CNivoraDoc& doc, int strips, bool evaluation) {
    Pages pages(doc);
    CNivoraView& view = pages.View();
    if (!evaluation) view.SetStripsPerPage(strips);
    view.SetEvaluationMode(evaluation);
    view.ComputePages();
    PrintJobInfo job;
    view.OnPreparePrinting(job);
    job.printRect =
        evaluation ? SurfaceRect{0, 0, 21000, -29700} : SurfaceRect{0, 0, 29700, -21000};
    view.OnBeginPrinting();
    std::ostringstream out;
    out << "== job pages " << job.maxPage << "\n";
    for (int page = 1; page <= job.maxPage; ++page) {
        RecordingSurface surface;
        view.OnPrint(surface, job, page);
        out << "== page " << page << "\n" << test::GoldenText(surface);
    }
    view.OnEndPrinting();
    return out.str();
}

bool Renewing() {
    const char* v = std::getenv("NIVORA_RENEW_GOLDENS");
    return v && *v && std::string(v) != "0";
}

void Compare(const std::string& example, const std::string& kind, const std::string& actual) {
    const fs::path file = fs::path(NIVORA_GOLDEN_DIR) / example / (kind + ".txt");
    if (Renewing()) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << actual;
        return;
    }
    const auto expected = ReadBytes(file);
    ASSERT_TRUE(expected.has_value()) << file << " is missing; renew with NIVORA_RENEW_GOLDENS=1";
    const std::string difference = test::FirstDifference(*expected, actual);
    EXPECT_TRUE(difference.empty())
        << example << " " << kind << " differs from " << file << " at " << difference;
}

class GoldenPages : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenPages, EveryPageAsRecorded) {
    const std::string name = GetParam();
    Example example;
    ASSERT_TRUE(example.Open(name)) << name;
    const std::string stem = fs::path(name).filename().string();
    for (const int strips : {3, 2}) {
        const std::string n = std::to_string(strips);
        Compare(stem, "screen" + n, Screen(example.doc, strips));
        Compare(stem, "paper" + n, Paper(example.doc, strips, false));
    }
    Compare(stem, "evaluation", Paper(example.doc, 3, true));
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenPages,
                         ::testing::Values("A81_grenzwert.txt", "B10_strasse.txt",
                                           "B14_fuenffeld.csv", "B14_vierfeld.csv",
                                           "B27_pm01bs02.dat", "B27_pm01bs02_2023.dat",
                                           "B31_ausdruck.txt", "K7031_datum.csv",
                                           "L1100_messsaetze.csv", "L415_pm01bs01.txt"),
                         [](const auto& info) {
                             std::string s = info.param;
                             for (char& c : s)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return s;
                         });

TEST(GoldenRecording, FirstDifferenceNamesTheLine) {
    EXPECT_EQ(test::FirstDifference("a\nb\n", "a\nb\n"), "");
    EXPECT_EQ(test::FirstDifference("a\nb\n", "a\nc\n"), "line 2:\n  expected: b\n  got:      c");
    // A shorter recording fails at the first missing line.
    EXPECT_EQ(test::FirstDifference("a\nb\n", "a\n"),
              "line 2:\n  expected: b\n  got:      (end of file)");
}

}  // namespace
}  // namespace nivora
