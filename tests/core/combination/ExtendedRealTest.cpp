#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "combination/ExtendedReal.h"

using namespace morvik;

TEST(ExtendedReal, EncodesTheX87Layout)
{
    struct Case {
        long double value;
        ExtendedBytes bytes;
    };
    const Case cases[] = {
        {1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-2.5L, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
        {0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {1024.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x09, 0x40}},
        {0.1, {0, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}},  // the double nearest 0.1
        {std::numeric_limits<long double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeExtended(c.value), c.bytes) << static_cast<double>(c.value);
        EXPECT_EQ(DecodeExtended(c.bytes), c.value) << static_cast<double>(c.value);
    }
}

TEST(ExtendedReal, RoundTripsEveryKindOfValue)
{
    const long double values[] = {-0.0L,
                                  3.0L / 7.0L,
                                  -1e-300L,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<long double>::max(),
                                  std::numeric_limits<long double>::min(),
                                  std::numeric_limits<long double>::denorm_min(),
                                  -std::numeric_limits<long double>::infinity()};
    for (long double value : values) {
        const long double back = DecodeExtended(EncodeExtended(value));
        EXPECT_EQ(back, value) << static_cast<double>(value);
        EXPECT_EQ(std::signbit(back), std::signbit(value));
    }
    EXPECT_TRUE(std::isnan(DecodeExtended(EncodeExtended(std::numeric_limits<long double>::quiet_NaN()))));
}
