#include "distribution/DistributionFunctionWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart/ChartToolbar.h"
#include "chart/ChartView.h"
#include "kit/DesktopCommands.h"
#include "kit/IntervalTableView.h"
#include "kit/Named.h"
#include "kit/QtText.h"
#include "kit/Screen.h"
#include "localization/CaptionSets.h"
#include "localization/MainWindowTexts.h"
#include "shell/ChartWindowSettings.h"
#include "shell/ColourSlots.h"
#include "shell/Folders.h"

namespace morvik {
namespace {

constexpr int DistributionForm = 10;

}  // namespace

DistributionFunctionWindow::DistributionFunctionWindow(WindowContext& context, QWidget* parent)
    : ToolWindow(DistributionForm, context, parent)
{
    BuildControls();
    ConnectControls();
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void DistributionFunctionWindow::BuildControls()
{
    auto* tools = new QHBoxLayout;
    ExitBtn = Named(new QPushButton(QStringLiteral("OK")), "ExitBtn");
    tools->addWidget(ExitBtn);
    SpeedButton1 = Named(new QToolButton, "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("[ ]"));
    const GraphExportMenu graph = MakeGraphExportMenu();
    UlozGraf = graph.UlozGraf;
    graphTargets_ = graph.targets;
    OtevriWord = Named(new QToolButton, "OtevriWord");
    OtevriWord->setText(QStringLiteral("W"));
    for (QWidget* tool : std::initializer_list<QWidget*>{SpeedButton1, UlozGraf, OtevriWord}) tools->addWidget(tool);
    chartOptions_ = MakeChartOptions(this);
    chartOptions_.CheckBox1->setText(QStringLiteral("Popisky dat"));
    chartOptions_.CBValInd->setItemText(0, QStringLiteral("Index x"));
    chartOptions_.CBValInd->setItemText(1, QStringLiteral("Value x"));
    chartOptions_.Label1->setText(QStringLiteral("Úhel natočení"));
    chartOptions_.Label2->setText(QStringLiteral("     popisků"));
    tools->addWidget(chartOptions_.CBMarks);
    tools->addWidget(chartOptions_.Label1);
    tools->addWidget(chartOptions_.Label2);
    tools->addWidget(chartOptions_.SpinEdAngle);
    tools->addWidget(chartOptions_.CheckBox1);
    tools->addWidget(chartOptions_.CBValInd);
    tools->addStretch();

    StringGrid2 = new IntervalTableView(this, "StringGrid2");
    StringGrid2->setMinimumWidth(220);
    Chart1L = Named(new ChartView, "Chart1L");
    Panel2 = new ChartToolbar(Chart1L, "Panel2");

    auto* body = new QHBoxLayout;
    body->addWidget(StringGrid2, 0);
    body->addWidget(Chart1L, 1);
    auto* window = new QVBoxLayout(this);
    window->addLayout(tools);
    window->addLayout(body, 1);
}

void DistributionFunctionWindow::ConnectControls()
{
    connect(ExitBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { CaptureScreenToClipboard(this); });
    connect(UlozGraf, &QToolButton::clicked, this,
            [this] { ExportChart(*Chart1L, CheckedGraphTarget(graphTargets_), AppFolders().GraphsFolder); });
    ConnectGraphTargets(graphTargets_);
    connect(OtevriWord, &QToolButton::clicked, this, [this] { StartWordProcessor(this); });
    chartOptions_.Connect(
        this, [this] { Redisplay(); }, main_.index1, [this](bool index1) { emit indexLabelsChanged(index1); });
}

bool DistributionFunctionWindow::Open(const Histogram& result, HistogramKind kind, const std::string& histogramName,
                                      const std::vector<std::string>& titleLines, Colour titleColour)
{
    model_ = DistributionFunctionModel::Open(result, kind, histogramName);
    if (!model_) return false;
    titleLines_ = titleLines;
    titleColour_ = titleColour;
    {
        const QSignalBlocker quiet(chartOptions_.CheckBox1);
        chartOptions_.CheckBox1->setChecked(false);
    }
    ApplyLanguage(CurrentLanguage());
    show();
    raise();
    activateWindow();
    PlaceCommandBar();
    return true;
}

void DistributionFunctionWindow::Redisplay()
{
    if (!model_) return;
    DistributionChartOptions options;
    options.titleLines = titleLines_;
    options.titleColour = titleColour_;
    options.barColour = main_.colours.distributionBars;
    options.background = chartBackground_;
    options.indexLabels = main_.index1;
    options.marks = chartOptions_.Marks();
    Chart1L->setModel(model_->Chart(options));

    IntervalTableContent content;
    const std::vector<DistributionTableRow> rows = model_->TableRows();
    content.rows = static_cast<int>(rows.size());
    content.text = [rows](int row) { return rows[static_cast<size_t>(row)]; };
    if (main_.colourHighlight) {
        content.shade = [model = *model_](int row) { return model.RowShaded(row) ? RowShade::Plain : RowShade::None; };
    }
    content.plainColour = DistributionFunctionModel::ShadedRowColour;
    StringGrid2->Show(std::move(content));
    StringGrid2->FitColumnsToText();
}

void DistributionFunctionWindow::ApplyLanguage(Language language)
{
    // The shared list texts first: the window's own caption set words item 1 its way.
    chartOptions_.ApplyLanguage(language);
    ToolWindow::ApplyLanguage(language);
    // The marks check box and the angle's captions are the main window's.
    const auto mainSet = MainWindowCaptionSet(language);
    auto mainCaption = [&mainSet](const QWidget* control) {
        return ToQString(FindCaption(mainSet, ToStdString(control->objectName())).value_or(""));
    };
    chartOptions_.CheckBox1->setText(mainCaption(chartOptions_.CheckBox1));
    chartOptions_.Label1->setText(mainCaption(chartOptions_.Label1));
    chartOptions_.Label2->setText(mainCaption(chartOptions_.Label2));
    ApplyClipboardCaption(graphTargets_[0], language);
    // The caption names the histogram once there is one; the axis titles follow the language.
    if (model_) setWindowTitle(ToQString(model_->Caption()));
    Redisplay();
}

void DistributionFunctionWindow::ReadSettings()
{
    ToolWindow::ReadSettings();
    chartBackground_ = chartOptions_.ReadKeys(Settings(), DistributionForm);
}

void DistributionFunctionWindow::WriteSettings()
{
    ToolWindow::WriteSettings();
    chartOptions_.WriteKeys(Settings(), DistributionForm, chartBackground_);
}

void DistributionFunctionWindow::SetMainWindowSettings(const MainWindowSettings& settings)
{
    main_ = settings;
    chartOptions_.CBValInd->setCurrentIndex(main_.index1 ? 0 : 1);
    PlaceCommandBar();
    Redisplay();
}

void DistributionFunctionWindow::PlaceCommandBar()
{
    const int chartRight = Chart1L->width();
    const CommandBarPlace place =
        DistributionCommandBar(isMaximized() ? ScreenWidth() : width(), ScreenWidth(), chartRight, main_.TCharCom);
    Panel2->Place(chartRight - place.left, 0, place.visible);
}

void DistributionFunctionWindow::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    PlaceCommandBar();
}

void DistributionFunctionWindow::TakeColours(const MainWindowColours& colours)
{
    ToolWindow::TakeColours(colours);
    if (TakeChartWindowColours(colours, DistributionForm, main_.colours, chartBackground_)) Redisplay();
}

}  // namespace morvik
