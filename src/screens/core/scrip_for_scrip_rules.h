#pragma once
// What the taxpayer enters in the scrip for scrip table: the rule that the market value and
// the cash must make up the capital proceeds, where the entries are kept, and which help
// section explains the current column.

#include <string>

class TGridModel;

inline constexpr const char* ScripBalanceMessage =
    "Market value of replacement plus other consideration must equal total capital proceeds.";

// The first row, in order, whose market value and cash (whole dollars) do not make up its
// capital proceeds; 0 when every row balances. Empty cells count 0.
int FirstUnbalancedRow(const TGridModel& grid);
// The market value and the cash of every listed row into fields 1146 and 1147 of its item.
// Rows that name no stored share or trust interest are written nowhere.
void StoreScripForScripEntries(const TGridModel& grid);
// The help section that explains column `col`.
int ScripHelpSection(int col);
