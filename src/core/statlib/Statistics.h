#pragma once
#include <span>
#include <string>

namespace morvik {

// Moments of a histogram given as weights freq[0..n-1] at the values x(i) = x1 + (i-1)(x2-x1)/(n-1)
// (one value x1 when n = 1). The weights need not sum to 1: they are divided by their sum S.
// An undefined result is UndefinedValue() (NaN).
double PrumerX(std::span<const double> freq, int n, double x1, double x2);                // the mean
double RozptylX(std::span<const double> freq, int n, double x1, double x2, double mean);  // the variance
// The mean absolute deviation sum(w(i) |x(i) - mean|) / S, not the standard deviation its name might
// suggest; the characteristics show it as the mean deviation.
double StrHodX(std::span<const double> freq, int n, double x1, double x2, double mean);
double KoefVariX(double mean, double stdDev);  // 100 sigma / |mean|
// Sample skewness from the moments, corrected with the frequency total: undefined when m2 = 0 or total <= 2.
double Skewness(std::span<const double> freq, int n, double x1, double x2, double mean, double total);
// Sample excess kurtosis, corrected with the frequency total: undefined when m2 = 0 or total <= 3.
double Kurtosis(std::span<const double> freq, int n, double x1, double x2, double mean, double total);
// Median: for Discrete interpolated linearly inside the interval that reaches half the weight, for
// Pure Discrete the value that reaches it. Mode: the value of the first largest weight.
double MedianValue(bool discrete, std::span<const double> freq, double x1, double x2, int n);
double ModeValue(std::span<const double> freq, int n, double x1, double x2);
std::string VypMedian(bool discrete, std::span<const double> freq, double x1, double x2, int n);
std::string VypMode(std::span<const double> freq, int n, double x1, double x2);
// Mean and variance of the weights themselves, and the coefficient of determination of fitted weights.
double PrumerY(std::span<const double> freq, int n);
double RozptylY(std::span<const double> freq, int n, double meanY);
double VypocetCharTesnosti(int n, std::span<const double> yFit, double zero, double varY, double meanY,
                           std::span<const double> y);

}  // namespace morvik
