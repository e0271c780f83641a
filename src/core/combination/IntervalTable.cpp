#include "combination/IntervalTable.h"

#include <algorithm>

#include "localization/MainWindowTexts.h"
#include "localization/TextCis.h"
#include "statlib/NumberText.h"

namespace morvik {

std::vector<IntervalTableRow> DiscreteIntervalTable(const Histogram& h)
{
    const int bins = std::clamp(h.Bins, 0, MaxBins);
    std::vector<IntervalTableRow> table(static_cast<size_t>(2 * bins + 3));
    table[0] = IntervalTableHeadings();
    table[1][1] = StrNaCarku(h.Min - h.Width / 2);
    long double total = 0;
    for (int i = 1; i <= bins; ++i) {
        const double probability = h.Prob[i - 1];
        total += probability;
        table[2 * i] = {TCetnost(4, i), StrNaCarku(h.Min + (i - 1) * h.Width), StrNaCarku(probability)};
        table[2 * i + 1][1] = StrNaCarku(h.Min + (i - 0.5) * h.Width);
    }
    table.back()[1] = TextCis(127);
    table.back()[2] = StrNaCarku(static_cast<double>(total));
    return table;
}

}  // namespace morvik
