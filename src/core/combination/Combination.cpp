// The combination: the distribution of a sum of independent scaled variables, built pairwise.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "combination/Computation.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

// A position within this distance of a half, in intervals, lies exactly halfway between two intervals.
constexpr long double HalfwayTolerance = 1e-9L;

// False for values a double cannot hold, NaN included.
bool FitsDouble(long double value) { return std::fabs(value) <= std::numeric_limits<double>::max(); }

// Rounds to the nearest whole number for |t| < 2^51 (in the default rounding mode).
double RoundHalfEven(double t)
{
    constexpr double shifter = 0x1.8p52;
    return (t + shifter) - shifter;
}

// A scaled operand of one pairwise step: its values lo, lo + w, ..., hi, ascending, with their probabilities.
struct Operand {
    long double lo = 0, hi = 0, w = 0;
    int n = 0;
    std::array<double, MaxBins> prob{};
};

Operand ScaledOperand(const ScaledRow& row)
{
    const RowHistogram& h = *row.histogram;
    Operand op;
    const long double a = row.multiple;
    op.lo = a * h.Min;
    op.hi = a * h.Max;
    op.w = std::fabs(a * h.Width);
    op.n = std::clamp(RoundedBins(h), 0, MaxBins);
    std::copy(h.Prob.begin(), h.Prob.begin() + op.n, op.prob.begin());
    if (op.hi < op.lo) {
        std::swap(op.lo, op.hi);
        std::reverse(op.prob.begin(), op.prob.begin() + op.n);
    }
    return op;
}

// Adds `second` to the running result `first`, spreading every pair's product over `q` intervals.
// Refuses with a message number when the result has no width to divide by: every scaled value so far sits at
// one point (70), or the values lie beyond the range of numbers (141).
std::optional<int> AddOperand(Operand& first, const Operand& second, int q, long double& range)
{
    const long double u = (first.lo + second.lo) - (first.w + second.w) / 2;
    const long double t = (first.hi + second.hi) + (first.w + second.w) / 2;
    const long double width = (t - u) / q;
    if (!FitsDouble(u) || !FitsDouble(t)) return 141;
    if (!(width > 0)) return 70;
    const long double resMin = u + width / 2;
    const long double resMax = t - width / 2;

    // The index of a value is (x - resMin) / width, formed in extended precision, rounded to the nearest
    // interval; a value halfway between two intervals gives half of its probability to each, so that grids
    // that line up keep their symmetry and their mean. A position past either end stays in the end interval.
    // The position is first estimated in double precision as a + k b; only an estimate within `margin` of a
    // half can be a halfway point or round differently from the extended formula, and only then is that
    // formula evaluated.
    const long double magnitude = std::max({std::fabs(first.lo), std::fabs(first.hi), std::fabs(second.lo),
                                            std::fabs(second.hi), std::fabs(resMin), std::fabs(resMax)});
    const long double bound = 2 * HalfwayTolerance + 64 * magnitude * 0x1p-53L / width;
    const bool estimate = bound < 0.25L;  // and so every estimate stays far below 2^51
    const double margin = estimate ? static_cast<double>(bound) : 0;
    const double step = static_cast<double>(second.w / width);
    const double last = q - 1;

    std::array<double, MaxBins> offsets;  // k * step, the same product for every j
    for (int k = 0; k < second.n; ++k) offsets[k] = k * step;

    std::array<double, MaxBins> sum{};
    auto add = [&](double index, double mass) { sum[static_cast<int>(std::clamp(index, 0.0, last))] += mass; };
    // Adds `mass` at the position below + 1/2 + offset (below a whole number, |offset| <= 1/2).
    auto addNearHalf = [&](double below, long double offset, double mass) {
        if (std::fabs(offset) <= HalfwayTolerance) {
            add(below, mass / 2);
            add(below + 1, mass / 2);
        } else {
            add(offset < 0 ? below : below + 1, mass);
        }
    };
    for (int j = 0; j < first.n; ++j) {
        const double pj = first.prob[j];
        if (pj == 0) continue;  // adds nothing
        const long double xj = first.lo + j * first.w + second.lo;
        const double start = static_cast<double>((xj - resMin) / width);
        for (int k = 0; k < second.n; ++k) {
            const double mass = pj * second.prob[k];
            if (estimate) {
                const double t = start + offsets[k];
                const double nearest = RoundHalfEven(t);
                if (std::fabs(t - nearest) <= 0.5 - margin) {
                    add(nearest, mass);
                } else {
                    const double below = RoundHalfEven(t - 0.5);  // the half is below + 1/2
                    addNearHalf(below, (xj + k * second.w - resMin) / width - (below + 0.5L), mass);
                }
            } else {
                const long double position = (xj + k * second.w - resMin) / width;
                const long double below = std::floor(position);
                addNearHalf(static_cast<double>(below), position - below - 0.5L, mass);
            }
        }
    }

    first.lo = resMin;
    first.hi = resMax;
    first.w = width;
    first.n = q;
    first.prob = sum;
    range = t - u;
    return std::nullopt;
}

}  // namespace

ComputationResult CombineRows(std::span<const ScaledRow> rows, int intervals)
{
    ComputationResult result;
    const int q = std::clamp(intervals, 1, MaxBins);
    if (rows.size() < 2) {
        result.message = Message::Error(TextCis(msg::TooFewToCombine));
        return result;
    }

    Operand running = ScaledOperand(rows[0]);
    long double total = std::nearbyint(static_cast<long double>(rows[0].histogram->Total));
    long double range = 0;
    for (size_t i = 1; i < rows.size(); ++i) {
        total *= std::nearbyint(static_cast<long double>(rows[i].histogram->Total));
        if (auto refusal = AddOperand(running, ScaledOperand(rows[i]), q, range)) {
            result.message = Message::Error(TextCis(*refusal));
            return result;
        }
    }
    if (!FitsDouble(total)) {
        result.message = Message::Error(TextCis(msg::Overflow));
        return result;
    }

    Histogram& h = result.histogram;
    h.Bins = q;
    h.Min = static_cast<double>(running.lo);
    h.Max = static_cast<double>(running.hi);
    h.Width = static_cast<double>(running.w);
    h.Range = static_cast<double>(range);
    h.Total = static_cast<double>(total);
    std::copy(running.prob.begin(), running.prob.begin() + q, h.Prob.begin());
    TrimEmptyEnds(h);
    return result;
}

}  // namespace morvik
