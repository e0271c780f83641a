#include "rawdata/FitRankingWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/ChartView.h"
#include "kit/Grids.h"
#include "kit/Named.h"
#include "kit/QtText.h"
#include "localization/CaptionSets.h"
#include "shell/Folders.h"

namespace morvik {
namespace {

constexpr int FitRankingForm = 19;

void SetRow(QTableWidget* grid, int row, const RankingGridRow& cells)
{
    for (int c = 0; c < RankingGridColumns && c < grid->columnCount(); ++c) {
        grid->item(row, c)->setText(ToQString(cells[static_cast<size_t>(c)]));
    }
}

}  // namespace

FitRankingWindow::FitRankingWindow(WindowContext& context, RawDataWindowModel& raw, QWidget* parent)
    : ToolWindow(FitRankingForm, context, parent), model_(raw)
{
    BuildControls();
    ApplyLanguage(CurrentLanguage());
    ReadSettings();

    connect(CBTypVyberu, &QComboBox::activated, this, [this](int key) {
        model_.SortBy(key);
        Refresh();
    });
    connect(CBVyber, &QComboBox::activated, this, [this](int index) {
        model_.SetReference(index == 0 ? SortReference::RawData : SortReference::RawHistogram);
        Refresh();
    });
    connect(SGChar, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row < 1) return;
        model_.SelectRow(row);
        Refresh();
        SGChar->selectRow(row);
        emit fitChanged();
    });
    connect(ChBVymazRadkuTab, &QCheckBox::clicked, this, [this](bool checked) {
        if (!checked) return;
        model_.RemoveMarked();
        ChBVymazRadkuTab->setChecked(false);
        Refresh();
        emit fitChanged();
    });
    connect(CBFitView, &QComboBox::activated, this, [this](int view) {
        model_.SetFitView(static_cast<FitView>(view));
        Chart2->setModel(model_.FitChart());
    });
    connect(BKonec, &QPushButton::clicked, this, &QWidget::close);
}

void FitRankingWindow::BuildControls()
{
    Label1 = Named(new QLabel, "Label1");
    Label2 = Named(new QLabel, "Label2");
    Label3 = Named(new QLabel, "Label3");
    Label4 = Named(new QLabel, "Label4");
    SGCharPD = MakeGrid(this, "SGCharPD", 2, RankingGridColumns);
    FitGridHeight(SGCharPD);
    SGCharPDZ = MakeGrid(this, "SGCharPDZ", 2, 4);
    FitGridHeight(SGCharPDZ);
    SGChar = MakeGrid(this, "SGChar", RankingTableRows + 1, RankingGridColumns);
    SGChar->setSelectionBehavior(QAbstractItemView::SelectRows);
    SGChar->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (QTableWidget* grid : {SGCharPD, SGChar}) {
        grid->horizontalHeader()->setStretchLastSection(false);
        grid->setColumnWidth(0, 40);
        grid->setColumnWidth(1, 110);
        grid->setColumnWidth(11, 220);
    }
    CBTypVyberu = Named(new QComboBox, "CBTypVyberu");
    for (int key = 0; key < SortKeyCount; ++key) CBTypVyberu->addItem(QString());
    CBVyber = Named(new QComboBox, "CBVyber");
    CBVyber->addItems({QString(), QString()});
    ChBVymazRadkuTab = Named(new QCheckBox, "ChBVymazRadkuTab");
    BKonec = Named(new QPushButton(QStringLiteral("OK")), "BKonec");
    CBFitView = Named(new QComboBox, "CBFitView");
    for (int view = 0; view < FitViewCount; ++view) CBFitView->addItem(QString());
    const GraphExportMenu graph = MakeGraphExportMenu();
    UlozGraf = graph.UlozGraf;
    graphTargets_ = graph.targets;
    ConnectGraphTargets(graphTargets_);
    // The chart of the fit as it is shown: the histogram, or the P-P or Q-Q plot.
    connect(UlozGraf, &QToolButton::clicked, this, [this] {
        ExportChart(Chart2->isVisible() ? *Chart2 : *Chart1, CheckedGraphTarget(graphTargets_),
                    AppFolders().GraphsFolder);
    });
    Chart1 = Named(new ChartView, "Chart1");
    Chart2 = Named(new ChartView, "Chart2");
    Chart1->setMinimumHeight(180);
    Chart2->setMinimumHeight(180);

    auto* sorting = new QHBoxLayout;
    sorting->addWidget(Label3);
    sorting->addWidget(CBTypVyberu);
    sorting->addWidget(CBVyber);
    sorting->addStretch();
    sorting->addWidget(ChBVymazRadkuTab);
    sorting->addWidget(CBFitView);
    sorting->addWidget(UlozGraf);
    sorting->addWidget(BKonec);
    auto* charts = new QHBoxLayout;
    charts->addWidget(Chart1);
    charts->addWidget(Chart2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addWidget(SGCharPDZ);
    layout->addWidget(Label1);
    layout->addWidget(SGCharPD);
    layout->addWidget(Label2);
    layout->addLayout(sorting);
    layout->addWidget(SGChar, 1);
    layout->addLayout(charts, 1);
}

void FitRankingWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    const std::span<const CaptionText> set = CaptionSet(FitRankingForm, language);
    for (const CaptionText& entry : set) {
        if (entry.kind == CaptionKind::WindowTitle) setWindowTitle(ToQString(entry.text));
    }
    SetRow(SGChar, 0, FitRankingWindowModel::Headings());
    for (QTableWidget* grid : {SGChar, SGCharPD, SGCharPDZ}) FitColumnsToRow(grid, 0);
    // The raw-data histogram's row stands over the fits' columns.
    for (int column = 0; column < RankingGridColumns; ++column) {
        const int width = std::max(SGChar->columnWidth(column), SGCharPD->columnWidth(column));
        SGChar->setColumnWidth(column, width);
        SGCharPD->setColumnWidth(column, width);
    }
    const std::array<std::string, FitViewCount> views = FitRankingWindowModel::FitViewNames();
    for (int view = 0; view < FitViewCount; ++view)
        CBFitView->setItemText(view, ToQString(views[static_cast<size_t>(view)]));
    Chart2->setModel(model_.FitChart());
}

void FitRankingWindow::Start()
{
    model_.Open();
    CBTypVyberu->setCurrentIndex(1);
    CBVyber->setCurrentIndex(0);
    CBFitView->setCurrentIndex(static_cast<int>(model_.View()));
    Refresh();
    show();
    raise();
}

void FitRankingWindow::Refresh()
{
    const std::vector<RankingGridRow> rows = model_.Rows();
    for (int r = 1; r <= RankingTableRows; ++r) {
        SetRow(SGChar, r, r <= static_cast<int>(rows.size()) ? rows[static_cast<size_t>(r - 1)] : RankingGridRow{});
    }
    SetRow(SGCharPD, 1, model_.RawRow());
    const std::array<std::string, 3> data = model_.DataRow();
    for (int c = 0; c < 3; ++c) SGCharPDZ->item(1, c + 1)->setText(ToQString(data[static_cast<size_t>(c)]));
    CBVyber->setVisible(model_.ReferenceShown());
    ChBVymazRadkuTab->setVisible(model_.RemovalOffered());
    Chart1->setModel(model_.ReferenceChart());
    Chart2->setModel(model_.FitChart());
    Chart2->setVisible(model_.FitChartShown());
    SGChar->clearSelection();
    ShowMarking();
}

void FitRankingWindow::ShowMarking()
{
    // The marked fits stay selected wherever a sort puts them, so the user sees what the removal takes.
    if (!model_.RemovalOffered()) return;
    for (int r = 1; r <= RankingTableRows; ++r) {
        if (!model_.IsMarked(r)) continue;
        SGChar->selectionModel()->select(SGChar->model()->index(r, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

}  // namespace morvik
