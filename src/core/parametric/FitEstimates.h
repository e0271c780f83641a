#pragma once
#include <array>
#include <optional>
#include <string>

#include "parametric/DistributionCatalogue.h"

namespace morvik {

// What the raw-data fit hands to a generation, at full precision.
struct FitInputs {
    double mean = 0, stdDev = 0, skewness = 0;        // of the raw data
    double xMin = 0, xMax = 0, median = 0, mode = 0;  // of the histogram built from the raw data
    double weibullShape = 1.5;                        // the fit's current Weibull shape k
    bool FitUserRange = false;                        // the raw-data window supplies its own range
    double userMin = 0, userMax = 0;                  // that range (the window's Min and Max)
};

// The parameter texts the estimates overwrite (empty slots keep their text), or a rejection of the type.
// `texts` carry the full precision the generation computes with; `shown` are the same estimates as the user
// reads them in the description: a copied statistic as the raw-data summary shows it (six digits).
struct FitEstimate {
    bool rejected = false;
    std::array<std::optional<std::string>, 4> texts;
    std::array<std::optional<std::string>, 4> shown;
};

// Estimates the parameters of `type` from the raw data. `rangeMin`..`rangeMax` is the current range of the
// generation (Beta_universal takes it as its a and b). Arithmetic faults show in the floating-point flags.
// Copied statistics are written at full precision (and shown with six digits), computed estimates with five
// decimals, or with six significant digits when they are not 0 and below 0.01 in absolute value.
FitEstimate EstimateParameters(int type, const FitInputs& fit, double rangeMin, double rangeMax);

// The short parameter text kept for the fit ranking table, e.g. "Mi=10,Sigma=1)"; empty for a type without one.
std::string ParameterDescription(int type, const ParameterTexts& texts);

// A number with six significant digits in exponent form, e.g. "1.23457E-04".
std::string SixSignificantDigits(double value);
// A number as fixed-point text with five decimals and "." as decimal separator.
std::string FixedFiveDecimals(double value);

}  // namespace morvik
