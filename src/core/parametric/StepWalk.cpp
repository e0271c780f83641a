#include "parametric/StepWalk.h"

#include <algorithm>
#include <cmath>

#include "parametric/RangeSearch.h"

namespace morvik {
namespace {

// The binary order of magnitude [2^(e-1), 2^e) of |x|, and whether x lies strictly inside it.
struct Binade {
    int e = 0;
    bool inside = false;
};

Binade BinadeOf(long double x)
{
    Binade b;
    if (x == 0 || !std::isfinite(x)) return b;
    const long double m = std::frexp(std::fabs(x), &b.e);
    b.inside = m > 0.5L;  // 2^(e-1) itself borders the finer spacing below
    return b;
}

bool SameBinade(long double a, long double b)
{
    const Binade ba = BinadeOf(a), bb = BinadeOf(b);
    return ba.inside && bb.inside && ba.e == bb.e && std::signbit(a) == std::signbit(b);
}

// How many steps of exactly `d` from x stay inside the binade of x with room for one more rounding each.
long long StepsInside(long double x, long double d, long double delta)
{
    int e = 0;
    std::frexp(std::fabs(x), &e);
    const long double low = std::ldexp(1.0L, e - 1), high = std::ldexp(1.0L, e);
    const long double unit = std::ldexp(1.0L, e - 64);  // the spacing of extended values in the binade
    const long double a = std::fabs(x), g = std::fabs(d);
    const bool growing = std::signbit(x) == std::signbit(d);
    const long double room = growing ? high - a : a - low;
    const long double steps = (room - g - std::fabs(delta) - 2 * unit) / g - 1;
    if (!(steps >= 1)) return 0;
    if (steps > 1e18L) return 1'000'000'000'000'000'000LL;
    return static_cast<long long>(steps);
}

}  // namespace

void StepWalk::Step()
{
    const long double next = x_ + delta_;
    if (next == x_ || ++steps_ > MaxSearchSteps) throw SearchRefused{};
    x_ = next;
}

std::optional<long double> StepWalk::PointAhead(long long n) const
{
    if (n < 0 || n > MaxSearchSteps - steps_) return std::nullopt;
    long double x = x_;
    long long left = n;
    auto plainStep = [&]() {
        const long double next = x + delta_;
        if (next == x) return false;
        x = next;
        --left;
        return true;
    };
    while (left > 0) {
        // Three plain steps: once three of them have ended inside one binade, every further step there adds
        // what the last one added (a rounding tie always lands on an even point, and from an even point on
        // it keeps landing on the same side).
        if (left <= 3) {
            if (!plainStep()) return std::nullopt;
            continue;
        }
        if (!plainStep()) return std::nullopt;
        const long double first = x;
        if (!plainStep()) return std::nullopt;
        const long double second = x;
        if (!plainStep()) return std::nullopt;
        if (!SameBinade(first, second) || !SameBinade(second, x)) continue;
        const long double d = x - second;
        const long long jump = std::min(left, StepsInside(x, d, delta_));
        // The product and the sum are exact: both are whole multiples of the binade's spacing inside it.
        x += static_cast<long double>(jump) * d;
        left -= jump;
    }
    return x;
}

void StepWalk::Skip(long long n, long double x)
{
    steps_ += n;
    x_ = x;
}

}  // namespace morvik
