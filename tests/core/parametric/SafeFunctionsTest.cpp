#include <cfenv>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "parametric/SafeFunctions.h"

namespace morvik {
namespace {

struct Case {
    std::string call;
    std::function<double()> run;
    double expected;
};

// Every edge value: the exact fallback or result, and no division-by-zero, overflow or invalid flag left behind.
TEST(SafeFunctions, EdgeValuesGiveTheirFallbacksWithoutRaisingFlags)
{
    const double sqrtPi = std::sqrt(3.14159265358979323846);
    const Case cases[] = {
        {"SafePower(-8, 1/3)", [] { return SafePower(-8, 1.0 / 3); }, 0},
        {"SafePower(-2, 3)", [] { return SafePower(-2, 3); }, -8},
        {"SafePower(0, -1)", [] { return SafePower(0, -1); }, HugeValue},
        {"SafePower(0, 0)", [] { return SafePower(0, 0); }, 1},
        {"SafePower(0, 2.5)", [] { return SafePower(0, 2.5); }, 0},
        {"SafePower(7, 0)", [] { return SafePower(7, 0); }, 1},
        {"SafePower(-7, 1)", [] { return SafePower(-7, 1); }, -7},
        {"SafePower(2, 2000.5)", [] { return SafePower(2, 2000.5); }, HugeValue},
        {"SafePower(0.5, 2000.5)", [] { return SafePower(0.5, 2000.5); }, 0},
        {"SafePower(10, 1.5e300)", [] { return SafePower(10, 1.5e300); }, HugeValue},
        {"SafePower(10, 400)", [] { return SafePower(10, 400); }, HugeValue},
        {"SafeIntPower(10, 400)", [] { return SafeIntPower(10, 400); }, HugeValue},
        {"SafeIntPower(10, -400)", [] { return SafeIntPower(10, -400); }, 0},
        {"SafeIntPower(2, -2)", [] { return SafeIntPower(2, -2); }, 0.25},
        {"SafeIntPower(-3, 3)", [] { return SafeIntPower(-3, 3); }, -27},
        {"SafeIntPower(0, -3)", [] { return SafeIntPower(0, -3); }, HugeValue},
        {"SafeIntPower(0.5, INT32_MIN)", [] { return SafeIntPower(0.5, std::numeric_limits<int32_t>::min()); },
         HugeValue},
        {"SafeExp(-709)", [] { return SafeExp(-709); }, 0},
        {"SafeExp(710)", [] { return SafeExp(710); }, HugeValue},
        {"SafeExp(0)", [] { return SafeExp(0); }, 1},
        {"SafeLn(0)", [] { return SafeLn(0); }, -HugeValue},
        {"SafeLn(-1)", [] { return SafeLn(-1); }, -HugeValue},
        {"SafeLn(1)", [] { return SafeLn(1); }, 0},
        {"SafeLog10(0)", [] { return SafeLog10(0); }, -HugeValue},
        {"SafeLog10(1000)", [] { return SafeLog10(1000); }, 3},
        {"SafeGamma(5)", [] { return SafeGamma(5); }, 24},
        {"SafeGamma(0.5)", [] { return SafeGamma(0.5); }, sqrtPi},
        {"SafeGamma(171.7)", [] { return SafeGamma(171.7); }, HugeValue},
        {"SafeGamma(0)", [] { return SafeGamma(0); }, -HugeValue},
        {"SafeGamma(-1)", [] { return SafeGamma(-1); }, HugeValue},
        {"SafeGamma(-2)", [] { return SafeGamma(-2); }, -HugeValue},
        {"SafeGamma(1e-310)", [] { return SafeGamma(1e-310); }, HugeValue},
        {"SafeGamma(-1e-310)", [] { return SafeGamma(-1e-310); }, -HugeValue},
    };
    for (const Case& c : cases) {
        std::feclearexcept(FE_ALL_EXCEPT);
        const double value = c.run();
        EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID), 0) << c.call;
        EXPECT_EQ(value, c.expected) << c.call;
    }
}

TEST(SafeFunctions, HugeValueLiesJustBelowTheLargestDouble)
{
    EXPECT_LT(HugeValue, std::numeric_limits<double>::max());
    double d = HugeValue;
    for (int i = 0; i < 4; ++i) d = std::nextafter(d, std::numeric_limits<double>::infinity());
    EXPECT_EQ(d, std::numeric_limits<double>::max());
}

TEST(SafeFunctions, GammaFollowsTheFunctionOnEveryBranch)
{
    // The recurrence, the small-argument forms, the rational form, Stirling and the reflection.
    for (double x : {0.01, 0.03125, 0.03, -0.01, -0.5, -1.5, -2.5, 1.7, 7.25, 12.9, 13.1, 20.0, 50.0, 100.0, 170.5,
                     -13.5, -20.5, -100.5}) {
        EXPECT_NEAR(SafeGamma(x) / std::tgamma(x), 1.0, 1e-14) << "x = " << x;
    }
}

TEST(SafeFunctions, LargeNegativeGammaStaysFiniteAndSmall)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const double g = SafeGamma(-171.5);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID), 0);
    EXPECT_GT(g, 0);
    EXPECT_LT(g, 1e-300);
}

TEST(SafeFunctions, ElementaryFunctionsInsideTheirRange)
{
    EXPECT_DOUBLE_EQ(SafeExp(1), std::exp(1.0));
    EXPECT_DOUBLE_EQ(SafeExp(709), std::exp(709.0));
    EXPECT_DOUBLE_EQ(SafeLn(10), std::log(10.0));
    EXPECT_DOUBLE_EQ(SafePower(2, 0.5), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(SafePower(-2, 10), 1024);
    EXPECT_DOUBLE_EQ(SafeIntPower(1.5, 7), std::pow(1.5, 7));
}

TEST(SafeFunctions, PolynomialIsHornerFromTheHighestPower)
{
    const double c[] = {1, 2, 3};
    EXPECT_EQ(Polynomial(c, 2), 11);
    const double single[] = {4};
    EXPECT_EQ(Polynomial(single, 9), 4);
}

}  // namespace
}  // namespace morvik
