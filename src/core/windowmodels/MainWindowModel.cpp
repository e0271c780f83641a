#include "windowmodels/MainWindowModel.h"

#include <fstream>

#include "common/NumberText.h"
#include "common/Paths.h"
#include "histogram/HistogramFile.h"
#include "localization/MainWindowTexts.h"

namespace morvik {

void MainWindowModel::StampTitle(const std::string& date, const std::string& time)
{
    highlight_ = TableHighlight::None;
    highlightLimit_.reset();
    titleLines_ = {" ( " + date + " , " + time + " )"};
    if (Current.HasHistogram()) {
        titleLines_.push_back("Histogram :     " + Current.Name + "   * A  (A=" + Current.MultipleText + ")");
        if (!Current.TitleNote.empty()) titleLines_.push_back(std::string(23, ' ') + Current.TitleNote);
    } else {
        titleLines_.push_back("Histogram :   X * A");
    }
    Current.TitleNote.clear();
}

ChartModel MainWindowModel::Chart() const
{
    const MainWindowColours& colours = Options.colours;
    ChartModel chart;
    chart.titleLines = titleLines_;
    chart.titleColour = colours.chartTitle;
    chart.backgroundColour = colours.chartBackground;
    chart.crossCursor = true;
    chart.bottomAxisTitle = MainBottomAxisTitle(Options.index1, Options.language);
    chart.leftAxisTitle = MainLeftAxisTitle(Options.language);
    if (!Current.HasHistogram()) return chart;

    const Histogram& h = Current.ResultHistogram;
    const ChartMarks marks{MarkStyleOfItem(Options.CBMarksItemIndex), Options.SpinEdAngleValue, MarksShown};
    for (int i = 0; i < h.Bins; ++i) {
        std::string label;
        if (Options.index1) label = std::to_string(i);
        else label = StrBottomGraf(h.Prob[i], i == h.Bins - 1 ? h.Max : h.ValueAt(i));
        chart.main.bars.push_back({h.Prob[i], colours.bars, label});
    }
    chart.main.marks = marks;
    if (overlay_.mode != QueryMode::None) {
        const bool value = overlay_.mode == QueryMode::Value;
        const Colour marked = value ? colours.valueQuery : colours.quantileQuery;
        for (int i = 0; i < h.Bins; ++i) {
            ChartBar bar = chart.main.bars[i];
            if (i < overlay_.marked) {
                bar.colour = marked;
                if (value && Current.Kind == HistogramKind::PureDiscrete) bar.label.clear();
            }
            chart.overlay.bars.push_back(bar);
        }
        chart.overlay.marks = marks;
        chart.main.marks.visible = false;
    }
    return chart;
}

std::vector<IntervalTableRow> MainWindowModel::IntervalRows() const
{
    if (!Current.HasHistogram()) return {};
    return IntervalTableTexts(Current.ResultHistogram, Current.Kind);
}

RowShade MainWindowModel::ShadeOfRow(int row) const
{
    if (!Options.colourHighlight || !Current.HasHistogram()) return RowShade::None;
    return IntervalRowShade(Current.ResultHistogram, Current.Kind, row, highlight_, highlightLimit_);
}

std::optional<Message> MainWindowModel::OpenChosenHistogram(const std::string& path, const std::string& histogramsRoot)
{
    if (IsOutsideCategoryFolders(path, histogramsRoot)) return CategoryFolderMessage(histogramsRoot);
    if (std::optional<Message> refusal = Current.OpenHistogramFile(path)) return refusal;
    overlay_ = {};
    Stack.Push(path, "1.00", Current.InputBinsText);
    return std::nullopt;
}

std::optional<Message> MainWindowModel::SaveHistogramAs(const std::string& path, SettingsFile& settings)
{
    if (std::optional<Message> failure = Current.SaveHistogram(path)) return failure;
    overlay_ = {};
    WriteLastSavedHistogram(settings, path);
    Stack.Push(path, "1.00", std::to_string(Current.ResultHistogram.Bins));
    return std::nullopt;
}

std::optional<Message> MainWindowModel::SaveResultsAs(const std::string& path, SettingsFile& settings,
                                                      const std::string& date, const std::string& time,
                                                      const std::string& version)
{
    WriteLastSavedResults(settings, path);
    overlay_ = {};
    return Current.SaveResults(path, date, time, version);
}

MainWindowModel::MultipleStep MainWindowModel::ChangeMultiple(const std::string& text, const std::string& shownName)
{
    overlay_ = {};
    MultipleStep step;
    step.message = Current.SetMultiple(text);
    if (Current.HasHistogram()) step.stackChanged = Stack.PushNewMultiple(shownName, Current.MultipleText);
    return step;
}

MainWindowModel::ReOpenStep MainWindowModel::OpenReOpenEntry(int index)
{
    ReOpenStep step;
    if (index < 0 || index >= Stack.Count() || Stack.Entry(index).file.empty()) return step;
    step.file = Stack.Entry(index).file;
    if (!std::ifstream(step.file)) {
        step.removeQuestion = ReOpenMissingFileQuestion(step.file);
        return step;
    }
    const std::string multiple = Current.MultipleText;
    step.refusal = Current.OpenHistogramFile(step.file, multiple);
    if (step.refusal) {
        step.removeQuestion = ReOpenUnreadableFileQuestion(step.file);
        return step;
    }
    overlay_ = {};
    Stack.SetIntervals(index, Current.InputBinsText);
    step.opened = true;
    return step;
}

MainWindowModel::QueryStep MainWindowModel::EndQuery()
{
    Current.ClearQuery();
    overlay_ = {};
    QueryStep step;
    step.ended = true;
    return step;
}

bool MainWindowModel::Unanswered(QueryStep& step, const std::optional<Message>& message, bool inRange)
{
    step.message = message;
    if (message) return true;
    if (inRange) return false;
    overlay_ = {};
    step.cleared = true;
    return true;
}

MainWindowModel::QueryStep MainWindowModel::AskValue(const std::string& text)
{
    if (text.empty()) return EndQuery();
    highlight_ = TableHighlight::Value;
    highlightLimit_.reset();
    QueryStep step;
    const MainModel::ValueAnswer answer = Current.AskValue(text);
    if (Unanswered(step, answer.message, answer.result.inRange)) return step;
    highlightLimit_ = ReadQueryEntry(text).value;
    overlay_ = {QueryMode::Value, answer.result.marked};
    step.density = answer.result.f;
    step.probability = answer.result.F;
    return step;
}

MainWindowModel::QueryStep MainWindowModel::AskQuantile(const std::string& text)
{
    highlight_ = TableHighlight::Quantile;
    highlightLimit_.reset();
    if (text.empty()) return EndQuery();
    QueryStep step;
    const MainModel::QuantileAnswer answer = Current.AskQuantile(text);
    if (Unanswered(step, answer.message, answer.result.inRange)) return step;
    step.isOne = answer.isOne;
    highlightLimit_ = answer.result.Qp;
    overlay_ = {QueryMode::Quantile, answer.result.marked};
    step.quantile = answer.result.Qp;
    return step;
}

}  // namespace morvik
