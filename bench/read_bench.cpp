// Reading speed of the measurement readers: generates runs of 1,000,000
// samples in three formats, reads each (file bytes and format detection),
// and compares with `wc -l` on the same file. Peak memory is measured in a
// child process that reads the file once.
//   bench/run_bench.sh            or   build/bench/nivora_bench [samples]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <string>

#include "measurement/MessFahrtDaten.h"
#include "platform/FileSystem.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string Pm02(int n, std::mt19937& rng) {
    std::string s =
        "PM01BS02\r\nZeitstempel|14.05.2024 10:41:07\r\nDienststelle|RP "
        "Freiburg\r\nPruefer|Haag\r\n***\r\n";
    std::uniform_real_distribution<double> v(-2.0, 3.0);
    auto le = [&s](double d) {
        uint64_t bits;
        std::memcpy(&bits, &d, 8);
        for (int i = 0; i < 8; ++i) s += static_cast<char>((bits >> (8 * i)) & 0xFF);
    };
    for (int i = 0; i < n; ++i) {
        le(std::round(v(rng) * 100) / 100);
        le(0);
        le(12.35 + i * 0.00002);
        le(3.75);
        le(0);
        s += (i % 5000 == 0) ? "Riss\r\n" : "\r\n";
    }
    return s + "***\r\n";
}

std::string Datum(int n, std::mt19937& rng) {
    std::string s =
        "Messprotokoll\r\nDatum: 14.05.2024 Zeit: 09:12:33\r\nPruefer: Haag\r\nStrasse: K 7031\r\n"
        "Station;H\xF6he;Geschw;Kommentar;Breite;Grenze\r\n";
    std::uniform_int_distribution<int> v(-20, 30);
    char line[128];
    for (int i = 0; i < n; ++i) {
        const int mm = v(rng);
        std::snprintf(line, sizeof line, "%d,%d;%s%d,%d;4.%d;%s;3,50;4,0\r\n", i / 2, (i % 2) * 5,
                      mm < 0 ? "-" : "", std::abs(mm) / 10, std::abs(mm) % 10, i % 10,
                      i % 5000 == 0 ? "Riss" : "");
        s += line;
    }
    return s;
}

std::string FourField(int n, std::mt19937& rng) {
    std::string s = "14.05.2024 13:05:12 Rollstabmessung\r\nB 14\r\n";
    std::uniform_int_distribution<int> v(-20, 30);
    char line[96];
    for (int i = 0; i < n; ++i) {
        const int mm = v(rng);
        std::snprintf(line, sizeof line, "%d,%d;%s%d,%d;%d;%s\r\n", i / 2, (i % 2) * 5,
                      mm < 0 ? "-" : "", std::abs(mm) / 10, std::abs(mm) % 10,
                      i % 5000 == 0 ? 1 : 0, i % 5000 == 0 ? "Riss" : "");
        s += line;
    }
    return s;
}

bool ReadOnce(const std::string& path, int expectedCode, std::size_t expectedSamples) {
    auto bytes = nivora::ReadFileBytes(path);
    if (!bytes) return false;
    nivora::CMessFahrtDaten run;
    run.Load(std::move(*bytes), path);
    return run.formatCode == expectedCode && run.RawSamples().size() == expectedSamples;
}

double Seconds(const std::function<void()>& f, int repeats) {
    double best = 1e9;
    for (int r = 0; r < repeats; ++r) {
        const auto t0 = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

// Peak resident memory of a fresh process that reads the file once, in MiB
// (a fresh image, so that nothing of this process's heap is counted).
double PeakMemoryMiB(const std::string& path, int code, std::size_t samples) {
    const std::string codeText = std::to_string(code), countText = std::to_string(samples);
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/proc/self/exe", "nivora_bench", "--read-once", path.c_str(), codeText.c_str(),
              countText.c_str(), static_cast<char*>(nullptr));
        _exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return usage.ru_maxrss / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--read-once")
        return ReadOnce(argv[2], std::atoi(argv[3]), static_cast<std::size_t>(std::atoll(argv[4])))
                   ? 0
                   : 1;
    const int n = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const fs::path dir = fs::temp_directory_path() / ("nivora-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::mt19937 rng(42);
    struct Format {
        const char* name;
        int code;
        std::string (*make)(int, std::mt19937&);
    };
    const Format formats[] = {
        {"PM01BS02", 1002, Pm02}, {"Datum-Liste", 1003, Datum}, {"Vierfeldliste", 3, FourField}};

    std::printf("%d samples per run\n", n);
    std::printf("%-14s %6s %9s %9s %9s %10s %9s %8s\n", "format", "code", "MB", "read s", "MB/s",
                "wc -l s", "peak MiB", "x file");
    int failures = 0;
    for (const Format& f : formats) {
        const std::string path = (dir / (std::string(f.name) + ".dat")).string();
        {
            std::ofstream out(path, std::ios::binary);
            out << f.make(n, rng);
        }
        const double mb = fs::file_size(path) / 1e6;
        if (!ReadOnce(path, f.code, static_cast<std::size_t>(n))) {
            std::printf("%-14s not read as format %d with %d samples\n", f.name, f.code, n);
            ++failures;
            continue;
        }
        const double read =
            Seconds([&] { ReadOnce(path, f.code, static_cast<std::size_t>(n)); }, 3);
        const std::string wc = "wc -l '" + path + "' > /dev/null";
        const double wcl = Seconds([&] { (void)std::system(wc.c_str()); }, 3);
        const double peak = PeakMemoryMiB(path, f.code, static_cast<std::size_t>(n));
        std::printf("%-14s %6d %9.1f %9.3f %9.1f %10.3f %9.1f %8.1f\n", f.name, f.code, mb, read,
                    mb / read, wcl, peak, peak * 1.048576 / mb);
    }
    fs::remove_all(dir);
    return failures == 0 ? 0 : 1;
}
