#pragma once
#include <string>
#include <vector>

namespace morvik {

// A program of the desktop the main window starts, with its arguments.
struct ProgramLaunch {
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const ProgramLaunch&) const = default;
};

// The word processors tried in turn for a new document: LibreOffice Writer, AbiWord, and last whatever the
// desktop opens `newDocument` (an empty ".odt" file) with.
std::vector<ProgramLaunch> WordProcessorCandidates(const std::string& newDocument);

// One program that could not be started and the system's reason.
struct FailedLaunch {
    std::string program;
    std::string reason;
};
// The text of the message box when no word processor started: each program tried with its reason.
std::string WordProcessorFailureText(const std::vector<FailedLaunch>& failures);

// The text of the message box when the desktop has no application that opens `path`.
std::string DesktopOpenFailureText(const std::string& path);

}  // namespace morvik
