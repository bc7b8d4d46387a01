#pragma once
// What the concession elections and 15-year exemption summaries store on Next, worked out
// from what is stored, for a return taken through without the interview.

class TGridModel;

// The elections table as the choice table left it (field 801) with the kept elections put
// back, as the elections summary shows it.
void OpenConcessionTable(TGridModel& grid);
// The table's concession totals, then the 15-year exemption list (field 802) and its total
// and code; both tables are stored as the summaries leave them.
void StoreConcessionSummaries(const TGridModel& elections);
