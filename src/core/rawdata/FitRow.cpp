#include "rawdata/FitRow.h"

#include <cmath>

#include "common/NumberText.h"
#include "parametric/DistributionCatalogue.h"
#include "statlib/Statistics.h"

namespace morvik {

FitRow MakeFitRow(int type, const std::string& name, double closeness, const std::string& parameters,
                  std::span<const double> prob, int n, double x1, double x2, double total,
                  const std::optional<GoodnessOfFit>& goodness)
{
    FitRow row;
    row.type = type;
    row.name = name;
    row.closeness = closeness;
    row.parameters = parameters;
    row.mean = PrumerX(prob, n, x1, x2);
    row.variance = RozptylX(prob, n, x1, x2, row.mean);
    row.stdDev = IsUndefined(row.variance) ? UndefinedValue() : std::sqrt(row.variance);
    row.cvPercent = KoefVariX(row.mean, row.stdDev);
    row.skewness = Skewness(prob, n, x1, x2, row.mean, total);
    row.kurtosis = Kurtosis(prob, n, x1, x2, row.mean, total);
    row.median = MedianValue(true, prob, x1, x2, n);
    row.mode = ModeValue(prob, n, x1, x2);
    row.goodness = goodness;

    auto& f = row.fields;
    f[FieldName] = name;
    f[FieldCloseness] = StrNaCarku(closeness);
    f[FieldMedian] = StrNaCarku(row.median);
    f[FieldMode] = StrNaCarku(row.mode);
    f[FieldMean] = StrNaCarku(row.mean);
    f[FieldVariance] = StrNaCarku(row.variance);
    f[FieldStdDev] = StrNaCarku(row.stdDev);
    f[FieldVariation] = StrNaCarku(row.cvPercent);
    f[FieldSkewness] = StrNaCarku(row.skewness);
    f[FieldKurtosis] = StrNaCarku(row.kurtosis);
    f[FieldParameters] = parameters;
    if (goodness) {
        f[FieldKsDistance] = StrNaCarku(goodness->ksD);
        f[FieldKsPValue] = StrNaCarku(goodness->ksP);
        f[FieldAndersonDarling] = StrNaCarku(goodness->ad);
    }
    return row;
}

std::string FitTypeName(int type) { return TypeListText(type); }

}  // namespace morvik
