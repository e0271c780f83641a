#include "rawdata/GoodnessOfFit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "rawdata/RawHistogram.h"

namespace morvik {
namespace {

// The cumulative probabilities C[k] = p[0] + ... + p[k-1], k = 0..n, scaled so that C[n] is exactly 1.
std::vector<double> Cumulative(std::span<const double> prob, int n)
{
    std::vector<long double> c(static_cast<size_t>(n) + 1, 0.0L);
    for (int k = 0; k < n; ++k) c[static_cast<size_t>(k) + 1] = c[static_cast<size_t>(k)] + prob[k];
    const long double total = c.back();
    std::vector<double> scaled(c.size(), 0.0);
    if (total > 0) {
        for (size_t k = 0; k < c.size(); ++k) scaled[k] = static_cast<double>(c[k] / total);
    }
    return scaled;
}

// The Anderson-Darling and Kolmogorov-Smirnov sums, fed with the CDF at each sorted value in turn. The CDF and the
// terms are doubles (their rounding is far below what the statistics can tell); the A^2 sum, which nearly
// cancels against N, is kept in extended precision.
class Accumulator {
public:
    explicit Accumulator(size_t count) : n_(static_cast<double>(count)) {}

    // F at value i (0-based) for the Anderson-Darling sum. Equal values follow each other, so their logarithms
    // are taken once.
    void Add(size_t i, double f, bool sameAsPrevious)
    {
        const double index = static_cast<double>(i);
        if (!sameAsPrevious) {
            const double clamped = std::clamp(f, AndersonDarlingClamp, 1 - AndersonDarlingClamp);
            lnF_ = std::log(clamped);
            ln1F_ = std::log1p(-clamped);
        }
        s_ += (2 * index + 1) * lnF_ + (2 * (n_ - index) - 1) * ln1F_;
    }
    // A value of the empirical CDF against the model.
    void Compare(double empirical, double model) { d_ = std::max(d_, std::fabs(empirical - model)); }

    GoodnessOfFit Result() const
    {
        GoodnessOfFit g;
        g.ksD = d_;
        g.ksP = KolmogorovTail(std::sqrt(n_) * d_);
        g.ad = static_cast<double>(-n_ - s_ / n_);
        return g;
    }

private:
    double n_;
    double d_ = 0;
    long double s_ = 0;
    double lnF_ = 0, ln1F_ = 0;
};

GoodnessOfFit Continuous(std::span<const double> sorted, const std::vector<double>& c, std::span<const double> prob,
                         int n, double min, double max)
{
    Accumulator sums(sorted.size());
    const double count = static_cast<double>(sorted.size());
    const double total = c.back() > 0 ? 1 : 0;
    const double scale = n / (max - min);
    long double sumProb = 0;
    for (int k = 0; k < n; ++k) sumProb += prob[k];
    const double normalise = sumProb > 0 ? static_cast<double>(1 / sumProb) : 0;
    for (size_t i = 0; i < sorted.size(); ++i) {
        const double t = (sorted[i] - min) * scale;
        double f;
        if (!(t > 0)) f = 0;
        else if (t >= n) f = total;
        else {
            const auto k = static_cast<size_t>(t);
            f = c[k] + prob[k] * normalise * (t - static_cast<double>(k));
        }
        // A continuous F meets the empirical CDF's jump at x_i from below and above.
        const double index = static_cast<double>(i);
        sums.Compare((index + 1) / count, f);
        sums.Compare(index / count, f);
        sums.Add(i, f, i > 0 && sorted[i] == sorted[i - 1]);
    }
    return sums.Result();
}

GoodnessOfFit Steps(std::span<const double> sorted, const std::vector<double>& c, int n, double min, double max)
{
    Accumulator sums(sorted.size());
    const double spacing = n > 1 ? (max - min) / (n - 1) : 1;
    // The number of model values at or below x; a value within the boundary tolerance of one counts as on it.
    auto valuesUpTo = [&](double x) {
        const double t = (x - min) / spacing;
        if (!(t >= -BoundaryTolerance)) return 0;
        if (t + BoundaryTolerance >= n - 1) return n;
        return static_cast<int>(std::floor(t + BoundaryTolerance)) + 1;
    };
    const double count = static_cast<double>(sorted.size());
    size_t below = 0;  // data values at or below the model value being compared
    for (int j = 0; j < n; ++j) {
        while (below < sorted.size() && valuesUpTo(sorted[below]) <= j + 1) ++below;
        sums.Compare(static_cast<double>(below) / count, c[static_cast<size_t>(j) + 1]);
    }
    // Both CDFs are steps: between the points where either jumps they are constant, so comparing them just right
    // of every jump of the model (above) and of the data (here, at the last of equal values) finds the supremum.
    for (size_t i = 0; i < sorted.size(); ++i) {
        const double f = c[static_cast<size_t>(valuesUpTo(sorted[i]))];
        const bool lastOfEqual = i + 1 == sorted.size() || sorted[i + 1] != sorted[i];
        if (lastOfEqual) sums.Compare(static_cast<double>(i + 1) / count, f);
        sums.Add(i, f, i > 0 && sorted[i] == sorted[i - 1]);
    }
    return sums.Result();
}

}  // namespace

double KolmogorovTail(double lambda)
{
    if (!(lambda > 0)) return 1;
    if (lambda < 1.18) {
        // The theta-function form converges fast for small lambda.
        const double pi = std::numbers::pi;
        const double a = -pi * pi / (8 * lambda * lambda);
        double sum = 0;
        for (int k = 1; k <= 7; ++k) sum += std::exp(a * (2 * k - 1) * (2 * k - 1));
        return std::clamp(1 - std::sqrt(2 * pi) / lambda * sum, 0.0, 1.0);
    }
    double sum = 0;
    double sign = 1;
    for (int k = 1; k <= 100; ++k) {
        const double term = std::exp(-2.0 * k * k * lambda * lambda);
        sum += sign * term;
        if (term < 1e-18) break;
        sign = -sign;
    }
    return std::clamp(2 * sum, 0.0, 1.0);
}

GoodnessOfFit MeasureGoodnessOfFit(std::span<const double> sorted, std::span<const double> prob, int n, double min,
                                   double max, bool steps)
{
    if (sorted.empty() || n < 1) return {};
    const std::vector<double> c = Cumulative(prob, n);
    return steps ? Steps(sorted, c, n, min, max) : Continuous(sorted, c, prob, n, min, max);
}

}  // namespace morvik
