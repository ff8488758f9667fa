// The core's folders form layers: a folder includes only its own and lower
// folders, so none of them can form a cycle. Read from the source tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Lowest first.
const std::vector<std::string> kLayers = {"text",     "platform",   "measurement",
                                          "document", "evaluation", "view"};

int LayerOf(const std::string& folder) {
    const auto it = std::find(kLayers.begin(), kLayers.end(), folder);
    return it == kLayers.end() ? -1 : static_cast<int>(it - kLayers.begin());
}

// The path of an #include directive, or empty.
std::string IncludedPath(std::string_view line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string_view::npos || line[i] != '#') return {};
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string_view::npos || line.substr(i, 7) != "include") return {};
    i = line.find_first_not_of(" \t", i + 7);
    if (i == std::string_view::npos || (line[i] != '"' && line[i] != '<')) return {};
    const char close = line[i] == '"' ? '"' : '>';
    const std::size_t end = line.find(close, i + 1);
    if (end == std::string_view::npos) return {};
    return std::string(line.substr(i + 1, end - i - 1));
}

std::string FirstComponent(const std::string& path) { return path.substr(0, path.find('/')); }

// Files by their path under the core folder ("view/NivoraView.cpp") with
// their text; gives every fault found, empty when the layers hold.
std::vector<std::string> LayerFaults(const std::map<std::string, std::string>& files) {
    std::vector<std::string> faults;
    std::map<std::string, std::set<std::string>> edges;
    for (const auto& [file, text] : files) {
        const std::string folder = FirstComponent(file);
        if (folder == file) {
            faults.push_back(file + " lies in no folder");
            continue;
        }
        if (LayerOf(folder) < 0) {
            faults.push_back(file + ": folder " + folder + " has no place in the layers");
            continue;
        }
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            const std::string path = IncludedPath(line);
            if (path.empty()) continue;
            if (path.rfind("../", 0) == 0 || path.find("/../") != std::string::npos) {
                faults.push_back(file + " includes " + path + " by a relative path");
                continue;
            }
            const std::string target = FirstComponent(path);
            if (target == path || target == folder || LayerOf(target) < 0) continue;
            edges[folder].insert(target);
            if (LayerOf(target) > LayerOf(folder))
                faults.push_back(file + " includes the higher " + path);
        }
    }
    // Cycles between folders, each reported once, starting at its smallest folder.
    std::vector<std::string> path;
    std::set<std::string> done, cycles;
    auto visit = [&](auto& self, const std::string& folder) -> void {
        const auto onPath = std::find(path.begin(), path.end(), folder);
        if (onPath != path.end()) {
            std::vector<std::string> cycle(onPath, path.end());
            std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
            std::string text = "cycle ";
            for (const std::string& f : cycle) text += f + " -> ";
            text += cycle.front();
            if (cycles.insert(text).second) faults.push_back(text);
            return;
        }
        if (done.count(folder)) return;
        path.push_back(folder);
        for (const std::string& next : edges[folder]) self(self, next);
        path.pop_back();
        done.insert(folder);
    };
    for (const std::string& folder : kLayers) visit(visit, folder);
    return faults;
}

std::map<std::string, std::string> CoreSources() {
    const fs::path root = NIVORA_CORE_SOURCE_DIR;
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        files[entry.path().lexically_relative(root).generic_string()] = text.str();
    }
    return files;
}

TEST(CoreLayers, TheSourceTreeKeepsTheLayerOrder) {
    const auto files = CoreSources();
    // The tree is really there: every layer has files.
    for (const std::string& layer : kLayers)
        EXPECT_TRUE(std::any_of(files.begin(), files.end(), [&](const auto& f) {
            return f.first.rfind(layer + "/", 0) == 0;
        })) << layer;
    const auto faults = LayerFaults(files);
    for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

TEST(CoreLayers, FaultsAreFound) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> files;
        std::vector<std::string> faults;
    };
    const std::vector<Case> cases = {
        {"downward, own folder, library and unknown first components",
         {{"view/A.cpp",
           "#include \"view/A.h\"\n#include \"document/B.h\"\n#include <vector>\n"
           "#include \"gtest/gtest.h\"\n#include \"Local.h\"\n  #  include \"text/C.h\"\n"},
          {"text/C.h", "// #include \"view/A.h\" in a comment\n"}},
         {}},
        {"upward",
         {{"evaluation/E.cpp", "#include \"text/T.h\"\n#include \"view/V.h\"\n"}},
         {"evaluation/E.cpp includes the higher view/V.h"}},
        {"a cycle between two folders",
         {{"view/V.h", "#include \"evaluation/E.h\"\n"},
          {"evaluation/E.h", "#include <view/V.h>\n"}},
         {"evaluation/E.h includes the higher view/V.h", "cycle evaluation -> view -> evaluation"}},
        {"a cycle over three folders",
         {{"text/T.h", "#include \"platform/P.h\"\n"},
          {"platform/P.h", "#include \"measurement/M.h\"\n"},
          {"measurement/M.h", "#include \"text/T.h\"\n"}},
         {"platform/P.h includes the higher measurement/M.h",
          "text/T.h includes the higher platform/P.h",
          "cycle measurement -> text -> platform -> measurement"}},
        {"relative paths, unknown folders and loose files",
         {{"document/D.cpp", "#include \"../view/V.h\"\n"}, {"widgets/W.h", ""}, {"Loose.h", ""}},
         {"Loose.h lies in no folder", "document/D.cpp includes ../view/V.h by a relative path",
          "widgets/W.h: folder widgets has no place in the layers"}},
    };
    for (const Case& c : cases) EXPECT_EQ(LayerFaults(c.files), c.faults) << c.name;
}

}  // namespace
