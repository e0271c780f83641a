#include "histogram/Characteristics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/NumberText.h"
#include "localization/CharacteristicLabels.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/Statistics.h"

namespace morvik {

std::string TotalText(double total)
{
    if (total < 1000000) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.0f", total);
        return std::string(" ") + buffer;
    }
    return StrNaCarku(total);
}

std::array<std::string, 5> ShowCharacteristics(const Histogram& result)
{
    return {" " + std::to_string(result.Bins), StrNaCarku(result.Min), StrNaCarku(result.Max),
            StrNaCarku(result.ProbabilitySum()), TotalText(result.Total)};
}

Statistics ComputeStatistics(std::span<const double> prob, int bins, double min, double max, HistogramKind kind,
                             double frequencyTotal)
{
    Statistics s;
    const bool discrete = kind == HistogramKind::Discrete;
    const double w = bins > 1 ? (max - min) / (bins - 1) : 0.0;
    s.min = discrete ? min - w / 2 : min;
    s.max = discrete ? max + w / 2 : max;
    s.bins = bins;
    s.frequencyTotal = frequencyTotal;
    s.mean = PrumerX(prob, bins, min, max);
    s.variance = RozptylX(prob, bins, min, max, s.mean);
    s.stdDev = IsUndefined(s.variance) ? UndefinedValue() : std::sqrt(s.variance);
    s.meanDeviation = StrHodX(prob, bins, min, max, s.mean);
    s.cvPercent = KoefVariX(s.mean, s.stdDev);
    s.skewness = Skewness(prob, bins, min, max, s.mean, frequencyTotal);
    s.excess = Kurtosis(prob, bins, min, max, s.mean, frequencyTotal);
    s.concentration = IsUndefined(s.excess) ? UndefinedValue() : s.excess + 3;
    s.median = MedianValue(discrete, prob, min, max, bins);
    s.mode = ModeValue(prob, bins, min, max);

    s.texts = {StrNaCarku1(s.min),
               StrNaCarku1(s.max),
               PadLeft(std::to_string(bins), 12),
               StrNaCarku1(frequencyTotal),
               StrNaCarku1(s.mean),
               StrNaCarku1(s.variance),
               StrNaCarku1(s.stdDev),
               StrNaCarku1(s.meanDeviation),
               StrNaCarku1(s.cvPercent),
               StrNaCarku1(s.skewness),
               StrNaCarku1(s.concentration),
               StrNaCarku1(s.excess),
               VypMedian(discrete, prob, min, max, bins),
               VypMode(prob, bins, min, max)};
    return s;
}

std::string CharacteristicsText(const std::string& heading, std::span<const double> prob, int bins, double min,
                                double max, HistogramKind kind, double frequencyTotal)
{
    if (bins < 3) return TextCis(msg::TooFewIntervalsForCharacteristics);
    const Statistics s = ComputeStatistics(prob, bins, min, max, kind, frequencyTotal);
    const auto& label = CharacteristicLabels();
    const std::string eol = "\r\n";
    const std::string rule(40, '_');
    const int digits = static_cast<int>(std::to_string(bins).size());

    std::string text = heading + eol + rule + eol + eol + TextCis(msg::BasicHeading) + eol + eol;
    text += label[0] + "\t\t" + s.texts[0] + eol;
    text += label[1] + "\t\t" + s.texts[1] + eol;
    text += label[2] + "\t" + std::string(static_cast<size_t>(std::max(0, 10 - digits)), ' ') + s.texts[2] + eol;
    text += label[3] + "\t" + s.texts[3] + eol;
    text += label[4] + "\t" + s.texts[4] + eol;
    text += label[5] + (CurrentLanguage() == Language::Czech ? "\t\t" : "\t") + s.texts[5] + eol;
    for (int i = 6; i <= 11; ++i) text += label[i] + "\t" + s.texts[i] + eol;
    text += eol + rule + eol + eol;
    text += "\t   M e d i a n    \t" + s.texts[12] + eol;
    text += "\t   M o d e        \t" + s.texts[13] + eol;
    text += eol;
    return text;
}

}  // namespace morvik
