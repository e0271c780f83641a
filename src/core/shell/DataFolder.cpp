#include "shell/DataFolder.h"

#include <filesystem>

namespace morvik {

std::string SourceDataFolder()
{
#ifdef MORVIK_SOURCE_DATA_DIR
    return MORVIK_SOURCE_DATA_DIR;
#else
    return std::string();
#endif
}

std::string ExamplesFolder(const std::string& dataFolder) { return dataFolder + "/examples"; }

std::string FindDataFolder(const std::string& executableFolder)
{
    for (const std::string& candidate : {executableFolder + "/../share/morvik", SourceDataFolder()}) {
        std::error_code error;
        if (!candidate.empty() && std::filesystem::is_directory(ExamplesFolder(candidate), error)) {
            return std::filesystem::path(candidate).lexically_normal().string();
        }
    }
    return std::string();
}

}  // namespace morvik
