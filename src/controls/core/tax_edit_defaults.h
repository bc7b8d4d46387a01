#pragma once
// What setting a field's numeric type or lodgment format applies. An empty member leaves
// that setting as it is.

#include <optional>

#include "controls/core/tax_edit_types.h"

struct FieldDefaults {
    std::optional<int> decimals;
    std::optional<FieldAlignment> alignment;
    std::optional<int> maxLength;
    std::optional<CharSet> allowed;
};

FieldDefaults DefaultsFor(TNumericType type);
FieldDefaults DefaultsFor(TMervoDataType format);

// Building blocks of the tables: "letters" are A..Z and a..z.
CharSet CharsOf(const char* chars);
CharSet Digits();
CharSet Letters();
