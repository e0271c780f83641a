#include "shell/DateTimeText.h"

#include <cstdio>

namespace morvik {

std::string DateText(const std::tm& moment, char dateSeparator)
{
    return std::to_string(moment.tm_mday) + dateSeparator + std::to_string(moment.tm_mon + 1) + dateSeparator +
           std::to_string(moment.tm_year + 1900);
}

std::string TimeText(const std::tm& moment, char timeSeparator)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", moment.tm_hour, timeSeparator, moment.tm_min, timeSeparator,
                  moment.tm_sec);
    return text;
}

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm moment{};
    localtime_r(&now, &moment);
    return moment;
}

}  // namespace morvik
