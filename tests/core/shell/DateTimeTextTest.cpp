#include <gtest/gtest.h>

#include "shell/DateTimeText.h"

namespace morvik {
namespace {

TEST(DateTimeText, DayAndMonthWithoutLeadingZerosTimeWithThem)
{
    std::tm moment{};
    moment.tm_year = 2026 - 1900;
    moment.tm_mon = 1;
    moment.tm_mday = 3;
    moment.tm_hour = 8;
    moment.tm_min = 5;
    moment.tm_sec = 9;
    EXPECT_EQ(DateText(moment, '.'), "3.2.2026");
    EXPECT_EQ(DateText(moment, '/'), "3/2/2026");
    EXPECT_EQ(DateText(moment, '-'), "3-2-2026");
    EXPECT_EQ(TimeText(moment, ':'), "08:05:09");
    EXPECT_EQ(TimeText(moment, '.'), "08.05.09");
}

}  // namespace
}  // namespace morvik
