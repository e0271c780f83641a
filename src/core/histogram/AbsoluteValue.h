#pragma once
#include "histogram/Histogram.h"

namespace morvik {

// The histogram of |X|. A histogram with every value <= 0 is reflected (same intervals, reverse order).
// One with values on both sides of zero is folded onto a range from 0 to the larger of -Min and Max (outer
// edges for Discrete), keeping the width of its intervals where at most 1024 of them cover that range: each
// Discrete interval spreads its probability uniformly over its span, the part below zero mirrored; each
// Pure Discrete value |x| goes to the nearest values of the new grid, split so that the mean is kept.
// Kind and Total do not change; the probabilities keep their sum.
Histogram AbsoluteValueHistogram(const Histogram& h, HistogramKind kind);

}  // namespace morvik
