#include "combination/ExtendedReal.h"

#include <cmath>
#include <limits>

namespace morvik {
namespace {

constexpr int ExponentBias = 16383;
constexpr int MaxExponentField = 0x7FFF;
constexpr uint64_t IntegerBit = uint64_t{1} << 63;

ExtendedBytes Pack(bool negative, int exponentField, uint64_t significand)
{
    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(significand >> (8 * i));
    const unsigned top = (negative ? 0x8000u : 0u) | static_cast<unsigned>(exponentField);
    bytes[8] = static_cast<uint8_t>(top & 0xFF);
    bytes[9] = static_cast<uint8_t>(top >> 8);
    return bytes;
}

// The top 64 bits of a fraction in [0.5, 1), as an integer; exact for every long double up to 64-bit precision.
uint64_t SignificandBits(long double fraction)
{
    // Taken in two 32-bit halves so that no intermediate needs more precision than the platform offers.
    const long double high = std::floor(std::ldexp(fraction, 32));
    const long double low = std::ldexp(fraction, 64) - std::ldexp(high, 32);
    return (static_cast<uint64_t>(high) << 32) | static_cast<uint64_t>(low);
}

}  // namespace

ExtendedBytes EncodeExtended(long double value)
{
    const bool negative = std::signbit(value);
    if (std::isnan(value)) return Pack(negative, MaxExponentField, IntegerBit | (uint64_t{1} << 62));
    if (std::isinf(value)) return Pack(negative, MaxExponentField, IntegerBit);
    if (value == 0) return Pack(negative, 0, 0);

    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);  // |value| = fraction * 2^exponent
    int field = exponent - 1 + ExponentBias;
    if (field >= MaxExponentField) return Pack(negative, MaxExponentField, IntegerBit);  // beyond the format
    if (field <= 0) {
        // Too small for a normal number: a denormal, with the significand shifted right (and rounded).
        const int shift = 1 - field;
        if (shift > 64) return Pack(negative, 0, 0);
        const long double scaled = std::nearbyint(std::ldexp(fraction, 64 - shift));
        return Pack(negative, 0, static_cast<uint64_t>(scaled));
    }
    return Pack(negative, field, SignificandBits(fraction));
}

long double DecodeExtended(const ExtendedBytes& bytes)
{
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) significand = (significand << 8) | bytes[i];
    const unsigned top = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int field = static_cast<int>(top & 0x7FFFu);

    long double magnitude = 0;
    if (field == MaxExponentField) {
        magnitude = (significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                            : std::numeric_limits<long double>::quiet_NaN();
    } else {
        // Denormals keep the exponent of the smallest normal number.
        const int exponent = (field == 0 ? 1 : field) - ExponentBias - 63;
        const long double high = static_cast<long double>(significand >> 32);
        const long double low = static_cast<long double>(significand & 0xFFFFFFFFu);
        magnitude = std::ldexp(high, exponent + 32) + std::ldexp(low, exponent);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace morvik
