#include "shell/FirstStart.h"

#include <filesystem>
#include <set>
#include <utility>

#include "common/Paths.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace fs = std::filesystem;

namespace morvik {
namespace {

Message FailureMessage(const std::string& path, const std::error_code& error)
{
    return Message::Error(FormatText(msg::WriteError, path) + "\r\n" + error.message());
}

// The example folders and the family folders they fill.
std::vector<std::pair<std::string, std::string>> ExampleTargets(const Folders& folders,
                                                                const std::string& examplesFolder)
{
    std::vector<std::pair<std::string, std::string>> targets;
    const auto categories = folders.CategoryFolders();
    for (size_t i = 0; i < categories.size(); ++i) {
        targets.emplace_back(examplesFolder + "/" + CategoryFolderNames[i], categories[i]);
    }
    targets.emplace_back(examplesFolder + "/Raw data", folders.RawDataFolder);
    return targets;
}

void CopyMissingFiles(const std::string& from, const std::string& to, FolderPreparation& report)
{
    std::error_code error;
    fs::directory_iterator entries(from, error);
    if (error) return;  // no examples of this kind are shipped
    for (const fs::directory_entry& entry : entries) {
        std::error_code entryError;
        if (!entry.is_regular_file(entryError)) continue;
        const fs::path target = fs::path(to) / entry.path().filename();
        if (fs::exists(fs::symlink_status(target, entryError))) continue;  // never replace the user's file
        if (fs::copy_file(entry.path(), target, fs::copy_options::skip_existing, entryError)) {
            report.copiedFiles.push_back(target.string());
        } else if (entryError) {
            report.messages.push_back(FailureMessage(target.string(), entryError));
        }
    }
}

}  // namespace

FolderPreparation PrepareFamilyFolders(const Folders& folders, const std::string& examplesFolder, bool firstStart)
{
    FolderPreparation report;
    std::set<std::string> created;
    std::set<std::string> missing;
    for (const std::string& folder : folders.FamilyTree()) {
        std::error_code error;
        if (fs::is_directory(folder, error)) continue;
        if (missing.count(FolderOf(folder))) {  // its parent failed and was reported
            missing.insert(folder);
            continue;
        }
        // The family folder brings the documents folder with it when that is missing too.
        const bool made = folder == folders.FamilyFolder ? fs::create_directories(folder, error)
                                                         : fs::create_directory(folder, error);
        if (made) {
            report.createdFolders.push_back(folder);
            created.insert(folder);
        } else {
            if (!error) error = std::make_error_code(std::errc::not_a_directory);  // a file of that name is there
            report.messages.push_back(FailureMessage(folder, error));
            missing.insert(folder);
        }
    }
    if (examplesFolder.empty()) return report;
    for (const auto& [from, to] : ExampleTargets(folders, examplesFolder)) {
        if (missing.count(to) || !(firstStart || created.count(to))) continue;
        CopyMissingFiles(from, to, report);
    }
    return report;
}

bool IsFirstStart(const std::string& settingsPath)
{
    std::error_code error;
    return !fs::exists(settingsPath, error);
}

}  // namespace morvik
