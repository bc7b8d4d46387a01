#pragma once
// The asset types that qualify for the small business concessions.

#include <string>

// The code, trimmed, is one of "UA", "SA", "RA", "G" and "OA".
bool IsActiveAssetType(const std::string& code);
