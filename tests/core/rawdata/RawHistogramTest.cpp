#include <cmath>
#include <numeric>

#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "rawdata/RawHistogram.h"
#include "rawdata/RawTestData.h"
#include "statlib/Statistics.h"

namespace morvik {
namespace {

using test::DataOf;

TEST(RawHistogram, BoundariesGoToTheEvenInterval)
{
    // 0, 1, ..., 10 over 0..10 in ten intervals: on boundary b the tie b - 0.5 rounds to even.
    const int expected[] = {1, 1, 3, 3, 5, 5, 7, 7, 9, 9, 10};
    for (int v = 0; v <= 10; ++v) EXPECT_EQ(RawInterval(v, 10, 0, 10), expected[v]) << v;
}

TEST(RawHistogram, ValuesOnATenthGridAreOnTheBoundaries)
{
    // Values and range ends on a 0.1 grid with width 0.1: in binary the quotients miss the whole numbers by a
    // rounding either way, and only the tolerance makes each one a tie decided by the even interval.
    for (int start = -30; start <= 30; start += 7) {
        const double min = start / 10.0;
        const double max = (start + 20) / 10.0;
        const int n = 20;
        for (int b = 1; b < n; ++b) {
            const double v = (start + b) / 10.0;
            const int expected = b % 2 == 0 ? b + 1 : b;
            EXPECT_EQ(RawInterval(v, n, min, max), expected) << "min " << min << " value " << v;
        }
    }
    // Just beyond the tolerance a value is inside an interval.
    EXPECT_EQ(RawInterval(0.2 + 1e-7, 10, 0, 1), 3);
    EXPECT_EQ(RawInterval(0.2 - 1e-7, 10, 0, 1), 2);
}

TEST(RawHistogram, ValuesOutsideTheRangeGoToTheEndIntervals)
{
    EXPECT_EQ(RawInterval(10, 10, 0, 10), 10);
    EXPECT_EQ(RawInterval(25, 10, 0, 10), 10);
    EXPECT_EQ(RawInterval(-3, 10, 0, 10), 1);
    EXPECT_EQ(RawInterval(-1e300, 10, 0, 10), 1);
    EXPECT_EQ(RawInterval(1e300, 10, 0, 10), 10);

    // Min raised above the data minimum: the frequencies still sum to 1.
    const RawDataSet data = DataOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const RawHistogram h = BuildRawHistogram(data, 4, 3.5, 8.5, HistogramKind::Discrete);
    EXPECT_DOUBLE_EQ(h.frequency[0], 0.4);  // 1, 2, 3 below Min and 4
    EXPECT_DOUBLE_EQ(h.frequency[3], 0.3);  // 8 and 9, 10 above Max
    EXPECT_NEAR(std::accumulate(h.frequency.begin(), h.frequency.end(), 0.0), 1, 1e-15);
}

TEST(RawHistogram, KindsAndCharacteristics)
{
    std::vector<double> values;
    for (int v = 0; v <= 10; ++v) values.push_back(v);
    const RawDataSet data = DataOf(values);

    const RawHistogram discrete = BuildRawHistogram(data, 10, 0, 10, HistogramKind::Discrete);
    EXPECT_DOUBLE_EQ(discrete.h, 1);
    EXPECT_DOUBLE_EQ(discrete.x1, 0.5);
    EXPECT_DOUBLE_EQ(discrete.x2, 9.5);
    EXPECT_EQ(discrete.total, 11);
    EXPECT_DOUBLE_EQ(discrete.statistics.mean, PrumerX(discrete.frequency, 10, 0.5, 9.5));
    EXPECT_DOUBLE_EQ(discrete.meanY, 0.1);
    EXPECT_DOUBLE_EQ(discrete.median, MedianValue(true, discrete.frequency, 0.5, 9.5, 10));

    // Pure Discrete lists the values 0, 1, ..., 10 with the same binning.
    const RawHistogram pure = BuildRawHistogram(data, 11, 0, 10, HistogramKind::PureDiscrete);
    EXPECT_EQ(pure.x1, 0);
    EXPECT_EQ(pure.x2, 10);
    const Histogram laid = pure.AsHistogram();
    for (int i = 0; i < 11; ++i) EXPECT_NEAR(laid.ValueAt(i), i, 1e-12);
    EXPECT_EQ(laid.Total, 11);
}

TEST(RawHistogram, SturgesAdvice)
{
    EXPECT_EQ(SturgesIntervals(1000), 11);
    EXPECT_EQ(SturgesIntervals(500000), 20);
    const std::optional<Message> warning = SturgesWarning(10, 1000);
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->kind, DialogKind::Warning);
    EXPECT_EQ(warning->text, FormatText(116, "1000") + "11   !");
    EXPECT_FALSE(SturgesWarning(11, 1000));
}

}  // namespace
}  // namespace morvik
