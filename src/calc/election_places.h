#pragma once
// Where the small business concession elections of a gain are kept between visits to the
// elections table, each with the record the gain comes from: field 719 of its asset item,
// the unused columns 38 to 40 of its trust distribution record, or columns 16 to 18 of its
// manual calculation record, which neither that table nor the choice table uses.

class TGridModel;

// The first of the three columns of a manual calculation record that hold its elections.
inline constexpr int ManualElectionsColumn = 16;
inline constexpr int TrustElectionsColumn = 38;

// Writes each row's elections with its record; a row that names no stored item or record
// is written nowhere.
void StoreElections(const TGridModel& grid);
// Puts the kept elections back into a table the choice table has just rebuilt.
void RestoreElections(TGridModel& grid);
