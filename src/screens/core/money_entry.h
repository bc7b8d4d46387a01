#pragma once
// How the checks read amounts: a blank field is 0 and a typed zero the zero marker, so a
// zero that was entered is told apart from one that was not.

#include <string>

bool IsTypedZero(long double value);
// Above the typed zero: a real amount was entered.
bool AboveTypedZero(long double value);
// Nothing entered (neither an amount nor a typed zero).
bool BelowTypedZero(long double value);
// The number in a cell or field text; 0 when blank or unreadable.
long double TextAmount(const std::string& text);
bool HasText(const std::string& text);
