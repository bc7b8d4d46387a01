#include "screens/grid_focus.h"

#include <QCoreApplication>

#include "controls/txgrid.h"
#include "grid/grid_model.h"
#include "interview/tassetscreen.h"
#include "screens/core/acquisition_checks.h"

void FocusGridCell(TXGrid* grid, int col, int row) {
    grid->setFocus(Qt::OtherFocusReason);
    // Entering the grid lands on its first cell once the posted entry arrives; let it arrive
    // before moving on to the cell asked for.
    QCoreApplication::sendPostedEvents(grid, TGridEnterEvent::EventType);
    if (row < 1 || row >= grid->RowCount()) return;
    grid->SelectCell(col, row);
}

void RefuseAtCell(TChildForm* screen, TXGrid* grid, const Refusal& refusal) {
    RefuseWith(screen, refusal.message, nullptr);
    FocusGridCell(grid, refusal.col, refusal.row);
}

void SortRowsBy(TXGrid* grid, const QString& columns) {
    try {
        grid->SortRows(columns);
    } catch (const GridSortError&) {
        // The taxpayer's order is kept; the leave check has already passed every row.
    }
}
