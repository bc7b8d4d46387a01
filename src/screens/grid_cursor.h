#pragma once
// Puts the cursor of a screen's grid on a cell after a refusal, with the focus in the grid.

class TXGrid;

// The grid enters its first cell when it takes the focus; the move to (col, row) is queued
// behind that entry so that it wins.
void PutGridCursor(TXGrid* grid, int col, int row);
