#pragma once
// A locale-independent subset of the C library's sscanf, for the fixed read
// patterns of the file formats. Supported directives: white space (matches
// any amount, also none), "%d" and "%Nd" (int, saturated), "%lf" and "%Nlf"
// (double), "%%" and literal bytes. Reading stops at the first mismatch.
#include <cstdint>
#include <string_view>
#include <vector>

namespace nivora::text {

struct ScanResult {
    int count = 0;                // conversions that were assigned
    std::vector<int32_t> ints;    // the "%d" values in order
    std::vector<double> doubles;  // the "%lf" values in order
};

ScanResult Scan(std::string_view input, std::string_view pattern);

}  // namespace nivora::text
