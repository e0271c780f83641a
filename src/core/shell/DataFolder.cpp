#include "shell/DataFolder.h"

#include <algorithm>
#include <filesystem>

namespace morvik {
namespace {

namespace fs = std::filesystem;

// Whether `folder` is `root` or lies below it, compared by whole path components.
bool LiesIn(const std::string& folder, const std::string& root)
{
    if (folder.empty() || root.empty()) return false;
    std::error_code error;
    const fs::path inner = fs::weakly_canonical(folder, error);
    if (error) return false;
    const fs::path outer = fs::weakly_canonical(root, error);
    if (error) return false;
    return std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first == outer.end();
}

}  // namespace

// Both folders are given by the build (data/CMakeLists.txt).
std::string SourceDataFolder() { return MORVIK_SOURCE_DATA_DIR; }

std::string BuildFolder() { return MORVIK_BUILD_DIR; }

std::string ExamplesFolder(const std::string& dataFolder) { return dataFolder + "/examples"; }

std::string FindDataFolder(const std::string& executableFolder)
{
    std::string candidates[] = {executableFolder + "/../share/morvik",
                                LiesIn(executableFolder, BuildFolder()) ? SourceDataFolder() : std::string()};
    for (const std::string& candidate : candidates) {
        std::error_code error;
        if (!candidate.empty() && fs::is_directory(ExamplesFolder(candidate), error)) {
            return fs::path(candidate).lexically_normal().string();
        }
    }
    return std::string();
}

}  // namespace morvik
