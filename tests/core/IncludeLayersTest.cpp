// The core's folders are layers: a file includes headers of its own folder
// and of the folders below it, never of one above, and nothing of Qt.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Lowest first.
const std::vector<std::string> kLayers = {"text",     "platform",   "measurement",
                                          "document", "evaluation", "view"};

// Includes that still point upward and are on their way out: the evaluation
// pages draw with the frame pieces of view/ until their drawing moves there.
struct Allowed {
    std::string file;
    std::string folder;
};
const std::vector<Allowed> kStillAllowed = {{"evaluation/AuswertungsDruck.cpp", "view"},
                                            {"evaluation/AuswertungsFormular.cpp", "view"}};

int Rank(const std::string& folder) {
    const auto it = std::find(kLayers.begin(), kLayers.end(), folder);
    return it == kLayers.end() ? -1 : static_cast<int>(it - kLayers.begin());
}

struct Include {
    bool quoted = false;
    std::string target;
    int line = 0;
};

std::vector<Include> IncludesOf(const fs::path& file) {
    static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
    std::vector<Include> out;
    std::ifstream in(file);
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
        std::smatch m;
        if (std::regex_search(text, m, kInclude)) out.push_back({m[1] == "\"", m[2], n});
    }
    return out;
}

// What a file of `from` may not include, or empty when the include is fine.
std::string Fault(const std::string& relative, const std::string& from, const Include& inc) {
    if (!inc.quoted) return inc.target.rfind('Q', 0) == 0 ? "a Qt header" : "";
    const auto slash = inc.target.find('/');
    if (slash == std::string::npos) return "an include without its folder";
    const std::string to = inc.target.substr(0, slash);
    if (Rank(to) < 0) return "a folder outside the core";
    if (Rank(to) <= Rank(from)) return "";
    for (const Allowed& a : kStillAllowed)
        if (a.file == relative && a.folder == to) return "";
    return "a higher layer";
}

TEST(IncludeLayers, CoreFilesIncludeOnlyTheirOwnAndLowerFolders) {
    const fs::path core = NIVORA_CORE_SOURCE_DIR;
    ASSERT_TRUE(fs::is_directory(core)) << core;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(core)) {
        const fs::path& path = entry.path();
        if (path.extension() != ".h" && path.extension() != ".cpp") continue;
        const std::string relative = fs::relative(path, core).generic_string();
        const std::string folder = relative.substr(0, relative.find('/'));
        ASSERT_GE(Rank(folder), 0) << relative << " lies in no layer";
        ++files;
        for (const Include& inc : IncludesOf(path)) {
            const std::string fault = Fault(relative, folder, inc);
            EXPECT_TRUE(fault.empty())
                << relative << ":" << inc.line << " includes " << fault << ": " << inc.target;
        }
    }
    EXPECT_GT(files, 50);
}

TEST(IncludeLayers, FaultsAreRecognised) {
    struct Case {
        const char* file;
        bool quoted;
        const char* target;
        bool fault;
    };
    const Case cases[] = {
        {"view/A.cpp", true, "text/Number.h", false},
        {"text/A.cpp", true, "text/Cp1252.h", false},
        {"text/A.cpp", true, "platform/Units.h", true},
        {"measurement/A.h", true, "document/NivoraDoc.h", true},
        {"evaluation/A.cpp", true, "view/FooterLine.h", true},
        {"evaluation/AuswertungsDruck.cpp", true, "view/FooterLine.h", false},
        {"platform/A.cpp", true, "QtText.h", true},
        {"platform/A.cpp", true, "app/AppContext.h", true},
        {"platform/A.cpp", false, "QString", true},
        {"platform/A.cpp", false, "string", false},
    };
    for (const Case& c : cases) {
        const std::string file = c.file;
        const Include inc{c.quoted, c.target, 1};
        EXPECT_EQ(!Fault(file, file.substr(0, file.find('/')), inc).empty(), c.fault)
            << c.file << " " << c.target;
    }
}

}  // namespace
