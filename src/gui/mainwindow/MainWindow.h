#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartModel.h"
#include "kit/GraphExportMenu.h"
#include "windowmodels/MainWindowModel.h"
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
class ColoursWindow;
class IntervalTableView;
struct WindowContext;

// The interval table's width unless its texts need more.
constexpr int IntervalTableWidth = 244;

// The main window (TForm1): shows the current histogram as a chart and a table of intervals with its
// characteristics, answers the value and quantile queries, and is the hub from which the tool windows are
// opened. Its state, rules and command sequences live in MainWindowModel; this class binds the widgets to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(WindowContext& context, std::string version, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainModel& Model() { return model_; }
    MainWindowModel& WindowModel() { return window_; }
    const MainWindowSettings& Options() const { return options_; }
    const ReOpenStack& Stack() const { return stack_; }
    const ChartModel& ChartContent() const;

    // The tool window behind an item of CBTypHist (1 combination, 2 summation, 3 parametric, 4 raw data) and
    // how it is started; an item without a window does nothing.
    void SetToolWindow(int item, ToolWindow* window, std::function<void()> start);

    // Writes the window's settings and the ReOpen stack into the settings file of the run (in memory).
    void WriteSettings();

    // Commands; the comment names the control (objectName) each one answers.
    void OpenHistogramCommand();
    // Opens a histogram file chosen by the user (the open dialog or the command line): the file must lie in a
    // category folder; on success it goes on the ReOpen stack.
    bool OpenHistogram(const std::string& path);
    void SaveHistogramClick();        // Ulozit3
    void SaveResultsClick();          // Ulozit2
    void CharacteristicsClick();      // BChar
    void MultipleExit();              // Edit3
    void ValueQueryExit();            // EditXY
    void QuantileQueryExit();         // EditP
    void MinExit();                   // EditMin
    void MaxExit();                   // EditMax
    void AbsoluteValueClick();        // AbsHodHist
    void ReOpenItemClick(int index);  // N01 ... N191, the items of ReOpen1
    void ReOpenTableButtonClick();    // SpeedButton1
    void ReOpenTableClick(int row);   // StringGrid1
    void EmptyReOpenStackClick();     // Zasobnik1
    void ExitClick();                 // Konec1
    void CzechClick();                // Cestina
    void EnglishClick();              // Anglictina
    void IndexLabelsClick();          // index1
    void ValueLabelsClick();          // NonIndex
    void LabelKindChange(int item);   // CBValInd
    void MarkStyleChange();           // CBMarks
    void MarksClick();                // CheckBox1
    void AngleExit();                 // SpinEdAngle
    void ChartClick();                // Chart1
    void ToolPanelClick();            // Panel1
    void ToolChoiceChange(int item);  // CBTypHist
    void DefaultValuesClick();        // DefaultNast1
    void FoldersInfoClick();          // OAdresach1
    void ExportGraphClick();          // UlozGraf1
    void ColoursClick();              // Barvy1
    // A colour chosen in the colours window for one of its slots, applied at once to every window.
    void SetColourSlot(int slot, Colour colour);

    // Takes over the histogram a tool window hands over as it closes, and enables the window again.
    void PublishResult(const PublishedResult& result);
    // The shown histogram was saved as `path` (by the editor): it is the current file, which can be listed.
    void TakeHistogramFile(const std::string& path);
    // Back to the empty window, as before a new histogram is typed.
    void ResetToEmpty();
    // Takes the query's answer off the chart and empties the query fields.
    void ClearQueryOverlay();

    void RedrawHistogram();
    void SetResultActions(bool on);

signals:
    // Emitted when the program is asked to end (close box, exit command or signal); the settings are written.
    void closing();
    // Emitted after the main window's caption set has been applied (at start, on a language switch and by the
    // default values), once every other window has taken its own set.
    void captionSetApplied(morvik::Language language);
    // Emitted after a histogram file was read, whether it became current (`opened`) or was refused.
    void histogramFileRead(const std::string& path, bool opened);
    // Emitted when the user picks the first item of CBTypHist, "Histogram": the shown histogram is to be
    // corrected in the editor (a new one typed when none is shown).
    void correctionAsked();

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
    void SetMarksOn(bool on);
    void UpdateZoom(bool zoomed);
    void PlaceChartToolbar();
    void UpdateAbsoluteValueActions();
    void UpdateClock();
    void ShowStatusHint(const QString& text);
    void AfterHistogramChange();

    // Output commands and the colours of every window.
    void ConnectOutputCommands();
    void ReadOutputSettings();
    void WriteOutputSettings();
    GraphTargetItems GraphTargets() const;
    void BroadcastColours();

    // Commands behind the handlers.
    bool OpenFromPath(const std::string& path, const std::optional<std::string>& reopenMultiple);
    void ChangeRangeEnd(RangeEnd end);
    // Shows a query field's step; true when the step ends there (no answer to write into the grids).
    bool ShowQueryStep(const MainWindowModel::QueryStep& step, QLineEdit* field);
    void RefreshReOpenMenu();
    void HideReOpenTable();
    void FocusQueryField();
    std::string DateNow() const;
    std::string TimeNow() const;

    WindowContext& context_;
    std::string version_;
    MainWindowModel window_;
    // Short names for the parts of the window's model the handlers use most.
    MainModel& model_ = window_.Current;
    MainWindowSettings& options_ = window_.Options;
    ReOpenStack& stack_ = window_.Stack;
    bool zoomed_ = false;
    bool closingDone_ = false;
    // A field's exit rule is running: the focus it moves (back to a refused field) is no exit from another field,
    // or two refused fields would hand the focus to each other without end.
    bool leavingField_ = false;

    struct ToolEntry {
        ToolWindow* window = nullptr;
        std::function<void()> start;
    };
    std::array<ToolEntry, 5> tools_;
    std::unique_ptr<ColoursWindow> coloursWindow_;

    ChartView* chart_ = nullptr;
    ChartToolbar* chartToolbar_ = nullptr;
    QGroupBox* inputPanel_ = nullptr;
    QGroupBox* resultPanel_ = nullptr;
    QWidget* toolPanel_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* multipleEdit_ = nullptr;
    QLineEdit* minEdit_ = nullptr;
    QLineEdit* maxEdit_ = nullptr;
    QLineEdit* valueEdit_ = nullptr;
    QLineEdit* quantileEdit_ = nullptr;
    QComboBox* toolChoice_ = nullptr;
    QComboBox* markStyles_ = nullptr;
    QComboBox* labelKinds_ = nullptr;
    QSpinBox* angle_ = nullptr;
    QCheckBox* marksShown_ = nullptr;
    QTableWidget* reOpenTable_ = nullptr;
    IntervalTableView* intervalTable_ = nullptr;
    QTableWidget* resultGrid_ = nullptr;
    QTableWidget* inputGrid_ = nullptr;
    QTableWidget* valueGrid_ = nullptr;
    QTableWidget* quantileGrid_ = nullptr;
    QLabel* clockPanel_ = nullptr;
    QLabel* hintPanel_ = nullptr;
    QTimer* clock_ = nullptr;
};

}  // namespace morvik
