// The main window's commands: open, save, results report, characteristics, the multiple, the queries, Min and
// Max, the absolute value, and the hand-over from the tool windows.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <filesystem>

#include "chart/ChartView.h"
#include "dialogs/DialogSeam.h"
#include "histogram/Characteristics.h"
#include "mainwindow/WidgetTexts.h"
#include "mainwindow/MainWindow.h"
#include "shell/MainWindowSettings.h"
#include "statlib/MessageDialog.h"
#include "statlib/NumberText.h"
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
    if (model_.HasHistogram() && editXY_->isEnabled()) editXY_->setFocus(Qt::OtherFocusReason);
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
    if (CheckCategoryFolder(path, context_.folders.HistogramsRoot)) return false;
    if (!OpenFromPath(path, std::nullopt)) return false;
    HideReOpenTable();
    cbTypHist_->setCurrentIndex(0);
    stack_.Push(path, "1.00", model_.InputBinsText);
    RefreshReOpenMenu();
    return true;
}

bool MainWindow::OpenFromPath(const std::string& path, const std::optional<std::string>& reopenMultiple)
{
    if (std::optional<Message> refusal = model_.OpenHistogramFile(path, reopenMultiple)) {
        ShowMessage(*refusal);
        return false;
    }
    AfterHistogramChange();
    FocusQueryField();
    return true;
}

void MainWindow::Ulozit3Click()
{
    HideReOpenTable();
    if (!model_.HasHistogram()) return;
    FileDialogRequest request;
    request.folder = context_.folders.ResultsFolder;
    request.filter = HistogramFilter;
    request.defaultSuffix = "dis";
    request.fileName = model_.Name.empty() ? TextCis(5) : model_.Name;
    const std::optional<std::string> path = Dialogs().SaveFile(request);
    if (!path) return;
    if (FileExists(*path) && !AskYesNo(FormatText(21, *path))) return;
    if (std::optional<Message> failure = model_.SaveHistogram(*path)) {
        ShowMessage(*failure);
        return;
    }
    overlay_ = {};
    ClearQueryResults();
    RefreshChart();
    WriteLastSavedHistogram(context_.settings, *path);
    stack_.Push(*path, "1.00", std::to_string(model_.ResultHistogram.Bins));
    RefreshReOpenMenu();
}

void MainWindow::Ulozit2Click()
{
    HideReOpenTable();
    if (!model_.HasHistogram()) return;
    const bool text = Act("SouborText")->isChecked();
    FileDialogRequest request;
    request.folder = context_.folders.GraphsFolder;
    request.defaultSuffix = text ? "txt" : "doc";
    request.filter = text ? "Distributions Files (*.txt)|*.txt|All files (*.*)|*.*"
                          : "Distributions Files (*.doc)|*.doc|All files (*.*)|*.*";
    request.fileName = model_.Name.empty() ? TextCis(43) : model_.Name;
    const std::optional<std::string> path = Dialogs().SaveFile(request);
    if (!path) return;
    if (FileExists(*path) && !AskYesNo(FormatText(21, *path))) return;
    WriteLastSavedResults(context_.settings, *path);
    overlay_ = {};
    ClearQueryResults();
    RefreshChart();
    if (std::optional<Message> failure = model_.SaveResults(*path, DateNow(), TimeNow(), version_)) {
        ShowMessage(*failure);
    }
}

void MainWindow::BCharClick()
{
    if (!model_.HasHistogram() || model_.ResultHistogram.Bins <= 1) return;
    Dialogs().ShowMessage(TextCis(79), model_.CharacteristicsDialogText(), DialogKind::Information,
                          DialogButtons::Ok, DialogResultOk);
}

void MainWindow::Edit3Exit()
{
    if (!ChangedByUser(edit3_)) return;
    overlay_ = {};
    ClearQueryResults();
    const std::optional<Message> message = model_.SetMultiple(TextOf(edit3_));
    if (message) ShowMessage(*message);
    ShowText(edit3_, model_.MultipleText);
    if (!model_.HasHistogram()) return;
    ShowText(editMin_, StrNaCarku(model_.ResultHistogram.Min));
    ShowText(editMax_, StrNaCarku(model_.ResultHistogram.Max));
    RedrawHistogram();
    ShowResultGrids();
    SetResultActions(true);
    if (stack_.PushNewMultiple(TextOf(edit1_), model_.MultipleText)) RefreshReOpenMenu();
    FocusQueryField();
}

void MainWindow::EditXYExit()
{
    ShowStatusHint(QString::fromStdString(TextCis(40)));
    SetCell(grid5_, 0, 1, StrNaCarku(0));
    SetCell(grid5_, 1, 1, StrNaCarku(0));
    if (!model_.HasHistogram()) return;
    const std::string text = TextOf(editXY_);
    if (text.empty()) {
        model_.ClearQuery();
        overlay_ = {};
        RedrawHistogram();
        return;
    }
    highlight_ = TableHighlight::Value;
    highlightLimit_.reset();
    MainModel::ValueAnswer answer = model_.AskValue(text);
    if (answer.message) {
        ColourIntervalTable();
        editXY_->setFocus(Qt::OtherFocusReason);
        ShowMessage(*answer.message);
        return;
    }
    if (!answer.result.inRange) {
        ShowText(editXY_, "");
        overlay_ = {};
        ColourIntervalTable();
        RefreshChart();
        return;
    }
    highlightLimit_ = ReadQueryEntry(text).value;
    overlay_ = {QueryMode::Value, answer.result.marked};
    RefreshChart();
    ColourIntervalTable();
    SetCell(grid5_, 0, 1, StrNaCarku(answer.result.f));
    SetCell(grid5_, 1, 1, StrNaCarku(answer.result.F));
}

void MainWindow::EditPExit()
{
    ShowStatusHint(QString::fromStdString(TextCis(41)));
    SetCell(grid6_, 0, 1, StrNaCarku(0));
    if (!model_.HasHistogram()) return;
    highlight_ = TableHighlight::Quantile;
    highlightLimit_.reset();
    const std::string text = TextOf(editP_);
    if (text.empty()) {
        model_.ClearQuery();
        overlay_ = {};
        RedrawHistogram();
        return;
    }
    MainModel::QuantileAnswer answer = model_.AskQuantile(text);
    if (answer.message) {
        ColourIntervalTable();
        editP_->setFocus(Qt::OtherFocusReason);
        ShowMessage(*answer.message);
        return;
    }
    if (!answer.result.inRange) {
        ShowText(editP_, "");
        overlay_ = {};
        ColourIntervalTable();
        RefreshChart();
        return;
    }
    if (answer.isOne) ShowText(editP_, "1");
    highlightLimit_ = answer.result.Qp;
    overlay_ = {QueryMode::Quantile, answer.result.marked};
    RefreshChart();
    ColourIntervalTable();
    SetCell(grid6_, 0, 1, StrNaCarku(answer.result.Qp));
}

void MainWindow::EditMinExit() { ChangeRangeEnd(RangeEnd::Min); }
void MainWindow::EditMaxExit() { ChangeRangeEnd(RangeEnd::Max); }

void MainWindow::ChangeRangeEnd(RangeEnd end)
{
    QLineEdit* edit = end == RangeEnd::Min ? editMin_ : editMax_;
    if (!ChangedByUser(edit) || !model_.HasHistogram()) return;
    overlay_ = {};
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
    ShowText(editMin_, StrNaCarku(result.Min));
    ShowText(editMax_, StrNaCarku(result.Max));
    RedrawHistogram();
    ShowResultGrids();
    SetResultActions(true);
    Act("VypisVstHist")->setEnabled(false);  // the shown histogram no longer matches its file
    FocusQueryField();
}

void MainWindow::AbsHodHistClick()
{
    if (!model_.AbsoluteValueEnabled()) return;
    model_.TakeAbsoluteValue();
    overlay_ = {};
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
    setEnabled(true);
    cbTypHist_->setCurrentIndex(0);
    FocusQueryField();
}

void MainWindow::CBTypHistChange(int item)
{
    if (item <= 0 || item >= static_cast<int>(tools_.size())) return;  // the editor is not part of the program yet
    const ToolEntry& tool = tools_[item];
    if (!tool.window || !tool.start) {
        cbTypHist_->setCurrentIndex(0);
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
