// The controls of the raw-data window and their places.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart/ChartToolbar.h"
#include "chart/ChartView.h"
#include "kit/GraphExportMenu.h"
#include "kit/Grids.h"
#include "kit/IntervalTableView.h"
#include "kit/Named.h"
#include "kit/StableLayout.h"
#include "rawdata/RawDataWindow.h"
#include "rawdata/RawListingModel.h"

namespace morvik {
namespace {

QLineEdit* NumberEdit(const char* name)
{
    auto* edit = Named(new QLineEdit, name);
    edit->setMaximumWidth(120);
    return edit;
}

QTableWidget* CaptionedGrid(QWidget* parent, const char* name, int rows)
{
    QTableWidget* grid = MakeGrid(parent, name, rows, 2);
    grid->setFixedHeight(rows * 20 + 4);
    return grid;
}

}  // namespace

void RawDataWindow::BuildControls()
{
    auto* speedPanel = Named(new QWidget, "SpeedPanel");
    auto* tools = new QHBoxLayout(speedPanel);
    tools->setContentsMargins(4, 4, 4, 4);
    OpenData = Named(new QToolButton, "OpenData");
    OpenData->setText(QStringLiteral("Open"));
    BitBtn1 = Named(new QPushButton(QStringLiteral("OK")), "BitBtn1");
    ChB_TypHist = Named(new QCheckBox(QStringLiteral("Pure Discrete")), "ChB_TypHist");
    BNovy = Named(new QPushButton(QStringLiteral("New")), "BNovy");
    BChar = Named(new QPushButton(QStringLiteral("Char")), "BChar");
    const GraphExportMenu graph = MakeGraphExportMenu();
    UlozGraf = graph.UlozGraf;
    PopupMenu2 = graph.PopupMenu2;
    graphTargets_ = graph.targets;
    SpeedButton1 = Named(new QToolButton, "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("[ ]"));
    for (QWidget* tool :
         std::initializer_list<QWidget*>{OpenData, BitBtn1, ChB_TypHist, BNovy, BChar, UlozGraf, SpeedButton1}) {
        tools->addWidget(tool);
    }
    tools->addStretch();

    // The data file: its listing, range and interval count.
    GroupBox2 = Named(new QGroupBox, "GroupBox2");
    auto* file = new QGridLayout(GroupBox2);
    MemoDat = Named(new QListView, "MemoDat");
    MemoDat->setUniformItemSizes(true);  // the view then measures one line, not half a million
    listing_ = new RawListingModel(MemoDat);
    MemoDat->setModel(listing_);
    EdMin = NumberEdit("EdMin");
    EdMax = NumberEdit("EdMax");
    EdPocetIntervalu = NumberEdit("EdPocetIntervalu");
    file->addWidget(MemoDat, 0, 0, 4, 1);
    file->addWidget(Named(new QLabel(QStringLiteral("Min")), "Label7"), 0, 1);
    file->addWidget(EdMin, 0, 2);
    file->addWidget(Named(new QLabel(QStringLiteral("Max")), "Label8"), 1, 1);
    file->addWidget(EdMax, 1, 2);
    file->addWidget(Named(new QLabel(QStringLiteral("Intervalů")), "Label4"), 2, 1);
    file->addWidget(EdPocetIntervalu, 2, 2);

    // The raw data: name, statistics and their histogram.
    GroupBox5 = Named(new QGroupBox, "GroupBox5");
    auto* raw = new QGridLayout(GroupBox5);
    EdNazev = Named(new QLineEdit, "EdNazev");
    EdNazev->setReadOnly(true);
    Button2 = Named(new QPushButton(QStringLiteral("NeParam")), "Button2");
    StringGrid3 = CaptionedGrid(this, "StringGrid3", 4);
    Chart1Min = Named(new ChartView, "Chart1Min");
    Chart1Min->setMinimumHeight(90);
    raw->addWidget(Named(new QLabel(QStringLiteral("Název souboru")), "Label1"), 0, 0);
    raw->addWidget(EdNazev, 0, 1);
    raw->addWidget(Button2, 0, 2);
    raw->addWidget(StringGrid3, 1, 0, 1, 3);
    raw->addWidget(Chart1Min, 2, 0, 1, 3);

    // The parametric fit.
    GroupBox6 = Named(new QGroupBox, "GroupBox6");
    auto* fit = new QGridLayout(GroupBox6);
    CBTypPara = Named(new QComboBox, "CBTypPara");
    ProgressBar1 = Named(new QProgressBar, "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    BuParam = Named(new QPushButton(QStringLiteral("Param")), "BuParam");
    EdEps = NumberEdit("EdEps");
    StringGrid4 = MakeGrid(this, "StringGrid4", 1, 2);
    StringGrid4->setFixedHeight(24);
    BTabChar = Named(new QPushButton(QStringLiteral("TAB")), "BTabChar");
    fit->addWidget(Named(new QLabel(QStringLiteral("Typ")), "Label11"), 0, 0);
    fit->addWidget(CBTypPara, 0, 1, 1, 2);
    fit->addWidget(ProgressBar1, 1, 0, 1, 3);
    fit->addWidget(BuParam, 2, 0);
    fit->addWidget(Named(new QLabel(QStringLiteral("Eps")), "Label6"), 2, 1);
    fit->addWidget(EdEps, 2, 2);
    fit->addWidget(StringGrid4, 3, 0, 1, 2);
    fit->addWidget(BTabChar, 3, 2);

    StringGrid2 = new IntervalTableView(this, "StringGrid2");
    StringGrid2->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    // The entry panel for typed data, shown in place of the frequency table.
    GroupBox3 = Named(new QGroupBox(QStringLiteral("Prvotní data")), "GroupBox3");
    auto* entry = new QGridLayout(GroupBox3);
    Memo1 = Named(new QPlainTextEdit, "Memo1");
    StringGrid5 = MakeGrid(this, "StringGrid5", 2, 2);
    StringGrid5->item(1, 0)->setText(QStringLiteral("index"));
    StringGrid5->setFixedHeight(44);
    BSave = Named(new QPushButton(QStringLiteral("&Save  ")), "BSave");
    Bcancel = Named(new QPushButton(QStringLiteral("&Cancel")), "Bcancel");
    entry->addWidget(Memo1, 0, 0, 1, 2);
    entry->addWidget(StringGrid5, 1, 0, 1, 2);
    entry->addWidget(BSave, 2, 0);
    entry->addWidget(Bcancel, 2, 1);
    GroupBox3->setVisible(false);

    auto* left = new QVBoxLayout;
    left->addWidget(GroupBox2, 1);
    left->addWidget(GroupBox5);
    left->addWidget(GroupBox6);

    // The chart of the shown histogram with its options and characteristics.
    GroupBox4 = Named(new QGroupBox, "GroupBox4");
    auto* shown = new QVBoxLayout(GroupBox4);
    auto* options = new QHBoxLayout;
    chartOptions_ = MakeChartOptions(GroupBox4);
    chartOptions_.Label1->setObjectName(QStringLiteral("Label3"));  // this window's name of the angle label
    chartOptions_.CBValInd->setItemText(0, QStringLiteral("Index x"));
    chartOptions_.CBValInd->setItemText(1, QStringLiteral("Value x"));
    options->addWidget(chartOptions_.CBMarks);
    options->addWidget(chartOptions_.Label1);
    options->addWidget(chartOptions_.Label2);
    options->addWidget(chartOptions_.SpinEdAngle);
    options->addWidget(chartOptions_.CheckBox1);
    options->addWidget(chartOptions_.CBValInd);
    options->addStretch();
    Chart1L = Named(new ChartView, "Chart1L");
    Panel1 = new ChartToolbar(Chart1L, "Panel1");
    StringGrid6 = CaptionedGrid(this, "StringGrid6", 3);
    StringGrid1 = CaptionedGrid(this, "StringGrid1", 4);
    const char* rowCaptions[] = {"Xmin", "Xmax", "Median", "Mode"};
    for (int row = 0; row < 4; ++row) StringGrid1->item(row, 0)->setText(QString::fromLatin1(rowCaptions[row]));
    auto* grids = new QHBoxLayout;
    grids->addWidget(StringGrid6);
    grids->addWidget(StringGrid1);
    shown->addLayout(options);
    shown->addWidget(Chart1L, 1);
    shown->addLayout(grids);

    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox4, 3);
    right->addWidget(StringGrid2, 2);
    right->addWidget(GroupBox3, 2);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 0);
    body->addLayout(right, 1);
    // Nothing moves while the results are hidden for an edit or before the first file.
    KeepPlaceWhenHidden({Chart1L, StringGrid1, Chart1Min});

    auto* window = new QVBoxLayout(this);
    window->addWidget(speedPanel);
    window->addLayout(body, 1);
}

}  // namespace morvik
