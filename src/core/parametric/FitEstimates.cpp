#include "parametric/FitEstimates.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/NumberText.h"
#include "parametric/SafeFunctions.h"

namespace morvik {
namespace {

constexpr long double PiL = 3.14159265358979323846264338327950288L;

// The labels in front of each parameter text of a description; nullptr ends it.
// clang-format off
constexpr std::array<std::array<const char*, 4>, DistributionTypeCount> DescriptionLabels = {{
    {"Mi=", ",Sigma=", nullptr, nullptr},     // Normal
    {"Mi=", ",Sigma=", nullptr, nullptr},     // LogNormal_2P
    {"Mi=", ",Sigma=", nullptr, nullptr},     // Gumbelovo_I
    {"Mi=", ",Sigma=", nullptr, nullptr},     // Gumbelovo_II
    {"Mi=", ",s=", nullptr, nullptr},         // Raised-cosine
    {nullptr, nullptr, nullptr, nullptr},     // Cauchy
    {"Mi=", ",Beta=", nullptr, nullptr},      // Fisher-Tippett
    {"Mi=", ",b=", nullptr, nullptr},         // Laplace
    {"Mi=", ", s=", nullptr, nullptr},        // Logistic
    {"k=", ", Lambda=", nullptr, nullptr},    // Weibull
    {"Sigma=", nullptr, nullptr, nullptr},    // Rayleigh
    {nullptr, nullptr, nullptr, nullptr},     // Levy
    {"n=", nullptr, nullptr, nullptr},        // Students
    {"alfa=", ",beta=", nullptr, nullptr},    // Beta_in_zero
    {"alfa=", ",beta=", "a=", ",b="},         // Beta_universal
    {"k=", ",theta=", nullptr, nullptr},      // Gama
    {"n1=", ",n2=", nullptr, nullptr},        // Snedecorovo
    {nullptr, nullptr, nullptr, nullptr},     // Pareto
    {nullptr, nullptr, nullptr, nullptr},     // Uniform
    {nullptr, nullptr, nullptr, nullptr},     // Triangular
    {"delta=", nullptr, nullptr, nullptr},    // Exponencials
    {"n=", nullptr, nullptr, nullptr},        // X2
    {"Delta=", nullptr, nullptr, nullptr},    // Half-Logistic
    {"Mi=", ",Sigma=", ",Skewness=", nullptr},// LogNormal_3P
}};
// clang-format on

// A statistic of the raw data is taken as it is; the description shows it as the summary table does.
struct Copied {
    double value;
};
// Five decimals would keep two digits or none of an estimate in small units (strains, radians): below 0.01 the
// estimate keeps six significant digits instead.
std::string Computed(long double value)
{
    const double x = static_cast<double>(value);
    if (x != 0 && std::fabs(x) < 0.01) return SixSignificantDigits(x);
    return FixedFiveDecimals(x);
}

FitEstimate Rejected() { return FitEstimate{true, {}, {}}; }

// One estimate slot: what the generation reads and what the description shows.
class Slots {
public:
    explicit Slots(FitEstimate& estimate) : estimate_(estimate) {}
    void Set(size_t slot, Copied copied)
    {
        estimate_.texts[slot] = ShortestText(copied.value);
        estimate_.shown[slot] = Trimmed(StrNaCarku(copied.value));
    }
    void Set(size_t slot, const std::string& computed) { estimate_.texts[slot] = estimate_.shown[slot] = computed; }

private:
    static std::string Trimmed(const std::string& text)
    {
        const size_t first = text.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : text.substr(first);
    }
    FitEstimate& estimate_;
};

}  // namespace

std::string FixedFiveDecimals(double value)
{
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

std::string SixSignificantDigits(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.5E", value);
    return buffer;
}

FitEstimate EstimateParameters(int type, const FitInputs& fit, double rangeMin, double rangeMax)
{
    const long double mu = fit.mean;
    const long double s = fit.stdDev;
    const long double s2 = s * s;
    FitEstimate e;
    Slots t(e);
    switch (type) {
    case GumbelIType:
        if (fit.xMin + (fit.xMax - fit.xMin) / 2 < fit.median) return Rejected();
        [[fallthrough]];
    case NormalType:
    case LogNormal2PType:
        t.Set(0, Copied{fit.mean});
        t.Set(1, Copied{fit.stdDev});
        break;
    case GumbelIIType:
        if (fit.xMin + (fit.xMax - fit.xMin) / 2 > fit.median) return Rejected();
        t.Set(0, Copied{fit.mean});
        t.Set(1, Copied{fit.stdDev});
        break;
    case RaisedCosineType:
        t.Set(0, Copied{fit.mean});
        t.Set(1, Computed(std::sqrt(s2 / 0.13069096604865779046L)));
        break;
    case FisherTippettType:
        t.Set(0, Copied{fit.mean});
        t.Set(1, Computed(std::sqrt(6.0L) * s / PiL));
        break;
    case LaplaceType:
        t.Set(0, Copied{fit.mean});
        t.Set(1, Computed(s / std::sqrt(2.0L)));
        break;
    case LogisticType:
        t.Set(0, Copied{fit.mean});
        t.Set(1, Computed(std::sqrt(3.0L) * s / PiL));
        break;
    case WeibullType: {
        const long double k = fit.weibullShape;
        t.Set(0, Computed(k));
        t.Set(1, Computed(mu / SafeGamma(static_cast<double>(1 + 1 / k))));
        break;
    }
    case RayleighType: t.Set(0, Computed(s)); break;
    case StudentType: {
        const long double n = 2 * s2 / (s2 - 1);
        if (n - 1 <= 0) return Rejected();
        t.Set(0, Computed(n));
        break;
    }
    case BetaInZeroType: {
        const long double alfa = mu * mu * (1 - mu) * s2 / ((1 - mu) * (1 - mu) * (1 - mu) * (1 - mu) + mu);
        t.Set(0, Computed(alfa));
        t.Set(1, Computed(alfa / mu * (1 - mu)));
        break;
    }
    case BetaUniversalType: {
        const long double a = rangeMin, b = rangeMax;
        if (mu == b) return Rejected();
        const long double r = (mu - a) / (b - mu);
        if (r == 0) return Rejected();
        const long double spread = (r + 1) * (r + 1) * s2;
        if (spread == 0) return Rejected();
        const long double beta = ((b - a) * (b - a) * r / spread - 1) / (r + 1);
        t.Set(0, Computed(beta * r));
        t.Set(1, Computed(beta));
        t.Set(2, Computed(a));
        t.Set(3, Computed(b));
        break;
    }
    case GamaType:
        t.Set(0, Computed(mu * mu / s2));
        t.Set(1, Computed(s2 / mu));
        break;
    case SnedecorType: {
        const long double n2 = 2 * mu / (mu - 1);
        const long double n1 = 2 * n2 * n2 / ((1 - 2 * n2 * n2) * s2 * (n2 - 2) * (n2 - 4));
        if (n1 <= 0) return Rejected();
        t.Set(0, Computed(n1));
        t.Set(1, Computed(n2));
        break;
    }
    case ExponentialType:
    case ChiSquareType:
    case HalfLogisticType: t.Set(0, Copied{fit.mean}); break;
    case LogNormal3PType:
        t.Set(0, Copied{fit.mean});
        t.Set(1, Copied{fit.stdDev});
        t.Set(2, Copied{fit.skewness});
        break;
    default:  // Cauchy, Levy, Pareto, Uniform, Triangular have no estimates
        return Rejected();
    }
    return e;
}

std::string ParameterDescription(int type, const ParameterTexts& texts)
{
    const auto& labels = DescriptionLabels.at(static_cast<size_t>(type));
    if (labels[0] == nullptr) return "";
    std::string text;
    for (size_t slot = 0; slot < 4 && labels[slot] != nullptr; ++slot) text += labels[slot] + texts[slot];
    return text + ")";
}

}  // namespace morvik
