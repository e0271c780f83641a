#pragma once
#include <string>

namespace morvik {

// The program's data folder (help files, shipped examples): share/morvik beside the installed program, or the
// source tree's data folder when the program runs from its build folder. Empty when neither is found.
std::string FindDataFolder(const std::string& executableFolder);
// The source tree's data folder this build was made from.
std::string SourceDataFolder();
// The shipped example histograms and raw data, one folder per category.
std::string ExamplesFolder(const std::string& dataFolder);

}  // namespace morvik
