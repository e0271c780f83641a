#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/Colour.h"
#include "distribution/DistributionFunctionModel.h"
#include "kit/ChartOptions.h"
#include "kit/GraphExportMenu.h"
#include "shell/MainWindowSettings.h"
#include "windows/ToolWindow.h"

class QPushButton;
class QToolButton;

namespace morvik {

class ChartToolbar;
class ChartView;
class IntervalTableView;

// The distribution-function window (TForm10): the F(x) of the histogram the main window shows, as a chart and
// as a table. It hands nothing back; closing it enables the window it was opened from again (closed()).
//
// The rules live in DistributionFunctionModel; this class binds the widgets to it.
class DistributionFunctionWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit DistributionFunctionWindow(WindowContext& context, QWidget* parent = nullptr);

    // Opens the window on a histogram; false (and nothing shown) when there is none.
    bool Open(const Histogram& result, HistogramKind kind, const std::string& histogramName,
              const std::vector<std::string>& titleLines, Colour titleColour);

    void ApplyLanguage(Language language) override;
    void ReadSettings() override;
    void WriteSettings() override;
    void TakeColours(const MainWindowColours& colours) override;

    void SetMainWindowSettings(const MainWindowSettings& settings);
    const std::optional<DistributionFunctionModel>& Model() const { return model_; }

signals:
    // The user chose index (true) or value (false) labels; the main window follows.
    void indexLabelsChanged(bool indexLabels);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    void Redisplay();
    void PlaceCommandBar();

    std::optional<DistributionFunctionModel> model_;
    MainWindowSettings main_;
    std::vector<std::string> titleLines_;
    Colour titleColour_ = RgbColour(0, 0, 128);
    Colour chartBackground_ = 0xFFFFFF;

    QPushButton* ExitBtn = nullptr;
    QToolButton* SpeedButton1 = nullptr;  // the screen to the clipboard
    QToolButton* UlozGraf = nullptr;      // the chart export, PopupMenu2 of its targets
    GraphTargetItems graphTargets_{};
    QToolButton* OtevriWord = nullptr;  // a new word-processor document
    ChartView* Chart1L = nullptr;
    ChartToolbar* Panel2 = nullptr;  // the chart's command bar
    ChartOptions chartOptions_;      // CBMarks, SpinEdAngle, CheckBox1, CBValInd
    IntervalTableView* StringGrid2 = nullptr;
};

}  // namespace morvik
