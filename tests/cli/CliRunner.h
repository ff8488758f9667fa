#pragma once
// Runs nivora-cli as a separate process and captures what it prints.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace nivora::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs PROGRAM (a copy of nivora-cli, say) with ARGS.
inline CliResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
    static const TempDir errDir;
    const auto errFile = errDir.path() / "stderr.txt";
    std::string cmd = ShellQuote(program);
    for (const auto& a : args) cmd += " " + ShellQuote(a);
    cmd += " 2>" + ShellQuote(errFile.string()) + " </dev/null";
    CliResult r;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return r;
    char buf[65536];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = ReadAll(errFile);
    return r;
}

inline CliResult RunCli(const std::vector<std::string>& args) {
    return RunProgram(NIVORA_CLI_PATH, args);
}

}  // namespace nivora::test
