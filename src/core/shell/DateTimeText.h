#pragma once
#include <ctime>
#include <string>

namespace morvik {

// Dates and times as the program shows them in titles and reports: the day and month without leading zeros
// and the full year ("9.12.2026"), the time with two digits each ("08:05:03"), with the separators the user
// chose in the settings.
std::string DateText(const std::tm& moment, char dateSeparator);
std::string TimeText(const std::tm& moment, char timeSeparator);

// The local time now.
std::tm LocalTimeNow();

}  // namespace morvik
