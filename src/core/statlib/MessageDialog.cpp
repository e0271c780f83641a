#include "statlib/MessageDialog.h"

#include <iostream>

#include "localization/TextCis.h"

namespace morvik {
namespace {
MessageDialogSeam* installedSeam = nullptr;
}

void InstallMessageDialogSeam(MessageDialogSeam* seam) { installedSeam = seam; }
MessageDialogSeam* InstalledMessageDialogSeam() { return installedSeam; }

int DefMessageDlg(const std::string& text, DialogKind kind, DialogButtons buttons, int defaultResult)
{
    const std::string title = TextCis(TitleNumber(kind));
    if (installedSeam) { return installedSeam->ShowMessage(title, text, kind, buttons, defaultResult); }
    std::cerr << title << ": " << text << '\n';
    return defaultResult;
}

int ShowMessage(const Message& message) { return DefMessageDlg(message.text, message.kind); }

bool AskYesNo(const std::string& text)
{
    return DefMessageDlg(text, DialogKind::Confirmation, DialogButtons::YesNo, DialogResultYes) == DialogResultYes;
}

}  // namespace morvik
