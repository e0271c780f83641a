#pragma once
#include <array>
#include <span>
#include <string>

#include "histogram/Characteristics.h"
#include "histogram/Histogram.h"
#include "rawdata/RawDataFile.h"

namespace morvik {

// Values this close to an interval boundary, on the scale of interval numbers ((x - Min) / h), lie on it.
constexpr double BoundaryTolerance = 1e-9;

// The interval (1..n) of a raw value: k = R((v - Min) / h - 0.5) + 1 with R rounding halves to even, so a
// value on an inner boundary goes to the interval whose number makes the tie even. A value within
// BoundaryTolerance of a boundary is taken as on it. Values at or above Max fall in interval n, values below
// Min in interval 1.
int RawInterval(double value, int n, double min, double max);

// The relative frequencies of the sorted values over n intervals of Min..Max (they sum to 1).
std::array<double, MaxBins> BinRawValues(std::span<const double> sorted, int n, double min, double max);

// The histogram built from raw data: n intervals over Min..Max (outer edges), laid out as its kind says.
struct RawHistogram {
    int n = 0;
    double min = 0, max = 0;  // outer edges
    double h = 0;             // interval width
    HistogramKind kind = HistogramKind::Discrete;
    std::array<double, MaxBins> frequency{};  // relative; entries above n are 0
    double total = 0;                         // the raw data count N
    double x1 = 0, x2 = 0;                    // the values of the first and last interval ("Xmin", "Xmax")
    double median = 0, mode = 0;
    double meanY = 0, varY = 0;  // mean and variance of the n frequencies: the reference of the closeness
    Statistics statistics;       // the characteristics with X1, X2 and the frequency total N

    // The histogram as the main window holds it (Min/Max the first/last values, Total = N).
    Histogram AsHistogram() const;
};

// Builds the histogram of the data over n intervals of Min..Max (Min < Max, 1 <= n <= 1024).
RawHistogram BuildRawHistogram(const RawDataSet& data, int n, double min, double max, HistogramKind kind);

// Sturges' advice: the least number of intervals R(1 + 3.3 log10 N) for N values.
int SturgesIntervals(int count);
// The warning (message 116) when n is below the advice, else nothing.
std::optional<Message> SturgesWarning(int n, int count);

}  // namespace morvik
