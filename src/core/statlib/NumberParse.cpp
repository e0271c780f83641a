#include "statlib/NumberParse.h"

#include <charconv>
#include <cmath>

#include "statlib/MessageDialog.h"

namespace morvik {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when text is [+-]digits[.digits][E[+-]digits] (digits on at least one side of the point).
bool IsDecimalText(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

bool IsWholeText(std::string_view text)
{
    size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return false;
    }
    return true;
}

std::string_view WithoutPlus(std::string_view text)
{
    return (!text.empty() && text[0] == '+') ? text.substr(1) : text;
}

template <typename Int>
std::optional<Int> ParseWhole(std::string_view text)
{
    if (!IsWholeText(text)) return std::nullopt;
    text = WithoutPlus(text);
    Int value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ParseDouble(std::string_view text)
{
    if (!IsDecimalText(text)) return std::nullopt;
    text = WithoutPlus(text);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> ParseFieldNumber(std::string_view text)
{
    std::string entry(text);
    for (char& c : entry) {
        if (c == ',') c = '.';
    }
    return ParseDouble(entry);
}

std::optional<int32_t> ParseInt32(std::string_view text) { return ParseWhole<int32_t>(text); }
std::optional<int64_t> ParseInt64(std::string_view text) { return ParseWhole<int64_t>(text); }

bool prevod_doub(std::string_view text, double& value, const std::string& errorText)
{
    if (auto parsed = ParseDouble(text)) {
        value = *parsed;
        return true;
    }
    DefMessageDlg(errorText + std::string(text), DialogKind::Error);
    return false;
}

bool prevod_long(std::string_view text, int32_t& value, const std::string& errorText)
{
    if (auto parsed = ParseInt32(text)) {
        value = *parsed;
        return true;
    }
    DefMessageDlg(errorText + std::string(text), DialogKind::Error);
    return false;
}

}  // namespace morvik
