// Builds the Debian package from this build with CPack, unpacks it and checks
// what a user gets: the file list, the control fields and a program that runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "support/TempDir.h"

namespace nivora {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

bool HaveProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs a shell command with its output in a file of dir; the exit status and the output.
std::pair<int, std::string> Shell(const test::TempDir& dir, const std::string& command) {
    const std::string out = dir.File("output.txt");
    const int status = std::system((command + " >" + Quote(out) + " 2>&1").c_str());
    return {status, ReadAll(out)};
}

TEST(DebianPackage, HoldsTheProgramsAndTheirDesktopFilesAndRuns) {
    if (!HaveProgram("dpkg-deb")) GTEST_SKIP() << "dpkg-deb is missing; the package is not checked";
    const test::TempDir dir;
    // Dependencies are computed by dpkg-shlibdeps only in scripts/package.sh; here
    // the package's contents count.
    const auto [packed, log] =
        Shell(dir, Quote(NIVORA_CPACK) + " --config " + Quote(NIVORA_CPACK_CONFIG) + " -G DEB -B " +
                       Quote(dir.path().string()) + " -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF");
    ASSERT_EQ(packed, 0) << log;
    const fs::path deb =
        dir.path() / ("nivora_" NIVORA_VERSION_TEXT "_" + std::string() + NIVORA_DEB_ARCH + ".deb");
    ASSERT_TRUE(fs::exists(deb)) << log;

    const fs::path root = dir.path() / "root";
    const auto [unpacked, unpackLog] =
        Shell(dir, "dpkg-deb -x " + Quote(deb.string()) + " " + Quote(root.string()));
    ASSERT_EQ(unpacked, 0) << unpackLog;
    std::set<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (!e.is_directory()) files.insert(fs::relative(e.path(), root).string());
    std::set<std::string> expected = {
        "usr/bin/nivora",
        "usr/bin/nivora-cli",
        "usr/" NIVORA_CLI_MODULE_INSTALL_DIR "/nivora-cli-qt.so",
        "usr/share/applications/nivora.desktop",
        "usr/share/icons/hicolor/scalable/apps/nivora.svg",
        "usr/share/metainfo/de.morlant.nivora.metainfo.xml",
        "usr/share/man/man1/nivora.1.gz",
        "usr/share/man/man1/nivora-cli.1.gz",
        "usr/share/bash-completion/completions/nivora-cli",
        "usr/share/doc/nivora/copyright",
        "usr/share/doc/nivora/changelog.gz",
    };
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        expected.insert("usr/share/icons/hicolor/" + std::to_string(size) + "x" +
                        std::to_string(size) + "/apps/nivora.png");
    EXPECT_EQ(files, expected);

    const auto [fields, control] = Shell(dir, "dpkg-deb -f " + Quote(deb.string()));
    ASSERT_EQ(fields, 0) << control;
    for (const std::string line :
         {"Package: nivora\n", "Version: " NIVORA_VERSION_TEXT "\n", "Section: science\n",
          "Maintainer: Morlant GmbH <info@morlant.de>\n"})
        EXPECT_NE(control.find(line), std::string::npos) << line << "\n" << control;
    EXPECT_NE(control.find("fonts-liberation"), std::string::npos) << control;
    EXPECT_NE(control.find("qt6-translations-l10n"), std::string::npos) << control;

    const auto [ran, version] =
        Shell(dir, Quote((root / "usr/bin/nivora-cli").string()) + " --version");
    EXPECT_EQ(ran, 0);
    EXPECT_EQ(version, "Nivora " NIVORA_VERSION_TEXT "\n");
    // Drawing needs the module, which the unpacked program finds beside itself.
    const auto [rendered, pages] = Shell(
        dir, Quote((root / "usr/bin/nivora-cli").string()) + " render " +
                 Quote(NIVORA_EXAMPLES_DIR "/B10_strasse.txt") + " -o " +
                 Quote(dir.File("seiten.pdf")) + " --settings " + Quote(dir.Write("leer.ini", "")));
    EXPECT_EQ(rendered, 0) << pages;
    EXPECT_EQ(pages, "2\n");

    // The completion offers every command that the program's help lists.
    const std::string completion =
        ReadAll(root / "usr/share/bash-completion/completions/nivora-cli");
    for (const char* command : {"info", "read", "open", "report", "render"})
        EXPECT_NE(completion.find(std::string("    ") + command + ")"), std::string::npos)
            << command;
}

}  // namespace
}  // namespace nivora
