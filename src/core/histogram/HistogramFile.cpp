#include "histogram/HistogramFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "common/AtomicFile.h"
#include "common/NumberText.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

namespace {

// Splits into lines at LF, dropping a CR before it; a final line end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view content)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        size_t next = end == std::string_view::npos ? content.size() : end + 1;
        std::string_view line = content.substr(start, (end == std::string_view::npos ? content.size() : end) - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

std::string WithoutBlanks(std::string_view line)
{
    std::string result;
    result.reserve(line.size());
    for (char c : line) {
        if (c != ' ') result += c;
    }
    return result;
}

std::string DropFirst(const std::string& line, size_t count)
{
    return line.size() > count ? line.substr(count) : std::string();
}

struct Refusal {
    Message message;
};

Refusal Error(std::string text) { return {Message::Error(std::move(text))}; }

// The part of the read that can be refused; throws Refusal with the dialog's message.
void ParseInto(std::string_view content, ReaderMode mode, HistogramRead& read)
{
    const std::vector<std::string_view> lines = SplitLines(content);
    size_t next = 0;
    int count = 0;
    double min = 0, max = 0;
    std::string totalValueText;

    // Header: a keyword counts only at the start of its line, so a histogram name holding "Min" or "Total"
    // in its "Identification=" line reads back.
    bool foundBins = false;
    while (next < lines.size()) {
        std::string line = WithoutBlanks(lines[next++]);
        if (line.starts_with("Min")) {
            line = DropFirst(line, 4);
            read.minText = line;
            auto value = ParseDouble(line);
            if (!value) throw Error(TextCis(msg::InvalidMinValue) + line);
            min = *value;
            count += 1;
        }
        if (line.starts_with("Max")) {
            line = DropFirst(line, 4);
            read.maxText = line;
            auto value = ParseDouble(line);
            if (!value) throw Error(TextCis(msg::InvalidMaxValue) + line);
            max = *value;
            count += 10;
        }
        if (line.starts_with("Type")) {
            line = DropFirst(line, 5);
            if (line.find("Pure") != std::string::npos) read.kind = HistogramKind::PureDiscrete;
            else if (line.find("Discrete") != std::string::npos) read.kind = HistogramKind::Discrete;
            else throw Error(FormatText(msg::InvalidKind, line));
        }
        if (line.starts_with("Bins=")) {
            line = DropFirst(line, 5);
            read.binsText = line;
            auto value = ParseInt32(line);
            if (!value || *value < 1) throw Error(TextCis(msg::InvalidBinsValue) + line);
            if (*value > MaxBins) {
                throw Error(FormatText(mode == ReaderMode::Main ? 12 : 32, std::to_string(MaxBins)) + line);
            }
            read.histogram.Bins = *value;
            count += 100;
        }
        if (line.starts_with("Total")) {
            line = DropFirst(line, 6);
            read.totalText = line;
            auto value = ParseDouble(line);
            // Probabilities are frequencies divided by Total: it must be a positive whole number.
            if (!value || !(*value >= 1) || *value != std::floor(*value))
                throw Error(TextCis(msg::InvalidTotalValue) + line);
            read.histogram.Total = *value;
            totalValueText = line;
            count += 1000;
        }
        if (line == "[Bins]") {
            foundBins = true;
            break;
        }
    }
    if (!foundBins || next == lines.size()) throw Error(TextCis(msg::MissingBinsKeyword));
    if (count != 1111) throw Error(TextCis(msg::MissingKeywords));

    Histogram& h = read.histogram;
    if (read.kind == HistogramKind::Discrete) {
        h.Range = max - min;
        h.Width = h.Range / h.Bins;
        h.Min = min + h.Width / 2;
        h.Max = max - h.Width / 2;
    } else {
        h.Range = max - min;
        h.Min = min;
        h.Max = max;
        if (h.Bins == 1) {
            // One value: it has no spacing, and Min and Max must name the same value.
            if (min != max) throw Error(TextCis(msg::InvalidBinsValue) + read.binsText);
            h.Width = 0;
        } else {
            h.Width = h.Range / (h.Bins - 1);
        }
    }

    read.headerRead = true;
    long double sum = 0;
    int n = 0;
    while (next < lines.size()) {
        std::string line = WithoutBlanks(lines[next++]);
        if (line.empty()) continue;
        const std::string position = std::to_string(n + 1);
        auto value = ParseInt64(line);
        if (!value) throw Error(FormatText(msg::InvalidFrequency, position) + line);
        if (*value < 0) throw Error(FormatText(msg::NegativeFrequency, position));
        if (n < h.Bins) h.Prob[n] = static_cast<double>(*value) / h.Total;
        read.frequencies.push_back(*value);
        sum += *value;
        ++n;
    }
    read.dataLines = n;
    read.dataRead = true;
    const long double roundedSum = std::nearbyint(sum);
    // 2^63 - 1 is exact in extended precision, so every sum that fits is kept to the last digit.
    constexpr long double largest = 9223372036854775807.0L;
    read.frequencySum = roundedSum <= largest ? static_cast<int64_t>(roundedSum) : std::numeric_limits<int64_t>::max();

    const long double total = h.Total;
    const bool sumMatches =
        mode == ReaderMode::Main ? (sum / total >= 0.99999L && sum / total <= 1.00001L) : sum == total;
    if (!sumMatches)
        throw Error(FormatText(msg::WrongElementCount, std::to_string(read.frequencySum)) + totalValueText);
    if (n != h.Bins) throw Error(FormatText(msg::WrongIntervalCount, std::to_string(h.Bins)) + std::to_string(n));
    if (h.Min > h.Max) throw Error(FormatText(msg::MinAboveMax, ShortestText(h.Min)) + ShortestText(h.Max));
    if (h.Min == 0 && h.Max == 0) throw Error("Min=0 a Max=0");
}

std::string TooLargeText(const std::string& path)
{
    return "The histogram file " + FileNameOf(path) + " cannot be read: it is larger than " +
           std::to_string(MaxHistogramFileBytes >> 20) + " MB, far more than a histogram of " +
           std::to_string(MaxBins) + " intervals takes.";
}

HistogramRead ReadFile(const std::string& path, ReaderMode mode, HistogramKind currentKind)
{
    std::string content;
    const CappedRead result = ReadFileUpTo(path, MaxHistogramFileBytes, content);
    if (result != CappedRead::Ok) {
        HistogramRead read;
        read.kind = currentKind;
        read.message = Message::Error(result == CappedRead::TooLarge ? TooLargeText(path)
                                                                     : FormatText(msg::MissingDataFile, path));
        return read;
    }
    return ParseHistogramText(content, mode, currentKind);
}

}  // namespace

HistogramRead ParseHistogramText(std::string_view content, ReaderMode mode, HistogramKind currentKind)
{
    HistogramRead read;
    read.kind = currentKind;
    try {
        ParseInto(content, mode, read);
        if (mode == ReaderMode::Component) read.kind = HistogramKind::Discrete;
    } catch (const Refusal& refusal) {
        read.message = refusal.message;
    }
    return read;
}

HistogramRead ReadHistogramFile(const std::string& path, HistogramKind currentKind)
{
    return ReadFile(path, ReaderMode::Main, currentKind);
}

HistogramRead ReadComponentFile(const std::string& path, HistogramKind currentKind)
{
    return ReadFile(path, ReaderMode::Component, currentKind);
}

std::string HistogramFileText(const std::string& fileName, const Histogram& h, HistogramKind kind)
{
    const int bins = std::clamp(h.Bins, 0, MaxBins);
    double min = h.Min, max = h.Max;
    if (kind == HistogramKind::Discrete) {
        min = h.Min - h.Width / 2;
        max = h.Max + h.Width / 2;
    }

    // Frequencies are the probabilities times Total; a Total so large that they would not fit in 64 bits is
    // divided by 10 until they do. The test runs in extended precision, where 2^63 - 1 is exact.
    constexpr long double largest = 9223372036854775807.0L;
    long double d = h.Total;
    std::vector<int64_t> frequencies(static_cast<size_t>(bins));
    for (;;) {
        long double s = 0, rounded = 0;
        for (int i = 0; i < bins; ++i) s += d * h.Prob[i];
        if (s <= largest) {
            for (int i = 0; i < bins; ++i) {
                long double f = std::nearbyint(d * h.Prob[i]);  // halves to even
                frequencies[i] = f < largest ? static_cast<int64_t>(f) : std::numeric_limits<int64_t>::max();
                rounded += f;
            }
            if (rounded <= largest) break;
        }
        d /= 10;
    }
    int64_t total = 0;
    for (int64_t f : frequencies) total += f;

    const char* eol = "\r\n";
    std::string text;
    text += std::string("[Description]") + eol;
    text += "Identification=" + fileName + eol;
    text += "Type=" + KindText(kind) + eol;
    text += std::string("Form=Frequency") + eol;
    text += eol;
    text += std::string("[Parameters]") + eol;
    text += "Min=" + WithoutBlanks(StrNaCarku(min)) + eol;
    text += "Max=" + WithoutBlanks(StrNaCarku(max)) + eol;
    text += "Bins=" + std::to_string(bins) + eol;
    text += "Total=" + std::to_string(total) + eol;
    text += eol;
    text += std::string("[Bins]") + eol;
    for (int64_t f : frequencies) text += std::to_string(f) + eol;
    return text;
}

std::optional<Message> WriteHistogramFile(const std::string& path, const Histogram& histogram, HistogramKind kind)
{
    if (!WriteFileAtomically(path, HistogramFileText(FileNameOf(path), histogram, kind))) {
        return Message::Error(FormatText(msg::WriteError, FileNameOf(path)));
    }
    return std::nullopt;
}

Message CategoryFolderMessage(const std::string& histogramsRoot)
{
    // The catalogue text ends the root with the old separator "\\"; this platform's separator is "/".
    std::string text = FormatText(msg::OutsideAllowedFolders, histogramsRoot);
    std::replace(text.begin(), text.end(), '\\', '/');
    return Message::Warning(text);
}

}  // namespace morvik
