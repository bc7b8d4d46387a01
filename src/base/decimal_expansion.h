#pragma once
// A value's first 18 significant decimal digits, as the number formats round them.

#include <string>

// |value| as 18 significant decimal digits d0.d1d2... x 10^exponent.
struct DecimalExpansion {
    bool negative = false;
    std::string digits;  // empty for zero
    int exponent = 0;
};

// Whether `magnitude` (positive) is the nearest long double to a decimal n / 10^places with n
// below 10^18 and at most 4 places (whole dollars, cents, index numbers, factors); its 18-digit
// expansion then has n's digits.
bool ShortDecimal(long double magnitude, unsigned long long& whole, int& places);
// The exact binary value rounded to 18 significant digits.
DecimalExpansion ExpandDecimal(long double value);
// The same through the general (and slow) conversion alone.
DecimalExpansion ExpandDecimalSlowly(long double value);
