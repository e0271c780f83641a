#pragma once
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace morvik::test {

// One run of morvik-cli: its exit status, stdout and stderr.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

inline std::string Quote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline CliRun RunCli(const std::vector<std::string>& args)
{
    const auto errFile = std::filesystem::temp_directory_path() / ("morvik-cli-err-" + std::to_string(getpid()));
    std::string command = Quote(MORVIK_CLI);
    for (const auto& arg : args) command += " " + Quote(arg);
    command += " 2>" + Quote(errFile.string());
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove(errFile);
    return run;
}

inline std::string Fixture(const std::string& name) { return std::string(MORVIK_FIXTURES) + "/" + name; }

}  // namespace morvik::test
