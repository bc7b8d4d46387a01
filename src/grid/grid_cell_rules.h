#pragma once
// What happens to a grid cell as it is entered and left: the display formatting comes off
// for editing, and leaving validates the text and formats it again.

#include <string>

#include "grid/grid_model.h"

// Removes every character the column does not allow (spaces of a formatted number or
// business number), keeping the sign of a negative number.
std::string EditingText(const TGridColumn& column, const std::string& text);
void StripCellForEditing(TGridModel& grid, int col, int row);

// Validates cell (col, row) for leaving. A broken rule beeps, shows its error and refuses;
// an unreadable number also empties the cell. The two length warnings do not refuse.
// A valid cell is formatted for display.
bool ValidateCellExit(TGridModel& grid, int col, int row, bool hasTotalsBar);

// The display text of a number cell: decimals rounded halves to even, the entered-zero
// marker as "0.00" (or "0"), values below it as an empty cell.
std::string FormatNumberCell(const TGridColumn& column, long double value);
