// The controls of the parametric distribution window and their places.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
#include "localization/MainWindowTexts.h"
#include "parametric/DistributionCatalogue.h"
#include "parametric/ParametricWindow.h"

namespace morvik {
namespace {

QLineEdit* NumberEdit(const char* name)
{
    auto* edit = Named(new QLineEdit, name);
    edit->setMaximumWidth(140);
    return edit;
}

}  // namespace

void ParametricWindow::BuildControls()
{
    auto* speedPanel = Named(new QWidget, "SpeedPanel");
    auto* tools = new QHBoxLayout(speedPanel);
    tools->setContentsMargins(4, 4, 4, 4);
    BitBtn1 = Named(new QPushButton(QStringLiteral("OK")), "BitBtn1");
    VypocetParaRoz = Named(new QPushButton(QStringLiteral("=")), "VypocetParaRoz");
    ChB_TypHist = Named(new QCheckBox(QStringLiteral("Pure Discrete")), "ChB_TypHist");
    BChar = Named(new QPushButton(QStringLiteral("Char")), "BChar");
    SpeedButton1 = Named(new QToolButton, "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("[ ]"));
    const GraphExportMenu graph = MakeGraphExportMenu();
    UlozGraf = graph.UlozGraf;
    PopupMenu2 = graph.PopupMenu2;
    graphTargets_ = graph.targets;
    for (QWidget* tool :
         std::initializer_list<QWidget*>{BitBtn1, VypocetParaRoz, ChB_TypHist, BChar, SpeedButton1, UlozGraf}) {
        tools->addWidget(tool);
    }
    tools->addStretch();

    // The type list and its parameters.
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(Named(new QLabel(QStringLiteral("Typ")), "Label11"));
    CBTypRozdeleni = Named(new QComboBox, "CBTypRozdeleni");
    for (int type = 0; type < DistributionTypeCount; ++type) {
        CBTypRozdeleni->addItem(QString::fromStdString(TypeListText(type)));
    }
    typeRow->addWidget(CBTypRozdeleni, 1);

    GBParametry = Named(new QGroupBox, "GBParametry");
    auto* parameters = new QGridLayout(GBParametry);
    const char* labelNames[] = {"LabPara1", "LabPara2", "LabPara3", "LabPara4"};
    const char* editNames[] = {"EdPara1", "EdPara2", "EdPara3", "EdPara4"};
    for (int slot = 0; slot < 4; ++slot) {
        LabPara[slot] = Named(new QLabel, labelNames[slot]);
        EdPara[slot] = NumberEdit(editNames[slot]);
        parameters->addWidget(LabPara[slot], slot, 0);
        parameters->addWidget(EdPara[slot], slot, 1);
    }

    GBTypRozd = Named(new QGroupBox(QStringLiteral("  Rozdělení  ")), "GBTypRozd");
    auto* distribution = new QGridLayout(GBTypRozd);
    EdPocetIntervalu = NumberEdit("EdPocetIntervalu");
    EdEps = NumberEdit("EdEps");
    Label6 = Named(new QLabel(QStringLiteral("Eps pro Min (x) ")), "Label6");
    EdMin = NumberEdit("EdMin");
    EdMax = NumberEdit("EdMax");
    distribution->addWidget(Named(new QLabel(QStringLiteral("Intervalů")), "Label4"), 0, 0);
    distribution->addWidget(EdPocetIntervalu, 0, 1);
    distribution->addWidget(Label6, 1, 0);
    distribution->addWidget(EdEps, 1, 1);
    distribution->addWidget(Named(new QLabel(QStringLiteral("Min")), "Label7"), 2, 0);
    distribution->addWidget(EdMin, 2, 1);
    distribution->addWidget(Named(new QLabel(QStringLiteral("Max")), "Label8"), 3, 0);
    distribution->addWidget(EdMax, 3, 1);

    StringGrid1 = MakeGrid(this, "StringGrid1", 4, 2);
    const char* rowCaptions[] = {"Xmin", "Xmax", "Median", "Mode"};
    for (int row = 0; row < 4; ++row) StringGrid1->item(row, 0)->setText(QString::fromLatin1(rowCaptions[row]));
    StringGrid1->setFixedHeight(4 * 20 + 4);
    StringGrid2 = new IntervalTableView(this, "StringGrid2");
    StringGrid2->setMinimumHeight(8 * 20 + 4);  // a few intervals readable even in the smallest window

    auto* left = new QVBoxLayout;
    left->addLayout(typeRow);
    left->addWidget(GBParametry);
    left->addWidget(GBTypRozd);
    left->addWidget(StringGrid1);
    left->addWidget(StringGrid2, 1);

    // The chart and its options.
    auto* panel2 = Named(new QWidget, "Panel2");
    auto* chartColumn = new QVBoxLayout(panel2);
    chartColumn->setContentsMargins(0, 0, 0, 0);
    auto* options = new QHBoxLayout;
    chartOptions_ = MakeChartOptions(panel2);
    chartOptions_.CheckBox1->setText(QStringLiteral("Popisky dat"));
    chartOptions_.CBValInd->setItemText(0, QStringLiteral("Index x"));
    chartOptions_.CBValInd->setItemText(1, QStringLiteral("Value x"));
    chartOptions_.Label1->setText(QStringLiteral("Úhel natočení"));
    chartOptions_.Label2->setText(QStringLiteral("     popisků"));
    options->addWidget(chartOptions_.CBMarks);
    options->addWidget(chartOptions_.Label1);
    options->addWidget(chartOptions_.Label2);
    options->addWidget(chartOptions_.SpinEdAngle);
    options->addWidget(chartOptions_.CheckBox1);
    options->addWidget(chartOptions_.CBValInd);
    options->addStretch();
    Chart1L = Named(new ChartView, "Chart1L");
    Panel1 = new ChartToolbar(Chart1L, "Panel1");
    chartColumn->addLayout(options);
    chartColumn->addWidget(Chart1L, 1);

    // Hiding the chart until a valid input, or a row a distribution has no use for, moves nothing else.
    KeepPlaceWhenHidden({Chart1L, StringGrid2, Label6, EdEps});
    for (int slot = 0; slot < 4; ++slot) KeepPlaceWhenHidden({LabPara[slot], EdPara[slot]});

    auto* body = new QHBoxLayout;
    body->addLayout(left, 0);
    body->addWidget(panel2, 1);
    auto* window = new QVBoxLayout(this);
    window->addWidget(speedPanel);
    window->addLayout(body, 1);
}

}  // namespace morvik
