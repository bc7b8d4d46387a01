#include "calc/concession_summaries.h"

#include "calc/choice_columns.h"
#include "calc/concession_elections.h"
#include "calc/election_places.h"
#include "calc/fifteen_year_table.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

namespace {

void StoreTable(const TGridModel& grid, int field) {
    TextList lines;
    grid.SaveToList(lines);
    SetFieldLst(field, std::move(lines));
}

}  // namespace

void OpenConcessionTable(TGridModel& grid) {
    SetUpConcessionTable(grid);
    LoadConcessionRows(grid);
    RestoreElections(grid);
}

void StoreConcessionSummaries(const TGridModel& elections) {
    StoreConcessionTotals(elections);
    StoreTable(elections, fConcessionRows);

    TGridModel exempt;
    SetUpFifteenYearTable(exempt);
    FillFifteenYearTable(exempt);
    StoreFifteenYearTotals(exempt);
    StoreTable(exempt, fFifteenYearRows);
}
