#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "statlib/Statistics.h"

using namespace morvik;

TEST(Statistics, MomentsOfASymmetricAndASkewedHistogram)
{
    // Values 1..5 with weights 1,2,3,2,1 (not normalised): mean 3, variance 12/9.
    const std::array<double, 5> w{1, 2, 3, 2, 1};
    const double mean = PrumerX(w, 5, 1, 5);
    EXPECT_DOUBLE_EQ(mean, 3);
    EXPECT_NEAR(RozptylX(w, 5, 1, 5, mean), 12.0 / 9, 1e-15);
    EXPECT_NEAR(StrHodX(w, 5, 1, 5, mean), 8.0 / 9, 1e-15);
    EXPECT_NEAR(Skewness(w, 5, 1, 5, mean, 9), 0, 1e-15);
    EXPECT_NEAR(KoefVariX(mean, std::sqrt(12.0 / 9)), 100 * std::sqrt(12.0 / 9) / 3, 1e-12);

    // Values 0, 1 with p = 0.75, 0.25: m2 = 3/16, m3 = 3/32, g1 = 2/sqrt(3), N = 4.
    const std::array<double, 2> p{0.75, 0.25};
    const double m = PrumerX(p, 2, 0, 1);
    const double g1 = 2 / std::sqrt(3.0);
    EXPECT_NEAR(Skewness(p, 2, 0, 1, m, 4), g1 * std::sqrt(12.0) / 2, 1e-12);
    // m4 = 21/256, g2 = 21/256 / (9/256) - 3 = -2/3; N = 5: ((6 g2 + 6) * 4) / (3 * 2).
    EXPECT_NEAR(Kurtosis(p, 2, 0, 1, m, 5), ((6 * (-2.0 / 3) + 6) * 4) / 6, 1e-12);
}

TEST(Statistics, UndefinedMomentsAreMarked)
{
    const std::array<double, 3> single{0, 1, 0};
    const double mean = PrumerX(single, 3, -1, 1);
    EXPECT_DOUBLE_EQ(mean, 0);
    EXPECT_TRUE(IsUndefined(Skewness(single, 3, -1, 1, mean, 100)));  // no spread
    EXPECT_TRUE(IsUndefined(Kurtosis(single, 3, -1, 1, mean, 100)));
    EXPECT_TRUE(IsUndefined(KoefVariX(0, 1)));  // mean 0
    const std::array<double, 3> spread{1, 1, 1};
    EXPECT_TRUE(IsUndefined(Skewness(spread, 3, 0, 2, 1, 2)));  // N <= 2
    EXPECT_TRUE(IsUndefined(Kurtosis(spread, 3, 0, 2, 1, 3)));  // N <= 3
    EXPECT_FALSE(IsUndefined(Kurtosis(spread, 3, 0, 2, 1, 4)));
}

TEST(Statistics, MedianAndMode)
{
    // Discrete midpoints 0.5..9.5 with p = 0.1: the median is 5 (interpolated), the mode the first largest.
    std::array<double, 10> uniform;
    uniform.fill(0.1);
    EXPECT_NEAR(MedianValue(true, uniform, 0.5, 9.5, 10), 5, 1e-12);
    EXPECT_DOUBLE_EQ(ModeValue(uniform, 10, 0.5, 9.5), 0.5);
    // Pure Discrete 1..4 with 0.1, 0.4, 0.4, 0.1: the value reaching half the weight is 2.
    const std::array<double, 4> pure{0.1, 0.4, 0.4, 0.1};
    EXPECT_DOUBLE_EQ(MedianValue(false, pure, 1, 4, 4), 2);
    EXPECT_DOUBLE_EQ(ModeValue(pure, 4, 1, 4), 2);
    EXPECT_EQ(VypMedian(false, pure, 1, 4, 4), "2");
}

TEST(Statistics, FrequencyMomentsAndCloseness)
{
    const std::array<double, 4> y{1, 2, 3, 6};
    const double meanY = PrumerY(y, 4);
    EXPECT_DOUBLE_EQ(meanY, 3);
    const double varY = RozptylY(y, 4, meanY);
    EXPECT_DOUBLE_EQ(varY, (4 + 1 + 0 + 9) / 4.0);
    EXPECT_DOUBLE_EQ(VypocetCharTesnosti(4, y, 0, varY, meanY, y), 1);
    const std::array<double, 4> fit{1, 2, 3, 5};
    EXPECT_DOUBLE_EQ(VypocetCharTesnosti(4, fit, 0, varY, meanY, y), 1 - 1 / (4 * varY));
    const std::array<double, 2> flat{2, 2};
    EXPECT_EQ(VypocetCharTesnosti(2, flat, 0, RozptylY(flat, 2, 2), 2, flat), 0);
}
