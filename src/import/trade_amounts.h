#pragma once
// Amounts of a broker's trade list, held in whole cents and never in floating point.

#include <string>

using Cents = long long;

// A decimal number exactly as written: `units` / 10^`scale`.
struct Decimal {
    long long units = 0;
    int scale = 0;
};

// Reads "1,234.50", "$1,234.50", "-12", "(12.00)" (a negative), "$ 5"; at most 15 digits and
// 6 decimals. False when the text is no such number.
bool ReadDecimal(const std::string& text, Decimal& value);
// The number as whole cents, an exact half rounded away from zero.
Cents ToCents(const Decimal& value);
// A whole number of units (a fraction of zero, "100.00", is whole); false otherwise.
bool WholeNumber(const Decimal& value, long long& whole);
// quantity x price in whole cents, an exact half rounded away from zero; false when too large.
bool ValueOf(long long quantity, const Decimal& price, Cents& value);
// total x part / whole rounded to the cent (half away from zero); whole > 0, 0 <= part <= whole.
Cents Share(Cents total, long long part, long long whole);
// The cents as "1234.56" or "-0.05": no separators, two decimals.
std::string FormatCents(Cents value);
// Whole dollars, an exact 50 cents rounded away from zero.
long long RoundedDollars(Cents value);
