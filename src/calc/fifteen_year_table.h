#pragma once
// The small business 15-year exemption table: every gain of an active asset that the
// exemption disregards, and the total and code it gives the CGT schedule.

#include <string>
#include <vector>

class TGridModel;

// Columns of the table.
enum FifteenYearColumn { fyDescription = 0, fyType = 1, fyGain = 2 };

inline constexpr int fFifteenYearRows = 802;

// The column descriptors of the table; the gain is an amount with a total.
std::vector<std::string> FifteenYearDescriptors();
// The columns of a table without a screen.
void SetUpFifteenYearTable(TGridModel& grid);
// The loaded item's gain is disregarded by the 15-year exemption: ticked, of an active
// asset type, and not a loss.
bool FifteenYearExempt();
// Empties the table and lists the exempt gains of every asset worksheet, smallest gain first.
// Loads each item into the scratch fields.
void FillFifteenYearTable(TGridModel& grid);
// The table's total and the type code of its first row into the schedule record.
void StoreFifteenYearTotals(const TGridModel& grid);
