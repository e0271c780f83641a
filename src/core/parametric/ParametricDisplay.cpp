#include "parametric/ParametricDisplay.h"

#include <algorithm>

#include "common/NumberText.h"
#include "localization/TextCis.h"

namespace morvik {

std::vector<std::string> BarLabels(const Histogram& h, bool indexLabels)
{
    std::vector<std::string> labels;
    const int bins = std::max(0, std::min(h.Bins, MaxBins));
    labels.reserve(static_cast<size_t>(bins));
    for (int i = 0; i < bins; ++i) {
        labels.push_back(indexLabels ? std::to_string(i) : StrBottomGraf(h.Prob[i], h.ValueAt(i)));
    }
    return labels;
}

}  // namespace morvik
