#pragma once
#include <string>

namespace morvik {

// The folder part of a path (without the trailing separator) and the file name part.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
// The histogram name of a file: its name without folder and without everything from the first "." on.
std::string HistogramNameOf(const std::string& path);

// The six folders histograms are opened from, below the histograms root.
extern const char* const CategoryFolderNames[6];
// True ("refused") when the folder of `path` is not exactly one of the category folders of `histogramsRoot`.
bool IsOutsideCategoryFolders(const std::string& path, const std::string& histogramsRoot);

}  // namespace morvik
