#pragma once
#include <array>
#include <cstdint>

namespace morvik {

// The 10-byte x87 extended-precision layout of the table files, little-endian: a 64-bit significand with an
// explicit integer bit, then 15 exponent bits (bias 16383) and the sign bit. Converted arithmetically, so the
// result does not depend on how this platform keeps its long double.
using ExtendedBytes = std::array<uint8_t, 10>;

ExtendedBytes EncodeExtended(long double value);
long double DecodeExtended(const ExtendedBytes& bytes);

}  // namespace morvik
