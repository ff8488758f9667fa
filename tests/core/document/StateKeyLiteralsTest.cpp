// Only the document names the state file's keys: the rest of the program asks
// the state object for typed values. This test reads the sources and fails
// when a string literal outside src/core/document/ holds a key of the table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "document/StateKeys.h"

namespace nivora {
namespace {

namespace fs = std::filesystem;

bool IsIdentifierChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The contents of the string literals of a C++ source, comments and
// character literals skipped; escapes are kept as written.
std::vector<std::string> StringLiterals(std::string_view src) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < src.size()) {
        if (src.compare(i, 2, "//") == 0) {
            i = src.find('\n', i);
            if (i == std::string_view::npos) break;
        } else if (src.compare(i, 2, "/*") == 0) {
            i = src.find("*/", i + 2);
            if (i == std::string_view::npos) break;
            i += 2;
        } else if (src.compare(i, 2, "R\"") == 0) {
            const std::size_t open = src.find('(', i + 2);
            if (open == std::string_view::npos) break;
            const std::string close = ")" + std::string(src.substr(i + 2, open - i - 2)) + "\"";
            const std::size_t end = src.find(close, open + 1);
            if (end == std::string_view::npos) break;
            out.emplace_back(src.substr(open + 1, end - open - 1));
            i = end + close.size();
        } else if (src[i] == '"' || src[i] == '\'') {
            const char quote = src[i++];
            std::string literal;
            while (i < src.size() && src[i] != quote && src[i] != '\n') {
                if (src[i] == '\\' && i + 1 < src.size()) literal += src[i++];
                literal += src[i++];
            }
            ++i;
            if (quote == '"') out.push_back(std::move(literal));
        } else if (IsIdentifierChar(src[i])) {
            // A number such as 1'000 must not open a character literal.
            while (i < src.size() &&
                   (IsIdentifierChar(src[i]) ||
                    (src[i] == '\'' && i + 1 < src.size() && IsIdentifierChar(src[i + 1]) &&
                     src[i - 1] >= '0' && src[i - 1] <= '9')))
                ++i;
        } else {
            ++i;
        }
    }
    return out;
}

// The keys of the table that a literal holds: a key standing on its own, or
// a numbered key's prefix followed by its number or nothing.
std::vector<std::string> KeysIn(std::string_view literal) {
    std::vector<std::string> found;
    for (const StateKeyName& key : kStateKeys) {
        for (auto pos = literal.find(key.name); pos != std::string_view::npos;
             pos = literal.find(key.name, pos + 1)) {
            const std::size_t end = pos + key.name.size();
            const bool freeBefore = pos == 0 || !IsIdentifierChar(literal[pos - 1]);
            const char after = end < literal.size() ? literal[end] : '\0';
            const bool freeAfter =
                key.numbered ? !(IsIdentifierChar(after) && !(after >= '0' && after <= '9'))
                             : !IsIdentifierChar(after);
            if (freeBefore && freeAfter) {
                found.emplace_back(key.name);
                break;
            }
        }
    }
    return found;
}

std::vector<std::string> KeysInSource(std::string_view src) {
    std::vector<std::string> found;
    for (const std::string& literal : StringLiterals(src))
        for (std::string& key : KeysIn(literal)) found.push_back(std::move(key));
    return found;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

fs::path SourceRoot() { return fs::path(NIVORA_EXAMPLES_DIR).parent_path() / "src"; }

bool IsSource(const fs::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".cpp" || ext == ".h" || ext == ".hpp" || ext == ".cc";
}

TEST(StateKeyLiterals, TheScannerFindsKeysOnlyInStringLiterals) {
    struct Case {
        const char* source;
        std::vector<std::string> keys;
    };
    const Case cases[] = {
        {R"--(f("ABSCHNITTE", "");)--", {"ABSCHNITTE"}},
        {R"--(std::string s = "KENNUNG=135122\n";)--", {"KENNUNG"}},
        {R"--(g("a\"STATGES");)--", {"STATGES"}},
        {R"--(k = "VGL_PATH_" + n;)--", {"VGL_PATH_"}},
        {R"--(k = "VGL_MIRROR_3";)--", {"VGL_MIRROR_"}},
        {R"--(x = R"(MANUVONBIS=0;1)";)--", {"MANUVONBIS"}},
        {R"--(x = R"d(a)"KOPFDATEN")d";)--", {"KOPFDATEN"}},
        {R"--(// "ABSCHNITTE" in a comment)--", {}},
        {R"--(/* "STATGES" */ int a = 1'000; char q = '"'; h("x");)--", {}},
        {R"--(t("Streckenabschnitte"); t("FAHRBAHNOB"); t("ABSCHNITTE_ALT");)--", {}},
        {R"--(t("KOPFFUSSDATEN");)--", {"KOPFFUSSDATEN"}},
        {R"--(t("Farben_FarbeX"); t("Farben_Farbe7");)--", {"Farben_Farbe"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(KeysInSource(c.source), c.keys);
    }
}

TEST(StateKeyLiterals, NoKeyOutsideTheDocument) {
    const fs::path root = SourceRoot();
    ASSERT_TRUE(fs::is_directory(root)) << root;
    const fs::path document = root / "core" / "document";
    // The key table itself is read the same way, so the scan is known to see it.
    EXPECT_GE(KeysInSource(ReadAll(document / "StateKeys.h")).size(), std::size(kStateKeys));

    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
        const fs::path relative = entry.path().lexically_relative(root);
        if (*relative.begin() == "core" && std::next(relative.begin()) != relative.end() &&
            *std::next(relative.begin()) == "document")
            continue;
        ++files;
        for (const std::string& key : KeysInSource(ReadAll(entry.path())))
            ADD_FAILURE() << relative.generic_string() << " names the state key " << key;
    }
    EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace nivora
