#pragma once
// A locale-independent subset of the C library's sscanf, for the fixed read
// patterns of the file formats. Supported directives: white space (matches
// any amount, also none), "%d" and "%Nd" (int, saturated), "%lf" and "%Nlf"
// (double), "%%" and literal bytes. Reading stops at the first mismatch.
#include <array>
#include <cstdint>
#include <string_view>

namespace nivora::text {

// Patterns hold at most kMaxConversions of each kind; reading stops there.
constexpr std::size_t kMaxConversions = 8;

struct ScanResult {
    int count = 0;                                  // conversions that were assigned
    std::array<int32_t, kMaxConversions> ints{};    // the "%d" values in order
    std::array<double, kMaxConversions> doubles{};  // the "%lf" values in order
};

// commaIsPoint: the input is read as if every "," were a "." (files that
// write a decimal comma), without copying it.
ScanResult Scan(std::string_view input, std::string_view pattern, bool commaIsPoint = false);

}  // namespace nivora::text
