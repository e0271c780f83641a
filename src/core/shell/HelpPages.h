#pragma once
#include <functional>
#include <optional>
#include <string>

#include "common/Message.h"
#include "localization/TextCis.h"
#include "shell/Folders.h"

namespace morvik {

// The user guide "Morvik.htm" in the language of the session: the English page in the start folder, the
// Czech one in its "cs" folder. Both pages take their pictures from the "guide" folder beside them.
std::string HelpPagePath(const Folders& folders, Language language);

// The help command (OProgramu): the page to open, or, when the page is missing, message 128 with its path.
// The message is shown once after each application of the main window's caption set; a later request for the
// missing page then ends quietly until the set is applied again (a language switch, the default values).
class HelpCommand {
public:
    struct Outcome {
        std::optional<std::string> page;  // the page to open
        std::optional<Message> notice;    // message 128 (a warning without title)
    };

    explicit HelpCommand(std::function<bool(const std::string&)> fileExists);

    Outcome Request(const Folders& folders, Language language);
    void MainCaptionSetApplied() { noticeShown_ = false; }

private:
    std::function<bool(const std::string&)> fileExists_;
    bool noticeShown_ = false;
};

}  // namespace morvik
