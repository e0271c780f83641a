#include "parametric/RangeSearch.h"

#include <cmath>

#include "parametric/FloatingPointGuard.h"

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

}  // namespace

SearchRange ThresholdSearch(const DensityFunction& f, long double x0, long double step, long double eps)
{
    SearchRange range;
    Walker up(step);
    long double x = x0;
    long double threshold = f(x0) * eps;
    while (f(x) > threshold) x = up.Up(x);
    range.max = x;

    Walker down(step);
    x = x0;
    threshold = f(x0) * eps;
    long double v = f(x0);
    while (v > threshold) {
        x = down.Down(x);
        v = f(x);
    }
    range.min = x;
    return range;
}

SearchRange RatioSearch(const DensityFunction& f, long double x0, long double step, long double eps)
{
    SearchRange range;
    Walker up(step);
    long double x = x0;
    long double f0 = f(x0);
    long double v = f0;
    while (Ratio(v, f0) > eps) {
        x = up.Up(x);
        v = f(x);
    }
    range.max = x;

    Walker down(step);
    x = x0;
    f0 = f(x0);
    v = f0;
    while (Ratio(v, f0) > eps) {
        x = down.Down(x);
        v = f(x);
        if (v == f0) break;
    }
    range.min = x;
    return range;
}

SearchRange SearchFromZero(const DensityFunction& f, long double x0, long double step, long double eps)
{
    SearchRange range;
    Walker up(step);
    long double x = x0;
    long double previous = f(x0);
    while (previous > eps) {
        x = up.Up(x);
        const long double v = f(x);
        if (v == previous) break;
        previous = v;
    }
    range.max = x;

    Walker down(step);
    x = x0;
    previous = f(x0);
    while (previous > eps) {
        x = down.Down(x);
        const long double v = f(x);
        if (x < 0 || v == previous) break;
        previous = v;
    }
    range.min = x;
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

SearchRange IntervalScan(const DensityFunction& f, long double a, long double b, long double step, long double eps,
                         bool rejectFlat)
{
    Walker climb(step);
    long double x = a;
    long double previous = 0;
    long double v = f(a);
    while (v >= previous) {
        x = climb.Up(x);
        previous = v;
        v = x < b ? f(x) : 0;
    }
    const long double mode = x - step;

    SearchRange range{a, b};
    Walker down(step);
    x = mode;
    v = f(mode);
    long double threshold = v * eps;
    while (v > threshold) {
        x = down.Down(x);
        v = f(x);
        if (x <= a) v = 0;
    }
    if (x > a) range.min = x + step;

    Walker up(step);
    x = mode;
    v = f(mode);
    threshold = v * eps;
    while (v > threshold) {
        const long double p = f(x);
        x = up.Up(x);
        v = f(x);
        if (v == p) {
            if (rejectFlat) throw ScanRejected{};
            break;
        }
        if (x >= b) v = 0;
    }
    if (x < b) range.max = x - step;
    return range;
}

long double ParetoScanMax(const DensityFunction& f, long double p1, long double step, long double eps,
                          bool rejectFlat)
{
    Walker up(step);
    long double x = p1;
    const long double threshold = f(p1) * eps;
    long double v = f(x);
    while (v > threshold) {
        const long double p = v;
        x = up.Up(x);
        v = f(x);
        if (v == p) {
            if (rejectFlat) throw ScanRejected{};
            break;
        }
    }
    return x - step;
}

long double UpwardScanMax(const DensityFunction& f, long double p1, long double step, long double threshold)
{
    Walker up(step);
    long double x = p1;
    while (f(x) > threshold) x = up.Up(x);
    return x - step;
}

}  // namespace morvik
