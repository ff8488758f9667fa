#pragma once
// Builds PM01BS02 files for tests: text head, binary records, closing mark.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace nivora::test {

inline std::string DoubleLE(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    std::string s(8, '\0');
    for (int i = 0; i < 8; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return s;
}

inline std::string Pm02Record(double mm, double km, double widthM, const std::string& remark) {
    return DoubleLE(mm) + DoubleLE(0.0) + DoubleLE(km) + DoubleLE(widthM) + DoubleLE(0.0) + remark +
           "\r\n";
}

inline std::string Pm02Head(const std::vector<std::string>& headLines) {
    std::string s = "PM01BS02\r\n";
    for (const auto& l : headLines) s += l + "\r\n";
    return s + "***\r\n";
}

}  // namespace nivora::test
