#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "histogram/IntervalTable.h"
#include "histogram/MainModel.h"
#include "shell/MainWindowSettings.h"
#include "shell/ReOpenStack.h"
#include "chart/ChartModel.h"
#include "windows/ToolWindow.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QCheckBox;
class QTableWidget;
class QTimer;
class QToolButton;
class QWidget;

namespace morvik {

class ChartToolbar;
class ChartView;
struct WindowContext;

// The main window (TForm1): shows the current histogram as a chart and a table of intervals with its
// characteristics, answers the value and quantile queries, and is the hub from which the tool windows are
// opened. Its state and rules live in MainModel; this class binds the widgets to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(WindowContext& context, std::string version, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainModel& Model() { return model_; }
    const MainWindowSettings& Options() const { return options_; }
    const ReOpenStack& Stack() const { return stack_; }
    const ChartModel& ChartContent() const;

    // The tool window behind an item of CBTypHist (1 combination, 2 summation, 3 parametric, 4 raw data) and
    // how it is started; an item without a window does nothing.
    void SetToolWindow(int item, ToolWindow* window, std::function<void()> start);

    // Writes the window's settings and the ReOpen stack into the settings file of the run (in memory).
    void WriteSettings();

    // Commands, named as the program's handlers.
    void OpenHistogramCommand();
    // Opens a histogram file chosen by the user (the open dialog or the command line): the file must lie in a
    // category folder; on success it goes on the ReOpen stack.
    bool OpenHistogram(const std::string& path);
    void Ulozit3Click();
    void Ulozit2Click();
    void BCharClick();
    void Edit3Exit();
    void EditXYExit();
    void EditPExit();
    void EditMinExit();
    void EditMaxExit();
    void AbsHodHistClick();
    void ReOpClick(int index);
    void SpeedButton1Click();
    void StringGrid1Click(int row);
    void VyprazdniZasobnik1Click();
    void Konec1Click();
    void CestinaClick();
    void AnglictinaClick();
    void index1Click();
    void NonIndexClick();
    void CBValIndChange(int item);
    void CBMarksChange();
    void CheckBox1Click();
    void SpinEdAngleExit();
    void Chart1ClickSeries();
    void Panel1Click();
    void CBTypHistChange(int item);
    void DefaultNast1Click();
    void OAdresach1Click();

    // Takes over the histogram a tool window hands over as it closes, and enables the window again.
    void PublishResult(const PublishedResult& result);

    void RedrawHistogram();
    void SetResultActions(bool on);

signals:
    // Emitted when the program is asked to end (close box, exit command or signal); the settings are written.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Building the window.
    void BuildMenus();
    void BuildToolPanel();
    void BuildInputPanel();
    void BuildResultPanel();
    void BuildCentre();
    void BuildStatusBar();
    QAction* AddAction(QMenu* menu, const char* name, const QString& text = QString());
    QToolButton* AddToolButton(QWidget* panel, const char* name, const char* actionName, int icon);
    QAction* Act(const char* name) const;

    // Display.
    void ApplyLanguage(Language language);
    void ApplyNamedHints();
    void ApplyOptions();
    void ApplyColours();
    void ShowResultGrids();
    void ShowInputPanel();
    void ResetHistogramDisplay();
    void ClearQueryResults();
    void FillIntervalTable();
    void ColourIntervalTable();
    void RepeatActiveQuery();
    void ClearSeries();
    void RefreshChart();
    ChartModel BuildChart() const;
    void SetMarksOn(bool on);
    void UpdateZoom(bool zoomed);
    void PlaceChartToolbar();
    void UpdateAbsoluteValueActions();
    void UpdateClock();
    void ShowStatusHint(const QString& text);
    void AfterHistogramChange();

    // Commands behind the handlers.
    bool OpenFromPath(const std::string& path, const std::optional<std::string>& reopenMultiple);
    void ChangeRangeEnd(RangeEnd end);
    void RefreshReOpenMenu();
    void HideReOpenTable();
    void FocusQueryField();
    std::string DateNow() const;
    std::string TimeNow() const;

    WindowContext& context_;
    std::string version_;
    MainModel model_;
    MainWindowSettings options_;
    ReOpenStack stack_;
    // The query overlay: which query it shows and how many bars, from the first, make up its answer.
    struct Overlay {
        QueryMode mode = QueryMode::None;
        int marked = 0;
    };
    Overlay overlay_;
    std::vector<std::string> titleLines_;
    TableHighlight highlight_ = TableHighlight::None;
    std::optional<double> highlightLimit_;
    bool zoomed_ = false;
    bool closingDone_ = false;

    struct ToolEntry {
        ToolWindow* window = nullptr;
        std::function<void()> start;
    };
    std::array<ToolEntry, 5> tools_;

    ChartView* chart_ = nullptr;
    ChartToolbar* chartToolbar_ = nullptr;
    QGroupBox* inputPanel_ = nullptr;
    QGroupBox* resultPanel_ = nullptr;
    QWidget* toolPanel_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QLineEdit* editMin_ = nullptr;
    QLineEdit* editMax_ = nullptr;
    QLineEdit* editXY_ = nullptr;
    QLineEdit* editP_ = nullptr;
    QComboBox* cbTypHist_ = nullptr;
    QComboBox* cbMarks_ = nullptr;
    QComboBox* cbValInd_ = nullptr;
    QSpinBox* spinEdAngle_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QTableWidget* grid1_ = nullptr;
    QTableWidget* grid2_ = nullptr;
    QTableWidget* grid3_ = nullptr;
    QTableWidget* grid4_ = nullptr;
    QTableWidget* grid5_ = nullptr;
    QTableWidget* grid6_ = nullptr;
    QLabel* clockPanel_ = nullptr;
    QLabel* hintPanel_ = nullptr;
    QTimer* clock_ = nullptr;
};

}  // namespace morvik
