#include "parametric/Densities.h"

#include <cmath>

#include "parametric/DistributionCatalogue.h"
#include "parametric/SafeFunctions.h"

namespace morvik {
namespace {

constexpr long double PiL = 3.14159265358979323846264338327950288L;
constexpr long double SqrtTwoPiL = 2.50662827463100050241576528481104525L;

// The guarded functions take and give doubles; the densities pass their extended values through them and go on
// in extended precision with the results (a product of two fallback values must not overflow).
long double Exp(long double x) { return SafeExp(static_cast<double>(x)); }
long double Ln(long double x) { return SafeLn(static_cast<double>(x)); }
long double Power(long double x, long double y) { return SafePower(static_cast<double>(x), static_cast<double>(y)); }
long double Gamma(long double x) { return SafeGamma(static_cast<double>(x)); }

void LogNormal3PConstants(DensityState& s)
{
    const long double g = s.P3;
    const long double q = -std::fabs(g);
    const long double p = q * q + 2;
    const long double r = std::sqrt(q * q + 4);
    s.W = Power(r / (2 * q * q) - p / (2 * q * q * q), 1.0L / 3);
    if (s.W == 0) return;
    s.G = 1 / (q * q * s.W) + s.W - 1 / q;
    if (g > 0) s.G = -s.G;
    s.E = 1 / (s.G * s.G) + 1;
}

}  // namespace

void ComputeConstants(DensityState& s)
{
    const long double P1 = s.P1, P2 = s.P2, P3 = s.P3, P4 = s.P4;
    switch (s.type) {
    case NormalType:
        s.A = SqrtTwoPiL * P2;
        s.B = 2 * P2 * P2;
        break;
    case LogNormal2PType:
        s.A = 1 + (P2 / P1) * (P2 / P1);
        s.B = SqrtTwoPiL;
        break;
    case GumbelIType:
        s.A = PiL / (std::sqrt(6.0L) * P2);
        s.B = P1 - 0.577L / s.A;
        break;
    case GumbelIIType:
        // The smallest-value form has its mean 0.577/A below its location, so the location lies above Mi.
        s.A = PiL / (std::sqrt(6.0L) * P2);
        s.B = P1 + 0.577L / s.A;
        break;
    case CauchyType: s.B = PiL * P2; break;
    case LaplaceType: s.C = 2 * P2; break;
    case RayleighType: s.C = P1 * P1; break;
    case LevyType:
        s.C = std::sqrt(P1 * 0.5L / PiL);
        s.A = -0.5L * P1;
        break;
    case StudentType:
        s.C = (P1 + 1) / 2;
        s.A = Gamma(P1 / 2) * std::sqrt(P1 * PiL);
        s.B = Gamma((P1 + 1) / 2) / s.A;
        break;
    case BetaInZeroType: s.C = Gamma(P1) * Gamma(P2) / Gamma(P1 + P2); break;
    case BetaUniversalType:
        s.C = Gamma(P1) * Gamma(P2) / Gamma(P1 + P2);
        s.A = P1 - 1;
        s.B = P2 - 1;
        s.D = P4 - P3;
        s.E = P1 + P2 - 1;
        s.DtoE = Power(s.D, s.E);
        break;
    case GamaType:
        s.C = P1 - 1;
        s.A = Gamma(P1) * Power(P2, P1);
        break;
    case SnedecorType:
        s.C = Power(P1 / P2, P1 / 2) * Gamma((P1 + P2) / 2) / Gamma(P1 / 2) / Gamma(P2 / 2);
        s.A = P1 / 2 - 1;
        s.B = -(P1 + P2) / 2;
        s.D = P1 / P2;
        break;
    case ParetoType: s.C = P2 * Power(P1, P2); break;
    case UniformType: s.C = 1 / (P2 - P1); break;
    case TriangularType:
        s.C = 2 * (P2 - P1) * (P3 - P1);
        s.A = 2 * (P2 - P1) * (P2 - P3);
        break;
    case LogNormal3PType: LogNormal3PConstants(s); break;
    default: break;
    }
}

long double DensityAt(const DensityState& s, long double x)
{
    const long double P1 = s.P1, P2 = s.P2, P3 = s.P3, P4 = s.P4;
    switch (s.type) {
    case NormalType: return 1 / (s.A * Exp((x - P1) * (x - P1) / s.B));
    case LogNormal2PType: {
        if (x <= 0) return 0;  // the log-normal density lives on x > 0 (a range can start at 0)
        const long double lnA = Ln(s.A);
        const long double l = Ln(std::sqrt(s.A) * x / P1);
        return std::exp(-(l * l) / (2 * lnA)) / (std::sqrt(lnA) * x * s.B);
    }
    case GumbelIType: {
        const long double t = -s.A * (x - s.B);
        return s.A * Exp(t - Exp(t));
    }
    case GumbelIIType: {
        const long double t = s.A * (x - s.B);
        return s.A * Exp(t - Exp(t));
    }
    case RaisedCosineType: return (1 + std::cos(PiL * (x - P1) / P2)) / 2 / P2;
    case CauchyType: {
        const long double z = (x - P1) / P2;
        return 1 / (s.B * (1 + z * z));
    }
    case FisherTippettType: {
        const long double u = Exp((P1 - x) / P2);
        return u * Exp(-u) / P2;
    }
    case LaplaceType: return Exp(-std::fabs(x - P1) / P2) / s.C;
    case LogisticType: {
        const long double u = Exp(-(x - P1) / P2);
        return u / ((u + 1) * P2 * (u + 1));
    }
    case WeibullType: return (P1 / P2) * Power(x / P2, P1 - 1) * Exp(-Power(x / P2, P1));
    case RayleighType: return (x / s.C) * Exp(-0.5L * (x / P1) * (x / P1));
    case LevyType: return (s.C / Power(x, 1.5L)) * Exp(s.A / x);
    case StudentType: return s.B * Power(1 + x * x / P1, -s.C);
    case BetaInZeroType: return Power(x, P1 - 1) * Power(1 - x, P2 - 1) / s.C;
    case BetaUniversalType: return Power(x - P3, s.A) * Power(P4 - x, s.B) / s.C / s.DtoE;
    case GamaType: return Power(x, P1 - 1) * Exp(-x / P2) / s.A;
    case SnedecorType: return s.C * Power(x, s.A) * Power(1 + s.D * x, s.B);
    case ParetoType: return s.C / Power(x, P2 + 1);
    case UniformType: return s.C;
    case TriangularType: return x <= P3 ? (x - P1) / s.C : (P2 - x) / s.A;
    case ExponentialType: return (1 / P1) * Exp(-x / P1);
    case ChiSquareType: return Power(x, P1 / 2 - 1) * Exp(-x / 2) / Gamma(P1 / 2) / Power(2, P1 / 2);
    case HalfLogisticType: {
        const long double e = Exp(-x);
        return 2 * e / ((1 + e) * (1 + e));
    }
    case LogNormal3PType: {
        const long double z = (x - P1) / P2;
        const long double distance = std::fabs(z - s.G);
        const long double l = std::log(std::sqrt(s.E) * distance / std::fabs(s.G));
        return Exp(-(l * l) / (2 * std::log(s.E))) / (distance * std::sqrt(2 * PiL * Ln(s.E)));
    }
    default: return 0;
    }
}

}  // namespace morvik
