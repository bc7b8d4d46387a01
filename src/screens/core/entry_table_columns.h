#pragma once
// The columns of the tables a taxpayer types into, as their screens describe them (one
// descriptor line per column): the trust distributions (1215) and the manual calculation
// table (1201) of the return, and the cost elements (737) and non-assessable payments (738)
// of an asset item. Cells that come from outside the interview are checked against them.

#include <string>
#include <vector>

// The descriptors of list field `field` in worksheet `worksheet` (0 for the return's own
// fields); empty when no screen lets a taxpayer type into that table.
std::vector<std::string> EntryTableColumns(int field, int worksheet);
