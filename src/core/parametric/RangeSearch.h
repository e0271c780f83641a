#pragma once
#include <functional>

namespace morvik {

// The most steps any one search, scan or climb may take before the generation is refused.
inline constexpr long long MaxSearchSteps = 100'000'000;

// Thrown when a search cannot end: its step no longer moves x, or it ran out of steps.
struct SearchRefused {};
// Thrown by a scan that meets a flat density where the fit rejects the type.
struct ScanRejected {};

// The density as the searches evaluate it.
using DensityFunction = std::function<long double(long double)>;

// What a search may assume of the density along its walks. `SmoothTails`: the density has a single peak, and
// beyond it the logarithm of the density is concave, convex, or concave and then convex. Such a density keeps
// falling there, and the fall from one step to the next is smallest at one end of any stretch, so a stretch whose
// ends clearly fall and stay clearly above the stopping level can be passed without evaluating every point.
enum class TailShape { Unknown, SmoothTails };

struct SearchRange {
    long double min = 0;
    long double max = 0;
};

// From x0 both ways to the first points x0 +- k Step where f is at or below f(x0) Eps. With smooth tails x0 is
// the peak of a density symmetric about it whose evaluation is monotone in the distance from x0, so the walks may
// also pass its flat stretches.
SearchRange ThresholdSearch(const DensityFunction& f, long double x0, long double step, long double eps,
                            TailShape shape = TailShape::Unknown);
// From x0 both ways to the first points where |f / f(x0)| is at or below Eps (downwards also where f = f(x0)).
SearchRange RatioSearch(const DensityFunction& f, long double x0, long double step, long double eps,
                        TailShape shape = TailShape::Unknown);
// From x0 both ways to the first points where f itself is at or below Eps, where f stops changing, or
// (downwards) where x falls below 0.
SearchRange SearchFromZero(const DensityFunction& f, long double x0, long double step, long double eps,
                           TailShape shape = TailShape::Unknown);
// Climbs from `start` while f does not decrease (with `stopWhenFlat` also not when it stays equal); the mode.
long double ClimbToMode(const DensityFunction& f, long double start, long double step, bool stopWhenFlat);
// Beta in [0, 1]: from the mode both ways to the first points at or below f(mode) Eps, clamped to 0 and 1.
SearchRange UnitScan(const DensityFunction& f, long double mode, long double step, long double eps);
// How a density runs over a whole interval when it is evaluated as a power of one distance from an end: it then
// only rises or only falls, rounded or not.
enum class Slope { Unknown, Rising, Falling };

// Beta in [a, b]: climbs from a to the mode, then keeps the last points above f(mode) Eps. A flat step on the
// way up ends the scan, or throws ScanRejected with `rejectFlat`. With smooth tails the logarithm of the density
// must be concave (then the climb and the walk down from the mode may stride too); a known slope lets the climb
// pass the stretches it would step through without stopping.
SearchRange IntervalScan(const DensityFunction& f, long double a, long double b, long double step, long double eps,
                         bool rejectFlat, TailShape shape = TailShape::Unknown, Slope slope = Slope::Unknown);
// Pareto: upwards from P1 to the last point above f(P1) Eps; a flat step ends it, or throws ScanRejected.
long double ParetoScanMax(const DensityFunction& f, long double p1, long double step, long double eps, bool rejectFlat,
                          TailShape shape = TailShape::Unknown);
// Upwards from P1 to the last point above `threshold`.
long double UpwardScanMax(const DensityFunction& f, long double p1, long double step, long double threshold,
                          TailShape shape = TailShape::Unknown);

}  // namespace morvik
