#include "histogram/IntervalTable.h"

#include <algorithm>

#include "histogram/Queries.h"
#include "localization/MainWindowTexts.h"
#include "localization/TextCis.h"
#include "statlib/NumberText.h"

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

std::vector<IntervalTableRow> IntervalTableTexts(const Histogram& h, HistogramKind kind)
{
    const auto& headings = IntervalTableHeadings();
    std::vector<IntervalTableRow> rows(RowCount(h, kind));
    rows.front() = headings;
    const int bins = BinsOf(h);
    double sum = 0;
    for (int i = 0; i < bins; ++i) sum += h.Prob[i];
    if (kind == HistogramKind::Discrete) {
        rows[1][1] = StrNaCarku(h.Min - h.Width / 2);
        for (int i = 1; i <= bins; ++i) {
            rows[2 * i] = IntervalRow(h, i - 1);
            rows[2 * i + 1][1] = StrNaCarku(h.Min + (i - 0.5) * h.Width);
        }
    } else {
        for (int i = 1; i <= bins; ++i) rows[i] = IntervalRow(h, i - 1);
    }
    rows.back()[1] = TextCis(127);
    rows.back()[2] = StrNaCarku(sum);
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
