#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "parametric/RangeSearch.h"
#include "parametric/StepWalk.h"

namespace morvik {
namespace {

// The point after n one-by-one steps, or NaN when a step stops moving x.
long double Stepped(long double x, long double delta, long long n)
{
    for (long long i = 0; i < n; ++i) {
        const long double next = x + delta;
        if (next == x) return NAN;
        x = next;
    }
    return x;
}

void ExpectSameAsStepping(long double x0, long double delta, long long n)
{
    const StepWalk walk(x0, delta);
    const long double expected = Stepped(x0, delta, n);
    const std::optional<long double> ahead = walk.PointAhead(n);
    if (std::isnan(expected)) {
        EXPECT_FALSE(ahead) << static_cast<double>(x0) << " + " << n << " x " << static_cast<double>(delta);
        return;
    }
    ASSERT_TRUE(ahead) << static_cast<double>(x0) << " + " << n << " x " << static_cast<double>(delta);
    EXPECT_EQ(*ahead, expected) << static_cast<double>(x0) << " + " << n << " x " << static_cast<double>(delta);
}

TEST(StepWalk, PointsAheadAreThoseOfSteppingOneByOne)
{
    struct Case {
        long double x0, delta;
        long long n;
    };
    const Case cases[] = {
        {10, 0.01L, 3},              // fewer steps than a jump needs
        {10, 0.01L, 5'000'000},      // through several binades upwards
        {10, -0.01L, 2'000},         // down through zero into negative values
        {-3.7L, 0.001L, 1'000'000},  // up through zero
        {3.3333333333333333L, 0.01L, 5'400'000},
        {0.00001L, 0.0008L, 100'000},
        {1, 3 * std::ldexp(1.0L, -64), 1'000},  // every step a rounding tie
        {1, 5 * std::ldexp(1.0L, -65), 3'000},  // ties and binade edges
        {1e20L, 0.001L, 10},                    // the step no longer moves x
        {1e18L, 0.001L, 10},                    // a step far below the spacing of x
        {1e30L, 1e-30L, 5},
        {0, 0.1L, 1'000'000},
    };
    for (const Case& c : cases) ExpectSameAsStepping(c.x0, c.delta, c.n);

    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> start(-50, 50), exponent(-6, 1), count(0, 6);
    for (int i = 0; i < 200; ++i) {
        const long double delta = std::pow(10.0L, exponent(random)) * (i % 2 ? 1 : -1) / 3;
        ExpectSameAsStepping(start(random) / 7, delta, static_cast<long long>(std::pow(10.0, count(random))));
    }
}

TEST(StepWalk, StepsRefuseWhereXStopsMovingAndCountTowardsTheBound)
{
    StepWalk stuck(1e20L, 0.001L);
    EXPECT_THROW(stuck.Step(), SearchRefused);

    StepWalk walk(0, 0.5L);
    walk.Step();
    const std::optional<long double> ahead = walk.PointAhead(MaxSearchSteps - 1);
    ASSERT_TRUE(ahead);
    EXPECT_FALSE(walk.PointAhead(MaxSearchSteps));
    walk.Skip(MaxSearchSteps - 1, *ahead);
    EXPECT_EQ(walk.Steps(), MaxSearchSteps);
    EXPECT_EQ(walk.X(), 0.5L * MaxSearchSteps);
    EXPECT_THROW(walk.Step(), SearchRefused);
}

}  // namespace
}  // namespace morvik
