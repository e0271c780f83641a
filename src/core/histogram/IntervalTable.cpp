#include "histogram/IntervalTable.h"

#include <algorithm>

#include "common/NumberText.h"
#include "histogram/Queries.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

int BinsOf(const Histogram& h) { return std::clamp(h.Bins, 0, MaxBins); }

int RowCount(const Histogram& h, HistogramKind kind)
{
    return kind == HistogramKind::Discrete ? 2 * BinsOf(h) + 3 : BinsOf(h) + 2;
}

IntervalTableRow IntervalRow(const Histogram& h, int index)
{
    return {TCetnost(4, index + 1), StrNaCarku(h.ValueAt(index)), StrNaCarku(h.Prob[index])};
}

}  // namespace

const IntervalTableRow& IntervalTableHeadings()
{
    static const IntervalTableRow headings = {" INT", "        x", "       P(x)"};
    return headings;
}

int IntervalTableRowCount(const Histogram& h, HistogramKind kind) { return RowCount(h, kind); }

IntervalTableRow IntervalTableRowAt(const Histogram& h, HistogramKind kind, int row)
{
    const int rows = RowCount(h, kind);
    if (row <= 0 || row >= rows) return row == 0 ? IntervalTableHeadings() : IntervalTableRow{};
    if (row == rows - 1) {
        double sum = 0;
        for (int i = 0; i < BinsOf(h); ++i) sum += h.Prob[i];
        return {"", TextCis(msg::TotalRowCaption), StrNaCarku(sum)};
    }
    if (kind != HistogramKind::Discrete) return IntervalRow(h, row - 1);
    // Discrete: the edges between the interval rows, the lower edge of the first in row 1.
    if (row % 2 == 0) return IntervalRow(h, row / 2 - 1);
    return {"", StrNaCarku(h.Min + (row / 2 - 0.5) * h.Width), ""};
}

std::vector<IntervalTableRow> IntervalTableTexts(const Histogram& h, HistogramKind kind)
{
    std::vector<IntervalTableRow> rows(RowCount(h, kind));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) rows[row] = IntervalTableRowAt(h, kind, row);
    return rows;
}

RowShade IntervalRowShade(const Histogram& h, HistogramKind kind, int row, TableHighlight highlight,
                          std::optional<double> limit)
{
    const int rows = RowCount(h, kind);
    if (row == rows - 1) return RowShade::Total;
    int interval = 0;  // from 1; 0: not an interval row
    // The marked rows, measured like the queries measure their x: a Discrete row whose lower edge lies below the
    // limit, a Pure Discrete row whose value minus Width does.
    double compared = 0;
    if (kind == HistogramKind::Discrete) {
        if (row >= 2 && row % 2 == 0 && row < rows - 1) {
            interval = row / 2;
            compared = interval - 1;
        }
    } else if (row >= 1 && row <= BinsOf(h)) {
        interval = row;
        compared = interval - 2;
    }
    if (interval == 0) return RowShade::None;
    if (highlight == TableHighlight::None || !limit || !(compared < QueryPosition(h, kind, *limit))) {
        return RowShade::Plain;
    }
    return highlight == TableHighlight::Value ? RowShade::Value : RowShade::Quantile;
}

RowShade AlternateRowShade(int rows, int row)
{
    if (row == rows - 1) return RowShade::Total;
    return row >= 2 && row % 2 == 0 ? RowShade::Plain : RowShade::None;
}

Colour RowShadeColour(RowShade shade)
{
    switch (shade) {
    case RowShade::Plain: return RgbColour(0xFF, 0xFF, 0xC1);
    case RowShade::Value: return RgbColour(0xFF, 0xD8, 0xB0);
    case RowShade::Quantile: return RgbColour(0xC1, 0xC1, 0xFF);
    case RowShade::Total: return RgbColour(0xFF, 0xCB, 0xB3);
    case RowShade::None: break;
    }
    return RgbColour(0xFF, 0xFF, 0xFF);
}

}  // namespace morvik
