#pragma once
// Field names for "orvana-tax dump --names": the label each field has on its interview
// screen (the screens' definitions are built into the tool), the CGT schedule screen's
// captions for the schedule record, and the names calc gives the figures it works out.

#include <string>

// The field's name where it is: `holder` is the worksheet field (1202, ...) an item field
// belongs to, 0 for a field of the return itself. Empty when no screen names it.
std::string FieldName(int holder, int field);
