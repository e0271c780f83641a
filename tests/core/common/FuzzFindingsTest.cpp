// What fuzzing found, each from its failing input (kept in fuzz/corpus too, where CI's fuzz runs replay it).
#include <cmath>

#include <gtest/gtest.h>

#include "histogram/AbsoluteValue.h"
#include "histogram/MainModel.h"
#include "support/TestFiles.h"

namespace morvik {
namespace {

// A multiple of 1E308 makes the values of a histogram over -2..2 overflow; taking the absolute value of it then
// converted NaN steps to a bin count (undefined behaviour). Such a histogram has no folding and stays as it is.
TEST(FuzzFindings, TheAbsoluteValueOfOverflowedValuesLeavesThemAsTheyAre)
{
    MainModel model;
    model.PublishResult(test::MakeHistogram(-2, 1, {0.1, 0.2, 0.4, 0.2, 0.1}, 10), HistogramKind::Discrete, "fuzz");
    EXPECT_FALSE(model.SetMultiple("1E308"));
    ASSERT_FALSE(std::isfinite(model.ResultHistogram.Min));
    const Histogram before = model.ResultHistogram;
    model.TakeAbsoluteValue();
    EXPECT_EQ(model.ResultHistogram.Bins, before.Bins);
    for (int i = 0; i < before.Bins; ++i) EXPECT_EQ(model.ResultHistogram.Prob[i], before.Prob[i]) << i;

    for (HistogramKind kind : {HistogramKind::Discrete, HistogramKind::PureDiscrete}) {
        Histogram h = test::MakeHistogram(-1, 1, {0.5, 0.5});
        h.Width = std::nan("");
        EXPECT_EQ(AbsoluteValueHistogram(h, kind).Bins, 2);
        h.Width = 1;
        h.Max = INFINITY;
        EXPECT_EQ(AbsoluteValueHistogram(h, kind).Max, INFINITY);
    }
}

}  // namespace
}  // namespace morvik
