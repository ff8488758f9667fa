#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace nivora::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

class OpenCommand : public ::testing::Test {
  protected:
    void SetUp() override { settings = dir.Write("leer.ini", ""); }
    CliResult Cli(std::vector<std::string> args) {
        args.push_back("--settings");
        args.push_back(settings);
        return RunCli(args);
    }
    std::string Example(const std::string& name) {
        const fs::path target = dir.path() / name;
        if (!fs::exists(target)) fs::copy_file(fs::path(NIVORA_EXAMPLES_DIR) / name, target);
        return target.string();
    }
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> m;
        for (const auto& e : fs::directory_iterator(dir.path()))
            m[e.path().filename().string()] = ReadAll(e.path());
        return m;
    }
    TempDir dir;
    std::string settings;
};

TEST_F(OpenCommand, ExampleWithStateFileAndComparisonRun) {
    const std::string path = Example("B27_pm01bs02.dat");
    Example("B27_pm01bs02.dat.zi4");
    Example("B27_pm01bs02_2023.dat");
    const auto before = Snapshot();
    const auto r = Cli({"open", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const Json j = Json::parse(r.out);
    for (const char* key :
         {"path", "state_file", "state_existed", "first_load_dialog", "messages", "run", "keys",
          "sections", "exceedances", "remarks", "currency", "star_texts", "free_texts",
          "area_texts", "excluded_areas", "comparison_runs", "paging"})
        EXPECT_TRUE(j.contains(key)) << key;
    EXPECT_EQ(j["state_file"], path + ".zi4");
    EXPECT_EQ(j["state_existed"], true);
    EXPECT_EQ(j["first_load_dialog"], false);
    EXPECT_EQ(j["messages"], Json::array());
    ASSERT_EQ(j["sections"].size(), 3u);
    EXPECT_EQ(j["sections"][1]["limit"], 45);
    EXPECT_EQ(j["sections"][1]["factor_k"], 0.6);
    EXPECT_EQ(j["sections"][1]["unit_price"], 14);
    EXPECT_EQ(j["sections"][2]["evaluate"], false);
    EXPECT_EQ(j["sections"][2]["to"], 128501);
    EXPECT_EQ(j["exceedances"][0]["number"], 1);
    EXPECT_EQ(j["exceedances"][3]["counted"], false);
    EXPECT_EQ(j["remarks"]["124134"],
              "Schachtdeckel\xC2\xBF"
              "1");
    EXPECT_EQ(j["currency"], "EUR");
    EXPECT_EQ(j["free_texts"][1]["colour"], 2);
    EXPECT_EQ(j["area_texts"][0]["text"], "Neue Deckschicht");
    EXPECT_EQ(j["excluded_areas"][0]["text"], "Schachtdeckel{{CRLF}}Kanal, nicht bewerten");
    EXPECT_EQ(j["comparison_runs"][0]["loaded"], true);
    EXPECT_EQ(j["comparison_runs"][0]["samples"], 2501);
    EXPECT_EQ(j["comparison_runs"][1]["loaded"], false);
    EXPECT_EQ(j["keys"]["UBERSCHRIFT_ZEILE_1"],
              "Abnahmemessung B 27 Rottweil \xE2\x80\x93 Villingen");
    EXPECT_EQ(j["paging"],
              Json::parse(R"({"scale":400,"strip_length":1000,"first_page_start":123500,
                                          "strip_count":6,"strips_per_page":3,"page_count":2})"));
    EXPECT_EQ(j["run"]["working"].size(), 2501u);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(OpenCommand, FirstOpeningAnswersTheDialogFromOptions) {
    const std::string path = Example("L415_pm01bs01.txt");
    const Json plain = Json::parse(Cli({"open", path}).out);
    EXPECT_EQ(plain["first_load_dialog"], true);
    EXPECT_EQ(plain["state_existed"], false);
    EXPECT_EQ(plain["keys"]["MANUVONBIS"], "32000;36201");
    EXPECT_FALSE(plain["keys"].contains("BOOL_SPIEGELN"));
    const Json adjusted = Json::parse(Cli({"open", path, "--mirror", "--kilometrage", "0;1"}).out);
    EXPECT_EQ(adjusted["keys"]["BOOL_SPIEGELN"], "1");
    EXPECT_EQ(adjusted["keys"]["KILOMETRIERUNG_ANGEPASST"], "0;1");
    EXPECT_EQ(adjusted["run"]["range"], Json::array({4201, 0}));
    EXPECT_EQ(adjusted["run"]["kilometrage_offset"], 32000);
    EXPECT_EQ(adjusted["run"]["ascending"], false);
    // With a state file the options do not count.
    Example("B27_pm01bs02.dat.zi4");
    const Json ignored = Json::parse(Cli({"open", Example("B27_pm01bs02.dat"), "--mirror"}).out);
    EXPECT_EQ(ignored["keys"]["BOOL_SPIEGELN"], "0");
}

TEST_F(OpenCommand, RefusedEmptyAndBrokenInputs) {
    const auto refused = Cli({"open", dir.Write("x.txt", "kein Format")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "warning: Unerwartetes Dateiformat.\n");
    const Json j = Json::parse(refused.out);
    EXPECT_EQ(j["messages"][0]["icon"], "warning");
    EXPECT_EQ(j["messages"][0]["text"], "Unerwartetes Dateiformat.");
    EXPECT_FALSE(j.contains("run"));

    const auto empty = Cli({"open", dir.Write("leer.csv", "")});
    EXPECT_EQ(empty.status, 0);
    const Json e = Json::parse(empty.out);
    EXPECT_EQ(e["messages"], Json::array());
    EXPECT_EQ(e["run"]["samples"], Json::array());
    EXPECT_EQ(e["paging"]["page_count"], 0);

    EXPECT_EQ(Cli({"open", (dir.path() / "fehlt.csv").string()}).status, 1);
    EXPECT_EQ(RunCli({"open", Example("B10_strasse.txt"), "--settings", "/nicht/da.ini"}).status,
              2);
    EXPECT_EQ(Cli({"open"}).status, 2);
    EXPECT_EQ(Cli({"open", "a", "--kilometrage"}).status, 2);

    // Nothing in a state file stops the run from opening.
    std::string many = "ABSCHNITTE=";
    for (int i = 0; i < 100000; ++i) many += "[" + std::to_string(i * 10) + "|350|x|y|z]";
    const std::string run = Example("B14_vierfeld.csv");
    dir.Write("B14_vierfeld.csv.zi4",
              many +
                  "\nMANUVONBIS=abc;\nKALIBRIERWERT=99999999999999\n"
                  "UEBERSCHREITUNGSDATEN_1=[1;2;3[4;5\nFREIETEXTE=_x_\nDEZIMETER_OFFSET=-7\n");
    const auto broken = Cli({"open", run});
    ASSERT_EQ(broken.status, 0);
    const Json b = Json::parse(broken.out);
    EXPECT_EQ(b["run"]["correction"], 2147483647);
    EXPECT_EQ(b["exceedances"], Json::array());
    EXPECT_EQ(b["free_texts"], Json::array());
    // An error message for the missing identification, nothing else.
    ASSERT_EQ(b["messages"].size(), 1u);
    EXPECT_EQ(b["messages"][0]["icon"], "error");
}

TEST_F(OpenCommand, ReportLines) {
    Example("B10_strasse.txt.zi4");
    const auto r = Cli({"report", Example("B10_strasse.txt")});
    ASSERT_EQ(r.status, 0);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < r.out.size()) {
        const auto end = r.out.find('\n', pos);
        lines.push_back(r.out.substr(pos, end - pos));
        pos = end + 1;
    }
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines.back(), "ENDE");
    int markers = 0;
    for (const auto& l : lines) markers += l.rfind("FF ABSCH_", 0) == 0 ? 1 : 0;
    EXPECT_EQ(markers, 2);
    // Descending: the area's larger station first, 0xBF as UTF-8.
    EXPECT_NE(r.out.find("<<<120100|0|0|Bahn\xC3\xBC"
                         "bergang|1|119900||{{BOK}}>>><<<0|0|0>>>"),
              std::string::npos);
    EXPECT_NE(r.out.find("SUMMEPQ="), std::string::npos);
    EXPECT_NE(r.out.find("\xC2\xBFUNTERSCHRIFT=1\xC2\xBF"), std::string::npos);
    EXPECT_EQ(Cli({"report", dir.Write("x.txt", "nichts")}).status, 1);
}

}  // namespace
}  // namespace nivora::test
