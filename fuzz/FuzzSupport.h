// Helpers shared by the harnesses.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace morvik::fuzz {

// A file of this process that a harness fills with the input, so that a reader runs on a real file.
inline std::string ScratchFile(const std::string& extension)
{
    return "/tmp/morvik-fuzz-" + std::to_string(getpid()) + extension;
}

inline bool WriteScratch(const std::string& path, std::string_view bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// The input as lines (LF, a CR before it dropped); used by the harnesses that replay field entries.
inline std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

// Stops the run (libFuzzer saves the input) when a property of the program does not hold.
inline void Require(bool condition)
{
    if (!condition) __builtin_trap();
}

}  // namespace morvik::fuzz
