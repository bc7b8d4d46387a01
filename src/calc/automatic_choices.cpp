#include "base/text_encoding.h"
#include "calc/choice_columns.h"
#include "calc/choice_steps.h"

void MakeDeferChoices(ChoiceTable& table) {
    TGridModel& grid = table.grid;
    for (int row = 1; row < grid.RowCount(); ++row) {
        ChoiceRow r = LoadChoiceRowTexts(table, row);
        const std::string answer = TrimmedText(grid.Cell(ccWantDefer, row));
        if (r.canDefer != "Yes" || (!answer.empty() && answer != "Yes")) continue;
        LoadChoiceRowFigures(table, row, r);
        // A loss is worth keeping: it is not deferred with the gain.
        grid.SetCell(ccWantDefer, row, r.loss > 0 ? "No" : "Yes");
    }
    RecalculateChoiceTable(table);
}

void MakeMethodChoices(ChoiceTable& table) {
    TGridModel& grid = table.grid;
    for (int row = 1; row < grid.RowCount(); ++row) {
        ChoiceRow r = LoadChoiceRowTexts(table, row);
        if (r.choiceRequired != "Yes" || !r.method.empty()) continue;
        LoadChoiceRowFigures(table, row, r);
        grid.SetCell(ccMethod, row, r.discount / 2 > r.indexed ? "Indexed" : "Discount");
    }
}
