// What the main window shows of the current histogram: the chart, the interval table and its colouring, the
// grids of the panels, and the display options.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

#include "chart/ChartColour.h"
#include "chart/ChartView.h"
#include "common/NumberText.h"
#include "kit/IntervalTableView.h"
#include "localization/MainWindowNames.h"
#include "localization/MainWindowTexts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/WidgetTexts.h"
#include "windows/CaptionApplier.h"

namespace morvik {
namespace {

constexpr const char* ResultActions[] = {
    names::UlozGraf,     names::UlozOkno,       names::UlozGraf1,   names::UlozOkno1,   names::KrivkaTrvani,
    names::KrivkaTrvZat, names::EditXY,         names::BChar,       names::BChar1,      names::EditP,
    names::Popis,        names::PopisVysledku1, names::UlozVysl,    names::Ulozit3,     names::Ulozit2,
    names::UlozHist,     names::Ulozit1,        names::StringGrid3, names::StringGrid5, names::StringGrid6,
};

}  // namespace

void MainWindow::SetResultActions(bool on)
{
    for (const char* name : ResultActions) {
        const QString objectName = QString::fromLatin1(name);
        if (QAction* action = findChild<QAction*>(objectName)) action->setEnabled(on);
        else if (auto* widget = findChild<QWidget*>(objectName)) widget->setEnabled(on);
    }
}

void MainWindow::RefreshChart()
{
    window_.MarksShown = marksShown_->isChecked();
    chart_->setModel(window_.Chart());
}

void MainWindow::ClearSeries()
{
    window_.ClearOverlay();
    chart_->setModel(ChartModel{});
}

void MainWindow::RedrawHistogram()
{
    window_.StampTitle(DateNow(), TimeNow());
    ApplyNamedHints();
    RefreshChart();
    if (model_.HasHistogram()) FillIntervalTable();
    UpdateAbsoluteValueActions();
}

void MainWindow::FillIntervalTable()
{
    // The table shows the histogram of this redraw; its shades follow the queries as they are answered.
    IntervalTableContent content;
    content.rows = IntervalTableRowCount(model_.ResultHistogram, model_.Kind);
    content.text = [histogram = model_.ResultHistogram, kind = model_.Kind](int row) {
        return IntervalTableRowAt(histogram, kind, row);
    };
    content.shade = [this](int row) { return window_.ShadeOfRow(row); };
    intervalTable_->Show(std::move(content));
    // Columns as wide as their texts; the table grows beyond its usual width only when they need it.
    intervalTable_->FitColumnsToText();
    intervalTable_->setFixedWidth(std::max(IntervalTableWidth, intervalTable_->minimumWidth()));
}

void MainWindow::ColourIntervalTable() { intervalTable_->Reshade(); }

void MainWindow::ShowResultGrids()
{
    const auto texts = model_.ResultGridTexts();
    for (int row = 0; row < 5; ++row) SetCell(resultGrid_, row, 1, texts[row]);
}

void MainWindow::ShowInputPanel()
{
    const auto texts = model_.InputPanelTexts();
    for (int row = 0; row < 3; ++row) SetCell(inputGrid_, row, 1, texts[row]);
    nameEdit_->setText(QString::fromStdString(model_.Name));
    if (model_.HasHistogram()) {
        ShowText(minEdit_, StrNaCarku(model_.ResultHistogram.Min));
        ShowText(maxEdit_, StrNaCarku(model_.ResultHistogram.Max));
    } else {
        ShowText(minEdit_, "");
        ShowText(maxEdit_, "");
    }
    ShowText(multipleEdit_, model_.MultipleText);
    multipleEdit_->setEnabled(model_.HasHistogram());
}

void MainWindow::ClearQueryResults()
{
    const std::string zero = StrNaCarku(0);
    SetCell(valueGrid_, 0, 1, zero);
    SetCell(valueGrid_, 1, 1, zero);
    SetCell(quantileGrid_, 0, 1, zero);
    ShowText(valueEdit_, "");
    ShowText(quantileEdit_, "");
}

void MainWindow::ResetHistogramDisplay()
{
    ClearSeries();
    intervalTable_->hide();
    SetResultActions(false);
    Act(names::VypisVstHist)->setEnabled(false);
    findChild<QWidget*>(QString::fromLatin1(names::BChar))->setEnabled(false);
    ClearQueryResults();
    marksShown_->setChecked(false);
    for (int row = 0; row < 5; ++row) SetCell(resultGrid_, row, 1, "");
    UpdateAbsoluteValueActions();
}

void MainWindow::UpdateAbsoluteValueActions()
{
    const bool enabled = model_.AbsoluteValueEnabled() && reOpenTable_->isHidden();
    Act(names::AbsHodHist1)->setEnabled(enabled);
    findChild<QWidget*>(QString::fromLatin1(names::AbsHodHist))->setEnabled(enabled);
}

// After the current histogram changed: panels, grids, chart, table and the actions that need a histogram.
void MainWindow::AfterHistogramChange()
{
    ShowInputPanel();
    ShowResultGrids();
    ClearQueryResults();
    window_.ClearOverlay();
    const bool present = model_.HasHistogram();
    SetResultActions(present);
    findChild<QWidget*>(QString::fromLatin1(names::BChar))->setEnabled(present && model_.ResultHistogram.Bins > 1);
    Act(names::BChar1)->setEnabled(present && model_.ResultHistogram.Bins > 1);
    if (present) {
        RedrawHistogram();
    } else {
        window_.StampTitle(DateNow(), TimeNow());
        intervalTable_->hide();
        RefreshChart();
        UpdateAbsoluteValueActions();
    }
}

void MainWindow::MarkStyleChange()
{
    if (marksShown_->isChecked() && model_.HasHistogram()) RefreshChart();
}

void MainWindow::MarksClick()
{
    if (model_.HasHistogram()) RefreshChart();
}

void MainWindow::AngleExit()
{
    options_.SpinEdAngleValue = angle_->value();
    if (model_.HasHistogram()) RefreshChart();
}

void MainWindow::IndexLabelsClick()
{
    options_.index1 = true;
    Act(names::index1)->setChecked(true);
    labelKinds_->setCurrentIndex(0);
    if (model_.HasHistogram()) RedrawHistogram();
}

void MainWindow::ValueLabelsClick()
{
    options_.index1 = false;
    Act(names::NonIndex)->setChecked(true);
    labelKinds_->setCurrentIndex(1);
    if (model_.HasHistogram()) RedrawHistogram();
}

void MainWindow::LabelKindChange(int item)
{
    if (item == 1) ValueLabelsClick();
    else IndexLabelsClick();
    RepeatActiveQuery();
}

void MainWindow::RepeatActiveQuery()
{
    if (!model_.HasHistogram()) return;
    if (!valueEdit_->text().isEmpty()) ValueQueryExit();
    else if (!quantileEdit_->text().isEmpty()) QuantileQueryExit();
}

void MainWindow::ChartClick() { UpdateZoom(chart_->isZoomed()); }

void MainWindow::UpdateZoom(bool zoomed)
{
    zoomed_ = zoomed;
    inputPanel_->setVisible(!zoomed);
    chart_->setZoomed(zoomed);
    ApplyHint(chart_, QString::fromStdString(MainChartHint(zoomed, options_.language)));
    PlaceChartToolbar();
}

void MainWindow::ToolPanelClick() { HideReOpenTable(); }

}  // namespace morvik
