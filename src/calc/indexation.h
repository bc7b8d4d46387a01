#pragma once
// Indexation of costs by the consumer price index (frozen at the September 1999 quarter),
// the 12-month holding test and the number conventions of the CGT calculations.

#include <array>
#include <string>

#include "base/numbers.h"  // RoundEven (halves to even) and Trunc (toward zero)

inline constexpr int CpiFirstYear = 1985;
inline constexpr int CpiLastYear = 1999;
// One row per year 1985 to 1999, quarters ending March, June, September, December. Kept as
// extended values of the decimal CPI numbers: a double widened to extended lies below a
// decimal such as 120.3, and the three-decimal factor can then round the other way.
extern const std::array<std::array<long double, 4>, CpiLastYear - CpiFirstYear + 1> CpiTable;

inline constexpr const char* IndexationCutoffText = "21/09/1999";
inline constexpr long double CpiBefore1985 = 71.3L;
inline constexpr long double FrozenCpi = 123.4L;

// The indexation cut-off date as a serial day number.
double IndexationCutoff();

// The CPI of the quarter that holds the date (a serial day number).
long double CpiForDate(double date);

// E / C, at least 1, reduced to three decimals with halves away from zero. A CPI of 0 (the
// first half of 1985) counts as E, so such amounts are not indexed.
long double IndexFactor(long double eventCpi, long double incurredCpi);

// Whole years from the base date to the event date; held for 12 months when above 0.
long double HeldTwelveMonths(double baseDate, double eventDate);

// Fixed-point text with `decimals` decimals right-aligned in `width` characters.
std::string Str(long double value, int width = 10, int decimals = 2);
