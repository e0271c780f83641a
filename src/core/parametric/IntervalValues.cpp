// The interval values of a generation and their normalisation into probabilities.
#include <cmath>

#include "parametric/FloatingPointGuard.h"
#include "parametric/GenerationWork.h"

namespace morvik {

long double GenerationWork::Density(long double x) const
{
    const long double value = DensityAt(density, x);
    ForceEvaluated(value);
    CheckFloatFlags();
    return value;
}

void FillIntervals(GenerationWork& work)
{
    work.width = (work.max - work.min) / work.bins;
    // A range without width (or upside down) has no intervals to fill.
    if (!(work.width > 0)) throw GenerationFailure{};
    for (int i = 1; i <= work.bins; ++i) {
        const long double x = (i - 0.5L) * work.width + work.min;
        if (work.fitUserRange && x < work.lowerLimit) continue;
        const double value = static_cast<double>(work.Density(x));
        ForceEvaluated(value);
        CheckFloatFlags();  // the value may not fit in a double
        // A density without a value here must not pass for a probability.
        if (std::isnan(value)) throw FloatingPointFault{FloatFault::InvalidOperation};
        work.values[static_cast<size_t>(i - 1)] = value;
        work.sum += value;
    }
}

bool NormaliseIntervals(GenerationWork& work)
{
    if (work.sum == 0) return false;
    const auto n = static_cast<size_t>(work.bins);
    long double r = 0;
    for (size_t i = 0; i < n; ++i) {
        work.values[i] = static_cast<double>(work.values[i] / work.sum);
        if (work.values[i] != 0) r += 1 / static_cast<long double>(work.values[i]);
    }
    while (r > 9223372036854775807.0L) r /= 10;
    // Intervals that would count less than half an observation of the total are cleared.
    for (size_t i = 0; i < n; ++i) {
        if (std::nearbyint(r * work.values[i]) == 0) work.values[i] = 0;
    }
    const double first = work.values[0];
    const double last = work.values[n - 1];
    const double lighter = first < last ? first : last;
    work.total = lighter != 0 ? static_cast<double>(1 / static_cast<long double>(lighter)) : static_cast<double>(r);
    return true;
}

}  // namespace morvik
