#include "parametric/ParametricWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include "chart/ChartColour.h"
#include "chart/ChartToolbar.h"
#include "chart/ChartView.h"
#include "dialogs/DialogSeam.h"
#include "histogram/IntervalTable.h"
#include "kit/DesktopCommands.h"
#include "kit/GraphExportMenu.h"
#include "kit/IntervalTableView.h"
#include "kit/NumericKeyFilter.h"
#include "kit/QtText.h"
#include "localization/CaptionSets.h"
#include "localization/MainWindowTexts.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "shell/ChartWindowSettings.h"
#include "shell/ColourSlots.h"
#include "shell/DateTimeText.h"
#include "statlib/MessageDialog.h"
#include "windows/WindowContext.h"

namespace morvik {
namespace {

constexpr int ParametricForm = 12;

void SetTextIfChanged(QLineEdit* edit, const std::string& text)
{
    const QString wanted = ToQString(text);
    if (edit->text() != wanted) edit->setText(wanted);
}

// Line 1 of the chart title in the date and time formats of the settings.
std::string DateTimeLine(const MainWindowSettings& main)
{
    const std::tm now = LocalTimeNow();
    return DateText(now, main.DateSeparator) + " , " + TimeText(now, main.TimeSeparator);
}

}  // namespace

ParametricWindow::ParametricWindow(WindowContext& context, QWidget* parent)
    : ToolWindow(ParametricForm, context, parent)
{
    BuildControls();
    ConnectControls();
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void ParametricWindow::ConnectControls()
{
    const std::pair<QLineEdit*, FieldBinding> bindings[] = {
        {EdPara[0], {ParametricField::Para1, KeySet::Real}},
        {EdPara[1], {ParametricField::Para2, KeySet::Real}},
        {EdPara[2], {ParametricField::Para3, KeySet::Real}},
        {EdPara[3], {ParametricField::Para4, KeySet::UnsignedReal}},
        {EdEps, {ParametricField::Eps, KeySet::Real}},
        {EdPocetIntervalu, {ParametricField::Intervals, KeySet::Digits}},
        {EdMin, {ParametricField::Min, KeySet::Real}},
        {EdMax, {ParametricField::Max, KeySet::Real}},
    };
    for (const auto& [edit, binding] : bindings) {
        fields_[edit] = binding;
        edit->installEventFilter(new NumericKeyFilter(binding.keys, edit));
        edit->installEventFilter(this);
        const ParametricField field = binding.field;
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            model_.EditText(field, text.toStdString());
            Chart1L->setVisible(false);
        });
    }
    CBTypRozdeleni->installEventFilter(this);

    connect(VypocetParaRoz, &QPushButton::clicked, this, &ParametricWindow::VypocetParaRozClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(CBTypRozdeleni, &QComboBox::activated, this,
            [this](int index) { Run([this, index] { return model_.ChangeType(index); }); });
    connect(ChB_TypHist, &QCheckBox::clicked, this,
            [this](bool checked) { Run([this, checked] { return model_.SetPureDiscrete(checked); }); });
    connect(BChar, &QPushButton::clicked, this, [this] {
        Dialogs().ShowMessage(TextCis(msg::CharacteristicsTitle), model_.CharacteristicsDialogText(),
                              DialogKind::Information, DialogButtons::Ok, DialogResultOk);
    });
    connect(StringGrid1, &QTableWidget::cellClicked, this, [] {
        Dialogs().ShowMessage(TextCis(msg::ConfirmationTitle), TextCis(msg::ParametricGridHelp),
                              DialogKind::Information, DialogButtons::Ok, DialogResultOk);
    });
    chartOptions_.Connect(
        this,
        [this] {
            if (model_.ChartShown()) Redisplay();
        },
        main_.index1, [this](bool index1) { emit indexLabelsChanged(index1); });
    connect(UlozGraf, &QToolButton::clicked, this,
            [this] { ExportChart(*Chart1L, CheckedGraphTarget(graphTargets_), AppFolders().GraphsFolder); });
    ConnectGraphTargets(graphTargets_);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { CaptureScreenToClipboard(this); });
}

void ParametricWindow::Start()
{
    model_.Start();
    chartOptions_.CheckBox1->blockSignals(true);
    chartOptions_.CheckBox1->setChecked(false);
    chartOptions_.CheckBox1->blockSignals(false);
    Refresh();
    show();
    raise();
    activateWindow();
    VypocetParaRozClick();
}

void ParametricWindow::VypocetParaRozClick()
{
    Run([this] { return model_.Compute(); });
}

void ParametricWindow::Run(const std::function<ParametricStep()>& command)
{
    if (running_) return;
    running_ = true;
    // Some distributions take a noticeable time to find their range.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ParametricStep step = command();
    QApplication::restoreOverrideCursor();
    Refresh();
    if (model_.ChartShown()) Redisplay();
    for (const Message& message : step.messages) ShowMessage(message);
    if (QWidget* field = FieldWidget(step.focus)) field->setFocus(Qt::OtherFocusReason);
    running_ = false;
}

QWidget* ParametricWindow::FieldWidget(ParametricField field) const
{
    for (const auto& [widget, binding] : fields_) {
        if (binding.field == field) return static_cast<QWidget*>(widget);
    }
    return nullptr;
}

void ParametricWindow::Refresh()
{
    CBTypRozdeleni->setCurrentIndex(model_.Type());
    ChB_TypHist->setChecked(model_.PureDiscrete());
    GBParametry->setTitle(ToQString("  " + model_.GroupCaption() + "  "));
    const ParametricField parameterFields[] = {ParametricField::Para1, ParametricField::Para2, ParametricField::Para3,
                                               ParametricField::Para4};
    for (int slot = 0; slot < 4; ++slot) {
        LabPara[slot]->setText(ToQString(model_.ParameterLabel(slot)));
        LabPara[slot]->setVisible(model_.ParameterVisible(slot));
        EdPara[slot]->setVisible(model_.ParameterVisible(slot));
        EdPara[slot]->setEnabled(model_.ParametersEnabled());
        SetTextIfChanged(EdPara[slot], model_.Text(parameterFields[slot]));
    }
    EdPara[2]->setReadOnly(model_.Para3ReadOnly());
    SetTextIfChanged(EdEps, model_.Text(ParametricField::Eps));
    SetTextIfChanged(EdPocetIntervalu, model_.Text(ParametricField::Intervals));
    SetTextIfChanged(EdMin, model_.Text(ParametricField::Min));
    SetTextIfChanged(EdMax, model_.Text(ParametricField::Max));
    EdEps->setVisible(model_.EpsVisible());
    Label6->setVisible(model_.EpsVisible());
    EdPocetIntervalu->setEnabled(model_.IntervalsEnabled());
    EdMin->setEnabled(model_.RangeEnabled());
    EdMax->setEnabled(model_.RangeEnabled());
    BChar->setEnabled(model_.CharEnabled());
    Chart1L->setVisible(model_.ChartShown());
    StringGrid2->setVisible(model_.Shown().has_value());
    if (!model_.Shown()) {
        for (int row = 0; row < 4; ++row) StringGrid1->item(row, 1)->setText(QString());
    }
}

void ParametricWindow::Redisplay()
{
    Chart1L->setModel(model_.Chart(main_, chartBackground_, chartOptions_.Marks(), DateTimeLine(main_)));
    Chart1L->setVisible(true);

    const std::array<std::string, 4> characteristics = model_.CharacteristicsGrid();
    for (int row = 0; row < 4; ++row) StringGrid1->item(row, 1)->setText(ToQString(characteristics[row]));
    ShowIntervalTable();
}

void ParametricWindow::ShowIntervalTable()
{
    IntervalTableContent content;
    const Histogram shown = model_.ShownHistogram();
    const HistogramKind kind = model_.ShownKind();
    content.rows = IntervalTableRowCount(shown, kind);
    content.text = [shown, kind](int row) { return IntervalTableRowAt(shown, kind, row); };
    if (main_.colourHighlight) content.shade = [rows = content.rows](int row) { return AlternateRowShade(rows, row); };
    content.plainColour = ParametricWindowModel::IntervalRowColour;
    StringGrid2->Show(std::move(content));
    StringGrid2->FitColumnsToText();
}

bool ParametricWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == CBTypRozdeleni) {
            if (!enter) return false;
            VypocetParaRozClick();
            focusNextChild();
            return true;
        }
        const auto found = fields_.find(watched);
        if (found == fields_.end()) return false;
        if (enter) {
            focusNextChild();  // leaving the field runs its exit rule
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        const auto found = fields_.find(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another program or opening a menu is not leaving the field.
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (found != fields_.end() && left && !running_ && isVisible()) {
            const ParametricField field = found->second.field;
            Run([this, field] { return model_.LeaveField(field); });
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

std::optional<PublishedResult> ParametricWindow::TakeResult()
{
    const std::optional<GeneratedHistogram> handed = model_.Close();
    StringGrid1->item(2, 1)->setText(QString());
    StringGrid1->item(3, 1)->setText(QString());
    chartOptions_.CheckBox1->blockSignals(true);
    chartOptions_.CheckBox1->setChecked(false);
    chartOptions_.CheckBox1->blockSignals(false);
    Refresh();
    if (!handed) return std::nullopt;
    return PublishedResult{handed->histogram, handed->kind, handed->name, std::string()};
}

void ParametricWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    for (int type = 0; type < DistributionTypeCount; ++type) {
        CBTypRozdeleni->setItemText(type, ToQString(TypeListText(type, language)));
    }
    // Texts this window shares with the main window.
    ApplyClipboardCaption(graphTargets_[0], language);
    chartOptions_.ApplyLanguage(language);
    Refresh();
    if (model_.ChartShown()) Redisplay();
}

void ParametricWindow::ReadSettings()
{
    ToolWindow::ReadSettings();
    model_ = ParametricWindowModel(ReadGenerationFields(Settings(), ParametricForm));
    chartBackground_ = chartOptions_.ReadKeys(Settings(), ParametricForm);
    SetMainWindowSettings(ReadMainWindowSettings(Settings()));
}

void ParametricWindow::WriteSettings()
{
    ToolWindow::WriteSettings();
    WriteGenerationFields(Settings(), ParametricForm, model_.FieldsToKeep());
    chartOptions_.WriteKeys(Settings(), ParametricForm, chartBackground_);
}

// The chart's command bar shows while the window fills the screen's width and the user keeps it on.
void ParametricWindow::PlaceChartToolbar()
{
    Panel1->Place(Panel1->sizeHint().width() + 8, 3, main_.TCharCom && (isMaximized() || SpansScreenWidth(this)));
}

void ParametricWindow::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    PlaceChartToolbar();
}

void ParametricWindow::changeEvent(QEvent* event)
{
    ToolWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) PlaceChartToolbar();
}

void ParametricWindow::SetMainWindowSettings(const MainWindowSettings& settings)
{
    main_ = settings;
    PlaceChartToolbar();
    chartOptions_.CBValInd->setCurrentIndex(main_.index1 ? 0 : 1);
    if (model_.ChartShown()) Redisplay();
}

void ParametricWindow::TakeColours(const MainWindowColours& colours)
{
    ToolWindow::TakeColours(colours);
    if (TakeChartWindowColours(colours, ParametricForm, main_.colours, chartBackground_) && model_.ChartShown())
        Redisplay();
}

}  // namespace morvik
