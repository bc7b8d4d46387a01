#pragma once
// Whole-dollar amounts, in entry fields and grid cells alike: a decimal point ends the
// dollars, so it and the digits typed after it are refused instead of joining the dollars.
// The caller keeps `inCents` from key to key and clears it when the caret moves, text is
// deleted or a new entry starts.

// True when `key` is the decimal point or a digit of the cents of a whole-dollar amount; any
// other key is neither refused here nor ends the cents.
bool RefusesCents(bool wholeDollars, bool& inCents, char key);
