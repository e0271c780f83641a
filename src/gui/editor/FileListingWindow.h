#pragma once
#include <string>

#include "shell/MainWindowSettings.h"
#include "windows/ToolWindow.h"

class QListWidget;

namespace morvik {

// The numbered listing of the current histogram file (TForm15): the header lines in dark green, the bin lines
// in red. It stays on top; a click into the list or the loss of the activation closes it.
class FileListingWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit FileListingWindow(WindowContext& context, QWidget* parent = nullptr);

    // Lists the file at `path` of the histogram `histogramName`; a file that cannot be read gives its message
    // and nothing is shown.
    void Open(const std::string& path, const std::string& histogramName, const MainWindowColours& colours);

    void ApplyLanguage(Language language) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string histogramName_;
    QListWidget* ListBox1 = nullptr;
};

}  // namespace morvik
