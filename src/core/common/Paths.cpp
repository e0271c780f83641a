#include "common/Paths.h"

namespace morvik {

const char* const CategoryFolderNames[6] = {"Calculated", "Cross-section variability",          "Initial imperfections",
                                            "Loads",      "Solidity and material characterics", "Tests"};

std::string FolderOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string HistogramNameOf(const std::string& path)
{
    std::string name = FileNameOf(path);
    return name.substr(0, name.find('.'));
}

bool IsOutsideCategoryFolders(const std::string& path, const std::string& histogramsRoot)
{
    const std::string folder = FolderOf(path);
    for (const char* category : CategoryFolderNames) {
        if (folder == histogramsRoot + "/" + category) return false;
    }
    return true;
}

}  // namespace morvik
