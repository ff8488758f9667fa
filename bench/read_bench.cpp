// Reading speed and peak memory of the measurement readers. Generates runs
// of 1,000,000 samples as PM01BS02 (1002), "Datum:" list (1003) and
// four-field list (3) in a temporary folder, reads each (file bytes and
// Load, best of a few repetitions) and compares with `wc -l` on the same
// file. With --cli it also times the real command `nivora-cli info` on each
// file and on a tiny one (its start-up). Not a test: it is run by hand.
//   bench/run_bench.sh [samples [repeats]]
//   build/bench/nivora_bench [--cli PATH] [samples [repeats]]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchRuns.h"
#include "measurement/MessFahrtDaten.h"
#include "platform/FileSystem.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "nivora_bench: FAILED: %s\n", message.c_str());
    std::exit(1);
}

using bench::WriteDatumList;
using bench::WriteFourField;
using bench::WritePm01Bs02;
using bench::Writer;

struct Format {
    const char* name;
    const char* file;
    int code;
    void (*write)(const std::string&, int64_t);
};

const Format kFormats[] = {
    {"PM01BS02", "run.dat", nivora::CMessFahrtDaten::kPm01Bs02, WritePm01Bs02},
    {"Datum: list", "run_datum.csv", nivora::CMessFahrtDaten::kDatumList, WriteDatumList},
    {"four-field list", "run_vierfeld.csv", nivora::CMessFahrtDaten::kFourField, WriteFourField},
};

// Reads a file the way the command-line program does. Empty text: as
// expected; otherwise what was wrong.
std::string ReadAndCheck(const std::string& path, int code, int64_t samples,
                         std::unique_ptr<nivora::CMessFahrtDaten>& run) {
    auto bytes = nivora::ReadFileBytes(path);
    if (!bytes) return "cannot read " + path;
    run = std::make_unique<nivora::CMessFahrtDaten>();
    run->Load(std::move(*bytes), path);
    if (!run->IsLoaded() || run->formatCode != code ||
        static_cast<int64_t>(run->RawSamples().size()) != samples)
        return path + ": loaded " + (run->IsLoaded() ? "yes" : "no") + ", format code " +
               std::to_string(run->formatCode) + ", " + std::to_string(run->RawSamples().size()) +
               " samples; expected format code " + std::to_string(code) + " with " +
               std::to_string(samples) + " samples";
    return {};
}

// Peak memory of one read in its own process. ru_maxrss of a forked child
// starts at its parent's high-water mark (also across exec), so the
// children are forked by a helper that is itself forked before this process
// has read anything and stays small.
class MemoryProbe {
  public:
    MemoryProbe() {
        if (pipe(m_request) != 0 || pipe(m_reply) != 0) Fail("pipe");
        std::fflush(nullptr);
        m_helper = fork();
        if (m_helper < 0) Fail("fork");
        if (m_helper == 0) Serve();
        close(m_request[0]);
        close(m_reply[1]);
    }
    ~MemoryProbe() {
        close(m_request[1]);  // the helper ends at end of input
        close(m_reply[0]);
        int status = 0;
        waitpid(m_helper, &status, 0);
    }
    // Peak resident bytes of a child that reads the file once (an empty
    // path: a child that reads nothing, the floor of every figure).
    int64_t PeakBytes(const std::string& path, int code, int64_t samples) {
        return Run(path, code, samples, "").peakBytes;
    }
    struct Measured {
        int64_t peakBytes;
        double seconds;     // wall time
        double cpuSeconds;  // user and system time of the child
    };
    // Runs `cli info path` (or `wc -l path` for cli "wc") with its output
    // thrown away: wall time from fork to exit, and peak.
    Measured RunCli(const std::string& cli, const std::string& path, bool expectSuccess) {
        return Run(path, expectSuccess ? 1 : 0, 0, cli);
    }

  private:
    Measured Run(const std::string& path, int code, int64_t samples, const std::string& cli) {
        Request r{};
        if (path.size() >= sizeof r.path || cli.size() >= sizeof r.cli)
            Fail("temporary path too long");
        std::memcpy(r.path, path.data(), path.size());
        std::memcpy(r.cli, cli.data(), cli.size());
        r.code = code;
        r.samples = samples;
        if (write(m_request[1], &r, sizeof r) != static_cast<ssize_t>(sizeof r))
            Fail("memory probe: request");
        Reply a{};
        if (read(m_reply[0], &a, sizeof a) != static_cast<ssize_t>(sizeof a))
            Fail("memory probe: no reply");
        const int expected = cli.empty() ? 0 : (code ? 0 : 1);
        if (!WIFEXITED(a.status) || WEXITSTATUS(a.status) != expected)
            Fail("memory probe: the child failed for " + path);
        return {a.maxRssKiB * 1024, a.seconds, a.cpuSeconds};
    }

    struct Request {
        char path[1024];
        char cli[1024];  // empty: read in the child itself
        int code;
        int64_t samples;
    };
    struct Reply {
        int64_t maxRssKiB;
        int status;
        double seconds;
        double cpuSeconds;
    };

    [[noreturn]] void Serve() {
        close(m_request[1]);
        close(m_reply[0]);
        Request r{};
        while (ReadAll(m_request[0], &r, sizeof r)) {
            const auto t0 = Clock::now();
            const pid_t child = fork();
            if (child == 0 && r.cli[0] != '\0') {
                const int null = open("/dev/null", O_WRONLY);
                if (null >= 0) dup2(null, STDOUT_FILENO);
                // "wc" runs `wc -l FILE`, anything else is nivora-cli.
                const bool wc = std::strcmp(r.cli, "wc") == 0;
                char command[] = "info", lines[] = "-l";
                char* argv[] = {r.cli, wc ? lines : command, r.path, nullptr};
                execvp(r.cli, argv);
                _exit(127);
            }
            if (child == 0) {
                if (r.path[0] == '\0') _exit(0);
                std::unique_ptr<nivora::CMessFahrtDaten> run;
                const std::string error = ReadAndCheck(r.path, r.code, r.samples, run);
                if (!error.empty()) std::fprintf(stderr, "nivora_bench: %s\n", error.c_str());
                _exit(error.empty() ? 0 : 1);
            }
            Reply a{-1, -1, 0, 0};
            rusage usage{};
            if (child > 0 && wait4(child, &a.status, 0, &usage) == child)
                a.maxRssKiB = usage.ru_maxrss;  // KiB on Linux
            a.seconds = std::chrono::duration<double>(Clock::now() - t0).count();
            auto secs = [](const timeval& t) {
                return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
            };
            a.cpuSeconds = secs(usage.ru_utime) + secs(usage.ru_stime);
            if (write(m_reply[1], &a, sizeof a) != static_cast<ssize_t>(sizeof a)) break;
        }
        _exit(0);
    }
    static bool ReadAll(int fd, void* p, std::size_t size) {
        auto* bytes = static_cast<char*>(p);
        while (size > 0) {
            const ssize_t got = read(fd, bytes, size);
            if (got <= 0) return false;
            bytes += got;
            size -= static_cast<std::size_t>(got);
        }
        return true;
    }

    int m_request[2]{-1, -1};
    int m_reply[2]{-1, -1};
    pid_t m_helper = -1;
};

// Removed at the end, also when a check fails (Fail exits through atexit).
fs::path g_tempDir;
void RemoveTempDir() {
    if (g_tempDir.empty()) return;
    std::error_code ec;
    fs::remove_all(g_tempDir, ec);
    g_tempDir.clear();
}

fs::path MakeTempDir() {
    std::string templ = (fs::temp_directory_path() / "nivora-bench-XXXXXX").string();
    if (!mkdtemp(templ.data())) Fail("cannot create a temporary folder");
    return templ;
}

// What f returns is released after the clock stops: freeing a run is not
// part of reading it.
template <typename F>
double BestSeconds(int repeats, F&& f) {
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        const auto t0 = Clock::now();
        [[maybe_unused]] auto result = f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

struct Row {
    const Format* format;
    int64_t fileBytes;
    double readSeconds, wcSeconds;
    int64_t peakBytes;
    double cliSeconds = 0;  // nivora-cli info, best of the repeats
    double cliCpu = 0;
    double wcCpu = 0;
    int64_t cliPeakBytes = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::string cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--cli") {
        cli = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    const int64_t samples = args.size() > 0 ? std::atoll(args[0].c_str()) : 1000000;
    const int repeats = args.size() > 1 ? std::atoi(args[1].c_str()) : 3;
    if (samples < 1 || repeats < 1) {
        std::fprintf(stderr, "usage: nivora_bench [--cli PATH] [samples [repeats]]\n");
        return 2;
    }
    MemoryProbe probe;  // first, while this process is small
    g_tempDir = MakeTempDir();
    std::atexit(RemoveTempDir);

    std::vector<Row> rows;
    for (const Format& f : kFormats) {
        const std::string path = (g_tempDir / f.file).string();
        f.write(path, samples);
        Row row{&f, static_cast<int64_t>(fs::file_size(path)), 0, 0, 0};

        row.peakBytes = probe.PeakBytes(path, f.code, samples);
        row.readSeconds = BestSeconds(repeats, [&] {
            std::unique_ptr<nivora::CMessFahrtDaten> run;
            const std::string error = ReadAndCheck(path, f.code, samples, run);
            if (!error.empty()) Fail(error);
            return run;
        });
        row.wcSeconds = row.wcCpu = 1e300;
        for (int r = 0; r < repeats; ++r) {
            const auto m = probe.RunCli("wc", path, true);
            row.wcSeconds = std::min(row.wcSeconds, m.seconds);
            row.wcCpu = std::min(row.wcCpu, m.cpuSeconds);
        }
        if (!cli.empty()) {
            row.cliSeconds = row.cliCpu = 1e300;
            for (int r = 0; r < repeats; ++r) {
                const auto m = probe.RunCli(cli, path, true);
                row.cliSeconds = std::min(row.cliSeconds, m.seconds);
                row.cliCpu = std::min(row.cliCpu, m.cpuSeconds);
                row.cliPeakBytes = std::max(row.cliPeakBytes, m.peakBytes);
            }
        }
        rows.push_back(row);
        fs::remove(path);  // keeps the temporary folder small
    }
    const int64_t floorBytes = probe.PeakBytes("", 0, 0);
    // Start-up of the command: `info` on a file of one line, which no reader
    // recognises.
    double startSeconds = 1e300, startCpu = 1e300;
    int64_t startPeak = 0;
    if (!cli.empty()) {
        const std::string tiny = (g_tempDir / "tiny.txt").string();
        {
            Writer w(tiny);
            w.Put("x\r\n");
        }
        for (int r = 0; r < std::max(repeats, 5); ++r) {
            const auto m = probe.RunCli(cli, tiny, false);
            startSeconds = std::min(startSeconds, m.seconds);
            startCpu = std::min(startCpu, m.cpuSeconds);
            startPeak = std::max(startPeak, m.peakBytes);
        }
    }

    std::printf("%" PRId64
                " samples per run, best of %d; MB = 10^6 bytes; file bytes + Load, "
                "file in the page cache\n\n",
                samples, repeats);
    std::printf(
        "| format | code | file MB | read s | MB/s | wc -l s | read / wc -l | peak RSS MB "
        "| peak / file |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const Row& r : rows) {
        const double mb = static_cast<double>(r.fileBytes) / 1e6;
        const double peakMb = static_cast<double>(r.peakBytes) / 1e6;
        std::printf("| %s | %d | %.1f | %.3f | %.1f | %.3f | %.1f | %.1f | %.1f |\n",
                    r.format->name, r.format->code, mb, r.readSeconds, mb / r.readSeconds,
                    r.wcSeconds, r.readSeconds / r.wcSeconds, peakMb, peakMb / mb);
    }
    std::printf(
        "\nPeak RSS: ru_maxrss of a child process that reads the file once; a child that "
        "reads nothing peaks at %.1f MB.\n",
        static_cast<double>(floorBytes) / 1e6);
    if (cli.empty()) return 0;

    std::printf(
        "\n`nivora-cli info FILE` (%s), best of %d; start-up = `info` on a one-line "
        "file: %.3f s (CPU %.3f s), peak RSS %.1f MB. Wall time, and in brackets the "
        "CPU time (user + system) of the process, which a busy machine disturbs less.\n\n",
        cli.c_str(), repeats, startSeconds, startCpu, static_cast<double>(startPeak) / 1e6);
    std::printf(
        "| format | code | file MB | info s | beyond start-up s | wc -l s | ratio to wc -l "
        "| peak RSS MB | peak / file | beyond start-up / file |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const Row& r : rows) {
        const double mb = static_cast<double>(r.fileBytes) / 1e6;
        const double beyond = std::max(0.0, r.cliSeconds - startSeconds);
        const double beyondCpu = std::max(0.0, r.cliCpu - startCpu);
        const double peakMb = static_cast<double>(r.cliPeakBytes) / 1e6;
        const double peakBeyondMb = static_cast<double>(r.cliPeakBytes - startPeak) / 1e6;
        std::printf(
            "| %s | %d | %.1f | %.3f (%.3f) | %.3f (%.3f) | %.4f (%.4f) | %.1f (%.1f) | %.1f | "
            "%.2f | %.2f |\n",
            r.format->name, r.format->code, mb, r.cliSeconds, r.cliCpu, beyond, beyondCpu,
            r.wcSeconds, r.wcCpu, beyond / r.wcSeconds, beyondCpu / std::max(r.wcCpu, 1e-6), peakMb,
            peakMb / mb, peakBeyondMb / mb);
    }
    return 0;
}
