#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/Colour.h"
#include "statlib/MessageDialog.h"

namespace morvik {

// What a file dialog is asked to show.
struct FileDialogRequest {
    std::string title;          // empty: the dialog's usual title
    std::string folder;         // the initial folder
    std::string filter;         // "Description (*.dis)|*.dis|All files (*.*)|*.*"
    int filterIndex = 1;        // the pair selected first, from 1
    std::string defaultSuffix;  // added to a typed name without suffix, e.g. "dis"
    std::string fileName;       // the initial file name
};

// One description|patterns pair of a filter string; patterns are separated by ';' ("*.txt;*.dat").
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
};
std::vector<FileFilter> ParseFileFilter(const std::string& filter);

// Every modal dialog of the program goes through this one interface: message boxes (the core's
// DefMessageDlg reaches them through MessageDialogSeam::ShowMessage), file dialogs and the colour dialog.
// The desktop program installs the Qt dialogs; tests install a scripted seam that never blocks.
class DialogSeam : public MessageDialogSeam {
public:
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
    // Save dialogs never ask about overwriting: the program asks its own question afterwards.
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SavePicture(const FileDialogRequest& request) = 0;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<Colour> ChooseColour(Colour initial) = 0;
};

// Installs `seam` (not owned) for every dialog and for the core's message boxes; nullptr uninstalls it.
void InstallDialogSeam(DialogSeam* seam);
// The installed seam; without one, a seam that shows nothing, answers with the default and cancels the rest.
DialogSeam& Dialogs();

// Installs a seam for the lifetime of a scope and puts the previous one back afterwards.
class ScopedDialogSeam {
public:
    explicit ScopedDialogSeam(DialogSeam& seam);
    ~ScopedDialogSeam();
    ScopedDialogSeam(const ScopedDialogSeam&) = delete;
    ScopedDialogSeam& operator=(const ScopedDialogSeam&) = delete;

private:
    DialogSeam* previous_;
};

}  // namespace morvik
