#include "shell/HelpPages.h"

#include "localization/MessageNumbers.h"

namespace morvik {

std::string HelpPagePath(const Folders& folders, Language language)
{
    return language == Language::Czech ? folders.StartFolder + "/cs/Morvik.htm" : HelpFilePath(folders);
}

HelpCommand::HelpCommand(std::function<bool(const std::string&)> fileExists) : fileExists_(std::move(fileExists)) {}

HelpCommand::Outcome HelpCommand::Request(const Folders& folders, Language language)
{
    const std::string page = HelpPagePath(folders, language);
    if (!folders.StartFolder.empty() && fileExists_(page)) return {page, std::nullopt};
    if (noticeShown_) return {};
    noticeShown_ = true;
    return {std::nullopt, Message::Warning(FormatText(msg::HelpFileMissing, page, language))};
}

}  // namespace morvik
