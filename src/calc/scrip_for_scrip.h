#pragma once
// The scrip for scrip roll-over table: one row for every share or trust interest whose gain
// is deferred by a scrip for scrip roll-over, and the roll-over figures it gives the CGT
// schedule. The summary screen and the command-line tool build it the same way.

#include <string>
#include <vector>

class TGridModel;

enum ScripColumn {
    ssDescription = 0,
    ssCostBase = 1,
    ssMarketValue = 2,  // entered
    ssCash = 3,         // entered
    ssProceeds = 4,
    ssWorksheet = 5,
    ssNumber = 6,
};
inline constexpr int ScripColumns = 7;

// Fields of an asset item kept for the table.
inline constexpr int fScripForScrip = 724;        // the roll-over was answered Yes
inline constexpr int fReplacementValue = 1146;    // market value of the replacement interests
inline constexpr int fOtherConsideration = 1147;  // cash and other consideration received

// The column descriptors: whole-dollar amounts, only the two entered columns unlocked.
std::vector<std::string> ScripForScripDescriptors();
// Empties the table and lists the deferred scrip for scrip gains of the share and trust
// interest worksheets, in item order. Loads each item into the scratch fields.
void FillScripForScripTable(TGridModel& grid);
// The roll-over figures of the schedule record from the table: whether a roll-over was chosen
// and the totals of the cost base, market value and cash columns.
void StoreScripForScripTotals(const TGridModel& grid);
// A table of its own with the descriptors, for use without a screen.
void SetUpScripForScripTable(TGridModel& grid);
// The roll-over figures from what the items hold, as the summary screen stores them when
// nothing is changed there.
void UpdateScripForScripSchedule();
