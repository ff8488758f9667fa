// Replays the inputs the fuzzers once found faults with, so that every test
// run checks them again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FuzzEntries.h"

namespace nivora {
namespace {

namespace fs = std::filesystem;

template <typename F>
int ReplayAll(const std::string& target, F&& entry) {
    const fs::path dir = fs::path(NIVORA_FUZZ_DIR) / "regressions" / target;
    int count = 0;
    if (!fs::is_directory(dir)) return 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        SCOPED_TRACE(e.path().string());
        entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++count;
    }
    return count;
}

TEST(FuzzRegressions, Readers) {
    ReplayAll("readers", fuzz::FuzzReaders);
    // The seeds too: every format through the same entry.
    EXPECT_GT(ReplayAll("../corpus/readers", fuzz::FuzzReaders), 0);
}

TEST(FuzzRegressions, StateFile) {
    ReplayAll("state", fuzz::FuzzStateFile);
    EXPECT_GT(ReplayAll("../corpus/state", fuzz::FuzzStateFile), 0);
}

TEST(FuzzRegressions, ReportLines) {
    ReplayAll("report", fuzz::FuzzReportLines);
    EXPECT_GT(ReplayAll("../corpus/report", fuzz::FuzzReportLines), 0);
}

}  // namespace
}  // namespace nivora
