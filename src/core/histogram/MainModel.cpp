#include "histogram/MainModel.h"

#include "common/AtomicFile.h"
#include "common/NumberText.h"
#include "histogram/AbsoluteValue.h"
#include "histogram/Characteristics.h"
#include "histogram/Multiple.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {

void MainModel::Rescale()
{
    ResultHistogram = ScaleHistogram(InputHistogram, MultipleA);
    TrimEmptyEnds(ResultHistogram);
    Query = QueryMode::None;
}

std::optional<Message> MainModel::OpenHistogramFile(const std::string& path,
                                                    const std::optional<std::string>& reopenMultipleText)
{
    HistogramRead read = ReadHistogramFile(path, Kind);
    if (!read.ok()) return read.message;

    InputHistogram = read.histogram;
    Kind = read.kind;
    FrequencySum = read.frequencySum;
    HistogramFile = path;
    HistogramFolder = FolderOf(path);
    Name = HistogramNameOf(path);
    HistogramLoaded = true;
    InputBinsText = read.binsText;
    TitleNote.clear();
    QuantileText = "0.1";
    MultipleA = 1;
    MultipleText = "1.00";
    if (reopenMultipleText) {
        MultipleCheck check = CheckMultiple(*reopenMultipleText, Kind);
        if (!check.message) {
            MultipleA = check.multiple;
            MultipleText = *reopenMultipleText;
        }
    }
    Rescale();
    InputTotalText = TotalText(ResultHistogram.Total);
    return std::nullopt;
}

std::optional<Message> MainModel::SetMultiple(const std::string& text)
{
    MultipleCheck check = CheckMultiple(text, Kind);
    MultipleA = check.multiple;
    MultipleText = check.text;
    Query = QueryMode::None;
    if (HasHistogram()) Rescale();
    return check.message;
}

std::optional<double> MainModel::ReadQueryField(const std::string& text, std::optional<Message>& message)
{
    if (text.empty()) {
        Query = QueryMode::None;
        return std::nullopt;
    }
    QueryEntry entry = ReadQueryEntry(text);
    message = entry.message;
    return entry.value;
}

MainModel::ValueAnswer MainModel::AskValue(const std::string& text)
{
    ValueAnswer answer;
    auto x = ReadQueryField(text, answer.message);
    if (!x) return answer;
    answer.result = ValueQuery(ResultHistogram, Kind, *x);
    Query = answer.result.inRange ? QueryMode::Value : QueryMode::None;
    return answer;
}

MainModel::QuantileAnswer MainModel::AskQuantile(const std::string& text)
{
    QuantileAnswer answer;
    auto p = ReadQueryField(text, answer.message);
    if (!p) return answer;
    QuantileText = QuantileTextOf(*p);
    answer.result = QuantileQuery(ResultHistogram, Kind, *p);
    answer.isOne = *p == 1;
    Query = answer.result.inRange ? QueryMode::Quantile : QueryMode::None;
    return answer;
}

MainModel::RangeAnswer MainModel::SetRangeEnd(RangeEnd end, const std::string& text)
{
    RangeAnswer answer;
    Query = QueryMode::None;
    if (!HasHistogram()) return answer;
    RangeChange change = ChangeRangeEnd(ResultHistogram, Kind, end, text);
    answer.message = change.message;
    if (!change.changed) return answer;
    ResultHistogram = change.result;
    // The input stays the histogram at multiple 1, so that a later multiple applies to the moved histogram.
    InputHistogram = ScaleHistogram(ResultHistogram, 1 / MultipleA);
    answer.changed = true;
    return answer;
}

void MainModel::TakeAbsoluteValue()
{
    if (!AbsoluteValueEnabled()) return;
    ResultHistogram = AbsoluteValueHistogram(ResultHistogram, Kind);
    InputHistogram = ResultHistogram;
    MultipleA = 1;
    MultipleText = "1.00";
    Query = QueryMode::None;
    TitleNote = "Histogram  " + Name.substr(0, Name.find('.')) + TextCis(msg::AbsoluteValueNote);
}

void MainModel::PublishResult(const Histogram& result, HistogramKind kind, const std::string& name,
                              const std::string& titleNote)
{
    ResultHistogram = result;
    InputHistogram = result;
    Kind = kind;
    Name = name;
    MultipleA = 1;
    MultipleText = "1.00";
    QuantileText = "0.1";
    Query = QueryMode::None;
    TitleNote = titleNote;
    InputBinsText = std::to_string(result.Bins);
    InputTotalText = TotalText(result.Total);
}

void MainModel::Reset() { *this = MainModel(); }

std::optional<Message> MainModel::SaveHistogram(const std::string& path)
{
    if (auto failure = WriteHistogramFile(path, ResultHistogram, Kind)) return failure;
    HistogramFile = path;
    HistogramFolder = FolderOf(path);
    Query = QueryMode::None;
    return std::nullopt;
}

std::string MainModel::ResultsText(const std::string& date, const std::string& time, const std::string& version) const
{
    return ResultsReportText({Name, MultipleText, date, time, version}, ResultHistogram, Kind, FrequencyTotal());
}

std::optional<Message> MainModel::SaveResults(const std::string& path, const std::string& date, const std::string& time,
                                              const std::string& version) const
{
    if (!WriteFileAtomically(path, ResultsText(date, time, version))) {
        return Message::Error(FormatText(msg::WriteError, FileNameOf(path)));
    }
    return std::nullopt;
}

std::array<std::string, 5> MainModel::ResultGridTexts() const
{
    if (!HasHistogram()) return {};
    return ShowCharacteristics(ResultHistogram);
}

std::array<std::string, 3> MainModel::InputPanelTexts() const
{
    if (!HasHistogram()) return {" 0", " 0", " ??"};
    return {" " + InputBinsText, InputTotalText, " " + KindText(Kind)};
}

std::string MainModel::CharacteristicsDialogText() const
{
    const Histogram& h = ResultHistogram;
    return CharacteristicsText("Histogram : " + Name, h.Prob, h.Bins, h.Min, h.Max, Kind, FrequencyTotal());
}

}  // namespace morvik
