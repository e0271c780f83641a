#include "parametric/RangeSearch.h"

#include <cfenv>
#include <cmath>
#include <optional>

#include "parametric/FloatingPointGuard.h"
#include "parametric/StepWalk.h"

namespace morvik {
namespace {

// Moves x by one step, refusing a step that no longer moves it and a walk that would never end.
class Walker {
public:
    explicit Walker(long double step) : step_(step) {}
    long double Up(long double x) { return Checked(x, x + step_); }
    long double Down(long double x) { return Checked(x, x - step_); }

private:
    long double Checked(long double from, long double to)
    {
        if (to == from || ++count_ > MaxSearchSteps) throw SearchRefused{};
        return to;
    }
    long double step_;
    long long count_ = 0;
};

// |v / f0|, with a division fault reported as the generation's fault.
long double Ratio(long double v, long double f0)
{
    const long double ratio = std::fabs(v / f0);
    ForceEvaluated(ratio);
    CheckFloatFlags();
    return ratio;
}

enum class Verdict { Go, Stop, Flat };

struct WalkEnd {
    long double x = 0;
    Verdict verdict = Verdict::Stop;
};

// A relative change of the density far beyond the rounding of its evaluation (at most about 1e-13 of it).
constexpr long double ClearMargin = 1e-9L;
constexpr long long FirstStride = 16;
constexpr long long ShortestStride = 4;
constexpr int StepsBeforeNextStride = 8;

// The density at two points ahead without a floating-point fault showing: a fault there belongs to a point the
// search may never reach, so the flags are put back as they were and the stride is not taken.
bool QuietDensities(const DensityFunction& f, long double x1, long double x2, long double& v1, long double& v2)
{
    std::fexcept_t flags;
    std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
    try {
        v1 = f(x1);
        v2 = f(x2);
        return true;
    } catch (const FloatingPointFault&) {
        std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
        return false;
    }
}

// Tries to pass the stretch from the walk's point to `stride` steps ahead, halving the stride down to the shortest
// one: `clear`(density before the end, density at the end, end) tells whether the stretch's last step shows that
// every point before it may be passed. On success the walk moves there, `previous` and `v` are the densities of
// its last step, and the stride doubles for the next try.
template <typename ClearRule>
bool Stride(const DensityFunction& f, StepWalk& walk, long long& stride, long double& previous, long double& v,
            ClearRule clear)
{
    for (;;) {
        const std::optional<long double> beforeEnd = walk.PointAhead(stride - 1);
        const std::optional<long double> end = beforeEnd ? walk.PointAhead(stride) : std::nullopt;
        long double vBeforeEnd = 0, vEnd = 0;
        if (end && *end != *beforeEnd && QuietDensities(f, *beforeEnd, *end, vBeforeEnd, vEnd) &&
            clear(vBeforeEnd, vEnd, *end)) {
            walk.Skip(stride, *end);
            previous = vBeforeEnd;
            v = vEnd;
            stride *= 2;
            return true;
        }
        if (stride <= ShortestStride) return false;
        stride /= 2;
    }
}

// What a walk knows of its density and its stops. The `...ToLevel` walks stop only at or below the level, or past
// a fixed end they walk towards, and their density has a single peak (a rounding far below ClearMargin aside), so
// the lowest density of a stretch is at one of its ends: a stretch whose ends are clearly above the level lies
// wholly above it. `PeakToLevel` walks start at the peak, so the density never rises along them, and a stretch
// whose ends are equal is flat (the rounded density no longer changing) and passes too.
enum class WalkFrom { Anywhere, AnywhereToLevel, PeakToLevel };

// One walk of a search from x0 (where the density is v0 and the walk has not stopped) until `verdict`(v,
// previous v, x) says Stop or Flat at a step point. With smooth tails the walk strides over stretches where the
// density clearly falls and stays clearly above `level`, the density at or below which the walk stops; the point
// and the verdict it ends with are those of stepping one by one.
template <typename VerdictRule>
WalkEnd Walk(const DensityFunction& f, long double x0, long double delta, long double v0, TailShape shape,
             long double level, VerdictRule verdict, WalkFrom from = WalkFrom::Anywhere)
{
    StepWalk walk(x0, delta);
    long double v = v0;
    long double previous = 0;
    bool stepped = false;
    long long stride = FirstStride;
    int stepsToStride = 0;
    for (;;) {
        const bool toLevel = from == WalkFrom::AnywhereToLevel || from == WalkFrom::PeakToLevel;
        if (toLevel && shape == TailShape::SmoothTails && stepsToStride <= 0 &&
            v > level * (from == WalkFrom::PeakToLevel ? 1 : 1 + ClearMargin)) {
            // This passes plateaus and slow rises too, which stepping would walk through to the end of its steps.
            const long double vStart = v;
            auto clearlyAbove = [&](long double, long double vEnd, long double end) {
                const bool flat = from == WalkFrom::PeakToLevel && vEnd == vStart;
                return (vEnd > level * (1 + ClearMargin) || flat) && verdict(vEnd, vEnd, end) == Verdict::Go;
            };
            if (Stride(f, walk, stride, previous, v, clearlyAbove)) {
                stepped = true;
                continue;
            }
            stepsToStride = StepsBeforeNextStride;
        }
        const bool falling =
            stepped && previous > 0 && v > 0 && v < previous * (1 - ClearMargin) && v < v0 * (1 - ClearMargin);
        if (!toLevel && shape == TailShape::SmoothTails && falling && stepsToStride <= 0) {
            // The stretch from the last step to `stride` steps ahead: both its end steps clearly fall, so every
            // step between does, and its last point is clearly above the level, so every point between is.
            auto clearlyFalling = [&](long double vBeforeEnd, long double vEnd, long double end) {
                return vEnd > 0 && vEnd < vBeforeEnd * (1 - ClearMargin) && vEnd > level * (1 + ClearMargin) &&
                       verdict(vEnd, vBeforeEnd, end) == Verdict::Go;
            };
            if (Stride(f, walk, stride, previous, v, clearlyFalling)) continue;
            stepsToStride = StepsBeforeNextStride;
        }
        walk.Step();
        stepped = true;
        --stepsToStride;
        previous = v;
        v = f(walk.X());
        const Verdict said = verdict(v, previous, walk.X());
        if (said != Verdict::Go) return {walk.X(), said};
    }
}

Verdict StopWhen(bool stop) { return stop ? Verdict::Stop : Verdict::Go; }

}  // namespace

SearchRange ThresholdSearch(const DensityFunction& f, long double x0, long double step, long double eps,
                            TailShape shape)
{
    SearchRange range;
    const long double f0 = f(x0);
    const long double threshold = f0 * eps;
    auto atOrBelow = [threshold](long double v, long double, long double) { return StopWhen(!(v > threshold)); };
    range.max = !(f0 > threshold) ? x0 : Walk(f, x0, step, f0, shape, threshold, atOrBelow, WalkFrom::PeakToLevel).x;
    range.min = !(f0 > threshold) ? x0 : Walk(f, x0, -step, f0, shape, threshold, atOrBelow, WalkFrom::PeakToLevel).x;
    return range;
}

SearchRange RatioSearch(const DensityFunction& f, long double x0, long double step, long double eps, TailShape shape)
{
    SearchRange range;
    const long double f0 = f(x0);
    const long double level = eps * std::fabs(f0);
    if (!(Ratio(f0, f0) > eps)) return {x0, x0};
    range.max = Walk(f, x0, step, f0, shape, level, [&](long double v, long double, long double) {
                    return StopWhen(!(Ratio(v, f0) > eps));
                }).x;
    // Downwards the search also ends where the density comes back to its value at x0.
    range.min = Walk(f, x0, -step, f0, shape, level, [&](long double v, long double, long double) {
                    return StopWhen(v == f0 || !(Ratio(v, f0) > eps));
                }).x;
    return range;
}

SearchRange SearchFromZero(const DensityFunction& f, long double x0, long double step, long double eps, TailShape shape)
{
    const long double f0 = f(x0);
    if (!(f0 > eps)) return {x0, x0};
    SearchRange range;
    range.max = Walk(f, x0, step, f0, shape, eps, [eps](long double v, long double previous, long double) {
                    return StopWhen(v == previous || !(v > eps));
                }).x;
    range.min = Walk(f, x0, -step, f0, shape, eps, [eps](long double v, long double previous, long double x) {
                    return StopWhen(x < 0 || v == previous || !(v > eps));
                }).x;
    return range;
}

long double ClimbToMode(const DensityFunction& f, long double start, long double step, bool stopWhenFlat)
{
    Walker walker(step);
    long double x = start;
    long double previous = 0;
    long double v = f(start);
    while (v >= previous) {
        x = walker.Up(x);
        previous = v;
        v = f(x);
        if (stopWhenFlat && v == previous) break;
    }
    return x - step;
}

SearchRange UnitScan(const DensityFunction& f, long double mode, long double step, long double eps)
{
    SearchRange range{0, 1};
    // The value lags one step behind x, so x + Step is the point found.
    Walker down(step);
    long double x = mode;
    long double v = f(mode);
    long double threshold = v * eps;
    while (v > threshold) {
        v = f(x);
        x = down.Down(x);
        if (x <= 0) v = 0;
    }
    if (x > 0) range.min = x + step;

    Walker up(step);
    x = mode;
    v = f(mode);
    threshold = v * eps;
    while (v > threshold) {
        v = f(x);
        x = up.Up(x);
        if (x >= 1) v = 0;
    }
    if (x < 1) range.max = x - step;
    return range;
}

namespace {

// The climb of the Beta scan from a while the density does not fall (points at or beyond b count as 0); the
// first point where it falls. With a logarithm of the density that is concave, a step that clearly rises tells
// that every step before it rose, so stretches ending in such a step are passed without evaluating every point.
long double ClimbPastMode(const DensityFunction& f, long double a, long double b, long double step, TailShape shape,
                          Slope slope)
{
    StepWalk walk(a, step);
    long double previous = 0;
    long double v = f(a);
    long long stride = FirstStride;
    int stepsToStride = 0;
    for (;;) {
        if (slope != Slope::Unknown && stepsToStride <= 0) {
            // A density that only rises never stops the climb before b; one that only falls lets it go on only
            // where it is flat, and a stretch with equal ends is flat throughout.
            const long double vStart = v;
            auto climbsOn = [b, slope, vStart](long double, long double vEnd, long double end) {
                return end < b && (slope == Slope::Rising || vEnd == vStart);
            };
            if (Stride(f, walk, stride, previous, v, climbsOn)) continue;
            stepsToStride = StepsBeforeNextStride;
        }
        const bool rising = previous > 0 && v > previous * (1 + ClearMargin);
        if (shape == TailShape::SmoothTails && rising && stepsToStride <= 0) {
            auto clearlyRising = [b](long double vBeforeEnd, long double vEnd, long double end) {
                return end < b && vBeforeEnd > 0 && vEnd > vBeforeEnd * (1 + ClearMargin);
            };
            if (Stride(f, walk, stride, previous, v, clearlyRising)) continue;
            stepsToStride = StepsBeforeNextStride;
        }
        walk.Step();
        --stepsToStride;
        previous = v;
        v = walk.X() < b ? f(walk.X()) : 0;
        if (!(v >= previous)) return walk.X();
    }
}

}  // namespace

SearchRange IntervalScan(const DensityFunction& f, long double a, long double b, long double step, long double eps,
                         bool rejectFlat, TailShape shape, Slope slope)
{
    const long double mode = ClimbPastMode(f, a, b, step, shape, slope) - step;

    SearchRange range{a, b};
    long double v = f(mode);
    long double threshold = v * eps;
    long double x = mode;
    if (v > threshold) {
        // Points at or below a count as 0.
        x = Walk(
                f, mode, -step, v, shape, threshold,
                [a, threshold](long double value, long double, long double at) {
                    return StopWhen(at <= a || !(value > threshold));
                },
                WalkFrom::PeakToLevel)
                .x;
    }
    if (x > a) range.min = x + step;

    v = f(mode);
    threshold = v * eps;
    x = mode;
    if (v > threshold) {
        // A flat step ends the scan (before the end b is looked at); points at or beyond b count as 0.
        const WalkEnd end = Walk(f, mode, step, v, shape, threshold,
                                 [b, threshold](long double value, long double previous, long double at) {
                                     if (value == previous) return Verdict::Flat;
                                     return StopWhen(at >= b || !(value > threshold));
                                 });
        if (end.verdict == Verdict::Flat && rejectFlat) throw ScanRejected{};
        x = end.x;
    }
    if (x < b) range.max = x - step;
    return range;
}

long double ParetoScanMax(const DensityFunction& f, long double p1, long double step, long double eps, bool rejectFlat,
                          TailShape shape)
{
    const long double threshold = f(p1) * eps;
    const long double v0 = f(p1);
    if (!(v0 > threshold)) return p1 - step;
    const WalkEnd end = Walk(f, p1, step, v0, shape, threshold, [threshold](long double v, long double p, long double) {
        if (v == p) return Verdict::Flat;
        return StopWhen(!(v > threshold));
    });
    if (end.verdict == Verdict::Flat && rejectFlat) throw ScanRejected{};
    return end.x - step;
}

long double UpwardScanMax(const DensityFunction& f, long double p1, long double step, long double threshold,
                          TailShape shape)
{
    const long double v0 = f(p1);
    if (!(v0 > threshold)) return p1 - step;
    auto atOrBelow = [threshold](long double v, long double, long double) { return StopWhen(!(v > threshold)); };
    return Walk(f, p1, step, v0, shape, threshold, atOrBelow, WalkFrom::AnywhereToLevel).x - step;
}

}  // namespace morvik
