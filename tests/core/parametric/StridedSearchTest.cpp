// Searches that stride over smooth tails end exactly where stepping one point at a time ends.
#include <cmath>
#include <functional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "parametric/Densities.h"
#include "parametric/DistributionCatalogue.h"
#include "parametric/FloatingPointGuard.h"
#include "parametric/RangeSearch.h"

namespace morvik {
namespace {

enum class Rule { Threshold, Ratio, FromZero, Pareto, Upward, Interval };

struct Family {
    int type;
    Rule rule;
    // Random parameters P1, P2, the start x0 and the step for them.
    std::function<void(std::mt19937_64&, DensityState&, long double& x0, long double& step)> draw;
    double epsExponentMin;  // heavier tails get larger cut-offs so that stepping stays quick
};

double Uniform(std::mt19937_64& random, double low, double high)
{
    return std::uniform_real_distribution<double>(low, high)(random);
}

// The search of the family's rule; `outcome` is the range found or the name of what stopped it.
std::string Search(const Family& family, const DensityState& state, long double x0, long double step, long double eps,
                   TailShape shape, Slope slope = Slope::Unknown)
{
    const DensityFunction f = [&state](long double x) {
        const long double v = DensityAt(state, x);
        ForceEvaluated(v);
        CheckFloatFlags();
        return v;
    };
    ClearFloatFlags();
    try {
        SearchRange range;
        switch (family.rule) {
        case Rule::Threshold: range = ThresholdSearch(f, x0, step, eps, shape); break;
        case Rule::Ratio: range = RatioSearch(f, x0, step, eps, shape); break;
        case Rule::FromZero: range = SearchFromZero(f, x0, step, eps, shape); break;
        case Rule::Pareto: range.max = ParetoScanMax(f, x0, step, eps, true, shape); break;
        case Rule::Upward: range.max = UpwardScanMax(f, x0, step, f(x0) * eps, shape); break;
        case Rule::Interval: range = IntervalScan(f, state.P3, state.P4, step, eps, true, shape, slope); break;
        }
        char text[100];
        std::snprintf(text, sizeof text, "%La .. %La", range.min, range.max);
        return text;
    } catch (const SearchRefused&) {
        return "refused";
    } catch (const ScanRejected&) {
        return "rejected";
    } catch (const FloatingPointFault& fault) {
        return "fault " + std::to_string(static_cast<int>(fault.fault));
    }
}

TEST(StridedSearch, EndsWhereSteppingEndsForRandomParameters)
{
    using R = std::mt19937_64;
    // clang-format off
    const Family families[] = {
        {NormalType, Rule::Threshold,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, -20, 20), s.P2 = Uniform(r, 0.05, 5), x0 = s.P1, step = 0.01L * s.P2;
         }, -14},
        {CauchyType, Rule::Threshold,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, -20, 20), s.P2 = Uniform(r, 0.05, 5), x0 = s.P1, step = 0.001L * s.P2;
         }, -5},
        {LaplaceType, Rule::Threshold,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, -20, 20), s.P2 = Uniform(r, 0.05, 5), x0 = s.P1, step = 0.001L * s.P2;
         }, -12},
        {LogisticType, Rule::Threshold,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, -20, 20), s.P2 = Uniform(r, 0.05, 5), x0 = s.P1, step = 0.001L * s.P2;
         }, -12},
        {StudentType, Rule::Threshold,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 0.7, 40), x0 = 0, step = 0.1L;
         }, -6},
        {GumbelIType, Rule::Ratio,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, -20, 20), s.P2 = Uniform(r, 0.05, 5), x0 = s.P1, step = 0.001L * s.P2;
         }, -12},
        {GumbelIIType, Rule::Ratio,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, -20, 20), s.P2 = Uniform(r, 0.05, 5), x0 = s.P1, step = 0.001L * s.P2;
         }, -12},
        {FisherTippettType, Rule::Ratio,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, -20, 20), s.P2 = Uniform(r, 0.05, 5), x0 = s.P1, step = 0.001L * s.P2;
         }, -12},
        {LogNormal2PType, Rule::Ratio,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 1, 30), s.P2 = s.P1 * Uniform(r, 0.02, 0.6), x0 = s.P1, step = 0.01L * s.P2;
         }, -10},
        {WeibullType, Rule::FromZero,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 0.5, 6), s.P2 = Uniform(r, 0.2, 20);
             step = 0.001L * (s.P2 > 1 ? std::max(s.P1, s.P2) : std::min(s.P1, s.P2));
             x0 = s.P1 > 1 ? s.P2 * std::pow((s.P1 - 1) / s.P1, 1 / s.P1) : 0.00001L;
         }, -8},
        {RayleighType, Rule::FromZero,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 0.1, 20), x0 = s.P1, step = 0.001L * s.P1;
         }, -8},
        {LevyType, Rule::FromZero,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 0.5, 20), x0 = s.P1 / 3, step = 0.001L * s.P1;
         }, -4},
        {GamaType, Rule::FromZero,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 1, 40), s.P2 = Uniform(r, 0.1, 5), x0 = (s.P1 - 1) * s.P2, step = 0.001L * s.P2;
         }, -14},
        {SnedecorType, Rule::FromZero,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 1, 30), s.P2 = Uniform(r, 1, 30), x0 = 0.5, step = 0.01L;
         }, -5},
        {ChiSquareType, Rule::FromZero,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 1, 40), x0 = s.P1, step = 0.01L;
         }, -10},
        {ParetoType, Rule::Pareto,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 0.2, 20), s.P2 = Uniform(r, 0.8, 6), x0 = s.P1;
             step = 0.1L;
             if (s.P2 > 1) step /= s.P2;
             if (s.P1 < 1) step *= s.P1;
         }, -6},
        {ExponentialType, Rule::Upward,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 0.1, 20), x0 = s.P1, step = 0.1L * s.P1;
         }, -14},
        {HalfLogisticType, Rule::Upward,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, -20, 20), x0 = s.P1, step = 0.1L;
         }, -14},
        // Beta_universal with alfa, beta >= 1: a logarithm concave over (a, b); the climb from a strides too.
        {BetaUniversalType, Rule::Interval,
         [](R& r, DensityState& s, long double& x0, long double& step) {
             s.P1 = Uniform(r, 1, 30), s.P2 = Uniform(r, 1, 30), s.P3 = Uniform(r, -50, 50);
             s.P4 = s.P3 + Uniform(r, 0.2, 4), x0 = s.P3, step = 0.0001L;
         }, -12},
    };
    // clang-format on
    std::mt19937_64 random(2024);
    for (const Family& family : families) {
        for (int i = 0; i < 12; ++i) {
            DensityState state;
            state.type = family.type;
            long double x0 = 0, step = 0;
            family.draw(random, state, x0, step);
            ClearFloatFlags();
            ComputeConstants(state);
            const long double eps = std::pow(10.0L, Uniform(random, family.epsExponentMin, -1));
            const std::string stepped = Search(family, state, x0, step, eps, TailShape::Unknown);
            const std::string strided = Search(family, state, x0, step, eps, TailShape::SmoothTails);
            EXPECT_EQ(strided, stepped) << TypeListText(family.type) << " P1 " << static_cast<double>(state.P1)
                                        << " P2 " << static_cast<double>(state.P2) << " eps "
                                        << static_cast<double>(eps);
        }
    }
}

// Student with a huge n: 1 + x^2 / n rounds to 1 near the peak, so the density stays exactly f(0) for a long
// stretch before it falls in steps as large as the rounding of 1 + x^2 / n allows.
TEST(StridedSearch, PassesRoundedPlateausAndEndsWhereSteppingEnds)
{
    const Family student{StudentType, Rule::Threshold, nullptr, 0};
    struct Case {
        long double n;
        long double eps;
    };
    const Case cases[] = {{1e20L, 1e-7L}, {1e24L, 1e-3L}, {1e26L, 1e-8L}, {1e24L, 0.9999999999L}};
    for (const Case& c : cases) {
        DensityState state;
        state.type = StudentType;
        state.P1 = c.n;
        ClearFloatFlags();
        ComputeConstants(state);
        const std::string stepped = Search(student, state, 0, 0.1L, c.eps, TailShape::Unknown);
        const std::string strided = Search(student, state, 0, 0.1L, c.eps, TailShape::SmoothTails);
        EXPECT_NE(stepped, "refused") << static_cast<double>(c.n);
        EXPECT_EQ(strided, stepped) << static_cast<double>(c.n) << " eps " << static_cast<double>(c.eps);
    }
}

// With n = 6.4e91, 1 + x^2 / n is 1 for every point the search may reach (|x| up to 1e7), so the density never
// falls below any level: stepping would evaluate all its steps (about a minute) before refusing.
TEST(StridedSearch, RefusesAPlateauThatOutlastsEveryStep)
{
    const Family student{StudentType, Rule::Threshold, nullptr, 0};
    DensityState state;
    state.type = StudentType;
    state.P1 = 6.4e91L;
    ClearFloatFlags();
    ComputeConstants(state);
    const long double reach = 0.1L * MaxSearchSteps;
    ASSERT_EQ(1 + reach * reach / state.P1, 1.0L);
    EXPECT_EQ(Search(student, state, 0, 0.1L, 1e-7L, TailShape::SmoothTails), "refused");
}

// Beta_universal with one exponent 0 is a power of one distance: its rounded density only rises or only falls,
// and a large other exponent makes that power the largest double over most of (a, b), a plateau the climb used to
// step through. Each scan ends where the scan stepping one point at a time ends.
TEST(StridedSearch, BetaWithOneExponentZeroScansAsSteppingDoes)
{
    struct Case {
        long double alfa, beta, a, b, eps;
        Slope slope;
    };
    // clang-format off
    const Case cases[] = {
        {111446, 1, 1.1L, 60, 1e-7L, Slope::Rising},    // (x - a)^111445 is the largest double beyond a + 1.0064
        {3.5L, 1, -2, 3, 1e-5L, Slope::Rising},
        {1, 1, 0, 40, 1e-7L, Slope::Rising},            // flat: the climb goes to b
        {1, 50000, 0, 45, 1e-7L, Slope::Falling},       // (b - x)^49999 is the largest double until b - 1.0143
        {1, 2.5L, 10, 12, 1e-3L, Slope::Falling},
        {0.5L, 1, 0, 30, 1e-7L, Slope::Falling},        // (x - a)^-0.5 falls from a
        {1, 0.25L, 0, 30, 1e-7L, Slope::Rising},        // (b - x)^-0.75 rises towards b
    };
    // clang-format on
    const Family beta{BetaUniversalType, Rule::Interval, nullptr, 0};
    for (const Case& c : cases) {
        DensityState state;
        state.type = BetaUniversalType;
        state.P1 = c.alfa, state.P2 = c.beta, state.P3 = c.a, state.P4 = c.b;
        ClearFloatFlags();
        ComputeConstants(state);
        const TailShape shape = state.A >= 0 && state.B >= 0 ? TailShape::SmoothTails : TailShape::Unknown;
        EXPECT_EQ(Search(beta, state, c.a, 0.0001L, c.eps, shape, c.slope),
                  Search(beta, state, c.a, 0.0001L, c.eps, TailShape::Unknown))
            << "alfa " << static_cast<double>(c.alfa) << " beta " << static_cast<double>(c.beta);
    }
}

// Half-Logistic far below 0: exp(-x) beyond the double range gives the largest double, so the density is flat
// there, then rises to its peak at 0 and falls. The upward scan passes the plateau and the rise.
TEST(StridedSearch, UpwardScanPassesAPlateauAndARise)
{
    const Family halfLogistic{HalfLogisticType, Rule::Upward, nullptr, 0};
    struct Case {
        long double p1, eps;
    };
    const Case cases[] = {{-2000, 1e-8L}, {-800.5L, 1e-7L}, {-50, 0.5L}, {-3000, 1}};
    for (const Case& c : cases) {
        DensityState state;
        state.type = HalfLogisticType;
        state.P1 = c.p1;
        ClearFloatFlags();
        ComputeConstants(state);
        const std::string stepped = Search(halfLogistic, state, c.p1, 0.1L, c.eps, TailShape::Unknown);
        EXPECT_EQ(Search(halfLogistic, state, c.p1, 0.1L, c.eps, TailShape::SmoothTails), stepped)
            << static_cast<double>(c.p1);
    }
}

}  // namespace
}  // namespace morvik
