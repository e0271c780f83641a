#pragma once
#include <string>

#include "windows/ToolWindow.h"

class QTextBrowser;

namespace morvik {

// The built-in help viewer (the help form WIN1): the user guide of the session's language in a text browser,
// with its pictures and its links within the guide; outside links go to the desktop's browser. A language
// switch turns it to the other language's page. It keeps no place in the settings file.
class HelpViewer : public ToolWindow {
    Q_OBJECT
public:
    explicit HelpViewer(WindowContext& context, QWidget* parent = nullptr);

    // Shows `page` (a path to a guide page).
    void Open(const std::string& page);
    // The page shown last, or empty.
    const std::string& Page() const { return page_; }

    void ApplyLanguage(Language language) override;

private:
    QTextBrowser* browser_ = nullptr;
    std::string page_;
};

}  // namespace morvik
