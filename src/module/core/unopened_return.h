#pragma once
// A return the module could not open (or read only in part) is never written over
// behind the taxpayer's back: only a Save they confirm replaces it.

#include <string>

// Said once, when the module starts on such a return.
std::string UnopenedReturnNotice(const std::string& fileName);

// True when `chosen` may be written: it is not the unopened return, or the taxpayer
// agreed to replace it (which lifts the protection).
bool ConfirmReplacingUnopened(const std::string& chosen);
