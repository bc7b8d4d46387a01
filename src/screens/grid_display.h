#pragma once
// Gives a screen's grid the column descriptors its rules keep.

#include <string>
#include <vector>

class TXGrid;

void SetGridDisplay(TXGrid* grid, const std::vector<std::string>& descriptors);
