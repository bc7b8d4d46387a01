#pragma once
// The key a return keeps: the identifier it is opened with. An open fills an empty field 1
// with it and refuses a field 1 holding other digits (OpenOtherIdentifier, a damaged
// return); every save keys the file with it, whatever field 1 holds by then.

#include <cstdint>
#include <string>

// OpenDataFile's result for a return whose field 1 holds other digits than its key.
constexpr int32_t OpenOtherIdentifier = 6007;

// The identifier the return is opened and saved with: the taxpayer identifier given, or
// field 1 when none was.
std::string ReturnIdentifier();
// False when `text` in field 1 would hold other digits than the return's key.
bool KeepsReturnKey(const std::string& text);
