// Holds the source tree to the layer table of src/core/layers.txt: core includes nothing above a file's own
// layer and nothing of gui, app, cli or Qt; the cli includes nothing of gui or app.
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const fs::path Source = MORVIK_SOURCE_DIR;

// Folder name -> layer number (from 0, lowest first).
std::map<std::string, int> ReadLayerTable()
{
    std::map<std::string, int> layers;
    std::ifstream in(Source / "core" / "layers.txt");
    std::string line;
    int layer = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') continue;
        std::istringstream folders(line);
        std::string folder;
        while (folders >> folder) layers[folder] = layer;
        ++layer;
    }
    return layers;
}

struct Include {
    std::string header;
    bool angled = false;
    int line = 0;
};

// The header of an include directive on `line`, if the line is one ("#  include <x>" or "#include "x"").
std::optional<Include> IncludeOn(const std::string& line)
{
    size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#') return std::nullopt;
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0) return std::nullopt;
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos || (line[at] != '<' && line[at] != '"')) return std::nullopt;
    const bool angled = line[at] == '<';
    const size_t end = line.find(angled ? '>' : '"', at + 1);
    if (end == std::string::npos) return std::nullopt;
    return Include{line.substr(at + 1, end - at - 1), angled, 0};
}

std::vector<Include> IncludesOf(const fs::path& file)
{
    std::vector<Include> includes;
    std::ifstream in(file);
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (std::optional<Include> include = IncludeOn(text)) {
            include->line = number;
            includes.push_back(*include);
        }
    }
    return includes;
}

bool IsSource(const fs::path& file)
{
    const std::string extension = file.extension().string();
    return extension == ".h" || extension == ".cpp";
}

// The layer the part of the program below src/ that holds `header`, or "" when it is not ours.
std::string OwnerOf(const std::string& header)
{
    for (const char* part : {"core", "gui", "app", "cli"}) {
        if (fs::exists(Source / part / header)) return part;
    }
    return {};
}

std::string FirstFolder(const std::string& path) { return path.substr(0, path.find('/')); }

std::vector<std::string> CoreViolations(const std::map<std::string, int>& layers)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(Source / "core")) {
        if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
        const std::string file = fs::relative(entry.path(), Source / "core").generic_string();
        const std::string folder = FirstFolder(file);
        const auto own = layers.find(folder);
        if (own == layers.end()) {
            found.push_back("core/" + file + " lies in a folder the layer table does not place");
            continue;
        }
        for (const Include& include : IncludesOf(entry.path())) {
            const std::string where =
                "core/" + file + ":" + std::to_string(include.line) + " includes " + include.header;
            if (include.angled) {
                if (include.header.starts_with("Q")) found.push_back(where + ", a Qt header");
                continue;
            }
            const std::string owner = OwnerOf(include.header);
            if (owner.empty()) continue;
            if (owner != "core") {
                found.push_back(where + " of " + owner + "/");
                continue;
            }
            const std::string target = FirstFolder(include.header);
            const auto other = layers.find(target);
            if (target == folder || other == layers.end()) continue;
            if (other->second > own->second) found.push_back(where + " (" + target + " is above " + folder + ")");
            else if (other->second == own->second)
                found.push_back(where + " (" + target + " is a sibling of " + folder + ")");
        }
    }
    return found;
}

std::vector<std::string> CliViolations()
{
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(Source / "cli")) {
        if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
        for (const Include& include : IncludesOf(entry.path())) {
            const std::string owner = include.angled ? std::string() : OwnerOf(include.header);
            const bool qt = include.angled && include.header.starts_with("Q");
            if (qt || owner == "gui" || owner == "app") {
                found.push_back(fs::relative(entry.path(), Source).generic_string() + ":" +
                                std::to_string(include.line) + " includes " + include.header);
            }
        }
    }
    return found;
}

std::string Listed(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

}  // namespace

TEST(Layers, CoreIncludesRunOnlyDownward)
{
    const std::vector<std::string> violations = CoreViolations(ReadLayerTable());
    EXPECT_TRUE(violations.empty()) << "includes against the layer table:" << Listed(violations);
}

TEST(Layers, CliStandsOnCoreAlone)
{
    const std::vector<std::string> violations = CliViolations();
    EXPECT_TRUE(violations.empty()) << "the cli includes gui, app or Qt:" << Listed(violations);
}
