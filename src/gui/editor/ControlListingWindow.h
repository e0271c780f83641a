#pragma once
#include <vector>

#include "editor/HistogramTables.h"
#include "shell/MainWindowSettings.h"
#include "windows/ToolWindow.h"

class QTableWidget;

namespace morvik {

// The control listing of a histogram file the main window has just read (TForm4), shown while its option
// KontVypis is ticked: every interval's frequency as the reader accepted it and their sum. It closes as soon as
// it loses the activation.
class ControlListingWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit ControlListingWindow(WindowContext& context, QWidget* parent = nullptr);

    // Shows the rows below the headings, in the colours of the main window.
    void Open(const std::vector<ControlListingRow>& rows, const MainWindowColours& colours);

    void ApplyLanguage(Language language) override;

private:
    QTableWidget* StringGrid1 = nullptr;
};

}  // namespace morvik
