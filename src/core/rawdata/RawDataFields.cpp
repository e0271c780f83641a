#include "rawdata/RawDataFields.h"

#include <string>

#include "histogram/Histogram.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

std::optional<Message> CheckRawIntervalCount(std::string_view text, int& n)
{
    const std::optional<int32_t> count = ParseInt32(text);
    if (!count) return Message::Error(TextCis(msg::InvalidIntervalCount) + std::string(text));
    if (*count == 0) return Message::Error(TextCis(msg::ZeroIntervals));
    if (*count < 3 || *count > MaxBins)
        return Message::Error(TextCis(msg::BinsOutOfRange) + std::to_string(MaxBins) + " !");
    n = *count;
    return std::nullopt;
}

std::optional<Message> CheckRawMin(std::string_view text, double max, double& min)
{
    const std::optional<double> value = ParseFieldNumber(text);
    if (!value) return Message::Error(TextCis(msg::InvalidNumber) + " MinX " + std::string(text));
    if (!(*value < max)) return Message::Error("MinX >= MaxX !");
    min = *value;
    return std::nullopt;
}

std::optional<Message> CheckRawMax(std::string_view text, double min, double& max)
{
    const std::optional<double> value = ParseFieldNumber(text);
    if (!value) return Message::Error(TextCis(msg::InvalidNumber) + " MaxX " + std::string(text));
    if (!(*value > min)) return EmptyRangeMessage();
    max = *value;
    return std::nullopt;
}

std::optional<Message> CheckRawEps(std::string_view text, double& eps)
{
    const std::optional<double> value = ParseFieldNumber(text);
    if (!value) return Message::Error(TextCis(msg::InvalidNumber) + " Eps : " + std::string(text));
    if (!(*value > 0)) return Message::Error(TextCis(msg::EpsNotPositive));
    if (*value < 1e-8 || *value > 1) return Message::Error(TextCis(msg::EpsOutOfRange));
    eps = *value;
    return std::nullopt;
}

Message EmptyRangeMessage() { return Message::Error("MaxX <= MinX !"); }

}  // namespace morvik
