#pragma once
#include <string>
#include <vector>

#include "common/Message.h"
#include "shell/Folders.h"

namespace morvik {

// What preparing the family folders did.
struct FolderPreparation {
    std::vector<std::string> createdFolders;
    std::vector<std::string> copiedFiles;  // the new files in the family tree
    std::vector<Message> messages;         // one per folder or file that failed; the rest went on
};

// Creates every missing folder of the family tree, then copies the shipped examples into it without ever
// replacing a file that is there: `examplesFolder`/<category name>/* into the category folders and
// `examplesFolder`/Raw data/* into the raw-data folder. The examples go into every folder when `firstStart`
// is true, and otherwise only into the folders just created, so that an example the user deleted stays
// deleted.
FolderPreparation PrepareFamilyFolders(const Folders& folders, const std::string& examplesFolder, bool firstStart);

// A start without a settings file is the first start.
bool IsFirstStart(const std::string& settingsPath);

}  // namespace morvik
