#pragma once
// The 10-byte little-endian x87 extended real of the slot image: a 64-bit significand with
// an explicit leading bit, then 15 exponent bits and the sign. Encoded by hand so that the
// image is exact whatever long double is on the build machine.

#include <array>
#include <cstdint>

using ExtendedBytes = std::array<uint8_t, 10>;

ExtendedBytes EncodeExtended(long double value);
long double DecodeExtended(const ExtendedBytes& bytes);
long double DecodeExtended(const uint8_t* bytes);
