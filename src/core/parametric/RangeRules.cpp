// The range Min..Max of each type: the searches and scans, the fixed ranges, and the fit's additions.
#include <algorithm>
#include <cmath>

#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "parametric/DistributionCatalogue.h"
#include "parametric/FloatingPointGuard.h"
#include "parametric/GenerationWork.h"
#include "parametric/RangeSearch.h"
#include "parametric/SafeFunctions.h"

namespace morvik {
namespace {

struct Start {
    long double x0 = 0;
    long double step = 0.1L;
};

// The start point and step of a searched or scanned type. Climbs that only serve the search are made here.
Start StartOf(const GenerationWork& work, const DensityFunction& f)
{
    const long double P1 = work.parameters[0], P2 = work.parameters[1];
    switch (work.type) {
    case NormalType:
    case LogNormal2PType:
    case LogNormal3PType: return {P1, 0.01L * P2};
    case GumbelIType:
    case GumbelIIType:
    case CauchyType:
    case FisherTippettType:
    case LaplaceType:
    case LogisticType: return {P1, 0.001L * P2};
    case WeibullType: {
        const long double m = P2 > 1 ? std::max(P1, P2) : std::min(P1, P2);
        const long double step = 0.001L * m;
        if (!(P1 > 1)) return {0.00001L, step};
        if (work.FitMode()) return {ClimbToMode(f, 0.000001L, step, false), step};
        return {P2 * SafePower(static_cast<double>((P1 - 1) / P1), static_cast<double>(1 / P1)), step};
    }
    case RayleighType: return {P1, 0.001L * P1};
    case LevyType: return {P1 / 3, 0.001L * P1};
    case StudentType: return {0, 0.1L};
    case BetaInZeroType: return {P1 > 1 && P2 > 1 ? (P1 - 1) / (P1 + P2 - 2) : 0.00001L, 0.001L};
    case BetaUniversalType: return {work.parameters[2], 0.0001L};
    case GamaType: return {(P1 - 1) * P2, 0.001L * P2};
    case SnedecorType: return {ClimbToMode(f, 0.01L, 0.01L, true), 0.01L};
    case ParetoType: {
        long double step = 0.1L;
        if (P2 > 1) step /= P2;
        if (P1 < 1) step *= P1;
        return {P1, step};
    }
    case ExponentialType: return {P1, 0.1L * P1};
    case ChiSquareType:
        ClimbToMode(f, 0.0001L, 0.01L, false);  // its result is not used
        return {P1, 0.01L};
    case HalfLogisticType: return {P1, 0.1L};
    default: return {};
    }
}

// The types whose densities fall away from a single peak with a logarithm that is concave, convex, or concave
// and then convex there; their searches may stride over the tails. The log-normal with three parameters is
// mirrored about its lower end and the Beta densities may rise towards both ends, so they step throughout;
// except Beta_universal with both exponents at least 0 (alfa, beta >= 1), whose logarithm
// A ln(x - a) + B ln(b - x) is concave over the whole of (a, b).
TailShape TailShapeOf(const GenerationWork& work)
{
    switch (work.type) {
    case BetaUniversalType:
        return work.density.A >= 0 && work.density.B >= 0 ? TailShape::SmoothTails : TailShape::Unknown;
    case LogNormal3PType:
    case BetaInZeroType: return TailShape::Unknown;
    default: return TailShape::SmoothTails;
    }
}

// Beta_universal is (x - a)^A (b - x)^B over constants: with one exponent 0 it is a power of one distance, and
// the sign of the other exponent tells whether it rises or falls from a to b (with both 0 it is flat, which the
// climb passes as it passes a rise).
Slope BetaSlope(const DensityState& density)
{
    if (density.B == 0) return density.A >= 0 ? Slope::Rising : Slope::Falling;
    if (density.A == 0) return density.B > 0 ? Slope::Falling : Slope::Rising;
    return Slope::Unknown;
}

void TakeUserRange(GenerationWork& work)
{
    work.min = work.fit->userMin;
    work.max = work.fit->userMax;
}

// Fit mode: whether the quantity of the type lies at or below its bound at both ends of the current range.
// LogNormal_2P rejects the type then; the others keep the range without a search.
bool EndsAtOrBelowBound(const GenerationWork& work, const DensityFunction& f)
{
    const FitInputs& fit = *work.fit;
    const long double P1 = work.parameters[0], P2 = work.parameters[1];
    const long double eps = work.eps;
    auto u = [&](long double exponent) {
        const long double value = SafeExp(static_cast<double>(exponent));
        CheckFloatFlags();
        return value;
    };
    switch (work.type) {
    case NormalType:
    case LogNormal2PType: {
        const long double bound = f(P1) * eps;
        return f(fit.xMin) <= bound && f(fit.xMax) <= bound;
    }
    case FisherTippettType: return u((P1 - fit.xMax) / P2) <= eps && u((P1 - fit.xMin) / P2) <= eps;
    case LaplaceType: {
        const long double bound = f(P1) * eps;
        return f(work.min) <= bound && f(work.max) <= bound;
    }
    case LogisticType: return u(-(work.max - P1) / P2) <= eps && u(-(work.min - P1) / P2) <= eps;
    default: return false;
    }
}

bool HasEndsCheck(int type)
{
    return type == NormalType || type == LogNormal2PType || type == FisherTippettType || type == LaplaceType ||
           type == LogisticType;
}

// Fit mode, LogNormal_2P and Fisher-Tippett: a mode in the lower half of the data keeps the data's range inside.
void WidenToData(GenerationWork& work)
{
    const FitInputs& fit = *work.fit;
    if (fit.mode - fit.xMin < (fit.xMax - fit.xMin) / 2) {
        work.max = std::max(work.max, fit.xMax);
        work.min = std::min(work.min, fit.xMin);
    }
}

void SearchForRange(GenerationWork& work, const DensityFunction& f)
{
    const DistributionType& info = DistributionTypeInfo(work.type);
    if (work.FitMode() && HasEndsCheck(work.type) && EndsAtOrBelowBound(work, f)) {
        if (work.type == LogNormal2PType) throw GenerationFailure{};
        return;
    }
    if (work.fitUserRange) {
        TakeUserRange(work);
        return;
    }
    const Start start = StartOf(work, f);
    SearchRange found;
    const TailShape shape = TailShapeOf(work);
    switch (info.rule) {
    case RangeRule::ThresholdSearch: found = ThresholdSearch(f, start.x0, start.step, work.eps, shape); break;
    case RangeRule::RatioSearch: found = RatioSearch(f, start.x0, start.step, work.eps, shape); break;
    default: found = SearchFromZero(f, start.x0, start.step, work.eps, shape); break;
    }
    work.min = static_cast<double>(found.min);
    work.max = static_cast<double>(found.max);
    if (info.minZero) work.min = 0;
    if (work.FitMode() && (work.type == LogNormal2PType || work.type == FisherTippettType)) WidenToData(work);
}

void ScanForRange(GenerationWork& work, const DensityFunction& f)
{
    const DistributionType& info = DistributionTypeInfo(work.type);
    const Start start = StartOf(work, f);
    const long double P1 = work.parameters[0];
    const bool rejectFlat = work.FitMode();
    const TailShape shape = TailShapeOf(work);
    switch (info.rule) {
    case RangeRule::UnitScan: {
        const SearchRange found = UnitScan(f, start.x0, start.step, work.eps);
        work.min = static_cast<double>(found.min);
        work.max = static_cast<double>(found.max);
        break;
    }
    case RangeRule::IntervalScan: {
        const SearchRange found = IntervalScan(f, work.parameters[2], work.parameters[3], start.step, work.eps,
                                               rejectFlat, shape, BetaSlope(work.density));
        work.min = static_cast<double>(found.min);
        work.max = static_cast<double>(found.max);
        break;
    }
    case RangeRule::ParetoScan:
        work.min = static_cast<double>(P1);
        work.max = static_cast<double>(ParetoScanMax(f, P1, start.step, work.eps, rejectFlat, shape));
        break;
    case RangeRule::ExponentialScan:
        work.min = static_cast<double>(P1);
        work.max = static_cast<double>(UpwardScanMax(f, P1, start.step, f(P1) * work.eps, shape));
        break;
    default:  // Half-Logistic: a ten times lower threshold
        work.min = static_cast<double>(P1);
        work.max = static_cast<double>(UpwardScanMax(f, P1, start.step, f(P1) * work.eps * 0.1L, shape));
        break;
    }
    if (work.fitUserRange) TakeUserRange(work);
}

// The failures found only once the range is known.
void CheckFoundRange(const GenerationWork& work)
{
    if (work.type == GamaType && work.min == work.max) {
        throw GenerationFailure{GenerationRefusal{Message::Error(TextCis(msg::UndefinedOperation)), 0, false}};
    }
    if (work.type == SnedecorType && work.min > work.max) {
        throw GenerationFailure{GenerationRefusal{Message::Information(TextCis(msg::UnusableParameters)), 2, false}};
    }
}

}  // namespace

void FindRange(GenerationWork& work)
{
    const DistributionType& info = DistributionTypeInfo(work.type);
    work.eps *= info.epsFactor;
    if (work.fitUserRange && info.lowerLimitZero) work.lowerLimit = 0;
    const DensityFunction f = [&work](long double x) { return work.Density(x); };

    switch (info.rule) {
    case RangeRule::FixedAroundP1:
        work.min = static_cast<double>(work.parameters[0] - work.parameters[1]);
        work.max = static_cast<double>(work.parameters[0] + work.parameters[1]);
        break;
    case RangeRule::FixedP1P2:
        work.min = static_cast<double>(work.parameters[0]);
        work.max = static_cast<double>(work.parameters[1]);
        break;
    case RangeRule::ThresholdSearch:
    case RangeRule::RatioSearch:
    case RangeRule::SearchFromZero: SearchForRange(work, f); break;
    default: ScanForRange(work, f); break;
    }
    CheckFoundRange(work);
}

}  // namespace morvik
