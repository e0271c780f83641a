#include "statlib/Statistics.h"

#include <cmath>
#include <limits>

#include "common/NumberText.h"

namespace morvik {
namespace {

struct Grid {
    long double x1;
    long double step;
    long double At(int i) const { return x1 + i * step; }  // i from 0
};

Grid MakeGrid(int n, double x1, double x2)
{
    return {x1, n > 1 ? (static_cast<long double>(x2) - x1) / (n - 1) : 0.0L};
}

long double WeightSum(std::span<const double> freq, int n)
{
    long double s = 0;
    for (int i = 0; i < n; ++i) s += freq[i];
    return s;
}

// m_k = sum p (x - mean)^k / S; NaN when there is no weight.
long double CentralMoment(std::span<const double> freq, int n, double x1, double x2, double mean, int k)
{
    const Grid grid = MakeGrid(n, x1, x2);
    long double s = 0, m = 0;
    for (int i = 0; i < n; ++i) {
        long double d = grid.At(i) - mean;
        long double power = 1;
        for (int j = 0; j < k; ++j) power *= d;
        m += freq[i] * power;
        s += freq[i];
    }
    return s > 0 ? m / s : std::numeric_limits<long double>::quiet_NaN();
}

}  // namespace

double PrumerX(std::span<const double> freq, int n, double x1, double x2)
{
    const Grid grid = MakeGrid(n, x1, x2);
    long double s = 0, m = 0;
    for (int i = 0; i < n; ++i) {
        m += freq[i] * grid.At(i);
        s += freq[i];
    }
    return s > 0 ? static_cast<double>(m / s) : UndefinedValue();
}

double RozptylX(std::span<const double> freq, int n, double x1, double x2, double mean)
{
    return static_cast<double>(CentralMoment(freq, n, x1, x2, mean, 2));
}

double StrHodX(std::span<const double> freq, int n, double x1, double x2, double mean)
{
    const Grid grid = MakeGrid(n, x1, x2);
    long double s = 0, m = 0;
    for (int i = 0; i < n; ++i) {
        m += freq[i] * std::fabs(grid.At(i) - mean);
        s += freq[i];
    }
    return s > 0 ? static_cast<double>(m / s) : UndefinedValue();
}

double KoefVariX(double mean, double stdDev)
{
    if (mean == 0 || IsUndefined(mean) || IsUndefined(stdDev)) return UndefinedValue();
    return static_cast<double>(100.0L * stdDev / std::fabs(static_cast<long double>(mean)));
}

double Skewness(std::span<const double> freq, int n, double x1, double x2, double mean, double total)
{
    long double m2 = CentralMoment(freq, n, x1, x2, mean, 2);
    long double m3 = CentralMoment(freq, n, x1, x2, mean, 3);
    if (!(m2 > 0) || !(total > 2) || std::isnan(m3)) return UndefinedValue();
    long double g1 = m3 / std::pow(m2, 1.5L);
    long double N = total;
    return static_cast<double>(g1 * std::sqrt(N * (N - 1)) / (N - 2));
}

double Kurtosis(std::span<const double> freq, int n, double x1, double x2, double mean, double total)
{
    long double m2 = CentralMoment(freq, n, x1, x2, mean, 2);
    long double m4 = CentralMoment(freq, n, x1, x2, mean, 4);
    if (!(m2 > 0) || !(total > 3) || std::isnan(m4)) return UndefinedValue();
    long double g2 = m4 / (m2 * m2) - 3;
    long double N = total;
    return static_cast<double>(((N + 1) * g2 + 6) * (N - 1) / ((N - 2) * (N - 3)));
}

double MedianValue(bool discrete, std::span<const double> freq, double x1, double x2, int n)
{
    const Grid grid = MakeGrid(n, x1, x2);
    const long double half = WeightSum(freq, n) / 2;
    if (!(half > 0)) return UndefinedValue();
    long double before = 0;
    for (int k = 0; k < n; ++k) {
        long double after = before + freq[k];
        if (after >= half) {
            if (!discrete) return static_cast<double>(grid.At(k));
            long double lowerEdge = grid.At(k) - grid.step / 2;
            return static_cast<double>(lowerEdge + (half - before) * grid.step / freq[k]);
        }
        before = after;
    }
    return static_cast<double>(grid.At(n - 1));
}

double ModeValue(std::span<const double> freq, int n, double x1, double x2)
{
    if (n < 1) return UndefinedValue();
    int best = 0;
    for (int i = 1; i < n; ++i) {
        if (freq[i] > freq[best]) best = i;
    }
    return static_cast<double>(MakeGrid(n, x1, x2).At(best));
}

std::string VypMedian(bool discrete, std::span<const double> freq, double x1, double x2, int n)
{
    return StrNaCarku1(MedianValue(discrete, freq, x1, x2, n));
}

std::string VypMode(std::span<const double> freq, int n, double x1, double x2)
{
    return StrNaCarku1(ModeValue(freq, n, x1, x2));
}

double PrumerY(std::span<const double> freq, int n)
{
    return n > 0 ? static_cast<double>(WeightSum(freq, n) / n) : UndefinedValue();
}

double RozptylY(std::span<const double> freq, int n, double meanY)
{
    if (n <= 0) return UndefinedValue();
    long double s = 0;
    for (int i = 0; i < n; ++i) s += (freq[i] - static_cast<long double>(meanY)) * (freq[i] - meanY);
    return static_cast<double>(s / n);
}

double VypocetCharTesnosti(int n, std::span<const double> yFit, double /*zero*/, double varY, double /*meanY*/,
                           std::span<const double> y)
{
    if (!(varY > 0) || n <= 0) return 0;
    long double residual = 0;
    for (int i = 0; i < n; ++i) {
        long double d = static_cast<long double>(y[i]) - yFit[i];
        residual += d * d;
    }
    return static_cast<double>(1 - residual / (n * static_cast<long double>(varY)));
}

}  // namespace morvik
