#pragma once
#include <array>

#include "histogram/Histogram.h"

namespace morvik {

// The histogram of one row of a combination or summation table: the fields of a Histogram without its kind,
// every value a double (Bins too) in the order the table files keep them.
struct RowHistogram {
    double Bins = 0;
    double Min = 0;  // value of the first interval (its midpoint)
    double Max = 0;  // value of the last interval
    double Range = 0;
    double Width = 0;
    double Total = 0;
    double Reserved = 0;
    std::array<double, MaxBins> Prob{};

    bool operator==(const RowHistogram&) const = default;
};

// Bins rounded to a whole number, halves to even.
int RoundedBins(const RowHistogram& row);

// True when the record can take part in a computation: a whole number of intervals from 1 to 1024, finite
// values, Min <= Max, a non-negative Width, a positive Total and probabilities that are finite and not negative.
bool IsUsableRowHistogram(const RowHistogram& row);

// The record of a histogram read into a row; probabilities past Bins keep the values of `previous`.
RowHistogram RowHistogramOf(const Histogram& histogram, const RowHistogram& previous);

// The row's histogram as the graph shows it (Bins rounded, at most 1024).
Histogram HistogramOfRow(const RowHistogram& row);

}  // namespace morvik
