#include "shell/DesktopPrograms.h"

#include "localization/TextCis.h"

namespace morvik {

std::vector<ProgramLaunch> WordProcessorCandidates(const std::string& newDocument)
{
    return {
        {"libreoffice", {"--writer"}},
        {"abiword", {}},
        {"xdg-open", {newDocument}},
    };
}

std::string WordProcessorFailureText(const std::vector<FailedLaunch>& failures)
{
    std::string text = CurrentLanguage() == Language::Czech ? "Nepodařilo se spustit žádný textový procesor.\r\n"
                                                            : "No word processor could be started.\r\n";
    for (const FailedLaunch& failure : failures) text += "\r\n" + failure.program + " : " + failure.reason;
    return text;
}

std::string DesktopOpenFailureText(const std::string& path)
{
    return (CurrentLanguage() == Language::Czech ? "Pro otevření není k dispozici žádná aplikace :\r\n\r\n\t"
                                                 : "The desktop has no application to open\r\n\r\n\t") +
           path;
}

}  // namespace morvik
