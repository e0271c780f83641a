#include "parametric/SafeFunctions.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace morvik {
namespace {

constexpr long double PiL = 3.14159265358979323846264338327950288L;

// Stirling correction in w = 1/x, highest power first.
constexpr std::array<double, 9> StirlingCoefficients = {
    0.00071473913781436109, -2.3638488095017589e-05, -0.00059502375540563298,
    6.9893322606231933e-05, 0.00078403348427447529,  -0.00022947197478731854,
    -0.0026813271618763043, 0.0034722222222300751,   0.083333333333333315,
};
// Rational approximation on [2, 3): numerator and denominator in t - 2.
constexpr std::array<double, 8> GammaNumerator = {
    4.2127604874716217e-05, 0.00045429319606080093, 0.0040926668283940357, 0.023853632434611083,
    0.11130628160193616,    0.36295154366402393,    0.83780043015731265,   1,
};
constexpr std::array<double, 9> GammaDenominator = {
    -1.3971485174761705e-05, 0.00023465840591606351, -0.0012377992466531523,
    -0.00079559336824947381, 0.027737065658400731,   -0.04633887671244534,
    -0.22435109056703292,    0.41501609505884557,    1,
};
// 1 / (t Gamma(t)) near zero, for small positive and small negative t (in |t|).
constexpr std::array<double, 9> SmallPositive = {
    -0.00119394505138151,  0.0072205994780369098, -0.0096220233604062712,
    -0.042197733607059154, 0.16653861137208051,   -0.042002635034033439,
    -0.65587807152025401,  0.57721566490153287,   1,
};
constexpr std::array<double, 9> SmallNegative = {
    0.0011333741672438944, 0.0072208372618931703, 0.0096219111550359775,
    -0.042197733437311917, -0.16653861139444134,  -0.04200263503402113,
    0.65587807152025368,   0.57721566490153287,   -1,
};

// Stirling's formula in extended precision; it stays finite far beyond the double range, which the reflection
// of large negative arguments needs.
long double Stirling(long double x)
{
    const double w = static_cast<double>(1.0L / x);
    const long double power = std::exp((x - 0.5L) * std::log(x) - x);
    return power * static_cast<long double>(SqrtTwoPi) *
           (1.0L + static_cast<long double>(w) * Polynomial(StirlingCoefficients, w));
}

// A finite extended result rounded to double, or the fallback where the double range ends.
double ToDoubleOrHuge(long double value)
{
    if (std::fabs(value) > static_cast<long double>(DBL_MAX)) return value < 0 ? -HugeValue : HugeValue;
    return static_cast<double>(value);
}

}  // namespace

double Polynomial(std::span<const double> coefficients, double t)
{
    double r = coefficients[0];
    for (size_t i = 1; i < coefficients.size(); ++i) r = r * t + coefficients[i];
    return r;
}

double SafeExp(double x)
{
    if (x < ExpArgMin) return 0;
    if (x > ExpArgMax) return HugeValue;
    return static_cast<double>(std::exp(static_cast<long double>(x)));
}

double SafeLn(double x)
{
    if (x <= 0) return -HugeValue;
    return static_cast<double>(std::log(static_cast<long double>(x)));
}

double SafeLog10(double x)
{
    if (x <= 0) return -HugeValue;
    return static_cast<double>(std::log(static_cast<long double>(x)) * static_cast<long double>(InverseLn10));
}

namespace {

// The special cases both powers share; true when one applies.
bool PowerSpecialCase(double x, double y, double& result)
{
    if (x == 0) {
        result = y == 0 ? 1 : (y > 0 ? 0 : HugeValue);
        return true;
    }
    if (y == 0) {
        result = 1;
        return true;
    }
    if (y == 1) {
        result = x;
        return true;
    }
    return false;
}

}  // namespace

double SafeIntPower(double x, int32_t n)
{
    double special = 0;
    if (PowerSpecialCase(x, n, special)) return special;
    bool invert = n < 0;
    if (std::fabs(x) > 1) {
        // Squaring a base below 1 never overflows; the reciprocal is taken at the end.
        x = 1 / x;
        invert = !invert;
    }
    double r = 1;
    for (int64_t m = std::llabs(static_cast<int64_t>(n)); m > 0; m /= 2) {
        if (m % 2 == 1) r *= x;
        x *= x;
    }
    if (!invert) return r;
    if (std::fabs(r) < ReciprocalLimit) return r < 0 ? -HugeValue : HugeValue;
    return 1 / r;
}

double SafePower(double x, double y)
{
    double special = 0;
    if (PowerSpecialCase(x, y, special)) return special;
    if (std::fabs(y) < 2147483647.0 && y == std::trunc(y)) return SafeIntPower(x, static_cast<int32_t>(y));
    if (x <= 0) return 0;
    const long double product = static_cast<long double>(y) * std::log(static_cast<long double>(x));
    // Compared before rounding to double, so that a product beyond the double range raises no overflow.
    if (product < static_cast<long double>(ExpArgMin)) return 0;
    if (product > static_cast<long double>(ExpArgMax)) return HugeValue;
    const double l = static_cast<double>(product);
    if (l < ExpArgMin) return 0;
    if (l > ExpArgMax) return HugeValue;
    return static_cast<double>(std::exp(static_cast<long double>(l)));
}

double SafeGamma(double x)
{
    double sign = 1;
    if (x <= 0) sign = std::fmod(std::trunc(std::fabs(x)), 2.0) == 1 ? 1 : -1;
    if (x == 0 || (x < 0 && x == std::trunc(x))) return sign * HugeValue;
    if (x > GammaArgMax) return HugeValue;

    if (std::fabs(x) > 13) {
        if (x > 0) return ToDoubleOrHuge(Stirling(x));
        const long double a = -static_cast<long double>(x);
        const long double whole = std::trunc(a);
        long double z = a - whole;
        if (z > 0.5L) z = a - (whole + 1);
        z = std::fabs(a * std::sin(PiL * z)) * Stirling(a);
        if (z <= static_cast<long double>(GammaReflectionLimit)) return sign * HugeValue;
        return ToDoubleOrHuge(sign * PiL / z);
    }

    long double z = 1;
    long double t = x;
    while (t >= 3) {
        t -= 1;
        z *= t;
    }
    while (t < -0.03125L) {
        z /= t;
        t += 1;
    }
    if (t <= 0.03125L) {
        if (t == 0) return HugeValue;
        const double u = static_cast<double>(std::fabs(t));
        // So close to a pole that the reciprocal would overflow.
        if (u < ReciprocalLimit) return sign * HugeValue;
        const double polynomial = t > 0 ? Polynomial(SmallPositive, u) : Polynomial(SmallNegative, u);
        return ToDoubleOrHuge(z / (static_cast<long double>(u) * polynomial));
    }
    while (t < 2) {
        z /= t;
        t += 1;
    }
    if (t == 2 || t == 3) return static_cast<double>(z);
    const double u = static_cast<double>(t - 2);
    return ToDoubleOrHuge(z * Polynomial(GammaNumerator, u) / Polynomial(GammaDenominator, u));
}

}  // namespace morvik
