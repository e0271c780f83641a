// The main window's entry fields (the multiple, the value and quantile queries, Min and Max) take any text over
// any histogram without a crash. The input is a histogram file preceded by lines "@" + field letter + entry:
// "@A2.5" multiple, "@X1.5" value query, "@P0.3" quantile query, "@N-1" Min, "@M9" Max, "@B" absolute value.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "histogram/HistogramFile.h"
#include "histogram/MainModel.h"

using namespace morvik;

namespace {

// A histogram over negative and positive values, for inputs whose histogram part is refused.
Histogram FallbackHistogram()
{
    Histogram h;
    h.Bins = 5;
    h.Min = -2;
    h.Max = 2;
    h.Range = 4;
    h.Width = 1;
    h.Total = 10;
    const double prob[] = {0.1, 0.2, 0.4, 0.2, 0.1};
    for (int i = 0; i < 5; ++i) h.Prob[i] = prob[i];
    return h;
}

void Apply(MainModel& model, char field, const std::string& entry)
{
    switch (field) {
    case 'A': (void)model.SetMultiple(entry); break;
    case 'X': (void)model.AskValue(entry); break;
    case 'P': (void)model.AskQuantile(entry); break;
    case 'N': (void)model.SetRangeEnd(RangeEnd::Min, entry); break;
    case 'M': (void)model.SetRangeEnd(RangeEnd::Max, entry); break;
    case 'B': model.TakeAbsoluteValue(); break;
    default: return;
    }
    // Everything the window shows after an entry.
    (void)model.ResultGridTexts();
    (void)model.InputPanelTexts();
    (void)model.CharacteristicsDialogText();
    (void)model.ResultsText("1.1.2000", "00:00", "1.0");
    (void)HistogramFileText("fuzz.dis", model.ResultHistogram, model.Kind);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::pair<char, std::string>> entries;
    while (text.starts_with('@') && entries.size() < 32) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1);
        if (!line.empty()) entries.emplace_back(line.front(), std::string(line.substr(1)));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }

    MainModel model;
    const HistogramRead read = ParseHistogramText(text, ReaderMode::Main, HistogramKind::PureDiscrete);
    if (read.ok()) model.PublishResult(read.histogram, read.kind, "fuzz");
    else model.PublishResult(FallbackHistogram(), HistogramKind::Discrete, "fuzz");
    (void)model.SetMultiple("1");
    for (const auto& [field, entry] : entries) Apply(model, field, entry);
    return 0;
}
