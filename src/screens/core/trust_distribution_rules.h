#pragma once
// The table of capital gains distributed by trusts: one row per trust, nine gain components
// in columns 1 to 9, their sum in column 10, and the loss application that the choice table
// keeps in the hidden columns 11 to 40.

#include "grid/grid_model.h"

namespace TrustTable {
constexpr int Columns = 41;
constexpr int Name = 0;
constexpr int FirstComponent = 1;
constexpr int LastComponent = 9;
constexpr int NetGain = 10;
constexpr int FirstHidden = 11;
}  // namespace TrustTable

// Column 10 of every data row: the sum of the components (a cell that is not a number adds
// nothing) when the row names a trust or the sum is above 0, else empty.
void RecomputeTrustNetGains(TGridModel& grid);

// The first data row with something in it but no trust name; -1 when there is none.
int FirstUnnamedTrustRow(const TGridModel& grid);

inline constexpr const char* MissingDescriptionMessage =
    "Each row of data must have an asset description present.";
