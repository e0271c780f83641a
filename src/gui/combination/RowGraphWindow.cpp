#include "combination/RowGraphWindow.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart/ChartColour.h"
#include "chart/ChartToolbar.h"
#include "chart/ChartView.h"
#include "kit/Grids.h"
#include "kit/IntervalTableView.h"
#include "kit/QtText.h"
#include "localization/MainWindowTexts.h"
#include "shell/MainWindowSettings.h"
#include "windows/WindowContext.h"

namespace morvik {
namespace {

constexpr int MinimumWidth = 750;
constexpr int MinimumHeight = 300;
void SetText(QTableWidget* grid, int row, int column, const QString& text, const QColor& foreground)
{
    auto* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    item->setText(text);
    item->setForeground(foreground);
}

}  // namespace

RowGraphWindow::RowGraphWindow(WindowContext& context, QWidget* parent) : ToolWindow(11, context, parent)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setMinimumSize(MinimumWidth, MinimumHeight);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    auto* tables = new QVBoxLayout;
    summary_ = MakeGrid(panel, "StringGrid1", 3, 2);
    summary_->horizontalHeader()->setStretchLastSection(false);
    summary_->setColumnWidth(0, 140);
    summary_->setColumnWidth(1, 94);
    summary_->setFixedSize(238, 3 * 20 + 4);
    intervals_ = new IntervalTableView(panel, "StringGrid2");
    intervals_->horizontalHeader()->setStretchLastSection(false);
    intervals_->setColumnWidth(0, 50);
    intervals_->setColumnWidth(1, 90);
    intervals_->setColumnWidth(2, 90);
    intervals_->setFixedWidth(234 + intervals_->verticalScrollBar()->sizeHint().width());
    tables->addWidget(summary_);
    tables->addWidget(intervals_);

    chart_ = new ChartView(panel);
    chart_->setObjectName(QStringLiteral("Chart1"));

    toolbar_ = new ChartToolbar(chart_);

    auto* row = new QHBoxLayout(panel);
    row->addLayout(tables);
    row->addWidget(chart_, 1);

    ApplyLanguage(CurrentLanguage());
    ReadSettings();
}

void RowGraphWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    leftAxisTitle_ = MainLeftAxisTitle(language);
    ChartModel model = chart_->model();
    model.leftAxisTitle = leftAxisTitle_;
    chart_->setModel(std::move(model));
}

void RowGraphWindow::ReadSettings()
{
    ToolWindow::ReadSettings();
    resize(std::max(width(), MinimumWidth), std::max(height(), MinimumHeight));
}

void RowGraphWindow::ShowGraph(const GraphContent& graph)
{
    const MainWindowSettings settings = MainOptions();
    chart_->setModel(GraphChart(graph, settings.colours.bars, settings.colours.chartTitle, leftAxisTitle_));
    chart_->setZoomed(false);
    chart_->showAllBars();

    FillSummary(graph);
    FillIntervalTable(graph);
    setProperty("helpContext", graph.helpContext);
    show();
    raise();
    activateWindow();
    PlaceToolbar();
}

void RowGraphWindow::FillSummary(const GraphContent& graph)
{
    const QColor text = ToQColor(MainOptions().colours.panelText);
    for (int row = 0; row < 3; ++row) SetText(summary_, row, 1, ToQString(graph.summary[row]), text);
}

void RowGraphWindow::FillIntervalTable(const GraphContent& graph)
{
    const MainWindowSettings settings = MainOptions();
    IntervalTableContent content;
    content.rows = static_cast<int>(graph.intervalTable.size());
    content.text = [table = graph.intervalTable](int row) { return table[static_cast<size_t>(row)]; };
    if (settings.colourHighlight)
        content.shade = [rows = content.rows](int row) { return AlternateRowShade(rows, row); };
    content.textColour = settings.colours.panelText;
    intervals_->Show(std::move(content));
}

MainWindowSettings RowGraphWindow::MainOptions() { return options_ ? options_() : ReadMainWindowSettings(Settings()); }

void RowGraphWindow::ClearSeries()
{
    ChartModel model = chart_->model();
    model.main.bars.clear();
    model.overlay.bars.clear();
    chart_->setModel(std::move(model));
}

void RowGraphWindow::PlaceToolbar() { toolbar_->Place(350, 3, MainOptions().TCharCom && SpansScreenWidth(this)); }

void RowGraphWindow::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    PlaceToolbar();
}

void RowGraphWindow::changeEvent(QEvent* event)
{
    ToolWindow::changeEvent(event);
    // A quick look: it goes away as soon as the user turns to another window.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
}

}  // namespace morvik
