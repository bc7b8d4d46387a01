#pragma once
// Number rules shared by the store, the entry field, the grid and the calculations.

#include <string>

// Nearest whole number, exact halves to the even neighbour.
long double RoundEven(long double value);
long long RoundEvenToInt(long double value);
// Toward zero.
long double Trunc(long double value);

// Fixed-point text with `digits` decimals and at most `precision` significant digits,
// rounded on the value's 18-digit decimal expansion with halves away from zero. A value
// with more integer digits than the precision is written in exponent form.
std::string FormatFixed(long double value, int precision, int digits);

// The general format of message texts such as "Value must be between %g and %g":
// shortest text of at most 15 significant digits, exponent form only when needed.
std::string FormatGeneral(long double value);

// Reads a decimal number ("." separator, optional sign, surrounding spaces allowed).
bool TryReadNumber(const std::string& text, long double& value);
