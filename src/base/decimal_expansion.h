#pragma once
// A value's first 18 significant decimal digits, as the number formats round them.

#include <string>

// |value| as 18 significant decimal digits d0.d1d2... x 10^exponent.
struct DecimalExpansion {
    bool negative = false;
    std::string digits;  // empty for zero
    int exponent = 0;
};

// The exact binary value rounded to 18 significant digits.
DecimalExpansion ExpandDecimal(long double value);
// The same through the general (and slow) conversion alone.
DecimalExpansion ExpandDecimalSlowly(long double value);
