#pragma once
#include <memory>
#include <string>

#include "common/Message.h"

namespace morvik {

enum class DialogButtons { Ok, YesNo };
constexpr int DialogResultOk = 1;
constexpr int DialogResultYes = 6;
constexpr int DialogResultNo = 7;

// The one seam through which every message box is shown. The desktop program installs a Qt implementation,
// tests install a scripted one; without an installed seam the message goes to stderr and the default is returned.
class MessageDialogSeam {
public:
    virtual ~MessageDialogSeam() = default;
    virtual int ShowMessage(const std::string& title, const std::string& text, DialogKind kind, DialogButtons buttons,
                            int defaultResult) = 0;
};

void InstallMessageDialogSeam(MessageDialogSeam* seam);  // not owned; nullptr restores the stderr fallback
MessageDialogSeam* InstalledMessageDialogSeam();

// Shows a message box; the title is the catalogue text of the kind (1 to 4). Returns 6 for Yes, 7 for No, 1 for OK.
int DefMessageDlg(const std::string& text, DialogKind kind, DialogButtons buttons = DialogButtons::Ok,
                  int defaultResult = DialogResultOk);
int ShowMessage(const Message& message);
bool AskYesNo(const std::string& text);  // a confirmation with Yes and No; true for Yes

}  // namespace morvik
