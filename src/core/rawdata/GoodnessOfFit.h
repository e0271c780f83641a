#pragma once
#include <span>

namespace morvik {

// CDF values are kept this far from 0 and 1 in the Anderson-Darling sum, so that a value outside the fitted
// range adds a large but finite term.
constexpr double AndersonDarlingClamp = 1e-12;

// How well a histogram describes the raw values themselves.
struct GoodnessOfFit {
    double ksD = 0;  // Kolmogorov-Smirnov distance sup |Fn - F|
    double ksP = 0;  // its asymptotic p-value, Q(sqrt(N) D)
    double ad = 0;   // Anderson-Darling A^2
};

// The raw values (sorted ascending) against the CDF of a histogram of n probabilities over min..max:
// continuous, each interval's probability spread evenly over it; or, with `steps`, the probabilities as jumps at
// the n values min, min + d, ..., max (d = (max - min)/(n - 1)). One pass over the values, O(N + n).
GoodnessOfFit MeasureGoodnessOfFit(std::span<const double> sorted, std::span<const double> prob, int n, double min,
                                   double max, bool steps);

// The Kolmogorov distribution's upper tail Q(lambda) = 2 sum (-1)^(k-1) exp(-2 k^2 lambda^2).
double KolmogorovTail(double lambda);

}  // namespace morvik
