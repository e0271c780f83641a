#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Colour.h"
#include "common/Message.h"
#include "histogram/Histogram.h"
#include "histogram/HistogramFile.h"
#include "histogram/IntervalTable.h"

namespace morvik {

// The frequency and probability table of the current histogram: TForm3 for Pure Discrete, TForm9 for
// Discrete. Five columns: interval, x, P(x), frequency, F(x). Row 0 holds the headings, the last row the totals.
// Pure Discrete: one row per value (n + 2 rows). Discrete: row 1 the lower edge of the first interval, then for
// each interval its row (2, 4, ...) and its upper-edge row (2n + 3 rows); an edge row holds its x and F(x) only.
using HistogramTableRow = std::array<std::string, 5>;
// The table command without a displayed histogram: message 25 (an error); nothing to refuse otherwise.
std::optional<Message> CheckHistogramTable(bool histogramShown);
HistogramTableRow HistogramTableHeadings(HistogramKind kind);
std::vector<HistogramTableRow> HistogramTableRows(const Histogram& h, HistogramKind kind);

// The query a table marks: the value query's x or the quantile query's P.
struct TableQuery {
    TableHighlight highlight = TableHighlight::None;
    double value = 0;
};
// The background of a table row. Data rows (every value row of TForm3, the interval rows of TForm9) are Plain,
// or Value / Quantile while the query reaches them; the totals row is Total (columns 1 to 3); the rest None.
// With the main window's plain-table option nothing but the totals row is shaded.
RowShade HistogramTableShade(const Histogram& h, HistogramKind kind, int row, const TableQuery& query, bool plainTable);
Colour HistogramTableColour(RowShade shade);

// The window caption (and hint) of the tables: the histogram name up to its first ".".
std::string HistogramTableCaption(std::string_view histogramName);

// The control listing of a file being read (TForm4): caption, headings, one row per interval as the reader
// accepted its frequency (the interval number in 7 places, the frequency in 12; empty rows for the intervals it
// did not reach, more rows when the file holds more lines than intervals), and a last row with the total once
// the data ran to the end of the file. Nothing when the reader refused the header: the listing then never shows.
using ControlListingRow = std::array<std::string, 2>;
std::string ControlListingCaption();
ControlListingRow ControlListingHeadings();
std::optional<std::vector<ControlListingRow>> ControlListingRows(const HistogramRead& read);

// The numbered listing of a histogram file (TForm15). Lines are numbered from 1 up to the "[Bins]" line, then
// from 0 again for the bin lines; the header is dark green, the bins red; empty bin lines are left out (their
// numbers are skipped, so that a number stays the interval's index from 0). A rule of 115 "-" ends the list.
struct ListingLine {
    std::string text;
    Colour colour = RgbColour(0, 128, 0);
};
constexpr Colour ListingHeaderColour = RgbColour(0, 128, 0);
constexpr Colour ListingBinColour = RgbColour(255, 0, 0);
std::string FileListingCaption(std::string_view histogramName);
std::vector<ListingLine> FileListing(std::string_view content);
// The listing of the histogram file at `path`; a file that is gone or unreadable gives message 9 with the path,
// one larger than any histogram file the message the reader gives.
struct FileListingRead {
    std::optional<Message> message;
    std::vector<ListingLine> lines;
};
FileListingRead ListHistogramFile(const std::string& path);

}  // namespace morvik
