#pragma once
// Keeps a worksheet in date and code order while rows are added: each row appended after
// an ordered block is moved to where a stable sort by those two columns would put it.

class TGridModel;

// Rows [firstAppended, endRow) are moved, in turn, behind every row of the ordered block
// before them whose date (column `dateCol`, empty last) and code (column `codeCol`, letter
// case ignored) are not greater than theirs.
void PlaceAppendedRows(TGridModel& grid, int firstAppended, int endRow, int dateCol, int codeCol);
