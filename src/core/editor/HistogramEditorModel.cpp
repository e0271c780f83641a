#include "editor/HistogramEditorModel.h"

#include <algorithm>
#include <cmath>

#include "common/AtomicFile.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {
namespace {

std::string WithoutBlanks(std::string text)
{
    std::erase(text, ' ');
    return text;
}

std::optional<double> NumberOf(const std::string& text) { return ParseFieldNumber(WithoutBlanks(text)); }

// A frequency line: a whole number of at least 0; an empty line counts as 0.
std::optional<int64_t> FrequencyOf(std::string_view line)
{
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty()) return 0;
    const std::optional<int64_t> value = ParseInt64(line);
    if (!value || *value < 0) return std::nullopt;
    return value;
}

Message LineRefusal(int line, const std::string& text)
{
    return Message::Error(TextCis(msg::InvalidTypedValue) + "  ( integer )" + "\r\n\r\n\t" + TextCis(msg::LineCaption) +
                          std::to_string(line) + "\r\n\t" + TextCis(msg::ElementCaption) + text);
}

}  // namespace

void HistogramEditorModel::Start()
{
    name_.clear();
    min_.clear();
    max_.clear();
    kind_ = HistogramKind::Discrete;
    lines_.clear();
    frequencies_.clear();
    count_.clear();
    total_ = "0";
    clicked_.clear();
    sum_ = 0;
    refusedLine_.reset();
}

void HistogramEditorModel::StartCorrection(const Histogram& histogram, HistogramKind kind, const std::string& name)
{
    Start();
    name_ = name;
    kind_ = kind;
    const bool discrete = kind == HistogramKind::Discrete;
    min_ = StrNaCarku(discrete ? histogram.Min - histogram.Width / 2 : histogram.Min);
    max_ = StrNaCarku(discrete ? histogram.Max + histogram.Width / 2 : histogram.Max);
    std::vector<std::string> lines;
    const int bins = std::clamp(histogram.Bins, 0, MaxLines);
    for (int i = 0; i < bins; ++i) {
        lines.push_back(std::to_string(static_cast<long long>(std::nearbyint(histogram.Prob[i] * histogram.Total))));
    }
    SetFrequencies(std::move(lines));
}

void HistogramEditorModel::LeaveName() { name_ = WithoutBlanks(name_); }

std::vector<std::string> HistogramEditorModel::MemoLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<Message> HistogramEditorModel::SetFrequencies(std::vector<std::string> lines)
{
    std::vector<int64_t> frequencies;
    frequencies.reserve(lines.size());
    int64_t sum = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::optional<int64_t> frequency = FrequencyOf(lines[i]);
        // A sum beyond 64 bits is refused like a line that is no frequency: the line that overflows is named.
        if (!frequency || __builtin_add_overflow(sum, *frequency, &sum)) {
            lines_ = std::move(lines);
            refusedLine_ = static_cast<int>(i);
            return LineRefusal(static_cast<int>(i) + 1, lines_[i]);
        }
        frequencies.push_back(*frequency);
    }
    lines_ = std::move(lines);
    refusedLine_.reset();
    frequencies_ = std::move(frequencies);
    sum_ = sum;
    count_ = std::to_string(lines_.size());
    total_ = std::to_string(sum_);
    return std::nullopt;
}

void HistogramEditorModel::ClickLine(int line)
{
    if (line >= 0 && static_cast<size_t>(line) < frequencies_.size()) clicked_ = std::to_string(line);
}

std::optional<Message> HistogramEditorModel::CheckSave() const
{
    if (lines_.empty()) return Message::Confirmation(TextCis(msg::EmptyFrequencyTable));
    if (lines_.size() > static_cast<size_t>(MaxLines)) {
        return Message::Error(FormatText(msg::TooManyEditorLines, std::to_string(MaxLines)) +
                              std::to_string(lines_.size()));
    }
    // The memo holds a line its recount refused, or every frequency is 0: there is no histogram to write.
    if (refusedLine_) return LineRefusal(*refusedLine_ + 1, lines_[static_cast<size_t>(*refusedLine_)]);
    if (sum_ == 0) return Message::Confirmation(TextCis(msg::EmptyFrequencyTable));
    const std::optional<double> min = NumberOf(min_);
    if (!min) return Message::Confirmation("Min - " + TextCis(msg::EditorInvalidNumber));
    if (kind_ == HistogramKind::Discrete) {
        const std::optional<double> max = NumberOf(max_);
        if (!max) return Message::Confirmation("Max - " + TextCis(msg::EditorInvalidNumber));
        if (*min >= *max) return Message::Confirmation(TextCis(msg::EditorMinAboveMax));
    }
    if (WithoutBlanks(name_).empty()) return Message::Confirmation(TextCis(msg::MissingHistogramName));
    return std::nullopt;
}

std::string HistogramEditorModel::ProposedFileName() const { return WithoutBlanks(name_) + ".dis"; }

Message HistogramEditorModel::OverwriteQuestion(const std::string& path)
{
    return Message::Confirmation(FormatText(msg::OverwriteQuestion, path));
}

std::string HistogramEditorModel::FileText(const std::string& fileName) const
{
    const int n = static_cast<int>(lines_.size());
    std::string maxText = WithoutBlanks(max_);
    if (kind_ == HistogramKind::PureDiscrete) maxText = StrNaCarku(NumberOf(min_).value_or(0) + (n - 1));
    std::string text;
    auto line = [&text](std::string_view content) {
        text += content;
        text += "\r\n";
    };
    line("[Description]");
    line("Identification=" + fileName);
    line(kind_ == HistogramKind::Discrete ? "Type=Discrete" : "Type=Pure Discrete");
    line("Form=Frequency");
    line("");
    line("[Parameters]");
    line("Min=" + WithoutBlanks(min_));
    line("Max=" + maxText);
    line("Bins=" + std::to_string(n));
    line("Total=" + total_);
    line("");
    line("[Bins]");
    // The lines as typed, except that an empty line, which counts as 0, is written as "0": the file reader skips
    // empty bin lines, and would otherwise refuse the file for its interval count or shift the later bins.
    for (const std::string& frequency : lines_)
        line(frequency.find_first_not_of(" \t") == std::string::npos ? "0" : frequency);
    return text;
}

EditorSave HistogramEditorModel::Save(const std::string& path) const
{
    if (auto refusal = CheckSave()) return {std::move(refusal), std::nullopt};
    if (!WriteFileAtomically(path, FileText(FileNameOf(path)))) {
        return {Message::Error(FormatText(msg::WriteError, FileNameOf(path))), std::nullopt};
    }
    return {std::nullopt, HandOver(path)};
}

EditorHandOver HistogramEditorModel::HandOver(const std::string& path) const
{
    EditorHandOver out;
    Histogram& h = out.histogram;
    const int n = static_cast<int>(frequencies_.size());
    const double min = NumberOf(min_).value_or(0);
    h.Bins = n;
    h.Total = static_cast<double>(sum_);
    if (kind_ == HistogramKind::Discrete) {
        const double max = NumberOf(max_).value_or(min);
        h.Width = (max - min) / n;
        h.Min = min + h.Width / 2;
        h.Max = max - h.Width / 2;
        h.Range = max - min;
    } else {
        h.Width = 1;
        h.Min = min;
        h.Max = min + (n - 1);
        h.Range = h.Max - h.Min;
    }
    for (int i = 0; i < n; ++i) h.Prob[i] = static_cast<double>(frequencies_[i]) / h.Total;
    out.kind = kind_;
    out.name = WithoutBlanks(name_);
    out.path = path;
    out.fileName = FileNameOf(path);
    out.folder = FolderOf(path);
    out.kindText = kind_ == HistogramKind::Discrete ? " Discrete" : " Pure Discrete";
    out.charEnabled = n > 1;
    out.absEnabled = min < 0;
    return out;
}

}  // namespace morvik
