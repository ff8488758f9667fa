#pragma once
// A fresh folder under the system's temporary folder for one test, removed with
// everything in it when the object goes out of scope, also when the test fails.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace nivora::test {

class TempDir {
  public:
    TempDir() {
        // mkdtemp gives a name no other test run can hold, so parallel runs never meet.
        std::string pattern =
            (std::filesystem::temp_directory_path() / "nivora-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed: " + pattern);
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // The full path of name inside the folder.
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    // Writes bytes to name inside the folder and returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const auto p = path_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

  private:
    std::filesystem::path path_;
};

}  // namespace nivora::test
