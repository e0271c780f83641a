#include "chart/ChartModel.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace morvik {
namespace {

struct ValueFormat {
    std::string prefix;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
    std::string beforeExponent;  // literal text between the digits and the "E"
    bool scientific = false;
    bool exponentSignAlways = false;
    int exponentDigits = 1;
    std::string suffix;
};

bool IsDigitPlace(char c) { return c == '0' || c == '#'; }

ValueFormat ParseValueFormat(const std::string& format)
{
    ValueFormat parsed;
    size_t i = 0;
    while (i < format.size() && !IsDigitPlace(format[i]) && format[i] != '.') { parsed.prefix += format[i++]; }
    while (i < format.size() && (IsDigitPlace(format[i]) || format[i] == ',')) {
        ++i;  // integer places: the integer part is always written in full
    }
    if (i < format.size() && format[i] == '.') {
        ++i;
        while (i < format.size() && IsDigitPlace(format[i])) {
            // A '0' after a '#' still only counts as optional; the first '#' ends the required run.
            if (format[i] == '0' && parsed.optionalDecimals == 0) {
                ++parsed.requiredDecimals;
            } else {
                ++parsed.optionalDecimals;
            }
            ++i;
        }
    }
    std::string literal;
    while (i < format.size()) {
        const char c = format[i];
        if ((c == 'E' || c == 'e') && i + 1 < format.size() && (format[i + 1] == '-' || format[i + 1] == '+')) {
            parsed.scientific = true;
            parsed.exponentSignAlways = format[i + 1] == '+';
            parsed.beforeExponent = literal;
            literal.clear();
            i += 2;
            int zeros = 0;
            while (i < format.size() && format[i] == '0') {
                ++zeros;
                ++i;
            }
            parsed.exponentDigits = zeros > 0 ? zeros : 1;
            continue;
        }
        literal += c;
        ++i;
    }
    parsed.suffix = literal;
    return parsed;
}

// Drops the optional trailing zeros of a digit text, and the point when no decimals remain.
std::string TrimOptionalZeros(std::string digits, int requiredDecimals)
{
    const size_t point = digits.find('.');
    if (point == std::string::npos) { return digits; }
    size_t keep = digits.size();
    while (keep > point + 1 + static_cast<size_t>(requiredDecimals) && digits[keep - 1] == '0') { --keep; }
    if (keep == point + 1) { --keep; }
    return digits.substr(0, keep);
}

}  // namespace

MarkStyle MarkStyleOfItem(int item)
{
    switch (item) {
    case 0: return MarkStyle::Value;
    case 1: return MarkStyle::Label;
    case 3: return MarkStyle::Position;
    case 4: return MarkStyle::PositionAndValue;
    default: return MarkStyle::LabelAndValue;
    }
}

std::string FormatChartValue(double value, const std::string& format)
{
    if (!std::isfinite(value)) { return std::isnan(value) ? "NaN" : (value > 0 ? "INF" : "-INF"); }
    const ValueFormat parsed = ParseValueFormat(format);
    const int decimals = parsed.requiredDecimals + parsed.optionalDecimals;
    char buffer[64];
    if (!parsed.scientific) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        std::string digits = TrimOptionalZeros(buffer, parsed.requiredDecimals);
        if (digits.front() == '-' && digits.find_first_not_of("-0.") == std::string::npos) {
            digits.erase(0, 1);  // a negative value that rounds to zero is shown as zero
        }
        return parsed.prefix + digits + parsed.suffix;
    }
    if (value == 0) {
        return parsed.prefix +
               TrimOptionalZeros(std::string("0.") + std::string(decimals, '0'), parsed.requiredDecimals) +
               parsed.suffix;
    }
    std::snprintf(buffer, sizeof buffer, "%.*e", decimals, value);
    const std::string text = buffer;
    const size_t e = text.find('e');
    const std::string mantissa = TrimOptionalZeros(text.substr(0, e), parsed.requiredDecimals);
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string exponentText = std::to_string(std::abs(exponent));
    if (static_cast<int>(exponentText.size()) < parsed.exponentDigits) {
        exponentText.insert(0, parsed.exponentDigits - exponentText.size(), '0');
    }
    const char* sign = exponent < 0 ? "-" : (parsed.exponentSignAlways ? "+" : "");
    return parsed.prefix + mantissa + parsed.beforeExponent + "E" + sign + exponentText + parsed.suffix;
}

std::string MarkText(const ChartSeries& series, int index, const std::string& valueFormat)
{
    const ChartBar& bar = series.bars.at(static_cast<size_t>(index));
    const std::string position = std::to_string(index + 1);
    switch (series.marks.style) {
    case MarkStyle::Value: return FormatChartValue(bar.height, valueFormat);
    case MarkStyle::Label: return bar.label;
    case MarkStyle::LabelAndValue: return bar.label + " " + FormatChartValue(bar.height, valueFormat);
    case MarkStyle::Position: return position;
    case MarkStyle::PositionAndValue: return position + " " + FormatChartValue(bar.height, valueFormat);
    }
    return {};
}

}  // namespace morvik
