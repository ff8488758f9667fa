#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/ComparisonPath.h"
#include "support/TempDir.h"

namespace nivora {
namespace {

namespace fs = std::filesystem;

TEST(ComparisonPath, CandidatesInOrder) {
    using V = std::vector<std::string>;
    EXPECT_EQ(ComparisonPathCandidates("C:\\Messungen\\B27.dat", "/daten/lauf/A.dat"),
              (V{"C:\\Messungen\\B27.dat", "C:/Messungen/B27.dat", "/daten/lauf/B27.dat"}));
    EXPECT_EQ(ComparisonPathCandidates("/abs/B27.dat", "/daten/A.dat"),
              (V{"/abs/B27.dat", "/daten/B27.dat"}));
    EXPECT_EQ(ComparisonPathCandidates("B27.dat", "A.dat"), (V{"B27.dat"}));
    EXPECT_EQ(ComparisonPathCandidates("", "/daten/A.dat"), V{});
    EXPECT_EQ(ComparisonPathCandidates("C:\\Messungen\\", "/d/A.dat"),
              (V{"C:\\Messungen\\", "C:/Messungen/"}));
}

TEST(ComparisonPath, FindsTheFileNextToTheRunInAnyLetterCase) {
    const test::TempDir tmp;
    const fs::path& dir = tmp.path();
    std::ofstream(dir / "vergleich.DAT", std::ios::binary) << "Inhalt";
    const std::string run = (dir / "lauf.dat").string();
    EXPECT_EQ(ReadComparisonFile("D:\\Alt\\Vergleich.dat", run),
              std::optional<std::string>("Inhalt"));
    EXPECT_EQ(ReadComparisonFile("D:\\Alt\\fehlt.dat", run), std::nullopt);
    EXPECT_EQ(ReadComparisonFile("", run), std::nullopt);
}

}  // namespace
}  // namespace nivora
