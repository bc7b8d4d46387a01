#include "store/extended_real.h"

#include <cmath>
#include <limits>

namespace {
constexpr int ExponentBias = 16383;
constexpr uint16_t MaxExponent = 0x7FFF;
}  // namespace

ExtendedBytes EncodeExtended(long double value) {
    ExtendedBytes bytes{};
    uint16_t signBit = std::signbit(value) ? 0x8000 : 0;
    uint64_t significand = 0;
    uint16_t exponent = 0;
    if (std::isnan(value)) {
        exponent = MaxExponent;
        significand = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        exponent = MaxExponent;
        significand = 0x8000000000000000ull;
    } else if (value != 0) {
        int e = 0;
        const long double fraction = std::frexp(std::fabs(value), &e);  // [0.5, 1)
        int biased = e - 1 + ExponentBias;
        long double scaled = std::ldexp(fraction, 64);
        if (biased <= 0) {  // denormal: the leading bit is no longer set
            scaled = std::ldexp(scaled, biased - 1);
            biased = 0;
        }
        significand = static_cast<uint64_t>(scaled);
        exponent = static_cast<uint16_t>(biased);
    }
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(significand >> (8 * i));
    const uint16_t top = signBit | exponent;
    bytes[8] = static_cast<uint8_t>(top & 0xFF);
    bytes[9] = static_cast<uint8_t>(top >> 8);
    return bytes;
}

long double DecodeExtended(const uint8_t* bytes) {
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) significand = (significand << 8) | bytes[i];
    const uint16_t top = static_cast<uint16_t>(bytes[8] | (bytes[9] << 8));
    const bool negative = (top & 0x8000) != 0;
    const int exponent = top & MaxExponent;
    long double value;
    if (exponent == MaxExponent) {
        value = (significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                        : std::numeric_limits<long double>::quiet_NaN();
    } else {
        const int power = (exponent == 0 ? 1 : exponent) - ExponentBias - 63;
        value = std::ldexp(static_cast<long double>(significand), power);
    }
    return negative ? -value : value;
}

long double DecodeExtended(const ExtendedBytes& bytes) { return DecodeExtended(bytes.data()); }
