#include "measurement/FileSplitter.h"

#include <algorithm>
#include <cstring>

namespace nivora {
namespace {

// A first guess of the line count; the list grows beyond it if need be.
std::size_t LineGuess(std::string_view bytes) { return bytes.size() / 24 + 16; }

bool IsTextByte(char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    return c >= 0x20 || c == '\t';
}

std::vector<std::string> ToStrings(const LineBuffer& lines) {
    return std::vector<std::string>(lines.begin(), lines.end());
}

}  // namespace

LineBuffer SplitTextLines(std::string bytes) {
    LineBuffer lines;
    lines.ReserveLines(LineGuess(bytes));
    std::string& b = lines.Storage();
    b = std::move(bytes);
    char* const p = b.data();
    const std::size_t n = b.size();
    // The kept bytes of a line move down over the dropped ones: the write
    // position never passes the read position.
    std::size_t r = 0, w = 0, start = 0;
    bool stopped = false;
    while (r < n) {
        if (IsTextByte(p[r])) {
            std::size_t e = r + 1;
            while (e < n && IsTextByte(p[e])) ++e;
            const std::size_t len = e - r;
            if (w - start + len >= kMaxLineLength) {
                // The line reaches the longest line: it and the rest are ignored.
                stopped = true;
                break;
            }
            if (w != r) std::memmove(p + w, p + r, len);
            w += len;
            r = e;
            continue;
        }
        if (p[r] == '\r' || p[r] == '\n' || w - start > 128) {
            if (w > start) lines.AddSpan(start, w - start);
            start = w;
        }
        ++r;
    }
    // The end of the file ends its last line, as a CR LF after it would.
    if (!stopped && w > start) lines.AddSpan(start, w - start);
    b.resize(std::min(w, n));
    return lines;
}

LineBuffer SplitRecordLines(std::string bytes) {
    LineBuffer lines;
    lines.ReserveLines(LineGuess(bytes));
    std::string& b = lines.Storage();
    b = std::move(bytes);
    b += "\r\n";  // ends a last line without line break
    const char* const p = b.data();
    const std::size_t n = b.size();
    bool inBlock = false;
    int marks = 0;
    std::size_t start = 0, r = 0;
    while (r < n) {
        // A line that reaches the longest line without being closed ends the
        // reading, as in text mode; so does the end of the bytes.
        const std::size_t limit = std::min(n, start + kMaxLineLength);
        const void* lf = std::memchr(p + r, '\n', limit - r);
        if (!lf) break;
        const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - p) + 1;
        const std::size_t len = end - start;
        if (len >= 5 && std::memcmp(p + start, "***\r\n", 5) == 0) {
            lines.AddSpan(start, len);
            start = r = end;
            if (++marks == 2) break;
            inBlock = true;
            continue;
        }
        if (!inBlock || len >= 42) {
            lines.AddSpan(start, len);
            start = r = end;
            continue;
        }
        if (len >= kMaxLineLength) break;
        r = end;  // the LF belongs to a binary record
    }
    return lines;
}

std::vector<std::string> SplitTextMode(std::string_view bytes) {
    return ToStrings(SplitTextLines(std::string(bytes)));
}

std::vector<std::string> SplitRecordMode(std::string_view bytes) {
    return ToStrings(SplitRecordLines(std::string(bytes)));
}

}  // namespace nivora
