// The main window's commands: open, save, results report, characteristics, the multiple, the queries, Min and
// Max, the absolute value, and the hand-over from the tool windows.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <filesystem>

#include "chart/ChartView.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "dialogs/DialogSeam.h"
#include "histogram/Characteristics.h"
#include "localization/MainWindowNames.h"
#include "localization/MessageNumbers.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/WidgetTexts.h"
#include "shell/MainWindowSettings.h"
#include "statlib/MessageDialog.h"
#include "windows/WindowContext.h"

namespace morvik {
namespace {

constexpr const char* HistogramFilter = "Distributions Files (*.dis)|*.dis|All files (*.*)|*.*";

bool FileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

void MainWindow::FocusQueryField()
{
    if (model_.HasHistogram() && valueEdit_->isEnabled()) valueEdit_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::OpenHistogramCommand()
{
    FileDialogRequest request;
    request.folder = context_.folders.HistogramsRoot;
    request.filter = HistogramFilter;
    request.defaultSuffix = "dis";
    if (const std::optional<std::string> path = Dialogs().OpenFile(request)) OpenHistogram(*path);
}

bool MainWindow::OpenHistogram(const std::string& path)
{
    if (std::optional<Message> refusal = window_.OpenChosenHistogram(path, context_.folders.HistogramsRoot)) {
        emit histogramFileRead(path, false);
        ShowMessage(*refusal);
        return false;
    }
    AfterHistogramChange();
    emit histogramFileRead(path, true);
    FocusQueryField();
    HideReOpenTable();
    toolChoice_->setCurrentIndex(0);
    RefreshReOpenMenu();
    return true;
}

bool MainWindow::OpenFromPath(const std::string& path, const std::optional<std::string>& reopenMultiple)
{
    if (std::optional<Message> refusal = model_.OpenHistogramFile(path, reopenMultiple)) {
        emit histogramFileRead(path, false);
        ShowMessage(*refusal);
        return false;
    }
    AfterHistogramChange();
    emit histogramFileRead(path, true);
    FocusQueryField();
    return true;
}

void MainWindow::SaveHistogramClick()
{
    HideReOpenTable();
    if (!model_.HasHistogram()) return;
    FileDialogRequest request;
    request.folder = context_.folders.ResultsFolder;
    request.filter = HistogramFilter;
    request.defaultSuffix = "dis";
    request.fileName = model_.Name.empty() ? TextCis(msg::DefaultHistogramName) : model_.Name;
    const std::optional<std::string> path = Dialogs().SaveFile(request);
    if (!path) return;
    if (FileExists(*path) && !AskYesNo(FormatText(msg::OverwriteQuestion, *path))) return;
    if (std::optional<Message> failure = window_.SaveHistogramAs(*path, context_.settings)) {
        ShowMessage(*failure);
        return;
    }
    ClearQueryResults();
    RefreshChart();
    RefreshReOpenMenu();
    Act(names::VypisVstHist)->setEnabled(true);  // the shown histogram is the file now
}

void MainWindow::SaveResultsClick()
{
    HideReOpenTable();
    if (!model_.HasHistogram()) return;
    const bool text = Act(names::SouborText)->isChecked();
    FileDialogRequest request;
    request.folder = context_.folders.GraphsFolder;
    request.defaultSuffix = text ? "txt" : "doc";
    request.filter = text ? "Distributions Files (*.txt)|*.txt|All files (*.*)|*.*"
                          : "Distributions Files (*.doc)|*.doc|All files (*.*)|*.*";
    request.fileName = model_.Name.empty() ? TextCis(msg::DefaultResultsName) : model_.Name;
    const std::optional<std::string> path = Dialogs().SaveFile(request);
    if (!path) return;
    if (FileExists(*path) && !AskYesNo(FormatText(msg::OverwriteQuestion, *path))) return;
    const std::optional<Message> failure =
        window_.SaveResultsAs(*path, context_.settings, DateNow(), TimeNow(), version_);
    ClearQueryResults();
    RefreshChart();
    if (failure) ShowMessage(*failure);
}

void MainWindow::CharacteristicsClick()
{
    if (!model_.HasHistogram() || model_.ResultHistogram.Bins <= 1) return;
    Dialogs().ShowMessage(TextCis(msg::CharacteristicsTitle), model_.CharacteristicsDialogText(),
                          DialogKind::Information, DialogButtons::Ok, DialogResultOk);
}

void MainWindow::MultipleExit()
{
    if (!ChangedByUser(multipleEdit_)) return;
    ClearQueryResults();
    const MainWindowModel::MultipleStep step = window_.ChangeMultiple(TextOf(multipleEdit_), TextOf(nameEdit_));
    if (step.message) ShowMessage(*step.message);
    ShowText(multipleEdit_, model_.MultipleText);
    if (!model_.HasHistogram()) return;
    ShowText(minEdit_, StrNaCarku(model_.ResultHistogram.Min));
    ShowText(maxEdit_, StrNaCarku(model_.ResultHistogram.Max));
    RedrawHistogram();
    ShowResultGrids();
    SetResultActions(true);
    if (step.stackChanged) RefreshReOpenMenu();
    FocusQueryField();
}

void MainWindow::ValueQueryExit()
{
    ShowStatusHint(QString::fromStdString(TextCis(msg::ValueQueryHint)));
    SetCell(valueGrid_, 0, 1, StrNaCarku(0));
    SetCell(valueGrid_, 1, 1, StrNaCarku(0));
    if (!model_.HasHistogram()) return;
    const MainWindowModel::QueryStep step = window_.AskValue(TextOf(valueEdit_));
    if (ShowQueryStep(step, valueEdit_)) return;
    SetCell(valueGrid_, 0, 1, StrNaCarku(step.density));
    SetCell(valueGrid_, 1, 1, StrNaCarku(step.probability));
}

void MainWindow::QuantileQueryExit()
{
    ShowStatusHint(QString::fromStdString(TextCis(msg::QuantileQueryHint)));
    SetCell(quantileGrid_, 0, 1, StrNaCarku(0));
    if (!model_.HasHistogram()) return;
    const MainWindowModel::QueryStep step = window_.AskQuantile(TextOf(quantileEdit_));
    if (ShowQueryStep(step, quantileEdit_)) return;
    if (step.isOne) ShowText(quantileEdit_, "1");
    SetCell(quantileGrid_, 0, 1, StrNaCarku(step.quantile));
}

bool MainWindow::ShowQueryStep(const MainWindowModel::QueryStep& step, QLineEdit* field)
{
    if (step.ended) {
        RedrawHistogram();
        return true;
    }
    if (step.message) {
        ColourIntervalTable();
        field->setFocus(Qt::OtherFocusReason);
        ShowMessage(*step.message);
        return true;
    }
    if (step.cleared) ShowText(field, "");
    RefreshChart();
    ColourIntervalTable();
    return step.cleared;
}

void MainWindow::MinExit() { ChangeRangeEnd(RangeEnd::Min); }
void MainWindow::MaxExit() { ChangeRangeEnd(RangeEnd::Max); }

void MainWindow::ChangeRangeEnd(RangeEnd end)
{
    QLineEdit* edit = end == RangeEnd::Min ? minEdit_ : maxEdit_;
    if (!ChangedByUser(edit) || !model_.HasHistogram()) return;
    window_.ClearOverlay();
    ClearQueryResults();
    RefreshChart();
    const MainModel::RangeAnswer answer = model_.SetRangeEnd(end, TextOf(edit));
    if (answer.message) {
        edit->setFocus(Qt::OtherFocusReason);
        ShowMessage(*answer.message);
    }
    const Histogram& result = model_.ResultHistogram;
    if (!answer.changed) {
        // A refused entry shows the current value again; an empty entry or "-" is left as typed.
        if (answer.message) ShowText(edit, StrNaCarku(end == RangeEnd::Min ? result.Min : result.Max));
        return;
    }
    ShowText(minEdit_, StrNaCarku(result.Min));
    ShowText(maxEdit_, StrNaCarku(result.Max));
    RedrawHistogram();
    ShowResultGrids();
    SetResultActions(true);
    Act(names::VypisVstHist)->setEnabled(false);  // the shown histogram no longer matches its file
    FocusQueryField();
}

void MainWindow::AbsoluteValueClick()
{
    if (!model_.AbsoluteValueEnabled()) return;
    model_.TakeAbsoluteValue();
    window_.ClearOverlay();
    ClearQueryResults();
    ShowInputPanel();
    ShowResultGrids();
    RedrawHistogram();
    SetResultActions(true);
    FocusQueryField();
}

void MainWindow::PublishResult(const PublishedResult& result)
{
    model_.PublishResult(result.histogram, result.kind, result.name, result.titleNote);
    AfterHistogramChange();
    Act(names::VypisVstHist)->setEnabled(false);  // no file holds the new histogram yet
    setEnabled(true);
    toolChoice_->setCurrentIndex(0);
    FocusQueryField();
}

void MainWindow::TakeHistogramFile(const std::string& path)
{
    model_.HistogramFile = path;
    model_.HistogramFolder = FolderOf(path);
    Act(names::VypisVstHist)->setEnabled(model_.HasHistogram());
}

void MainWindow::ResetToEmpty()
{
    HideReOpenTable();
    model_.Reset();
    AfterHistogramChange();
    Act(names::VypisVstHist)->setEnabled(false);
}

void MainWindow::ClearQueryOverlay()
{
    model_.ClearQuery();
    window_.ClearOverlay();
    ClearQueryResults();
    RefreshChart();
}

void MainWindow::ToolChoiceChange(int item)
{
    if (item == 0) {
        HideReOpenTable();
        emit correctionAsked();
        return;
    }
    if (item < 0 || item >= static_cast<int>(tools_.size())) return;
    const ToolEntry& tool = tools_[item];
    if (!tool.window || !tool.start) {
        toolChoice_->setCurrentIndex(0);
        return;
    }
    HideReOpenTable();
    if (item == 3) {
        // The parametric window starts from an empty main window.
        model_.Reset();
        AfterHistogramChange();
    }
    setEnabled(false);
    tool.start();
}

}  // namespace morvik
