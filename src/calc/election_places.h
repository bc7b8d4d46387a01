#pragma once
// Where the small business concession elections of a gain are kept between visits to the
// elections table, each with the record the gain comes from and keyed by the gain's part
// code, since one record can give several rows:
// - an asset item: field 719, "SBAA concessions" and then its own gain's (part C) three
//   elections, followed by a part code and three elections for each of its trust gains;
// - a trust distribution record: its unused column 38 holds the elections of its active
//   gain A3, 39 those of A6 and 40 those of A9, each as "SBAAR;SBRE;SBRO";
// - a manual calculation record (one row, part C): its columns 16 to 18, which neither
//   that table nor the choice table uses.
// A record that still holds one set for all its rows, as kept before the part codes, gives
// it to its last row in the table: the row whose elections were stored last.

class TGridModel;

// The first of the three columns of a manual calculation record that hold its elections.
inline constexpr int ManualElectionsColumn = 16;
// The column of a trust record holding the elections of its first active gain (A3).
inline constexpr int TrustElectionsColumn = 38;

// Writes the elections of each record's rows with the record; a row that names no stored
// item or record is written nowhere.
void StoreElections(const TGridModel& grid);
// Puts the kept elections back into a table the choice table has just rebuilt.
void RestoreElections(TGridModel& grid);
