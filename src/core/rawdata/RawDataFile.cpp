#include "rawdata/RawDataFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/AtomicFile.h"
#include "localization/TextCis.h"
#include "common/NumberText.h"

namespace morvik {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), IsBlank);
}

// The number text must start like a decimal number: this keeps out "inf", "nan" and hexadecimal forms.
bool StartsLikeNumber(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

std::optional<double> ParseNumberText(std::string_view text)
{
    if (!StartsLikeNumber(text)) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ParseRawValue(std::string_view line)
{
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos) return ParseNumberText(line);
    // Only the first comma is a decimal point; a copy is needed to replace it.
    std::string copy(line);
    copy[comma] = '.';
    return ParseNumberText(copy);
}

RawDataRead ParseRawData(std::string_view content)
{
    RawDataRead read;
    RawDataSet& data = read.data;
    // A value takes at least two bytes with its line break: a capacity from the size avoids regrowing.
    data.values.reserve(std::min<size_t>(content.size() / 2 + 1, MaxRawValues));
    long double sum = 0, sum2 = 0;
    size_t position = 0;
    long lineNumber = 0;
    while (position < content.size()) {
        size_t end = content.find('\n', position);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(position, end - position);
        position = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (IsBlankLine(line)) continue;
        if (data.values.size() >= static_cast<size_t>(MaxRawValues)) {
            read.message = Message::Error(TextCis(113) + std::to_string(MaxRawValues) + " !");
            return read;
        }
        const std::optional<double> value = ParseRawValue(line);
        if (!value) {
            read.message = Message::Error(TextCis(118) + "\r\n\r\n\t" + "Line " + std::to_string(lineNumber) +
                                          " : " + std::string(line));
            return read;
        }
        data.values.push_back(*value);
        sum += *value;
        sum2 += static_cast<long double>(*value) * *value;
    }
    if (data.Count() < MinRawValues) {
        read.message = Message::Error(TextCis(213) + " !");
        return read;
    }
    data.sumX = sum;
    data.sumX2 = sum2;
    CompleteRawStatistics(data);
    return read;
}

RawDataRead ReadRawDataFile(const std::string& path)
{
    std::string content;
    if (!ReadWholeFile(path, content)) {
        RawDataRead read;
        read.message = Message::Error(FormatText(112, path));
        return read;
    }
    return ParseRawData(content);
}

void CompleteRawStatistics(RawDataSet& data)
{
    std::sort(data.values.begin(), data.values.end());
    const long double n = data.Count();
    const long double mean = data.sumX / n;
    // The deviations are summed about the mean in a second pass: the textbook difference of the sums loses every
    // digit for data whose spread is small beside their mean (it may even turn negative).
    long double m2 = 0, m3 = 0;
    for (double x : data.values) {
        const long double d = x - mean;
        m2 += d * d;
        m3 += d * d * d;
    }
    data.mean = static_cast<double>(mean);
    data.variance = static_cast<double>(m2 / (n - 1));
    data.stdDev = std::sqrt(data.variance);
    const long double s = data.stdDev;
    data.skewness = s > 0 ? static_cast<double>(m3 / (s * s * s) / n) : UndefinedValue();
    data.dataMin = data.values.front();
    data.dataMax = data.values.back();
}

std::string RawListingLine(const RawDataSet& data, int j)
{
    const double x = data.values.at(static_cast<size_t>(j - 1));
    std::string text;
    if (x < 1 || !(std::fabs(x) < 1e14)) {
        text = StrNaCarku(x);
    } else {
        // Fourteen significant digits, shown with five decimals.
        char digits[64];
        std::snprintf(digits, sizeof digits, "%.13e", x);
        char fixed[64];
        std::snprintf(fixed, sizeof fixed, "%.5f", std::strtod(digits, nullptr));
        text = fixed;
    }
    char index[16];
    std::snprintf(index, sizeof index, "%06d", j);
    return text + "  |  " + index;
}

}  // namespace morvik
