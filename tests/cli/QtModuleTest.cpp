// nivora-cli itself links no Qt; the commands that need it run in a module
// that the program finds from its own path.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "CliRunner.h"

namespace nivora::test {
namespace {

namespace fs = std::filesystem;

const fs::path kProgram = NIVORA_CLI_PATH;
const fs::path kModule = kProgram.parent_path() / "nivora-cli-qt.so";
// Where the package puts it, relative to the program's folder's parent.
const fs::path kInstalledModule = fs::path(NIVORA_CLI_MODULE_INSTALL_DIR) / "nivora-cli-qt.so";

bool HaveProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// The libraries in the dynamic section of an ELF file, as readelf lists them.
std::set<std::string> NeededLibraries(const fs::path& file) {
    const TempDir dir;
    const std::string out = dir.File("readelf.txt");
    const std::string cmd =
        "readelf -d " + ShellQuote(file.string()) + " >" + ShellQuote(out) + " 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << ReadAll(out);
    std::set<std::string> needed;
    std::istringstream lines(ReadAll(out));
    for (std::string line; std::getline(lines, line);) {
        const auto open = line.find("(NEEDED)");
        const auto from = line.find('[');
        const auto to = line.rfind(']');
        if (open != std::string::npos && from != std::string::npos && to > from)
            needed.insert(line.substr(from + 1, to - from - 1));
    }
    return needed;
}

bool AnyQt(const std::set<std::string>& libraries) {
    for (const auto& l : libraries)
        if (l.find("Qt") != std::string::npos) return true;
    return false;
}

TEST(QtModule, ProgramLinksNoQtLibraryAndTheModuleDoes) {
    if (!HaveProgram("readelf")) GTEST_SKIP() << "readelf is missing";
    const auto program = NeededLibraries(kProgram);
    EXPECT_TRUE(program.count("libc.so.6")) << "no dynamic section read";
    EXPECT_FALSE(AnyQt(program));
    EXPECT_TRUE(AnyQt(NeededLibraries(kModule)));
}

class QtModuleLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "bin");
        fs::copy_file(kProgram, program);
        settings = dir.Write("leer.ini", "");
        run = dir.path() / "B10_strasse.txt";
        fs::copy_file(fs::path(NIVORA_EXAMPLES_DIR) / "B10_strasse.txt", run);
    }
    CliResult Render(const fs::path& via) {
        return RunProgram(via.string(), {"render", run.string(), "-o", dir.File("seiten.pdf"),
                                         "--settings", settings});
    }

    TempDir dir;
    fs::path program = dir.path() / "bin" / "nivora-cli";
    std::string settings;
    fs::path run;
};

TEST_F(QtModuleLayout, MissingModuleIsNamedAndFailsWhileOtherCommandsRun) {
    const CliResult r = Render(program);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    const std::string expected = "nivora-cli render: Programmteil " +
                                 (dir.path() / kInstalledModule).string() +
                                 " kann nicht geladen werden: ";
    EXPECT_EQ(r.err.rfind(expected, 0), 0u) << r.err;
    EXPECT_FALSE(fs::exists(dir.File("seiten.pdf")));

    // Reading, help and usage errors need no module.
    EXPECT_EQ(RunProgram(program.string(), {"info", run.string()}).status, 0);
    EXPECT_EQ(RunProgram(program.string(), {"render", "--help"}).status, 0);
    EXPECT_EQ(RunProgram(program.string(), {"open"}).status, 2);
}

TEST_F(QtModuleLayout, InstalledModuleIsFoundFromTheProgramsOwnPath) {
    fs::create_directories((dir.path() / kInstalledModule).parent_path());
    fs::copy_file(kModule, dir.path() / kInstalledModule);
    // Through a link from elsewhere the program still finds its own folder.
    fs::create_directories(dir.path() / "elsewhere");
    fs::create_symlink(program, dir.path() / "elsewhere/nivora-cli");
    for (const fs::path& via : {program, dir.path() / "elsewhere/nivora-cli"}) {
        fs::remove(dir.File("seiten.pdf"));
        const CliResult r = Render(via);
        EXPECT_EQ(r.status, 0) << via << "\n" << r.err;
        EXPECT_EQ(r.out, "2\n") << via;
        EXPECT_TRUE(fs::exists(dir.File("seiten.pdf"))) << via;
    }
}

}  // namespace
}  // namespace nivora::test
