#pragma once
#include <optional>

#include "shell/MainWindowSettings.h"
#include "windowmodels/HistogramTableWindowModel.h"
#include "windows/ToolWindow.h"

class QPushButton;
class QTableWidget;

namespace morvik {

// The frequency and probability table of the main window's histogram: TForm3 for a Pure Discrete histogram,
// TForm9 for a Discrete one (the form number it is made with). It stays on top, closes as soon as it loses the
// activation, and exports its table to a spreadsheet workbook (KontTisk) that the desktop then opens.
//
// The rules live in HistogramTableWindowModel; this class binds the widgets to it.
class HistogramTableWindow : public ToolWindow {
    Q_OBJECT
public:
    HistogramTableWindow(int formNumber, WindowContext& context, QWidget* parent = nullptr);

    // Shows the table in the colours of the main window.
    void Open(HistogramTableWindowModel model, const MainWindowColours& colours);
    // KontTisk: the workbook into the results folder, then opened by the desktop; when nothing opens it, the
    // warning names the file, which stays.
    void ExportClick();

    void ApplyLanguage(Language language) override;
    const std::optional<HistogramTableWindowModel>& Model() const { return model_; }

private:
    std::optional<HistogramTableWindowModel> model_;

    QPushButton* KontTisk = nullptr;
    QPushButton* ExitBtn = nullptr;
    QTableWidget* StringGrid1 = nullptr;
};

}  // namespace morvik
