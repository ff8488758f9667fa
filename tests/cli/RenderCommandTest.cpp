#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "CliRunner.h"

namespace nivora::test {
namespace {

namespace fs = std::filesystem;

int PdfPageCount(const std::string& pdf) {
    static const std::regex page(R"(/Type\s*/Page(?![a-zA-Z]))");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// Width and height of the first page's media box, in points.
std::pair<double, double> PdfSheet(const std::string& pdf) {
    static const std::regex box(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])");
    std::smatch m;
    if (!std::regex_search(pdf, m, box)) return {0, 0};
    return {std::stod(m[1]), std::stod(m[2])};
}

uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

bool HaveProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

class RenderCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        settings = Write("leer.ini", "");
        run = Example("B27_pm01bs02.dat");
        Example("B27_pm01bs02.dat.zi4");
        Example("B27_pm01bs02_2023.dat");
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        return in.Write(name, bytes);
    }
    std::string Example(const std::string& name) {
        const fs::path target = in.path() / name;
        fs::copy_file(fs::path(NIVORA_EXAMPLES_DIR) / name, target);
        return target.string();
    }
    // render RUN -o OUT ARGS --settings SETTINGS
    CliResult Render(const std::string& file, const std::string& outName,
                     std::vector<std::string> args) {
        std::vector<std::string> all = {"render", file};
        if (!outName.empty()) {
            all.push_back("-o");
            all.push_back((out.path() / outName).string());
        }
        all.insert(all.end(), args.begin(), args.end());
        if (std::find(args.begin(), args.end(), "--settings") == args.end()) {
            all.push_back("--settings");
            all.push_back(settings);
        }
        return RunCli(all);
    }
    std::set<std::string> Written() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(out.path()))
            names.insert(e.path().filename().string());
        return names;
    }
    std::map<std::string, std::string> Inputs() const {
        std::map<std::string, std::string> m;
        for (const auto& e : fs::directory_iterator(in.path()))
            m[e.path().filename().string()] = ReadAll(e.path());
        return m;
    }
    void ClearOutput() {
        for (const auto& e : fs::directory_iterator(out.path())) fs::remove_all(e.path());
    }

    TempDir in, out;
    std::string settings, run;
};

// The example run B27 has 6 strips: 2 pages of 3 strips or 3 pages of 2.
TEST_F(RenderCommand, PdfPagesFollowStripsRangePaperAndMode) {
    const std::string twoStrips = Write("zwei.ini", "[Sonstiges]\r\nDiagrammeProSeite=2\r\n");
    struct Case {
        std::vector<std::string> args;
        int pages;  // -1: as many as the evaluation has
        double width, height;
    };
    const double a4l = 841.9, a4s = 595.3, a3l = 1190.6;
    const Case cases[] = {
        {{}, 2, a4l, a4s},
        {{"--strips", "2"}, 3, a4l, a4s},
        {{"--pages", "2"}, 1, a4l, a4s},
        {{"--strips", "2", "--pages", "2-9"}, 2, a4l, a4s},  // cut at the last page
        {{"--pages", "1-1", "--paper", "A3", "--grid"}, 1, a3l, a4l},
        {{"--settings", twoStrips}, 3, a4l, a4s},
        {{"--settings", twoStrips, "--strips", "3"}, 2, a4l, a4s},
        {{"--evaluation"}, -1, a4s, a4l},
    };
    const auto before = Inputs();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        ClearOutput();
        const auto r = Render(run, "seiten.pdf", c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(Written(), std::set<std::string>{"seiten.pdf"});
        const std::string pdf = ReadAll(out.path() / "seiten.pdf");
        const int pages = PdfPageCount(pdf);
        if (c.pages >= 0) {
            EXPECT_EQ(pages, c.pages);
        }
        EXPECT_GT(pages, 0);
        EXPECT_EQ(r.out, std::to_string(pages) + "\n");
        const auto [w, h] = PdfSheet(pdf);
        EXPECT_NEAR(w, c.width, 1.0);
        EXPECT_NEAR(h, c.height, 1.0);
    }
    EXPECT_EQ(Inputs(), before) << "nothing is written beside the run";
}

TEST_F(RenderCommand, PngAndSvgWriteOneFilePerPageNamedByItsNumber) {
    struct Case {
        std::string out;
        std::vector<std::string> args;
        std::set<std::string> files;
    };
    const Case cases[] = {
        {"seite.png", {"--dpi", "100"}, {"seite-1.png", "seite-2.png"}},
        {"seite.png", {"--pages", "2"}, {"seite-2.png"}},
        {"bild.svg", {"--strips", "2"}, {"bild-1.svg", "bild-2.svg", "bild-3.svg"}},
        {"bild.SVG", {"--pages", "2-2"}, {"bild-2.SVG"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out + " " + testing::PrintToString(c.args));
        ClearOutput();
        const auto r = Render(run, c.out, c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, std::to_string(c.files.size()) + "\n");
        EXPECT_EQ(Written(), c.files);
    }

    // A landscape A4 sheet at 100 dpi and at the default 150 dpi.
    for (const auto& [dpi, size] :
         std::map<int, std::pair<uint32_t, uint32_t>>{{100, {1169, 827}}, {150, {1754, 1240}}}) {
        SCOPED_TRACE(dpi);
        ClearOutput();
        std::vector<std::string> args = {"--pages", "1"};
        if (dpi != 150) args.insert(args.end(), {"--dpi", std::to_string(dpi)});
        ASSERT_EQ(Render(run, "seite.png", args).status, 0);
        const std::string png = ReadAll(out.path() / "seite-1.png");
        ASSERT_GT(png.size(), 40000u) << "a drawn page, not a blank one";
        ASSERT_EQ(png.substr(1, 3), "PNG");
        EXPECT_EQ(BigEndian(png, 16), size.first);
        EXPECT_EQ(BigEndian(png, 20), size.second);
        const auto phys = png.find("pHYs");
        ASSERT_NE(phys, std::string::npos);
        EXPECT_NEAR(BigEndian(png, phys + 4), dpi / 0.0254, 1) << "dots per metre";
    }

    ClearOutput();
    ASSERT_EQ(Render(run, "bild.svg", {"--pages", "1"}).status, 0);
    const std::string svg = ReadAll(out.path() / "bild-1.svg");
    EXPECT_NE(svg.find("width=\"297mm\" height=\"210mm\""), std::string::npos);
    EXPECT_NE(svg.find(">Station [km]</text>"), std::string::npos);
}

TEST_F(RenderCommand, UsageErrorsExitTwoAndWriteNothing) {
    struct Case {
        std::string out;
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {"", {}, "-o AUSGABE fehlt"},
        {"seiten.txt", {}, "muss auf .pdf, .png oder .svg enden"},
        {"seiten", {}, "muss auf .pdf, .png oder .svg enden"},
        {"seiten.pdf", {"--pages", "0"}, "ungültige Seitenangabe 0"},
        {"seiten.pdf", {"--pages", "2-1"}, "ungültige Seitenangabe 2-1"},
        {"seiten.pdf", {"--pages", "1-"}, "ungültige Seitenangabe 1-"},
        {"seiten.pdf", {"--pages", "eins"}, "ungültige Seitenangabe eins"},
        {"seiten.pdf", {"--pages", "3-5"}, "Seite 3 gibt es nicht, der Druck hat 2 Seiten"},
        {"seiten.png", {"--pages", "3"}, "Seite 3 gibt es nicht"},
        {"seiten.pdf", {"--strips", "4"}, "--strips erlaubt nur 2 oder 3"},
        {"seiten.png", {"--dpi", "0"}, "--dpi braucht eine Zahl von 1 bis 1200"},
        {"seiten.png", {"--dpi", "1201"}, "--dpi braucht eine Zahl von 1 bis 1200"},
        {"seiten.png", {"--dpi", "-5"}, "--dpi braucht eine Zahl"},
        {"seiten.pdf", {"--paper", "A5"}, "--paper erlaubt nur A4 oder A3"},
        {"seiten.pdf", {"--farbe"}, "unbekannte Option --farbe"},
        {"seiten.pdf", {"--settings", settings, "--pages"}, "--pages braucht einen Wert"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out + " " + testing::PrintToString(c.args));
        const auto r = Render(run, c.out, c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(Written().empty());
    }
    const auto help = RunCli({"render", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"-o AUSGABE", "--evaluation", "--pages A-B", "--strips", "--grid", "--dpi", "--paper"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_NE(RunCli({"--help"}).out.find("render DATEI"), std::string::npos);
}

TEST_F(RenderCommand, RefusedFileExitsOneAndAnEmptyRunPrintsNoPages) {
    const std::string refused = Write("kaputt.dat", "kein Messformat\r\n1;2;3;4;5;6;7\r\n");
    const auto r = Render(refused, "seiten.pdf", {});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, RunCli({"report", refused, "--settings", settings}).err);
    EXPECT_NE(r.err.find("warning: Unerwartetes Dateiformat."), std::string::npos) << r.err;
    EXPECT_TRUE(Written().empty());

    const std::string missing = (in.path() / "fehlt.dat").string();
    EXPECT_EQ(Render(missing, "seiten.pdf", {}).status, 1);
    EXPECT_TRUE(Written().empty());

    const std::string empty = Write("leer.dat", "");
    for (const char* name : {"seiten.pdf", "seite.png"}) {
        const auto e = Render(empty, name, {"--pages", "2"});
        EXPECT_EQ(e.status, 0) << e.err;
        EXPECT_EQ(e.out, "0\n");
    }
    EXPECT_TRUE(Written().empty());
}

TEST_F(RenderCommand, PdfTextCarriesTheStationCaption) {
    if (!HaveProgram("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_EQ(Render(run, "seiten.pdf", {"--pages", "1"}).status, 0);
    const std::string pdf = (out.path() / "seiten.pdf").string();
    const std::string text = (out.path() / "seiten.txt").string();
    ASSERT_EQ(std::system(("pdftotext " + ShellQuote(pdf) + " " + ShellQuote(text)).c_str()), 0);
    const std::string words = ReadAll(text);
    EXPECT_NE(words.find("Station [km]"), std::string::npos) << words;
    EXPECT_NE(words.find("12,3500"), std::string::npos) << "the first station label";
    if (HaveProgram("pdfinfo")) {
        const std::string info = (out.path() / "info.txt").string();
        ASSERT_EQ(std::system(("pdfinfo " + ShellQuote(pdf) + " >" + ShellQuote(info)).c_str()), 0);
        const std::string fields = ReadAll(info);
        EXPECT_TRUE(std::regex_search(fields, std::regex("Title: +B27_pm01bs02.dat\n"))) << fields;
        EXPECT_TRUE(std::regex_search(fields, std::regex("Creator: +Nivora 4.5.48\n"))) << fields;
        EXPECT_TRUE(std::regex_search(fields, std::regex("Pages: +1\n"))) << fields;
    }
}

}  // namespace
}  // namespace nivora::test
