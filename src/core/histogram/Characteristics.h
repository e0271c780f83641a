#pragma once
#include <array>
#include <span>
#include <string>

#include "histogram/Histogram.h"

namespace morvik {

// Column 1 of the result characteristics grid: " " + Bins, Min, Max, sum of probabilities, frequency total.
std::array<std::string, 5> ShowCharacteristics(const Histogram& result);
// The frequency-total text of that grid: below 1000000 as " " + the whole number, from 1000000 on as StrNaCarku.
std::string TotalText(double total);

// The statistical characteristics of a histogram, as numbers and as the fourteen value texts.
struct Statistics {
    double min = 0, max = 0;  // outer edges for Discrete
    int bins = 0;
    double frequencyTotal = 0;
    double mean = 0, variance = 0, stdDev = 0, meanDeviation = 0, cvPercent = 0;
    double skewness = 0, concentration = 0, excess = 0, median = 0, mode = 0;
    std::array<std::string, 14> texts;
};

// `prob` holds at least `bins` weights at the values min..max; `frequencyTotal` corrects skewness and kurtosis.
Statistics ComputeStatistics(std::span<const double> prob, int bins, double min, double max, HistogramKind kind,
                             double frequencyTotal);

// The multi-line characteristics text (CR LF line ends), or message 215 below 3 intervals.
std::string CharacteristicsText(const std::string& heading, std::span<const double> prob, int bins, double min,
                                double max, HistogramKind kind, double frequencyTotal);

}  // namespace morvik
