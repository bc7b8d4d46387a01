#pragma once
// Steps the screens with an entry grid share: focusing one cell, refusing to leave at a
// cell, and sorting the rows before moving on.

#include <QString>

class TChildForm;
class TXGrid;
struct Refusal;

// Puts the focus on one cell, past the grid's own entry into its first cell.
void FocusGridCell(TXGrid* grid, int col, int row);
// Tells the taxpayer, keeps the screen and focuses the refusal's cell.
void RefuseAtCell(TChildForm* screen, TXGrid* grid, const Refusal& refusal);
// Sorts the rows by the columns given; rows the sort cannot read stay where they are.
void SortRowsBy(TXGrid* grid, const QString& columns);
