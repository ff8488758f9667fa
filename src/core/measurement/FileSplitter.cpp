#include "measurement/FileSplitter.h"

#include <algorithm>

namespace nivora {
namespace {

// The file content followed by CR LF, so that a last line without line break
// is still ended. Iterating over both parts avoids copying the whole file.
template <typename F>
void ForEachByteWithCrLf(std::string_view bytes, F&& f) {
    for (char c : bytes)
        if (!f(c)) return;
    if (f('\r')) f('\n');
}

// An upper bound of the line count, so that the list is allocated once.
std::size_t LineBound(std::string_view bytes) {
    const auto lf = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    const auto cr = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
    return std::max(lf, cr) + 1;
}

}  // namespace

std::vector<std::string> SplitTextMode(std::string_view bytes) {
    std::vector<std::string> lines;
    lines.reserve(LineBound(bytes));
    std::string current;
    ForEachByteWithCrLf(bytes, [&](char ch) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0x20 || c == '\t') {
            current += ch;
            return current.size() < kMaxLineLength;
        }
        if (c == '\r' || c == '\n' || current.size() > 128) {
            if (!current.empty()) lines.push_back(current);
            current.clear();
        }
        return true;
    });
    return lines;
}

std::vector<std::string> SplitRecordMode(std::string_view bytes) {
    std::vector<std::string> lines;
    lines.reserve(LineBound(bytes));
    std::string current;
    bool inBlock = false;
    int marks = 0;
    ForEachByteWithCrLf(bytes, [&](char ch) {
        current += ch;
        if (ch == '\n') {
            if (current.compare(0, 5, "***\r\n") == 0) {
                lines.push_back(current);
                current.clear();
                if (++marks == 2) return false;
                inBlock = true;
                return true;
            }
            if (!inBlock || current.size() >= 42) {
                lines.push_back(current);
                current.clear();
                return true;
            }
        }
        // A line that outgrows the buffer ends the reading, as in text mode.
        return current.size() < kMaxLineLength;
    });
    return lines;
}

}  // namespace nivora
