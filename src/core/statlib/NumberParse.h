#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvik {

// Strict conversions: an optional sign, digits with a decimal point, an optional exponent; nothing else
// (no blanks, no commas, no "inf" or "nan"). A value that does not fit is refused.
std::optional<double> ParseDouble(std::string_view text);
// The number of an entry field: a decimal comma is read as a point.
std::optional<double> ParseFieldNumber(std::string_view text);
std::optional<int32_t> ParseInt32(std::string_view text);
std::optional<int64_t> ParseInt64(std::string_view text);

// The companion library's conversions: on failure they show `errorText` followed by the entry in an error
// dialog (through the dialog seam) and return false; the caller then stops silently.
bool prevod_doub(std::string_view text, double& value, const std::string& errorText);
bool prevod_long(std::string_view text, int32_t& value, const std::string& errorText);

}  // namespace morvik
