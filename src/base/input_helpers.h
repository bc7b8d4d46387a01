#pragma once
// Small input rules shared by the screens: prefix search of list items and a tolerant
// text-to-number conversion.

#include <string>
#include <vector>

// Index of the first item that starts with the prefix, letter case ignored; -1 for none
// and for an empty prefix.
int FindItemByPrefix(const std::vector<std::string>& items, const std::string& prefix);

// The text read as a number ("." decimal separator, spaces around allowed), or the default
// when it is not a number.
long double TextToNumberDef(const std::string& text, long double defaultValue);
