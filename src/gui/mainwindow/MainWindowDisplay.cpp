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

#include "chart/ChartColour.h"
#include "chart/ChartView.h"
#include "localization/MainWindowTexts.h"
#include "mainwindow/WidgetTexts.h"
#include "mainwindow/LaterCommands.h"
#include "mainwindow/MainWindow.h"
#include "statlib/NumberText.h"
#include "windows/CaptionApplier.h"

namespace morvik {
namespace {

constexpr const char* ResultActions[] = {
    "UlozGraf", "UlozOkno", "UlozGraf1", "UlozOkno1", "KrivkaTrvani", "KrivkaTrvZat", "EditXY",
    "BChar",    "BChar1",   "EditP",     "Popis",     "PopisVysledku1", "UlozVysl", "Ulozit3",
    "Ulozit2",  "UlozHist", "Ulozit1",   "StringGrid3", "StringGrid5", "StringGrid6",
};

MarkStyle MarkStyleOf(int item)
{
    switch (item) {
    case 0: return MarkStyle::Value;
    case 1: return MarkStyle::Label;
    case 3: return MarkStyle::Position;
    case 4: return MarkStyle::PositionAndValue;
    default: return MarkStyle::LabelAndValue;
    }
}

}  // namespace

void MainWindow::SetResultActions(bool on)
{
    for (const char* name : ResultActions) {
        const QString objectName = QString::fromLatin1(name);
        const bool enabled = on && !IsLaterCommand(name);
        if (QAction* action = findChild<QAction*>(objectName)) action->setEnabled(enabled);
        else if (auto* widget = findChild<QWidget*>(objectName)) widget->setEnabled(enabled);
    }
}

ChartModel MainWindow::BuildChart() const
{
    const MainWindowColours& colours = options_.colours;
    ChartModel chart;
    chart.titleLines = titleLines_;
    chart.titleColour = colours.chartTitle;
    chart.backgroundColour = colours.chartBackground;
    chart.crossCursor = true;
    chart.bottomAxisTitle = MainBottomAxisTitle(options_.index1, options_.language);
    chart.leftAxisTitle = MainLeftAxisTitle(options_.language);
    if (!model_.HasHistogram()) return chart;

    const Histogram& h = model_.ResultHistogram;
    const ChartMarks marks{MarkStyleOf(options_.CBMarksItemIndex), options_.SpinEdAngleValue,
                           checkBox1_->isChecked()};
    for (int i = 0; i < h.Bins; ++i) {
        std::string label;
        if (options_.index1) label = std::to_string(i);
        else label = StrBottomGraf(h.Prob[i], i == h.Bins - 1 ? h.Max : h.ValueAt(i));
        chart.main.bars.push_back({h.Prob[i], colours.bars, label});
    }
    chart.main.marks = marks;
    if (overlay_.mode != QueryMode::None) {
        const bool value = overlay_.mode == QueryMode::Value;
        const Colour marked = value ? colours.valueQuery : colours.quantileQuery;
        for (int i = 0; i < h.Bins; ++i) {
            ChartBar bar = chart.main.bars[i];
            if (i < overlay_.marked) {
                bar.colour = marked;
                if (value && model_.Kind == HistogramKind::PureDiscrete) bar.label.clear();
            }
            chart.overlay.bars.push_back(bar);
        }
        chart.overlay.marks = marks;
        chart.main.marks.visible = false;
    }
    return chart;
}

void MainWindow::RefreshChart() { chart_->setModel(BuildChart()); }

void MainWindow::ClearSeries()
{
    overlay_ = {};
    chart_->setModel(ChartModel{});
}

void MainWindow::RedrawHistogram()
{
    highlight_ = TableHighlight::None;
    highlightLimit_.reset();
    titleLines_ = {" ( " + DateNow() + " , " + TimeNow() + " )"};
    if (model_.HasHistogram()) {
        titleLines_.push_back("Histogram :     " + model_.Name + "   * A  (A=" + TextOf(edit3_) + ")");
        if (!model_.TitleNote.empty()) titleLines_.push_back(std::string(23, ' ') + model_.TitleNote);
    } else {
        titleLines_.push_back("Histogram :   X * A");
    }
    ApplyNamedHints();
    RefreshChart();
    if (model_.HasHistogram()) FillIntervalTable();
    UpdateAbsoluteValueActions();
    model_.TitleNote.clear();
}

void MainWindow::FillIntervalTable()
{
    const auto rows = IntervalTableTexts(model_.ResultHistogram, model_.Kind);
    grid2_->setUpdatesEnabled(false);
    grid2_->clearContents();
    grid2_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < 3; ++column) SetCell(grid2_, row, column, rows[row][column]);
    }
    ColourIntervalTable();
    grid2_->setUpdatesEnabled(true);
    grid2_->show();
}

void MainWindow::ColourIntervalTable()
{
    if (!model_.HasHistogram() || grid2_->rowCount() == 0) return;
    const QColor plainBackground = grid2_->palette().color(QPalette::Base);
    for (int row = 0; row < grid2_->rowCount(); ++row) {
        const RowShade shade = options_.colourHighlight ? IntervalRowShade(model_.ResultHistogram, model_.Kind, row,
                                                                           highlight_, highlightLimit_)
                                                        : RowShade::None;
        const QColor colour = shade == RowShade::None ? plainBackground : ToQColor(RowShadeColour(shade));
        for (int column = 0; column < 3; ++column) {
            QTableWidgetItem* item = grid2_->item(row, column);
            if (!item) continue;
            // The total row is coloured from column 1 on.
            const bool coloured = shade != RowShade::Total || column >= 1;
            item->setBackground(coloured ? colour : plainBackground);
        }
    }
}

void MainWindow::ShowResultGrids()
{
    const auto texts = model_.ResultGridTexts();
    for (int row = 0; row < 5; ++row) SetCell(grid3_, row, 1, texts[row]);
}

void MainWindow::ShowInputPanel()
{
    const auto texts = model_.InputPanelTexts();
    for (int row = 0; row < 3; ++row) SetCell(grid4_, row, 1, texts[row]);
    edit1_->setText(QString::fromStdString(model_.Name));
    if (model_.HasHistogram()) {
        ShowText(editMin_, StrNaCarku(model_.ResultHistogram.Min));
        ShowText(editMax_, StrNaCarku(model_.ResultHistogram.Max));
    } else {
        ShowText(editMin_, "");
        ShowText(editMax_, "");
    }
    ShowText(edit3_, model_.MultipleText);
    edit3_->setEnabled(model_.HasHistogram());
}

void MainWindow::ClearQueryResults()
{
    const std::string zero = StrNaCarku(0);
    SetCell(grid5_, 0, 1, zero);
    SetCell(grid5_, 1, 1, zero);
    SetCell(grid6_, 0, 1, zero);
    ShowText(editXY_, "");
    ShowText(editP_, "");
}

void MainWindow::ResetHistogramDisplay()
{
    ClearSeries();
    grid2_->hide();
    SetResultActions(false);
    Act("VypisVstHist")->setEnabled(false);
    findChild<QWidget*>(QStringLiteral("BChar"))->setEnabled(false);
    ClearQueryResults();
    checkBox1_->setChecked(false);
    for (int row = 0; row < 5; ++row) SetCell(grid3_, row, 1, "");
    UpdateAbsoluteValueActions();
}

void MainWindow::UpdateAbsoluteValueActions()
{
    const bool enabled = model_.AbsoluteValueEnabled() && grid1_->isHidden();
    Act("AbsHodHist1")->setEnabled(enabled);
    findChild<QWidget*>(QStringLiteral("AbsHodHist"))->setEnabled(enabled);
}

// After the current histogram changed: panels, grids, chart, table and the actions that need a histogram.
void MainWindow::AfterHistogramChange()
{
    ShowInputPanel();
    ShowResultGrids();
    ClearQueryResults();
    overlay_ = {};
    const bool present = model_.HasHistogram();
    SetResultActions(present);
    findChild<QWidget*>(QStringLiteral("BChar"))->setEnabled(present && model_.ResultHistogram.Bins > 1);
    Act("BChar1")->setEnabled(present && model_.ResultHistogram.Bins > 1);
    if (present) {
        RedrawHistogram();
    } else {
        titleLines_ = {" ( " + DateNow() + " , " + TimeNow() + " )", "Histogram :   X * A"};
        grid2_->hide();
        RefreshChart();
        UpdateAbsoluteValueActions();
    }
}

void MainWindow::CBMarksChange()
{
    if (checkBox1_->isChecked() && model_.HasHistogram()) RefreshChart();
}

void MainWindow::CheckBox1Click()
{
    if (model_.HasHistogram()) RefreshChart();
}

void MainWindow::SpinEdAngleExit()
{
    options_.SpinEdAngleValue = spinEdAngle_->value();
    if (model_.HasHistogram()) RefreshChart();
}

void MainWindow::index1Click()
{
    options_.index1 = true;
    Act("index1")->setChecked(true);
    cbValInd_->setCurrentIndex(0);
    if (model_.HasHistogram()) RedrawHistogram();
}

void MainWindow::NonIndexClick()
{
    options_.index1 = false;
    Act("NonIndex")->setChecked(true);
    cbValInd_->setCurrentIndex(1);
    if (model_.HasHistogram()) RedrawHistogram();
}

void MainWindow::CBValIndChange(int item)
{
    if (item == 1) NonIndexClick();
    else index1Click();
    RepeatActiveQuery();
}

void MainWindow::RepeatActiveQuery()
{
    if (!model_.HasHistogram()) return;
    if (!editXY_->text().isEmpty()) EditXYExit();
    else if (!editP_->text().isEmpty()) EditPExit();
}

void MainWindow::Chart1ClickSeries() { UpdateZoom(chart_->isZoomed()); }

void MainWindow::UpdateZoom(bool zoomed)
{
    zoomed_ = zoomed;
    inputPanel_->setVisible(!zoomed);
    chart_->setZoomed(zoomed);
    ApplyHint(chart_, QString::fromStdString(MainChartHint(zoomed, options_.language)));
    PlaceChartToolbar();
}

void MainWindow::Panel1Click() { HideReOpenTable(); }

}  // namespace morvik
