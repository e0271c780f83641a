#pragma once
#include <string>

#include "windows/ToolWindow.h"

class QLabel;

namespace morvik {

// The version window (TForm2): the program's name and version, the authors, the institution, the contact
// addresses as mail links and a note on the development. The main window waits while it is open; it closes as
// soon as it loses the activation.
class VersionWindow : public ToolWindow {
    Q_OBJECT
public:
    VersionWindow(WindowContext& context, std::string version, QWidget* parent = nullptr);

    // Shows the window (OVerzi).
    void Open();
    // Opens the mail program with a new message to the address of a contact button or label; message 61 when
    // the desktop cannot start it.
    void WriteTo(const QString& address);

    void ApplyLanguage(Language language) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    std::string version_;
    QLabel* versionLabel_ = nullptr;
};

}  // namespace morvik
