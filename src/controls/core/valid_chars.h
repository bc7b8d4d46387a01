#pragma once
// The ValidChars text of an entry field: items separated by commas, each one character or
// a range "A..Z"; an empty item stands for the comma itself, and ",..x" is a range starting
// at the comma. Only the first 100 characters count.

#include <string>

#include "controls/core/tax_edit_types.h"

inline constexpr size_t ValidCharsLimit = 100;

struct ValidCharsResult {
    CharSet allowed;
    std::string error;  // empty when the text was read; the set is then empty on error
};

ValidCharsResult ParseValidChars(const std::string& text);
