#include "screens/tassettablescreen.h"

#include "controls/txgrid.h"
#include "interview/interview_steps.h"
#include "screens/asset_screen_setup.h"
#include "screens/core/acquisition_checks.h"
#include "screens/core/asset_tables.h"
#include "screens/grid_focus.h"
#include "store/field_store.h"

TAssetTableScreen::TAssetTableScreen(QWidget* parent) : TAssetScreen(parent) {}

TAssetTableScreen::~TAssetTableScreen() = default;

void TAssetTableScreen::SetTable(TXGrid* grid, const QString& sortColumns) {
    grid_ = grid;
    sortColumns_ = sortColumns;
    ShowBothScrollBars(grid);
}

void TAssetTableScreen::CheckLeave() {
    TextList cells;
    grid_->SaveToList(cells);
    if (const auto refusal =
            RowsRefusal(cells, ReadDateText(GetFieldStr(726)), ReadDateText(GetFieldStr(729))))
        RefuseAtCell(this, grid_, *refusal);
}

void TAssetTableScreen::StepNext() {
    SortRowsBy(grid_, sortColumns_);
    StepScreenIndex(1);
}
