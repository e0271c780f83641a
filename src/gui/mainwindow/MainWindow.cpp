#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "chart/ChartToolbar.h"
#include "chart/ChartView.h"
#include "kit/Grids.h"
#include "kit/IntervalTableView.h"
#include "kit/MenuShortcuts.h"
#include "kit/QtTranslations.h"
#include "kit/Screen.h"
#include "localization/CaptionSets.h"
#include "localization/MainWindowNames.h"
#include "localization/MainWindowTexts.h"
#include "localization/MessageNumbers.h"
#include "mainwindow/WidgetTexts.h"
#include "shell/ColoursWindow.h"
#include "shell/DateTimeText.h"
#include "shell/StartPlacement.h"
#include "shell/WindowPlacement.h"
#include "statlib/MessageDialog.h"
#include "windows/CaptionApplier.h"
#include "windows/ProgramWindows.h"
#include "windows/WindowContext.h"

namespace morvik {

MainWindow::MainWindow(WindowContext& context, std::string version, QWidget* parent)
    : QMainWindow(parent), context_(context), version_(std::move(version))
{
    setObjectName(QString::fromLatin1(names::TForm1));
    BuildMenus();
    BuildToolPanel();
    BuildInputPanel();
    BuildResultPanel();
    BuildCentre();
    BuildStatusBar();
    MenuShortcutsWin(this);

    connect(Act(names::Otevthistogram1), &QAction::triggered, this, &MainWindow::OpenHistogramCommand);
    connect(Act(names::Ulozit3), &QAction::triggered, this, &MainWindow::SaveHistogramClick);
    connect(Act(names::Ulozit2), &QAction::triggered, this, &MainWindow::SaveResultsClick);
    connect(Act(names::BChar1), &QAction::triggered, this, &MainWindow::CharacteristicsClick);
    connect(Act(names::AbsHodHist1), &QAction::triggered, this, &MainWindow::AbsoluteValueClick);
    connect(Act(names::Konec1), &QAction::triggered, this, &MainWindow::ExitClick);
    connect(Act(names::Zasobnik1), &QAction::triggered, this, &MainWindow::EmptyReOpenStackClick);
    connect(Act(names::DefaultNast1), &QAction::triggered, this, &MainWindow::DefaultValuesClick);
    connect(Act(names::OAdresach1), &QAction::triggered, this, &MainWindow::FoldersInfoClick);
    connect(Act(names::Cestina), &QAction::triggered, this, &MainWindow::CzechClick);
    connect(Act(names::Anglictina), &QAction::triggered, this, &MainWindow::EnglishClick);
    connect(Act(names::index1), &QAction::triggered, this, &MainWindow::IndexLabelsClick);
    connect(Act(names::NonIndex), &QAction::triggered, this, &MainWindow::ValueLabelsClick);
    connect(Act(names::Ano1), &QAction::triggered, this, [this] {
        options_.colourHighlight = true;
        ColourIntervalTable();
    });
    connect(Act(names::Ne1), &QAction::triggered, this, [this] {
        options_.colourHighlight = false;
        ColourIntervalTable();
    });
    auto separator = [this](const char* name, char* target, char value) {
        connect(Act(name), &QAction::triggered, this, [this, target, value] {
            *target = value;
            UpdateClock();
            if (model_.HasHistogram()) RedrawHistogram();  // the chart's title carries the date and time
        });
    };
    separator(names::tecka1, &options_.DateSeparator, '.');
    separator(names::minus1, &options_.DateSeparator, '-');
    separator(names::lomitko1, &options_.DateSeparator, '/');
    separator(names::tecka2, &options_.TimeSeparator, '.');
    separator(names::dvojtecka1, &options_.TimeSeparator, ':');
    connect(Act(names::KontVypis), &QAction::toggled, this, [this](bool on) { options_.KontVypis = on; });
    connect(Act(names::TCharCom), &QAction::toggled, this, [this](bool on) {
        options_.TCharCom = on;
        PlaceChartToolbar();
    });
    connect(Act(names::PrikazRadka1), &QAction::toggled, this, [this](bool on) {
        options_.PrikazRadka1 = on;
        statusBar()->setVisible(on);
    });
    connect(Act(names::HTML1), &QAction::triggered, this, [this] { options_.help = HelpForm::WebPage; });
    connect(Act(names::WIN1), &QAction::triggered, this, [this] { options_.help = HelpForm::HelpViewer; });

    ConnectOutputCommands();
    connect(toolChoice_, &QComboBox::activated, this, &MainWindow::ToolChoiceChange);
    connect(labelKinds_, &QComboBox::activated, this, &MainWindow::LabelKindChange);
    connect(markStyles_, &QComboBox::activated, this, [this](int item) {
        options_.CBMarksItemIndex = item;
        MarkStyleChange();
    });
    connect(marksShown_, &QCheckBox::clicked, this, &MainWindow::MarksClick);
    connect(angle_, &QSpinBox::valueChanged, this, [this](int angle) {
        options_.SpinEdAngleValue = angle;
        marksShown_->setChecked(false);  // the marks stay hidden until they are switched on again
        if (model_.HasHistogram()) RefreshChart();
    });
    connect(angle_, &QSpinBox::editingFinished, this, &MainWindow::AngleExit);
    connect(chart_, &ChartView::zoomToggled, this, [this](bool) { ChartClick(); });
    for (QLineEdit* query : {valueEdit_, quantileEdit_}) {
        connect(query, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (!text.isEmpty()) return;
            model_.ClearQuery();
            window_.ClearOverlay();
            RedrawHistogram();
        });
    }

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &MainWindow::UpdateClock);
    clock_->start();

    // Settings of the run: place, options, colours, language and the ReOpen stack.
    options_ = ReadMainWindowSettings(context_.settings);
    stack_ = ReadReOpenStack(context_.settings);
    ReadOutputSettings();
    const WindowPlacement place = MainWindowStartPlacement(context_.settings, AvailableScreenArea());
    options_.placement = place;
    move(place.left, place.top);
    resize(place.width, place.height);
    SetLanguage(options_.language);
    ApplyOptions();
    ApplyColours();
    ApplyLanguage(options_.language);
    FitCaptionColumns(this, MainWindowCaptionSet(Language::Czech), MainWindowCaptionSet(Language::English));
    // The least size at which every control is whole and readable; a stored smaller placement grows to it.
    setMinimumSize(minimumSizeHint());
    resize(size().expandedTo(minimumSize()));
    RefreshReOpenMenu();

    Act(names::SouborText)->setChecked(true);  // results are offered as a text file first
    ResetHistogramDisplay();
    ShowInputPanel();
    resultGrid_->item(1, 0)->setText(QString::fromUtf8(ResultMinLabel.data(), ResultMinLabel.size()));
    resultGrid_->item(2, 0)->setText(QString::fromUtf8(ResultMaxLabel.data(), ResultMaxLabel.size()));
    valueGrid_->item(0, 0)->setText(QString::fromUtf8(ValueQueryLabel.data(), ValueQueryLabel.size()));
    intervalTable_->hide();
    UpdateClock();
    UpdateZoom(false);
}

MainWindow::~MainWindow() = default;

const ChartModel& MainWindow::ChartContent() const { return chart_->model(); }

void MainWindow::SetToolWindow(int item, ToolWindow* window, std::function<void()> start)
{
    if (item < 1 || item >= static_cast<int>(tools_.size())) return;
    tools_[item] = {window, std::move(start)};
    if (!window) return;
    connect(window, &ToolWindow::resultReady, this, &MainWindow::PublishResult);
    connect(window, &ToolWindow::closed, this, [this] {
        setEnabled(true);
        toolChoice_->setCurrentIndex(0);
        FocusQueryField();  // also when the window handed nothing over
    });
    window->ApplyLanguage(options_.language);
}

void MainWindow::ApplyOptions()
{
    Act(options_.colourHighlight ? "Ano1" : "Ne1")->setChecked(true);
    Act(options_.index1 ? "index1" : "NonIndex")->setChecked(true);
    Act(options_.language == Language::Czech ? "Cestina" : "Anglictina")->setChecked(true);
    Act(options_.help == HelpForm::WebPage ? "HTML1" : "WIN1")->setChecked(true);
    const char* date = options_.DateSeparator == '-' ? "minus1" : options_.DateSeparator == '/' ? "lomitko1" : "tecka1";
    Act(date)->setChecked(true);
    Act(options_.TimeSeparator == '.' ? "tecka2" : "dvojtecka1")->setChecked(true);
    Act(names::KontVypis)->setChecked(options_.KontVypis);
    Act(names::TCharCom)->setChecked(options_.TCharCom);
    Act(names::PrikazRadka1)->setChecked(options_.PrikazRadka1);
    statusBar()->setVisible(options_.PrikazRadka1);
    markStyles_->setCurrentIndex(options_.CBMarksItemIndex);
    {
        const QSignalBlocker quiet(angle_);
        angle_->setValue(options_.SpinEdAngleValue);
    }
    labelKinds_->setCurrentIndex(options_.index1 ? 0 : 1);
}

void MainWindow::ApplyLanguage(Language language)
{
    ApplyCaptionSet(this, MainWindowLayoutCaptions(language));
    ApplyCaptionSet(this, MainWindowCaptionSet(language));
    const auto typHist = CBTypHistItems(language);
    const int selected = toolChoice_->currentIndex();
    toolChoice_->clear();
    for (const std::string& item : typHist) toolChoice_->addItem(QString::fromStdString(item));
    toolChoice_->setCurrentIndex(selected < 0 ? 0 : selected);
    const auto valInd = CBValIndItems(language);
    for (int item = 0; item < 2; ++item) labelKinds_->setItemText(item, QString::fromStdString(valInd[item]));
    labelKinds_->setCurrentIndex(options_.index1 ? 0 : 1);

    // The ReOpen items share the hint of the first, and the tool buttons take their menu items' hints.
    if (QAction* first = Act(names::N01)) {
        for (int index = 1; index < ReOpenStack::Capacity; ++index) {
            QAction* item = Act(ReOpenItemName(index).c_str());
            item->setToolTip(first->toolTip());
            item->setStatusTip(first->statusTip());
        }
    }
    for (const HintSource& source : ToolbarHintSources()) {
        auto* button = findChild<QWidget*>(QString::fromUtf8(source.control.data(), source.control.size()));
        QAction* item = Act(std::string(source.menuItem).c_str());
        if (!button || !item) continue;
        button->setToolTip(item->toolTip());
        button->setStatusTip(item->statusTip());
    }
    ApplyNamedHints();
    if (const auto tools = FindHint(MainWindowCaptionSet(language), names::TeeCommander1)) {
        ApplyHint(chartToolbar_, QString::fromUtf8(tools->data(), static_cast<int>(tools->size())));
    }
    setWindowTitle(QString::fromStdString(MainWindowTitle(language, version_)));
    // Every other window of the run, open or hidden, takes its set in the order of the form numbers; Qt's own
    // texts follow too.
    for (ToolWindow* window : ProgramWindows(context_)) window->ApplyLanguage(language);
    FollowLanguageInQt(language);
    if (model_.HasHistogram()) RedrawHistogram();
    else chart_->setModel(ChartModel{});
    emit captionSetApplied(language);
}

void MainWindow::ApplyNamedHints()
{
    const auto set = MainWindowCaptionSet(options_.language);
    for (const HintSource& source : NamedHintSources()) {
        auto* button = findChild<QWidget*>(QString::fromUtf8(source.control.data(), source.control.size()));
        const auto hint = FindHint(set, source.menuItem);
        if (!button || !hint) continue;
        const std::string name = source.fullName ? model_.Name : NameWithoutExtension(model_.Name);
        ApplyHint(button, QString::fromStdString(HintWithName(*hint, name)));
    }
}

void MainWindow::CzechClick()
{
    if (options_.language == Language::Czech) return;
    options_.language = Language::Czech;
    SetLanguage(Language::Czech);
    Act(names::Cestina)->setChecked(true);
    ApplyLanguage(Language::Czech);
}

void MainWindow::EnglishClick()
{
    if (options_.language == Language::English) return;
    options_.language = Language::English;
    SetLanguage(Language::English);
    Act(names::Anglictina)->setChecked(true);
    ApplyLanguage(Language::English);
}

void MainWindow::DefaultValuesClick()
{
    HideReOpenTable();
    if (!AskYesNo(TextCis(msg::DefaultValuesQuestion))) return;
    ApplyDefaultValues(options_);
    options_.placement = ResetWindowPlacement(1, ScreenWidth());
    hide();
    ResetProgramWindows(context_, ScreenWidth());
    showNormal();
    move(options_.placement.left, options_.placement.top);
    resize(options_.placement.width, options_.placement.height);
    {
        const QSignalBlocker quiet(marksShown_);
        marksShown_->setChecked(false);
    }
    SetLanguage(options_.language);
    ApplyOptions();
    ApplyColours();
    ApplyLanguage(options_.language);
    ColourIntervalTable();
    BroadcastColours();
}

void MainWindow::FoldersInfoClick() { ShowMessage(Message::Information(DirectoriesText(context_.folders))); }

void MainWindow::WriteSettings()
{
    if (!isMaximized() && !isMinimized()) {
        const QRect frame = geometry();
        options_.placement = {frame.left(), frame.top(), frame.width(), frame.height()};
    }
    WriteMainWindowSettings(context_.settings, options_);
    WriteReOpenStack(context_.settings, stack_);
    WriteOutputSettings();
    for (const ToolEntry& tool : tools_) {
        if (tool.window && tool.window->isVisible()) tool.window->WriteSettings();
    }
}

void MainWindow::ExitClick()
{
    HideReOpenTable();
    if (AskYesNo(TextCis(msg::CloseQuestion))) close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!closingDone_) {
        closingDone_ = true;
        WriteSettings();
        emit closing();
    }
    event->accept();
}

void MainWindow::UpdateClock() { clockPanel_->setText(QString::fromStdString(TimeNow())); }

std::string MainWindow::DateNow() const { return DateText(LocalTimeNow(), options_.DateSeparator); }
std::string MainWindow::TimeNow() const { return TimeText(LocalTimeNow(), options_.TimeSeparator); }

void MainWindow::ShowStatusHint(const QString& text) { hintPanel_->setText(text); }

bool MainWindow::event(QEvent* event)
{
    // Every hint's long part goes to the hint panel of the status bar.
    if (event->type() == QEvent::StatusTip) {
        ShowStatusHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == toolPanel_ && event->type() == QEvent::MouseButtonPress) {
        ToolPanelClick();
        return false;
    }
    if (watched == reOpenTable_ && event->type() == QEvent::FocusOut) {
        HideReOpenTable();
        return false;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit) return false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter moves on, so that the field's exit handler runs.
            (edit == valueEdit_ ? quantileEdit_ : valueEdit_)->setFocus(Qt::TabFocusReason);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A dialog or menu taking the focus for a moment is no exit from the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || leavingField_) return false;
        const QScopedValueRollback leaving(leavingField_, true);
        if (edit == valueEdit_) ValueQueryExit();
        else if (edit == quantileEdit_) QuantileQueryExit();
        else if (edit == multipleEdit_) MultipleExit();
        else if (edit == minEdit_) MinExit();
        else if (edit == maxEdit_) MaxExit();
    }
    return false;
}

// The chart's command bar shows while the window is maximised and the user keeps it on.
void MainWindow::PlaceChartToolbar() { chartToolbar_->Place(336, 5, options_.TCharCom && isMaximized()); }

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) PlaceChartToolbar();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    PlaceChartToolbar();
    if (!reOpenTable_->isHidden()) reOpenTable_->setGeometry(chart_->geometry());
}

}  // namespace morvik
