#pragma once
#include <functional>

#include "windows/ToolWindow.h"

class QTableWidget;

namespace morvik {

// The settings-file viewer (TForm6): the settings file as a read-only key/value grid, one row per line of the
// file (section lines included). It shows the settings of the run, that is the file as it was read at start
// with every key the windows have written since, which is what the program writes at its end.
class SettingsViewer : public ToolWindow {
    Q_OBJECT
public:
    SettingsViewer(WindowContext& context, QWidget* parent = nullptr);

    // Shows the grid (VypisIniSouboru), or message 29 when the settings file has never been written.
    // `beforeShowing` lets the main window put its current settings into the run's settings first.
    void Open(const std::function<void()>& beforeShowing = {});

    void ApplyLanguage(Language language) override;

private:
    void Fill();

    QTableWidget* grid_ = nullptr;
};

}  // namespace morvik
