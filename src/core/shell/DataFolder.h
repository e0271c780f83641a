#pragma once
#include <string>

namespace morvik {

// The program's data folder (help files, shipped examples): share/morvik beside the installed program, or the
// source tree's data folder when the program runs from the folder it was built in. An installed copy never
// reaches back into the source tree. Empty when neither is found.
std::string FindDataFolder(const std::string& executableFolder);
// The source tree's data folder this build was made from.
std::string SourceDataFolder();
// The build folder this program was made in.
std::string BuildFolder();
// The shipped example histograms and raw data, one folder per category.
std::string ExamplesFolder(const std::string& dataFolder);

}  // namespace morvik
