#include "calc/return_calculation.h"

#include "calc/choice_columns.h"
#include "calc/choice_session.h"
#include "calc/choice_steps.h"
#include "calc/concession_elections.h"
#include "calc/concession_summaries.h"
#include "calc/item_summaries.h"
#include "calc/scrip_for_scrip.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

CalculationRefusal RecalculateReturn(ChoiceTable& table, bool automatic) {
    RunItemSummaries();
    OpenChoiceTable(table);
    if (automatic) MakeEveryChoiceAfresh(table);
    if (const ChoiceProblem problem = CheckChoiceTable(table)) return {problem.message};
    TGridModel elections;
    OpenConcessionTable(elections);
    if (const ElectionProblem problem = CheckElections(elections)) return {problem.message};
    CommitChoiceTable(table);
    StoreConcessionSummaries(elections);
    UpdateScripForScripSchedule();
    // The table as the screen leaves it in its bound field.
    TextList lines;
    table.grid.SaveToList(lines);
    SetFieldLst(fChoiceGrid, std::move(lines));
    return {};
}
