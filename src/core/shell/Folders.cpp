#include "shell/Folders.h"

#include "common/Paths.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {

Folders MakeFolders(const std::string& documentsFolder, const std::string& programDataFolder)
{
    Folders folders;
    folders.DocumentsFolder = documentsFolder;
    folders.FamilyFolder = documentsFolder + "/Verosal";
    folders.StartFolder = programDataFolder;
    folders.HistogramsRoot = folders.FamilyFolder + "/Histograms";
    folders.ResultsFolder = folders.HistogramsRoot + "/Calculated";
    folders.GraphsFolder = folders.FamilyFolder + "/Graphs and Prints";
    folders.RawDataFolder = folders.FamilyFolder + "/Raw data";
    return folders;
}

std::array<std::string, 6> Folders::CategoryFolders() const
{
    std::array<std::string, 6> result;
    for (size_t i = 0; i < result.size(); ++i) result[i] = HistogramsRoot + "/" + CategoryFolderNames[i];
    return result;
}

std::vector<std::string> Folders::FamilyTree() const
{
    std::vector<std::string> tree = {FamilyFolder, HistogramsRoot};
    for (const std::string& category : CategoryFolders()) tree.push_back(category);
    tree.push_back(GraphsFolder);
    tree.push_back(RawDataFolder);
    return tree;
}

std::string SettingsFilePath(const std::string& configFolder) { return configFolder + "/Morvik.INI"; }

std::string HelpFilePath(const Folders& folders) { return folders.StartFolder + "/Morvik.htm"; }

std::string DirectoriesText(const Folders& folders)
{
    std::string text = TextCis(msg::FoldersMessage);
    size_t from = 0;  // past the last folder put in, so a "%s" inside a folder name stays as it is
    for (const std::string* folder : {&folders.StartFolder, &folders.HistogramsRoot, &folders.GraphsFolder,
                                      &folders.RawDataFolder, &folders.ResultsFolder}) {
        const auto at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, *folder);
        from = at + folder->size();
    }
    return "\t" + text;
}

}  // namespace morvik
