#include <algorithm>

#include "base/currency_format.h"
#include "calc/asset_types.h"
#include "calc/choice_columns.h"
#include "calc/choice_steps.h"
#include "calc/indexation.h"
#include "calc/return_labels.h"
#include "store/field_store.h"

namespace {

// Ten lines per active asset gain for the small business concession screen.
void AddConcessionRow(TextList& lines, const TGridModel& grid, int row, NetFrom from,
                      const std::string& net) {
    lines.push_back(grid.Cell(ccDescription, row));
    for (NetFrom column : {NetFrom::Indexed, NetFrom::Discount, NetFrom::Other})
        lines.push_back(column == from ? net : std::string());
    lines.insert(lines.end(), 3, std::string());
    lines.push_back(grid.Cell(ccSource, row));
    lines.push_back(grid.Cell(ccRecord, row));
    lines.push_back(grid.Cell(ccPart, row));
}

void ShowUnapplied(TGridModel& grid, int col, long double applied, long double current,
                   long double prior) {
    if (applied > current) {
        grid.SetCell(col, 2, Str(0, 10, 0));
        grid.SetCell(col, 1, Str(prior - (applied - current), 10, 0));
    } else {
        grid.SetCell(col, 2, Str(current - applied, 10, 0));
        grid.SetCell(col, 1, Str(prior, 10, 0));
    }
}

}  // namespace

void RecalculateChoiceTable(ChoiceTable& table) {
    TGridModel& grid = table.grid;
    table.RecountApplied();  // the taxpayer types into the loss columns
    TextList concessionRows;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const ChoiceRow r = LoadChoiceRow(table, row);
        if (r.Deferred()) {
            for (int col : {ccCollectableApplied, ccOtherApplied, ccTransferredApplied})
                SetLossCell(table, col, row, "");
            grid.SetCell(ccNet, row, "0");
            continue;
        }
        const NetFrom from = NetSource(r);
        if (from == NetFrom::None) {
            // No method yet: a net gain left from an earlier method would still count.
            grid.SetCell(ccNet, row, "");
            continue;
        }
        const long double net = NetGain(r, from);
        const std::string text = net == 0 ? std::string("0") : Str(net, 10, 2);
        grid.SetCell(ccNet, row, text);
        if (IsActiveAssetType(r.type)) AddConcessionRow(concessionRows, grid, row, from, text);
    }
    SetFieldLst(fConcessionRows, std::move(concessionRows));

    const long double collectable = table.CollectableApplied();
    const long double other = table.OtherApplied();
    table.currentCollectableUsed = std::min(collectable, table.currentCollectable);
    table.priorCollectableUsed = collectable - table.currentCollectableUsed;
    table.currentOtherUsed = std::min(other, table.currentOther);
    table.priorOtherUsed = other - table.currentOtherUsed;
    ShowUnapplied(table.unapplied, 1, collectable, table.currentCollectable,
                  GetFieldVal(fPriorCollectableLosses));
    ShowUnapplied(table.unapplied, 2, other, table.currentOther, GetFieldVal(fPriorOtherLosses));

    table.netCapitalGain = Trunc(grid.ColumnTotal(ccNet));
    SetFieldVal(fModuleNetGain, table.netCapitalGain);
    UpdateReturnLabels();
}

std::string NetCapitalGainText(const ChoiceTable& table) {
    return FormatCurrency(table.netCapitalGain, 0, 18);
}
