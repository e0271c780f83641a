#include "parametric/ParametricDisplay.h"

#include <algorithm>

#include "localization/TextCis.h"
#include "statlib/NumberText.h"

namespace morvik {

std::vector<std::array<std::string, 3>> IntervalTableRows(const Histogram& h, HistogramKind kind)
{
    std::vector<std::array<std::string, 3>> rows;
    rows.push_back({" INT", "        x", "       P(x)"});
    const int bins = std::max(0, std::min(h.Bins, MaxBins));
    if (kind == HistogramKind::Discrete) {
        rows.push_back({"", StrNaCarku(h.Min - h.Width / 2), ""});
        for (int i = 1; i <= bins; ++i) {
            rows.push_back({TCetnost(4, i), StrNaCarku(h.ValueAt(i - 1)), StrNaCarku(h.Prob[i - 1])});
            rows.push_back({"", StrNaCarku(h.Min + (i - 0.5) * h.Width), ""});
        }
    } else {
        for (int i = 1; i <= bins; ++i) {
            rows.push_back({TCetnost(4, i), StrNaCarku(h.ValueAt(i - 1)), StrNaCarku(h.Prob[i - 1])});
        }
    }
    double sum = 0;
    for (int i = 0; i < bins; ++i) sum += h.Prob[i];
    rows.push_back({"", TextCis(127), StrNaCarku(sum)});
    return rows;
}

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

std::optional<char> FilterFieldKey(KeySet keys, char key)
{
    constexpr char Backspace = 8;
    if (key == Backspace) return key;
    if (key >= '0' && key <= '9') return key;
    if (keys == KeySet::Digits) return std::nullopt;
    if (key == '.' || key == ',') return '.';
    if (keys == KeySet::UnsignedReal) return std::nullopt;
    if (key == '-' || key == 'E') return key;
    if (key == 'e') return 'E';
    return std::nullopt;
}

GraphTarget ToggleGraphTarget(GraphTarget current, GraphTarget clicked)
{
    if (clicked != current) return clicked;
    return clicked == GraphTarget::Clipboard ? GraphTarget::Bitmap : GraphTarget::Clipboard;
}

}  // namespace morvik
