#include "platform/FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace nivora {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadRegular(const fs::path& p, const LargeBlockAdvice& advice = {}) {
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) return std::nullopt;
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    // Read straight into the string; two bytes more, so that the splitter can
    // end the last line without moving the content.
    std::string content;
    const auto size = fs::file_size(p, ec);
    std::size_t expected = ec ? 0 : static_cast<std::size_t>(size);
    content.reserve(expected + 2);
    AdviseLargeBlock(advice, content.data(), content.capacity());
    content.resize(expected);
    in.read(content.data(), static_cast<std::streamsize>(expected));
    content.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    if (static_cast<std::size_t>(in.gcount()) == expected) {
        // A file that grew since its size was taken is read to its end.
        char buf[1 << 16];
        while (in.read(buf, sizeof buf) || in.gcount() > 0)
            content.append(buf, static_cast<std::size_t>(in.gcount()));
        if (in.bad()) return std::nullopt;
    }
    return content;
}

std::string AsciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, const LargeBlockAdvice& advice) {
    return ReadRegular(fs::path(path), advice);
}

std::optional<std::string> ReadFileIgnoringCase(const std::string& path) {
    const fs::path p(path);
    if (auto exact = ReadRegular(p)) return exact;
    const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    const std::string wanted = AsciiLower(p.filename().string());
    std::vector<fs::path> matches;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (AsciiLower(it->path().filename().string()) == wanted) matches.push_back(it->path());
    std::sort(matches.begin(), matches.end());
    for (const auto& m : matches)
        if (auto content = ReadRegular(m)) return content;
    return std::nullopt;
}

std::optional<std::uintmax_t> FileLargerThan(const std::string& path, std::uintmax_t maxBytes) {
    if (maxBytes == 0) return std::nullopt;
    std::error_code ec;
    const auto size = fs::file_size(fs::path(path), ec);
    if (ec || size <= maxBytes) return std::nullopt;
    return size;
}

std::string FileTooLargeMessage(std::uintmax_t size, std::uintmax_t maxBytes) {
    auto mb = [](std::uintmax_t b) { return std::to_string((b + 999999) / 1000000); };
    // Windows-1252: "groß" and "für".
    return "Die Datei ist zu gro\xDF, um sie zu lesen (" + mb(size) +
           " MB). Der Arbeitsspeicher reicht f\xFCr "
           "Messdateien bis " +
           mb(maxBytes) + " MB.";
}

}  // namespace nivora
