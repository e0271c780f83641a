#pragma once
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "common/Colour.h"
#include "kit/ChartOptions.h"
#include "shell/MainWindowSettings.h"
#include "windowmodels/RawDataWindowModel.h"
#include "windows/ToolWindow.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class QToolButton;

namespace morvik {

class ChartToolbar;
class ChartView;
class FitRankingWindow;
class IntervalTableView;
class RawListingModel;

// The raw-data window (TForm14): the user opens a file of measured values (or types them), sees their
// statistics and histogram, sets the interval count and range, fits the parametric distributions and picks one.
// Closing it hands the histogram shown to the main window (resultReady).
//
// The rules live in RawDataWindowModel; this class binds the widgets to it. The fit runs on a thread of its
// own while the window stays responsive; the controls that would change the data are disabled meanwhile.
class RawDataWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit RawDataWindow(WindowContext& context, QWidget* parent = nullptr);
    ~RawDataWindow() override;

    // Opening from the main window: the window is reset and shown.
    void Start();
    // `OpenData`: the open dialog in the raw-data folder, then the file.
    void OpenDataClick();
    // `BuParam`: starts the fit; nothing while one runs.
    void BuParamClick();
    // `BTabChar`: the fit ranking window, while this window waits disabled.
    void BTabCharClick();
    FitRankingWindow* RankingWindow() const { return rankingWindow_.get(); }
    bool FitRunning() const { return fitThread_ != nullptr; }

    void ApplyLanguage(Language language) override;
    void ReadSettings() override;
    void WriteSettings() override;
    void TakeColours(const MainWindowColours& colours) override;

    void SetMainWindowSettings(const MainWindowSettings& settings);
    const RawDataWindowModel& Model() const { return model_; }

signals:
    // The user chose index (true) or value (false) labels; the main window follows.
    void indexLabelsChanged(bool indexLabels);
    // The fit has ended (its dialogs shown).
    void fitFinished();

protected:
    std::optional<PublishedResult> TakeResult() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();  // RawDataWindowLayout.cpp
    void ConnectControls();
    QWidget* FieldWidget(RawDataField field) const;

    // Runs a command of the model, then shows its state, its dialogs and its focus.
    void Run(const std::function<RawDataStep()>& command);
    // A command that builds the histogram.
    void Build(const std::function<RawDataStep()>& command);
    void UncheckMarks();
    void FitEnded(RawDataStep step);
    void Refresh();
    void Redisplay();
    void SetBusy(bool busy);
    void SaveTypedData();
    void ExportGraph();
    void PlaceChartToolbar();

    RawDataWindowModel model_;
    MainWindowSettings main_;
    Colour chartBackground_ = 0xFFFFFF;
    bool running_ = false;
    QThread* fitThread_ = nullptr;
    std::unique_ptr<FitRankingWindow> rankingWindow_;  // a window of its own, so that it stays enabled
    std::map<QObject*, RawDataField> fields_;

    QToolButton* OpenData = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QCheckBox* ChB_TypHist = nullptr;
    QPushButton* BNovy = nullptr;
    QPushButton* BChar = nullptr;
    QToolButton* UlozGraf = nullptr;
    QMenu* PopupMenu2 = nullptr;
    std::array<QAction*, 4> graphTargets_{};
    QToolButton* SpeedButton1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QListView* MemoDat = nullptr;
    RawListingModel* listing_ = nullptr;
    QLineEdit* EdMin = nullptr;
    QLineEdit* EdMax = nullptr;
    QLineEdit* EdPocetIntervalu = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QLineEdit* EdNazev = nullptr;
    QPushButton* Button2 = nullptr;
    QTableWidget* StringGrid3 = nullptr;
    ChartView* Chart1Min = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QComboBox* CBTypPara = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* BuParam = nullptr;
    QLineEdit* EdEps = nullptr;
    QTableWidget* StringGrid4 = nullptr;
    QPushButton* BTabChar = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    ChartOptions chartOptions_;
    ChartView* Chart1L = nullptr;
    ChartToolbar* Panel1 = nullptr;
    QTableWidget* StringGrid6 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    IntervalTableView* StringGrid2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QTableWidget* StringGrid5 = nullptr;
    QPushButton* BSave = nullptr;
    QPushButton* Bcancel = nullptr;
};

}  // namespace morvik
