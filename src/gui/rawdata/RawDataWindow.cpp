#include "rawdata/RawDataWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBlock>
#include <QThread>
#include <QToolButton>

#include "chart/ChartToolbar.h"
#include "chart/ChartView.h"
#include "dialogs/DialogSeam.h"
#include "histogram/IntervalTable.h"
#include "kit/DesktopCommands.h"
#include "kit/GraphExportMenu.h"
#include "kit/Grids.h"
#include "kit/IntervalTableView.h"
#include "kit/NumericKeyFilter.h"
#include "kit/QtText.h"
#include "kit/Screen.h"
#include "localization/CaptionSets.h"
#include "localization/MainWindowTexts.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "parametric/DistributionCatalogue.h"
#include "rawdata/FitRankingWindow.h"
#include "rawdata/RawListingModel.h"
#include "rawdata/TypedRawData.h"
#include "shell/ChartWindowSettings.h"
#include "shell/ColourSlots.h"
#include "shell/DateTimeText.h"
#include "shell/Folders.h"
#include "statlib/MessageDialog.h"
#include "windows/WindowContext.h"

namespace morvik {
namespace {

constexpr int RawDataForm = 14;
constexpr const char* RawDataFilter = "Distributions Files (*.txt)|*.txt|All files (*.*)|*.*";

// The open and save dialogs of raw data files.
FileDialogRequest RawDataRequest(const Folders& folders)
{
    FileDialogRequest request;
    request.folder = folders.RawDataFolder;
    request.filter = RawDataFilter;
    request.defaultSuffix = "txt";
    request.fileName = "Raw_Data";
    return request;
}

void SetTextIfChanged(QLineEdit* edit, const std::string& text)
{
    const QString wanted = ToQString(text);
    if (edit->text() != wanted) edit->setText(wanted);
}

void SetColumn(QTableWidget* grid, std::span<const std::string> texts)
{
    for (size_t row = 0; row < texts.size(); ++row)
        grid->item(static_cast<int>(row), 1)->setText(ToQString(texts[row]));
}

std::string DateTimeLine(const MainWindowSettings& main)
{
    const std::tm now = LocalTimeNow();
    return DateText(now, main.DateSeparator) + " , " + TimeText(now, main.TimeSeparator);
}

void ShowHelp(int title, const std::string& text)
{
    Dialogs().ShowMessage(TextCis(title), text, DialogKind::Information, DialogButtons::Ok, DialogResultOk);
}

}  // namespace

RawDataWindow::RawDataWindow(WindowContext& context, QWidget* parent) : ToolWindow(RawDataForm, context, parent)
{
    BuildControls();
    FitCaptionColumns(this, RawDataWindowCaptionSet(Language::Czech), RawDataWindowCaptionSet(Language::English));
    ConnectControls();
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

RawDataWindow::~RawDataWindow()
{
    if (fitThread_) fitThread_->wait();
}

void RawDataWindow::BTabCharClick()
{
    if (!model_.Ranking() || FitRunning()) return;
    if (!rankingWindow_) {
        rankingWindow_ = std::make_unique<FitRankingWindow>(Context(), model_);
        connect(rankingWindow_.get(), &FitRankingWindow::fitChanged, this, [this] {
            Refresh();
            Redisplay();
        });
        connect(rankingWindow_.get(), &ToolWindow::closed, this, [this] { setEnabled(true); });
    }
    setEnabled(false);
    rankingWindow_->Start();
}

void RawDataWindow::ConnectControls()
{
    const std::pair<QLineEdit*, std::pair<RawDataField, KeySet>> bindings[] = {
        {EdPocetIntervalu, {RawDataField::Intervals, KeySet::Digits}},
        {EdMin, {RawDataField::Min, KeySet::Real}},
        {EdMax, {RawDataField::Max, KeySet::Real}},
        {EdEps, {RawDataField::Eps, KeySet::Real}},
    };
    for (const auto& [edit, binding] : bindings) {
        const RawDataField field = binding.first;
        fields_[edit] = field;
        edit->installEventFilter(new NumericKeyFilter(binding.second, edit));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            model_.EditText(field, text.toStdString());
            Refresh();
        });
    }
    connect(OpenData, &QToolButton::clicked, this, &RawDataWindow::OpenDataClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(Button2, &QPushButton::clicked, this, [this] { Build([this] { return model_.Build(); }); });
    connect(BuParam, &QPushButton::clicked, this, &RawDataWindow::BuParamClick);
    connect(BTabChar, &QPushButton::clicked, this, &RawDataWindow::BTabCharClick);
    connect(ChB_TypHist, &QCheckBox::clicked, this,
            [this](bool checked) { Build([this, checked] { return model_.SetPureDiscrete(checked); }); });
    connect(CBTypPara, &QComboBox::activated, this,
            [this](int index) { Run([this, index] { return model_.ChooseFit(index); }); });
    connect(BChar, &QPushButton::clicked, this, [this] {
        const std::string text = model_.CharacteristicsDialogText();
        if (!text.empty()) ShowHelp(msg::CharacteristicsTitle, text);
    });
    connect(StringGrid1, &QTableWidget::cellClicked, this, [] { ShowHelp(1, TextCis(msg::ParametricGridHelp)); });
    connect(StringGrid3, &QTableWidget::cellClicked, this, [] { ShowHelp(1, TextCis(msg::RawGridHelp)); });
    connect(StringGrid6, &QTableWidget::cellClicked, this, [this] {
        if (BTabChar->isEnabled() && model_.ChosenFit() >= 0)
            ShowHelp(79, FormatText(msg::ParametricHistogramHelp, CBTypPara->currentText().toStdString()));
        else ShowHelp(79, TextCis(msg::RawHistogramHelp));
    });
    chartOptions_.Connect(
        this, [this] { Redisplay(); }, main_.index1, [this](bool index1) { emit indexLabelsChanged(index1); });
    connect(UlozGraf, &QToolButton::clicked, this, &RawDataWindow::ExportGraph);
    ConnectGraphTargets(graphTargets_);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { CaptureScreenToClipboard(this); });

    // Typed data.
    connect(BNovy, &QPushButton::clicked, this, [this] {
        GroupBox3->setVisible(true);
        StringGrid2->setVisible(false);
        StringGrid5->item(0, 1)->setText(ToQString(TypedLineCountText(0)));
        StringGrid5->item(1, 1)->setText(QString());
        Memo1->setFocus(Qt::OtherFocusReason);
    });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        StringGrid5->item(0, 1)->setText(ToQString(TypedLineCountText(Memo1->document()->blockCount())));
        StringGrid5->item(1, 1)->setText(QString());
    });
    connect(Memo1, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        StringGrid5->item(1, 1)->setText(ToQString(TypedCaretLineText(Memo1->textCursor().blockNumber())));
    });
    connect(Bcancel, &QPushButton::clicked, this, [this] {
        GroupBox3->setVisible(false);
        Refresh();
    });
    connect(BSave, &QPushButton::clicked, this, &RawDataWindow::SaveTypedData);
}

void RawDataWindow::Start()
{
    model_ = RawDataWindowModel(model_.FieldsToKeep());
    listing_->Show(0, {});
    Memo1->clear();
    GroupBox3->setVisible(false);
    UncheckMarks();
    ProgressBar1->setValue(0);
    Refresh();
    show();
    raise();
    activateWindow();
}

void RawDataWindow::OpenDataClick()
{
    if (running_ || FitRunning()) return;
    const std::optional<std::string> path = Dialogs().OpenFile(RawDataRequest(AppFolders()));
    if (!path) return;
    const std::string file = *path;
    Build([this, file] { return model_.OpenFile(file); });
}

void RawDataWindow::SaveTypedData()
{
    std::vector<std::string> lines;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next()) {
        lines.push_back(block.text().toStdString());
    }
    if (Memo1->toPlainText().isEmpty()) lines.clear();
    if (const TypedDataCheck check = CheckTypedData(lines); check.message) {
        ShowMessage(*check.message);
        GroupBox3->setVisible(false);
        Refresh();
        return;
    }
    const std::optional<std::string> path = Dialogs().SaveFile(RawDataRequest(AppFolders()));
    if (!path) {
        GroupBox3->setVisible(false);
        Refresh();
        return;
    }
    if (QFileInfo::exists(QString::fromStdString(*path)) && ShowMessage(OverwriteQuestion(*path)) != DialogResultYes)
        return;
    if (const std::optional<Message> failure = morvik::SaveTypedData(lines, *path)) {
        ShowMessage(*failure);
        return;
    }
    GroupBox3->setVisible(false);
    const std::string file = *path;
    Build([this, file] { return model_.OpenFile(file); });
}

void RawDataWindow::BuParamClick()
{
    if (running_ || FitRunning() || !model_.HasData()) return;
    UncheckMarks();
    SetBusy(true);
    ProgressBar1->setRange(0, DistributionTypeCount);
    ProgressBar1->setValue(0);
    auto step = std::make_shared<RawDataStep>();
    // The model is left to the fit thread until it ends: the controls that reach it are disabled meanwhile.
    fitThread_ = QThread::create([this, step] {
        *step = model_.Fit([this](int type) {
            QMetaObject::invokeMethod(
                this, [this, type] { ProgressBar1->setValue(type + 1); }, Qt::QueuedConnection);
        });
    });
    // A child of the window: a window destroyed while its fit runs waits for it and then deletes it too.
    fitThread_->setParent(this);
    connect(fitThread_, &QThread::finished, this, [this, step] {
        fitThread_->deleteLater();
        fitThread_ = nullptr;
        FitEnded(std::move(*step));
    });
    fitThread_->start();
}

void RawDataWindow::FitEnded(RawDataStep step)
{
    ProgressBar1->setValue(ProgressBar1->maximum());
    SetBusy(false);
    Refresh();
    Redisplay();
    for (const Message& message : step.messages) ShowMessage(message);
    // A fit that ranks opens the table of the ranking at once.
    if (model_.Ranking()) BTabCharClick();
    emit fitFinished();
}

void RawDataWindow::SetBusy(bool busy)
{
    for (QWidget* control : std::initializer_list<QWidget*>{OpenData, BNovy, ChB_TypHist, GroupBox2, GroupBox5,
                                                            CBTypPara, EdEps, BChar, BitBtn1}) {
        control->setEnabled(!busy);
    }
    if (busy) QApplication::setOverrideCursor(Qt::BusyCursor);
    else QApplication::restoreOverrideCursor();
}

void RawDataWindow::UncheckMarks()
{
    const QSignalBlocker quiet(chartOptions_.CheckBox1);
    chartOptions_.CheckBox1->setChecked(false);
}

void RawDataWindow::Build(const std::function<RawDataStep()>& command)
{
    // Every build starts with the marks hidden.
    if (running_ || FitRunning()) return;
    UncheckMarks();
    Run(command);
}

void RawDataWindow::Run(const std::function<RawDataStep()>& command)
{
    if (running_ || FitRunning()) return;
    running_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RawDataStep step = command();
    QApplication::restoreOverrideCursor();
    Refresh();
    Redisplay();
    for (const Message& message : step.messages) ShowMessage(message);
    if (QWidget* field = FieldWidget(step.focus)) field->setFocus(Qt::OtherFocusReason);
    running_ = false;
}

QWidget* RawDataWindow::FieldWidget(RawDataField field) const
{
    for (const auto& [widget, bound] : fields_) {
        if (bound == field) return static_cast<QWidget*>(widget);
    }
    return nullptr;
}

void RawDataWindow::Refresh()
{
    if (FitRunning()) return;
    SetTextIfChanged(EdPocetIntervalu, model_.Text(RawDataField::Intervals));
    SetTextIfChanged(EdMin, model_.Text(RawDataField::Min));
    SetTextIfChanged(EdMax, model_.Text(RawDataField::Max));
    SetTextIfChanged(EdEps, model_.Text(RawDataField::Eps));
    SetTextIfChanged(EdNazev, model_.FileName());
    ChB_TypHist->setChecked(model_.PureDiscrete());
    if (listing_->rowCount() != (model_.HasData() ? model_.Data()->Count() : 0)) {
        if (model_.HasData()) listing_->Show(model_.Data()->Count(), [this](int j) { return model_.ListingLine(j); });
        else listing_->Show(0, {});
    }
    const std::array<std::string, 4> data = model_.DataGrid();
    SetColumn(StringGrid3, data);
    const bool hasData = model_.HasData();
    EdPocetIntervalu->setEnabled(hasData);
    EdEps->setEnabled(hasData);
    BuParam->setEnabled(hasData);
    Button2->setEnabled(hasData);

    const std::vector<std::string> fits = model_.FitList();
    CBTypPara->clear();
    for (const std::string& fit : fits) CBTypPara->addItem(ToQString(fit));
    CBTypPara->setCurrentIndex(model_.ChosenFit());
    StringGrid4->item(0, 1)->setText(ToQString(model_.ClosenessText()));
    BTabChar->setEnabled(model_.Ranking().has_value());

    const bool shown = model_.Histogram().has_value();
    GroupBox4->setTitle(ToQString(model_.ShownCaption()));
    BChar->setEnabled(shown);
    UlozGraf->setEnabled(shown);
    Chart1L->setVisible(shown);
    Chart1Min->setVisible(shown);
    StringGrid1->setVisible(shown);
    StringGrid2->setVisible(shown && !GroupBox3->isVisible());
    if (!shown) {
        SetColumn(StringGrid1, std::array<std::string, 4>{});
        SetColumn(StringGrid6, std::array<std::string, 3>{});
    }
}

void RawDataWindow::Redisplay()
{
    if (FitRunning()) return;  // the fit owns the model until it ends
    const std::optional<Histogram> shown = model_.ShownHistogram();
    if (!shown) return;
    Chart1L->setModel(model_.Chart(main_, chartBackground_, chartOptions_.Marks(), DateTimeLine(main_)));
    Chart1Min->setModel(model_.DataChart(main_));
    SetColumn(StringGrid1, model_.CharacteristicsGrid());
    SetColumn(StringGrid6, model_.MomentsGrid());
    IntervalTableContent content;
    const Histogram table = *shown;
    const HistogramKind kind = model_.ShownKind();
    content.rows = IntervalTableRowCount(table, kind);
    content.text = [table, kind](int row) { return IntervalTableRowAt(table, kind, row); };
    if (main_.colourHighlight) content.shade = [rows = content.rows](int row) { return AlternateRowShade(rows, row); };
    content.plainColour = RawDataWindowModel::IntervalRowColour;
    StringGrid2->Show(std::move(content));
}

void RawDataWindow::ExportGraph()
{
    ExportChart(*Chart1L, CheckedGraphTarget(graphTargets_), AppFolders().GraphsFolder);
}

bool RawDataWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && fields_.count(watched)) {
            focusNextChild();  // leaving the field runs its rule
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        const auto found = fields_.find(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        // Leaving a field that was not changed builds nothing and leaves the marks as they are.
        if (found != fields_.end() && left && !running_ && !FitRunning() && isVisible() && model_.EditPending()) {
            const RawDataField field = found->second;
            Build([this, field] { return model_.LeaveField(field); });
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void RawDataWindow::closeEvent(QCloseEvent* event)
{
    // The fit works on the window's data until it ends.
    if (FitRunning()) {
        event->ignore();
        return;
    }
    if (rankingWindow_ && rankingWindow_->isVisible()) rankingWindow_->close();
    ToolWindow::closeEvent(event);
}

std::optional<PublishedResult> RawDataWindow::TakeResult()
{
    const std::optional<RawDataResult> handed = model_.Close();
    UncheckMarks();
    Refresh();
    if (!handed) return std::nullopt;
    return PublishedResult{handed->histogram, handed->kind, handed->name, std::string()};
}

void RawDataWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    if (rankingWindow_) rankingWindow_->ApplyLanguage(language);
    chartOptions_.ApplyLanguage(language);
    Refresh();
    Redisplay();
}

void RawDataWindow::ReadSettings()
{
    ToolWindow::ReadSettings();
    model_ = RawDataWindowModel(ReadGenerationFields(Settings(), RawDataForm));
    chartBackground_ = chartOptions_.ReadKeys(Settings(), RawDataForm);
    SetMainWindowSettings(ReadMainWindowSettings(Settings()));
}

void RawDataWindow::WriteSettings()
{
    ToolWindow::WriteSettings();
    WriteGenerationFields(Settings(), RawDataForm, model_.FieldsToKeep());
    chartOptions_.WriteKeys(Settings(), RawDataForm, chartBackground_);
}

void RawDataWindow::PlaceChartToolbar()
{
    Panel1->Place(Panel1->sizeHint().width() + 8, 15,
                  main_.TCharCom && StringGrid1->isVisible() && (isMaximized() || SpansScreenWidth(this)));
}

void RawDataWindow::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    PlaceChartToolbar();
}

void RawDataWindow::SetMainWindowSettings(const MainWindowSettings& settings)
{
    main_ = settings;
    PlaceChartToolbar();
    chartOptions_.CBValInd->setCurrentIndex(main_.index1 ? 0 : 1);
    Redisplay();
}

void RawDataWindow::TakeColours(const MainWindowColours& colours)
{
    ToolWindow::TakeColours(colours);
    if (TakeChartWindowColours(colours, RawDataForm, main_.colours, chartBackground_)) Redisplay();
}

}  // namespace morvik
