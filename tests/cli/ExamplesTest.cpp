#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace nivora::test {
namespace {

namespace fs = std::filesystem;

struct Example {
    const char* file;
    int format;
    std::size_t samples;
    int limit;
    int marked;
};

const Example kExamples[] = {
    {"L415_pm01bs01.txt", 1001, 2101, 0, 6}, {"B27_pm01bs02.dat", 1002, 2501, 0, 7},
    {"K7031_datum.csv", 1003, 1041, 0, 9},   {"B14_vierfeld.csv", 3, 1201, 0, 5},
    {"B14_fuenffeld.csv", 7, 1121, 0, 4},    {"L1100_messsaetze.csv", 4, 1401, 40, 0},
    {"A81_grenzwert.txt", 5, 1201, 40, 5},   {"B10_strasse.txt", 6, 1101, 0, 0},
    {"B31_ausdruck.txt", 1, 601, 40, 5},
};

TEST(Examples, EveryExampleReadsWithItsOwnFormat) {
    for (const auto& e : kExamples) {
        const auto r = RunCli({"read", std::string(NIVORA_EXAMPLES_DIR) + "/" + e.file});
        ASSERT_EQ(r.status, 0) << e.file << r.err;
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_EQ(j["format"], e.format) << e.file;
        EXPECT_EQ(j["samples"].size(), e.samples) << e.file;
        EXPECT_EQ(j["limit"], e.limit) << e.file;
        int marked = 0;
        for (const auto& s : j["samples"]) marked += s[5].get<bool>() ? 1 : 0;
        EXPECT_EQ(marked, e.marked) << e.file;
        EXPECT_EQ(j["incomplete"], false) << e.file;
    }
}

std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        files[fs::relative(entry.path(), dir).string()] =
            entry.is_regular_file() ? ReadAll(entry.path()) : "<dir>";
    return files;
}

// Every command on every example, with and without state file, and a state
// file whose comparison run points into another folder: afterwards every
// file is byte for byte as before and no file was created.
TEST(Examples, NoCommandWritesAnything) {
    TempDir dir, other;
    for (const auto& entry : fs::directory_iterator(NIVORA_EXAMPLES_DIR))
        fs::copy_file(entry.path(), dir.path() / entry.path().filename());
    const std::string elsewhere =
        other.Write("vergleich.csv", "14.03.2026 09:30:15\r\n0;1;0;\r\n10;2;0;\r\n");
    dir.Write("L1100_messsaetze.csv.zi4", "VGL_PATH_1=" + elsewhere + "\nVGL_PATH_2=" +
                                              (dir.path() / "B31_ausdruck.txt").string() + "\n");
    const std::string settings = other.Write("leer.ini", "");
    const auto before = Snapshot(dir.path());
    const auto beforeOther = Snapshot(other.path());
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string path = entry.path().string();
        for (const char* command : {"read", "info"}) RunCli({command, path});
        for (const char* command : {"open", "report"}) {
            RunCli({command, path, "--settings", settings});
            RunCli({command, path, "--settings", settings, "--mirror", "--kilometrage", "100;0"});
        }
    }
    const auto opened = nlohmann::json::parse(
        RunCli({"open", (dir.path() / "L1100_messsaetze.csv").string(), "--settings", settings})
            .out);
    EXPECT_EQ(opened["comparison_runs"][0]["loaded"], true);
    EXPECT_EQ(opened["comparison_runs"][1]["loaded"], true);
    EXPECT_EQ(Snapshot(dir.path()), before);
    EXPECT_EQ(Snapshot(other.path()), beforeOther);
}

TEST(Examples, SideFileFoundInOtherLetterCase) {
    TempDir dir;
    const fs::path src(NIVORA_EXAMPLES_DIR);
    fs::copy_file(src / "A81_grenzwert.txt", dir.path() / "a81.txt");
    fs::copy_file(src / "A81_grenzwert.PGC", dir.path() / "A81.pgc");
    const auto j = nlohmann::json::parse(RunCli({"read", (dir.path() / "a81.txt").string()}).out);
    int marked = 0;
    for (const auto& s : j["samples"]) marked += s[5].get<bool>() ? 1 : 0;
    EXPECT_EQ(marked, 5);
}

}  // namespace
}  // namespace nivora::test
