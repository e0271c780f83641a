#pragma once
#include "kit/GraphExportMenu.h"
#include "windowmodels/FitRankingWindowModel.h"
#include "windows/ToolWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace morvik {

class ChartView;

// The fit ranking window (TForm19): the table of the accepted fits, re-sortable by any key, with the raw data's
// rows to compare, the marking and removal of the unsuitable fits, and the charts of the raw-data histogram and
// of the fit a row chooses. The rules live in FitRankingWindowModel; the raw-data window owns the ranking.
class FitRankingWindow : public ToolWindow {
    Q_OBJECT
public:
    FitRankingWindow(WindowContext& context, RawDataWindowModel& raw, QWidget* parent = nullptr);

    // `BTabChar`: fills the table from the current ranking, sorted by closeness, and shows the window.
    void Start();
    void ApplyLanguage(Language language) override;
    const FitRankingWindowModel& Model() const { return model_; }

signals:
    // The fit shown by the raw-data window has changed (a row chosen, fits removed).
    void fitChanged();

private:
    void BuildControls();
    void Refresh();
    void ShowMarking();

    FitRankingWindowModel model_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QTableWidget* SGCharPD = nullptr;
    QTableWidget* SGCharPDZ = nullptr;
    QTableWidget* SGChar = nullptr;
    QComboBox* CBTypVyberu = nullptr;
    QComboBox* CBVyber = nullptr;
    QCheckBox* ChBVymazRadkuTab = nullptr;
    QComboBox* CBFitView = nullptr;   // the fit as histogram, P-P or Q-Q plot
    QToolButton* UlozGraf = nullptr;  // exports the chart of the fit
    GraphTargetItems graphTargets_{};
    QPushButton* BKonec = nullptr;
    ChartView* Chart1 = nullptr;
    ChartView* Chart2 = nullptr;
};

}  // namespace morvik
