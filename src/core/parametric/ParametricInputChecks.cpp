#include "parametric/ParametricInputChecks.h"

#include <string>

#include "histogram/Histogram.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

std::optional<Message> CheckIntervalCount(std::string_view text, int& bins)
{
    const auto count = ParseInt32(text);
    if (!count || *count < 3 || *count > MaxBins) {
        return Message::Error(TextCis(msg::BinsOutOfRange) + std::to_string(MaxBins) + " !");
    }
    bins = *count;
    return std::nullopt;
}

std::optional<Message> CheckEps(std::string_view text, double& eps)
{
    const auto value = ParseDouble(text);
    if (!value) return Message::Error(TextCis(msg::NotAValidNumber) + " Eps : " + std::string(text));
    if (!(*value > 0)) return Message::Error(TextCis(msg::EpsNotPositive));
    if (*value < 1e-8 || *value > 1) return Message::Error(TextCis(msg::EpsOutOfRange));
    eps = *value;
    return std::nullopt;
}

}  // namespace morvik
