#include "editor/HistogramTables.h"

#include <algorithm>

#include "common/AtomicFile.h"
#include "common/NumberText.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

int BinsOf(const Histogram& h) { return std::clamp(h.Bins, 0, MaxBins); }

int RowCount(const Histogram& h, HistogramKind kind)
{
    return kind == HistogramKind::Discrete ? 2 * BinsOf(h) + 3 : BinsOf(h) + 2;
}

// The interval (from 1) a data row shows, or 0.
int IntervalOfRow(const Histogram& h, HistogramKind kind, int row)
{
    const int n = BinsOf(h);
    if (kind == HistogramKind::Discrete) return row >= 2 && row % 2 == 0 && row <= 2 * n ? row / 2 : 0;
    return row >= 1 && row <= n ? row : 0;
}

std::string Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::optional<Message> CheckHistogramTable(bool histogramShown)
{
    if (histogramShown) return std::nullopt;
    return Message::Error(TextCis(msg::NoResultHistogram));
}

HistogramTableRow HistogramTableHeadings(HistogramKind kind)
{
    const std::string frequency =
        kind == HistogramKind::PureDiscrete ? " " + TextCis(msg::FrequencyHeading) : TextCis(msg::FrequencyHeading);
    return {"  INT", "      x", TextCis(msg::ProbabilityHeading), frequency, TextCis(msg::DistributionFunctionHeading)};
}

std::vector<HistogramTableRow> HistogramTableRows(const Histogram& h, HistogramKind kind)
{
    const int n = BinsOf(h);
    std::vector<HistogramTableRow> rows{HistogramTableHeadings(kind)};
    rows.reserve(static_cast<size_t>(RowCount(h, kind)));
    if (kind == HistogramKind::Discrete)
        rows.push_back({"", StrNaCarku(h.Min - h.Width / 2), "", "", "    " + StrNaCarku(0)});
    double F = 0;
    for (int i = 0; i < n; ++i) {
        const double p = h.Prob[i];
        const double before = F;
        F += p;
        const double shownF = kind == HistogramKind::Discrete ? before + p / 2 : F;
        rows.push_back({TCetnost(5, i + 1), StrNaCarku(h.ValueAt(i)), "   " + StrNaCarku(p), TCetnost(12, p * h.Total),
                        "    " + StrNaCarku(shownF)});
        if (kind == HistogramKind::Discrete) {
            rows.push_back({"", StrNaCarku(h.Min + (i + 0.5) * h.Width), "", "", "    " + StrNaCarku(F)});
        }
    }
    rows.push_back({"", TextCis(msg::TotalCaption), "   " + StrNaCarku(F), TCetnost(12, h.Total), ""});
    return rows;
}

RowShade HistogramTableShade(const Histogram& h, HistogramKind kind, int row, const TableQuery& query, bool plainTable)
{
    if (row == RowCount(h, kind) - 1) return RowShade::Total;
    const int interval = IntervalOfRow(h, kind, row);
    if (interval == 0 || plainTable) return RowShade::None;
    switch (query.highlight) {
    case TableHighlight::None: return RowShade::Plain;
    // The value query marks the rows the main window's table marks, measured the same way.
    case TableHighlight::Value: return IntervalRowShade(h, kind, row, TableHighlight::Value, query.value);
    case TableHighlight::Quantile: {
        // A row is marked while the cumulative probability before its interval is below P.
        double before = 0;
        for (int i = 0; i < interval - 1; ++i) before += h.Prob[i];
        return before < query.value ? RowShade::Quantile : RowShade::Plain;
    }
    }
    return RowShade::Plain;
}

Colour HistogramTableColour(RowShade shade)
{
    switch (shade) {
    case RowShade::Plain: return RgbColour(255, 255, 193);
    case RowShade::Value: return RgbColour(255, 215, 176);
    case RowShade::Quantile: return RgbColour(193, 193, 255);
    case RowShade::Total: return RgbColour(255, 203, 179);
    case RowShade::None: break;
    }
    return RgbColour(255, 255, 255);
}

std::string HistogramTableCaption(std::string_view histogramName)
{
    return std::string(histogramName.substr(0, histogramName.find('.')));
}

std::string ControlListingCaption() { return TextCis(msg::DescriptionTitle); }

ControlListingRow ControlListingHeadings() { return {"  I N T", TextCis(msg::FrequencyHeading)}; }

std::optional<std::vector<ControlListingRow>> ControlListingRows(const HistogramRead& read)
{
    if (!read.headerRead) return std::nullopt;
    const size_t intervals = static_cast<size_t>(std::clamp(read.histogram.Bins, 0, MaxBins));
    std::vector<ControlListingRow> rows(std::max(intervals, read.frequencies.size()));
    double sum = 0;
    for (size_t i = 0; i < read.frequencies.size(); ++i) {
        const double frequency = static_cast<double>(read.frequencies[i]);
        sum += frequency;
        rows[i] = {TCetnost(7, static_cast<double>(i + 1)), TCetnost(12, frequency)};
    }
    rows.push_back(read.dataRead ? ControlListingRow{TextCis(msg::TotalCaption), TCetnost(12, sum)}
                                 : ControlListingRow{});
    return rows;
}

std::string FileListingCaption(std::string_view histogramName)
{
    return TextCis(msg::DescriptionCaption) + ":    " + std::string(histogramName) + ".dis";
}

std::vector<ListingLine> FileListing(std::string_view content)
{
    std::vector<ListingLine> items;
    bool inBins = false;
    int number = 1;
    while (!content.empty()) {
        const size_t end = content.find('\n');
        std::string line(content.substr(0, end));
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool shown = !(inBins && Trimmed(line).empty());
        if (shown) {
            items.push_back({"[" + PadLeft(std::to_string(number), 4) + "]    " + line,
                             inBins ? ListingBinColour : ListingHeaderColour});
        }
        ++number;
        if (!inBins && Trimmed(line) == "[Bins]") {
            inBins = true;
            number = 0;
        }
    }
    items.push_back({std::string(115, '-'), inBins ? ListingBinColour : ListingHeaderColour});
    return items;
}

FileListingRead ListHistogramFile(const std::string& path)
{
    FileListingRead listing;
    std::string content;
    const CappedRead read = ReadFileUpTo(path, MaxHistogramFileBytes, content);
    if (read == CappedRead::Unreadable) {
        listing.message = Message::Error(FormatText(msg::MissingDataFile, path));
        return listing;
    }
    if (read == CappedRead::TooLarge) {
        // The reader refuses such a file from its size alone, in its own words.
        listing.message = ReadHistogramFile(path, HistogramKind::Discrete).message;
        return listing;
    }
    listing.lines = FileListing(content);
    return listing;
}

}  // namespace morvik
