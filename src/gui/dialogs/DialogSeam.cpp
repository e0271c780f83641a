#include "dialogs/DialogSeam.h"

#include <iostream>

namespace morvik {
namespace {

// Without an installed seam nothing may block: messages go to stderr, questions get their default answer.
class SilentDialogSeam final : public DialogSeam {
public:
    int ShowMessage(const std::string& title, const std::string& text, DialogKind, DialogButtons,
                    int defaultResult) override
    {
        std::cerr << title << ": " << text << '\n';
        return defaultResult;
    }
    std::optional<std::string> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> SavePicture(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<Colour> ChooseColour(Colour) override { return std::nullopt; }
};

DialogSeam* installedSeam = nullptr;

std::vector<std::string> SplitAt(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) { return parts; }
        start = end + 1;
    }
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(const std::string& filter)
{
    std::vector<FileFilter> filters;
    if (filter.empty()) { return filters; }
    const std::vector<std::string> parts = SplitAt(filter, '|');
    for (size_t i = 0; i < parts.size(); i += 2) {
        FileFilter entry;
        entry.description = parts[i];
        if (i + 1 < parts.size()) {
            for (const std::string& pattern : SplitAt(parts[i + 1], ';')) {
                if (!pattern.empty()) { entry.patterns.push_back(pattern); }
            }
        }
        if (entry.patterns.empty()) {
            entry.patterns.push_back("*");  // a description without patterns lists every file
        }
        filters.push_back(std::move(entry));
    }
    return filters;
}

void InstallDialogSeam(DialogSeam* seam)
{
    installedSeam = seam;
    InstallMessageDialogSeam(seam);
}

DialogSeam& Dialogs()
{
    static SilentDialogSeam silent;
    return installedSeam ? *installedSeam : silent;
}

ScopedDialogSeam::ScopedDialogSeam(DialogSeam& seam) : previous_(installedSeam) { InstallDialogSeam(&seam); }

ScopedDialogSeam::~ScopedDialogSeam() { InstallDialogSeam(previous_); }

}  // namespace morvik
