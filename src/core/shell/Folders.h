#pragma once
#include <array>
#include <string>
#include <vector>

namespace morvik {

// The folders the program works in, fixed at start-up and held for the whole run. The documents folder and the
// program's data folder (help, examples) are asked from the platform by the application and passed in.
struct Folders {
    std::string DocumentsFolder;  // empty when the platform cannot name one
    std::string FamilyFolder;     // DocumentsFolder + "/Verosal": the suite's data
    std::string StartFolder;      // the program's own files: help, shipped examples
    std::string HistogramsRoot;   // FamilyFolder + "/Histograms": base of the six category folders
    std::string ResultsFolder;    // HistogramsRoot + "/Calculated": table files and computed histograms
    std::string GraphsFolder;     // FamilyFolder + "/Graphs and Prints": chart pictures
    std::string RawDataFolder;    // FamilyFolder + "/Raw data": raw data files

    // HistogramsRoot + "/" + the category name, for the six names of CategoryFolderNames.
    std::array<std::string, 6> CategoryFolders() const;
    // Every folder of the family tree, each after the folder that holds it.
    std::vector<std::string> FamilyTree() const;
};

Folders MakeFolders(const std::string& documentsFolder, const std::string& programDataFolder);

// The settings file "Morvik.INI" in the user's configuration folder.
std::string SettingsFilePath(const std::string& configFolder);
// The program's web-page help "Morvik.htm" in the start folder.
std::string HelpFilePath(const Folders& folders);

// The text of the folders message (message 34 with its five folders, a tab in front).
std::string DirectoriesText(const Folders& folders);

}  // namespace morvik
