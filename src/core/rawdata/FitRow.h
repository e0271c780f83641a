#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>

#include "rawdata/GoodnessOfFit.h"

namespace morvik {

// The fields of a statistics row of the ranking table.
enum FitRowField : int {
    FieldName,
    FieldCloseness,
    FieldMedian,
    FieldMode,
    FieldMean,
    FieldVariance,
    FieldStdDev,
    FieldVariation,
    FieldSkewness,
    FieldKurtosis,
    FieldParameters,
    FieldKsDistance,
    FieldKsPValue,
    FieldAndersonDarling,
};
constexpr int FitRowFieldCount = 19;

// One row of the ranking table: the raw-data histogram's (type -1) or an accepted fit's.
struct FitRow {
    int type = -1;
    std::string name;
    double closeness = 0;
    std::string parameters;  // up to, not including, the first ")"
    double median = 0, mode = 0, mean = 0, variance = 0, stdDev = 0, cvPercent = 0, skewness = 0, kurtosis = 0;
    std::optional<GoodnessOfFit> goodness;             // the fits only
    std::array<std::string, FitRowFieldCount> fields;  // the texts the table shows; blank ones are empty
};

// The statistics of a histogram of n probabilities at the values x1..x2 with frequency total `total`, with the
// texts of fields 0 to 10 (and 11 to 13 when `goodness` is given).
FitRow MakeFitRow(int type, const std::string& name, double closeness, const std::string& parameters,
                  std::span<const double> prob, int n, double x1, double x2, double total,
                  const std::optional<GoodnessOfFit>& goodness);

// The type names of the fit, by type number: the list texts of the catalogue.
std::string FitTypeName(int type);

}  // namespace morvik
