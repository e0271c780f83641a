#pragma once
#include <QPointer>
#include <array>
#include <functional>
#include <map>

#include "common/Colour.h"
#include "kit/ChartOptions.h"
#include "kit/GraphExportMenu.h"
#include "parametric/ParametricDisplay.h"
#include "shell/MainWindowSettings.h"
#include "windowmodels/ParametricWindowModel.h"
#include "windows/ToolWindow.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace morvik {

class ChartToolbar;
class ChartView;
class IntervalTableView;

// The parametric distribution window (TForm12): the user picks one of the 24 distributions, types its
// parameters, the number of intervals and Eps, and sees the generated histogram as a chart, an interval table
// and four characteristics. Closing it hands the histogram to the main window (resultReady).
//
// The rules live in ParametricWindowModel; this class binds the widgets to it.
class ParametricWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit ParametricWindow(WindowContext& context, QWidget* parent = nullptr);

    // Opening from the main window: the window is reset, shown, and computes once.
    void Start();
    // `VypocetParaRozClick`.
    void VypocetParaRozClick();

    void ApplyLanguage(Language language) override;
    void ReadSettings() override;
    void WriteSettings() override;
    void TakeColours(const MainWindowColours& colours) override;

    // The main window's options this window follows (axis labels, colours, plain tables, date and time).
    void SetMainWindowSettings(const MainWindowSettings& settings);
    const ParametricWindowModel& Model() const { return model_; }

signals:
    // The user chose index (true) or value (false) labels; the main window follows and tells the others.
    void indexLabelsChanged(bool indexLabels);

protected:
    std::optional<PublishedResult> TakeResult() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PlaceChartToolbar();
    struct FieldBinding {
        ParametricField field;
        KeySet keys;
    };

    void BuildControls();  // ParametricWindowLayout.cpp
    void ConnectControls();
    QWidget* FieldWidget(ParametricField field) const;

    // Runs a command of the model under a busy cursor, then shows its state, its dialogs and its focus.
    void Run(const std::function<ParametricStep()>& command);
    void Refresh();    // the model's texts and states onto the controls
    void Redisplay();  // chart, grids and table of the shown histogram
    void ShowIntervalTable();

    ParametricWindowModel model_;
    MainWindowSettings main_;
    Colour chartBackground_ = 0xFFFFFF;
    bool running_ = false;
    std::map<QObject*, FieldBinding> fields_;

    QComboBox* CBTypRozdeleni = nullptr;
    QGroupBox* GBParametry = nullptr;
    QGroupBox* GBTypRozd = nullptr;
    std::array<QLabel*, 4> LabPara{};
    std::array<QLineEdit*, 4> EdPara{};
    QLineEdit* EdEps = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* EdPocetIntervalu = nullptr;
    QLineEdit* EdMin = nullptr;
    QLineEdit* EdMax = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* VypocetParaRoz = nullptr;
    QCheckBox* ChB_TypHist = nullptr;
    QPushButton* BChar = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* UlozGraf = nullptr;
    QMenu* PopupMenu2 = nullptr;
    GraphTargetItems graphTargets_{};  // Schranka, Bitmapa, Metafile, JPGFile
    ChartView* Chart1L = nullptr;
    ChartToolbar* Panel1 = nullptr;  // the chart's command bar
    ChartOptions chartOptions_;      // CBMarks, SpinEdAngle, CheckBox1, CBValInd
    QTableWidget* StringGrid1 = nullptr;
    IntervalTableView* StringGrid2 = nullptr;
};

}  // namespace morvik
