#include "base/decimal_expansion.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int Significant = 18;
constexpr int MostPlaces = 4;  // cents, index numbers, factors of three decimals

bool ExpandShortDecimal(long double magnitude, DecimalExpansion& e) {
    unsigned long long whole = 0;
    int places = 0;
    if (!ShortDecimal(magnitude, whole, places)) return false;
    e.digits = std::to_string(whole);
    e.exponent = static_cast<int>(e.digits.size()) - 1 - places;
    e.digits.resize(Significant, '0');
    return true;
}

}  // namespace

// Most values are the nearest long double to a short decimal (whole dollars, cents, index
// numbers): n / 10^p with n below 10^18. Such a value lies within 2^-64 of its decimal,
// relative, which is far inside half a unit of the 18th digit (at least 5 x 10^-19,
// relative), so rounding it to 18 digits gives the decimal's own digits. That the value is
// such a nearest long double is proved by dividing back: division is correctly rounded.
bool ShortDecimal(long double magnitude, unsigned long long& whole, int& places) {
    long double scale = 1;
    for (places = 0; places <= MostPlaces; ++places, scale *= 10) {
        const long double scaled = magnitude * scale;
        if (!(scaled < 1e18L)) return false;
        // Any nearby whole number will do as the candidate: the division proves it.
        whole = static_cast<unsigned long long>(scaled + 0.5L);
        if (whole != 0 && static_cast<long double>(whole) / scale == magnitude) return true;
    }
    return false;
}

DecimalExpansion ExpandDecimalSlowly(long double value) {
    DecimalExpansion e;
    e.negative = std::signbit(value);
    if (value == 0) return e;
    // Locale-independent: d.ddddddddddddddddde[+-]xx
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, Significant - 1);
    const std::string text(buffer, result.ptr);
    const size_t ePos = text.find('e');
    e.digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    e.exponent);
    return e;
}

DecimalExpansion ExpandDecimal(long double value) {
    DecimalExpansion e;
    e.negative = std::signbit(value);
    if (value == 0) return e;
    if (std::isfinite(value) && ExpandShortDecimal(std::fabs(value), e)) return e;
    return ExpandDecimalSlowly(value);
}
