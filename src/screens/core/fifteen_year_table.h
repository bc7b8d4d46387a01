#pragma once
// The small business 15-year exemption table: every gain of an active asset that the
// exemption disregards, and the total and code it gives the CGT schedule.

#include <string>
#include <vector>

class TGridModel;

// Columns of the table.
enum FifteenYearColumn { fyDescription = 0, fyType = 1, fyGain = 2 };

// The column descriptors of the table; the gain is an amount with a total.
std::vector<std::string> FifteenYearDescriptors();
// Empties the table and lists the exempt gains of every asset worksheet, smallest gain first.
// Loads each item into the scratch fields.
void FillFifteenYearTable(TGridModel& grid);
// The table's total and the type code of its first row into the schedule record.
void StoreFifteenYearTotals(const TGridModel& grid);
