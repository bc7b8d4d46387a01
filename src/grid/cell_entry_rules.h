#pragma once
// Whether a cell's whole text is one the cell editor lets a taxpayer type and leave: for a
// number column only the characters its keys take (digits, a minus where the column allows
// one, a decimal point where it has decimals), no more decimals or digits than it holds, and
// its range; for a date column a date. For text that did not come through the editor.

#include <string>

#include "grid/grid_column.h"

// Empty when the editor would accept `text` (a blank cell always); otherwise why not.
std::string CellEntryFault(const TGridColumn& column, const std::string& text);
