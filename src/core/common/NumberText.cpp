#include "common/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace morvik {
namespace {

template <typename... Args>
std::string Printf(const char* format, Args... args)
{
    char buffer[128];
    int length = std::snprintf(buffer, sizeof buffer, format, args...);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

int CodePoints(const std::string& text)
{
    int count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) { ++count; }
    }
    return count;
}

}  // namespace

double UndefinedValue() { return std::numeric_limits<double>::quiet_NaN(); }
bool IsUndefined(double x) { return !std::isfinite(x); }

std::string StrNaCarku(double x)
{
    if (IsUndefined(x)) { return " undefined"; }
    if (x == 0) {
        x = 0;  // no "-0.00000"
    }
    std::string text = Printf("%#.6G", x);
    // "%#G" keeps the trailing zeros but also leaves a bare trailing point ("999999."): drop it.
    auto exponent = text.find('E');
    std::string mantissa = text.substr(0, exponent);
    if (!mantissa.empty() && mantissa.back() == '.') { mantissa.pop_back(); }
    return exponent == std::string::npos ? mantissa : mantissa + text.substr(exponent);
}

std::string StrNaCarku1(double x)
{
    if (IsUndefined(x)) { return " undefined"; }
    return Printf("%.10G", x == 0 ? 0.0 : x);
}

std::string TiskPrv(long double p)
{
    if (!std::isfinite(p)) { return " undefined"; }
    return Printf("%.10LG", p == 0 ? 0.0L : p);
}

std::string TCetnost(int width, double x)
{
    if (IsUndefined(x)) { return PadLeft(" undefined", width); }
    // A frequency is a probability times Total, so a whole count lands a hair off its whole number: within
    // rounding (1e-9 relative) it is that whole number.
    double whole = std::nearbyint(x);
    if (std::fabs(x - whole) <= 1e-9 * std::max(1.0, std::fabs(x)) && std::fabs(whole) < 9.0e18) {
        return Printf("%*lld", width, static_cast<long long>(whole));
    }
    return Printf("%*.2f", width, x);
}

std::string StrBottomGraf(double /*p*/, double x) { return Printf("%.6G", x == 0 ? 0.0 : x); }

std::string ShortestText(double x)
{
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string PadLeft(const std::string& text, int width)
{
    int missing = width - CodePoints(text);
    return missing > 0 ? std::string(static_cast<size_t>(missing), ' ') + text : text;
}

std::string PadRight(const std::string& text, int width)
{
    int missing = width - CodePoints(text);
    return missing > 0 ? text + std::string(static_cast<size_t>(missing), ' ') : text;
}

}  // namespace morvik
