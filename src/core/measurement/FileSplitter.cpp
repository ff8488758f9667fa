#include "measurement/FileSplitter.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace nivora {
namespace {

// Room for the lines of all but the shortest-lined files: only what is
// used is ever touched, and the list grows if need be.
std::size_t LineGuess(std::string_view bytes) { return bytes.size() / 8 + 16; }

bool IsTextByte(char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    return c >= 0x20 || c == '\t';
}

std::vector<std::string> ToStrings(const LineBuffer& lines) {
    return std::vector<std::string>(lines.begin(), lines.end());
}

// Bit 7 of each byte of the result is set for the first byte below 0x20 in
// the word (little-endian order) and possibly for bytes after it, never
// before it; zero when every byte is 0x20 or above.
inline uint64_t ControlBytes(uint64_t x) {
    return (x - 0x2020202020202020ULL) & ~x & 0x8080808080808080ULL;
}

// From r on, where nothing is to be moved, takes text bytes and TABs and
// ends lines at CR, LF and CR LF, eight bytes at a time. Stops at any other
// control byte, with fewer than eight bytes left, or before a line could
// reach the longest line; r is then where to go on, start where the open
// line begins.
void TakeLinesInPlace(LineBuffer& lines, const char* p, std::size_t n, std::size_t& r,
                      std::size_t& start) {
    while (n - r >= 8 && r + 8 - start < kMaxLineLength) {
        uint64_t x;
        std::memcpy(&x, p + r, 8);
        const uint64_t control = ControlBytes(x);
        if (!control) {
            r += 8;
            continue;
        }
        const std::size_t at = r + static_cast<std::size_t>(std::countr_zero(control)) / 8;
        const char c = p[at];
        r = at + 1;
        if (c == '\t') continue;
        if (c != '\r' && c != '\n') {
            r = at;
            return;
        }
        if (at > start) lines.AddSpan(start, at - start);
        if (c == '\r' && r < n && p[r] == '\n') ++r;  // one line end
        start = r;
    }
}

}  // namespace

LineBuffer SplitTextLines(std::string bytes, const LargeBlockAdvice& advice) {
    LineBuffer lines;
    lines.ReserveLines(LineGuess(bytes), advice);
    std::string& b = lines.Storage();
    b = std::move(bytes);
    char* const p = b.data();
    const std::size_t n = b.size();
    // A line is a span of the bytes where they lie; only within a line
    // holding a dropped control byte do the kept bytes move down over it (the
    // write position never passes the read position). Eight bytes are taken
    // at a time while none of them is a control byte.
    std::size_t r = 0, w = 0, start = 0;
    std::size_t runStart = 0;  // where the current run of text bytes was written to
    bool stopped = false;
    constexpr bool kWords = std::endian::native == std::endian::little;
    while (r < n) {
        if (kWords && w == r) {
            // Nothing to move: whole words are taken, and lines ended, while
            // the only control bytes are TABs and line ends.
            TakeLinesInPlace(lines, p, n, r, start);
            w = r;
            runStart = start;
            if (r >= n) break;
        }
        // Text bytes from r on, up to the next control byte.
        std::size_t take = 1;
        bool atControl = false;
        if (kWords && n - r >= 8) {
            uint64_t x;
            std::memcpy(&x, p + r, 8);
            const uint64_t control = ControlBytes(x);
            take = control ? static_cast<std::size_t>(std::countr_zero(control)) / 8 : 8;
            atControl = control != 0;
            if (take > 0 && w != r) {
                // Bytes between w and r are already read; a whole word only
                // overwrites unread bytes when it reaches r.
                if (take == 8 || r - w >= 8)
                    std::memcpy(p + w, &x, 8);
                else
                    std::memmove(p + w, p + r, take);
            }
        } else if (IsTextByte(p[r])) {
            p[w] = p[r];
        } else {
            take = 0;
            atControl = true;
        }
        w += take;
        r += take;
        if (atControl && w - start < kMaxLineLength) {
            // r is at a control byte.
            const char c = p[r++];
            if (c == '\t') {
                p[w++] = c;
            } else {
                if (c == '\r' || c == '\n' || w - start > 128) {
                    if (w > start) lines.AddSpan(start, w - start);
                    if (c == '\r' && r < n && p[r] == '\n') ++r;  // one line end
                    start = w = r;
                }
                runStart = w;
                continue;
            }
        }
        if (w - start >= kMaxLineLength) {
            // The line reaches the longest line: it and the rest are ignored.
            stopped = true;
            w = runStart;
            break;
        }
    }
    // The end of the file ends its last line, as a CR LF after it would.
    if (!stopped && w > start) lines.AddSpan(start, w - start);
    b.resize(std::min(w, n));
    return lines;
}

LineBuffer SplitRecordLines(std::string bytes, const LargeBlockAdvice& advice) {
    LineBuffer lines;
    lines.ReserveLines(LineGuess(bytes), advice);
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
        if (len >= 5 && p[start] == '*' && std::memcmp(p + start, "***\r\n", 5) == 0) {
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
