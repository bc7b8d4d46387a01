#include "base/module_state.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/asset_types.h"
#include "calc/calc_inputs.h"
#include "calc/choice_columns.h"
#include "calc/choice_steps.h"
#include "calc/fifteen_year_table.h"
#include "calc/indexation.h"
#include "calc/return_labels.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

const char* SectionName(int worksheet) {
    switch (worksheet) {
        case 451:
            return "Shares";
        case 452:
            return "Trusts";
        case 453:
            return "Other trust";
        case 454:
            return "Real estate";
        case 455:
            return "Personal use";
        case 456:
            return "Other assets";
        case 457:
            return "Creation of rights";
        case 458:
            return "Depreciating assets";
        case 459:
            return "SB status";
        case 460:
            return "Bankrupt";
        case 461:
            return "Residency";
        case 462:
            return "Other cap pay";
        default:
            return "Not allocated";
    }
}

std::string Whole(long double value) { return Str(value, 10, 0); }

// Appends rows from row 1, each emptied first, growing the grid as needed.
class RowMaker {
public:
    explicit RowMaker(TGridModel& grid) : grid_(grid) {}
    int Next() {
        if (next_ >= grid_.RowCount()) grid_.AddRow();
        for (int col = 0; col < ChoiceColumns; ++col) grid_.SetCell(col, next_, "");
        return next_++;
    }
    int Made() const { return next_ - 1; }

private:
    TGridModel& grid_;
    int next_ = 1;
};

// A cell of a stored line list, or empty past its end.
std::string Line(const TextList* list, size_t record, int columns, int col) {
    const size_t at = record * static_cast<size_t>(columns) + static_cast<size_t>(col);
    return list && at < list->size() ? (*list)[at] : std::string();
}

// An entry of an item's loss list; the entries past 22 only in lists of the longer kind.
std::string LossEntry(const TextList* list, int entry) {
    if (!list || entry < 0 || static_cast<size_t>(entry) >= list->size()) return {};
    if (entry >= OldLossListEntries && list->size() <= static_cast<size_t>(OldLossListEntries))
        return {};
    return TrimmedText((*list)[static_cast<size_t>(entry)]);
}

void PutLossCells(TGridModel& grid, int row, const std::string& part) {
    const TextList* list = GetFieldLst(fItemLossesApplied);
    const LossEntries entries = LossEntriesOf(part);
    grid.SetCell(ccCollectableApplied, row, LossEntry(list, entries.collectable));
    grid.SetCell(ccOtherApplied, row, LossEntry(list, entries.other));
    grid.SetCell(ccTransferredApplied, row, LossEntry(list, entries.transferred));
}

void MarkSource(TGridModel& grid, int row, const std::string& source, int record,
                const std::string& part) {
    grid.SetCell(ccSource, row, source);
    grid.SetCell(ccRecord, row, Whole(record));
    grid.SetCell(ccPart, row, part);
}

// Both gains open: the taxpayer must choose, guided by the index factor.
void ApplyChoiceRule(TGridModel& grid, int row, long double indexed, long double discount) {
    if (indexed < ZeroMarker || discount < ZeroMarker ||
        (indexed <= ZeroMarker && discount <= ZeroMarker)) {
        grid.SetCell(ccChoiceRequired, row, "No");
        return;
    }
    grid.SetCell(ccIndexFactor, row, Str(indexed / discount * 100, 10, 5));
    grid.SetCell(ccChoiceRequired, row, "Yes");
    grid.SetCell(ccMethod, row, TrimmedText(GetFieldStr(fItemMethod)));
}

void AddTrustTable(TGridModel& grid, RowMaker& rows) {
    const TextList* list = GetFieldLst(fTrustTable);
    const size_t records = list ? list->size() / TrustTableColumns : 0;
    for (size_t m = 0; m < records; ++m) {
        SetCgtPresent(true);
        auto cellOf = [&](int col) { return Line(list, m, TrustTableColumns, col); };
        for (int i : TrustTableOrder) {
            const TrustComponent& c = TrustComponents[static_cast<size_t>(i)];
            const std::string cell = cellOf(c.tableColumn);
            if (TrimmedText(cell).empty()) continue;
            const int row = rows.Next();
            grid.SetCell(ccSection, row, "Other trust");
            grid.SetCell(ccDescription, row, cellOf(0) + c.tableSuffix);
            grid.SetCell(ccType, row, c.type);
            grid.SetCell(c.valueColumn, row,
                         c.multiplier == 1 ? cell : Whole(NumberOfText(cell) * c.multiplier));
            grid.SetCell(ccChoiceRequired, row, "No");
            grid.SetCell(ccCanDefer, row, "No");
            const LossEntries cols = TrustLossColumns(c.tableColumn);
            grid.SetCell(ccCollectableApplied, row, TrimmedText(cellOf(cols.collectable)));
            grid.SetCell(ccOtherApplied, row, TrimmedText(cellOf(cols.other)));
            grid.SetCell(ccTransferredApplied, row, TrimmedText(cellOf(cols.transferred)));
            MarkSource(grid, row, TrustTableSource, static_cast<int>(m), c.part);
        }
    }
}

void AddManualTable(TGridModel& grid, RowMaker& rows) {
    const TextList* list = GetFieldLst(fManualTable);
    const size_t records = list ? list->size() / ManualTableColumns : 0;
    for (size_t m = 0; m < records; ++m) {
        SetCgtPresent(true);
        auto cellOf = [&](int col) { return Line(list, m, ManualTableColumns, col); };
        if (TrimmedText(cellOf(ccDescription)).empty()) continue;
        const int row = rows.Next();
        for (int col = ccSection; col <= ccDiscount; ++col) grid.SetCell(col, row, cellOf(col));
        const std::string indexedCell = TrimmedText(cellOf(ccIndexed));
        const std::string discountCell = TrimmedText(cellOf(ccDiscount));
        const long double indexed = NumberOfText(indexedCell);
        const long double discount = NumberOfText(discountCell);
        if (!indexedCell.empty() && !discountCell.empty() &&
            (indexed > ZeroMarker || discount > ZeroMarker)) {
            // A stored row with no discount gain has no factor rather than an infinite one.
            if (discount != 0)
                grid.SetCell(ccIndexFactor, row, Str(indexed / discount * 100, 10, 5));
            grid.SetCell(ccChoiceRequired, row, "Yes");
            grid.SetCell(ccMethod, row, TrimmedText(cellOf(ccMethod)));
        } else {
            grid.SetCell(ccChoiceRequired, row, "No");
        }
        for (int col : {ccOther, ccLoss, ccCanDefer, ccDeferAuto, ccWantDefer, ccCollectableApplied,
                        ccOtherApplied, ccTransferredApplied})
            grid.SetCell(col, row, cellOf(col));
        MarkSource(grid, row, ManualTableSource, static_cast<int>(m), "C");
    }
}

std::string WholeIfAbove(int field, long double floor) {
    const long double value = GetFieldVal(field);
    return value > floor ? Whole(value) : std::string();
}

void AddItemTrustGains(TGridModel& grid, RowMaker& rows, const std::string& section) {
    for (size_t i = 0; i < TrustComponents.size(); ++i) {
        const TrustComponent& c = TrustComponents[i];
        const long double value = GetFieldVal(fItemTrustGainFirst + static_cast<int>(i));
        if (!(value > 0)) continue;
        const int row = rows.Next();
        grid.SetCell(ccSection, row, section);
        grid.SetCell(ccDescription, row, GetFieldStr(fAssetName) + c.itemSuffix);
        grid.SetCell(ccType, row, c.type);
        grid.SetCell(c.valueColumn, row, Whole(value * c.multiplier));
        grid.SetCell(ccChoiceRequired, row, "No");
        grid.SetCell(ccCanDefer, row, "No");
        PutLossCells(grid, row, c.part);
        grid.SetCell(ccPart, row, c.part);
    }
}

void AddPaymentGain(TGridModel& grid, RowMaker& rows, const std::string& section) {
    const int row = rows.Next();
    grid.SetCell(ccSection, row, section);
    grid.SetCell(ccDescription, row, GetFieldStr(fAssetName) + " - Non-ass receipt");
    grid.SetCell(ccType, row, "ON");
    grid.SetCell(ccIndexed, row, WholeIfAbove(fPaymentIndexedGain, 0));
    grid.SetCell(ccDiscount, row, WholeIfAbove(fPaymentDiscountGain, 0));
    ApplyChoiceRule(grid, row, GetFieldVal(fPaymentIndexedGain), GetFieldVal(fPaymentDiscountGain));
    grid.SetCell(ccOther, row, WholeIfAbove(fPaymentOtherGain, ZeroMarker));
    grid.SetCell(ccCanDefer, row, "No");
    PutLossCells(grid, row, "B");
    grid.SetCell(ccPart, row, "B");
}

void AddDisposal(TGridModel& grid, RowMaker& rows, const std::string& section) {
    const int row = rows.Next();
    grid.SetCell(ccSection, row, section);
    grid.SetCell(ccDescription, row, GetFieldStr(fAssetName) + " - Disposal");
    grid.SetCell(ccType, row, GetFieldStr(fAssetType));
    grid.SetCell(ccIndexed, row, WholeIfAbove(fIndexedGain, 0));
    grid.SetCell(ccDiscount, row, WholeIfAbove(fDiscountGain, 0));
    ApplyChoiceRule(grid, row, GetFieldVal(fIndexedGain), GetFieldVal(fDiscountGain));
    grid.SetCell(ccOther, row, WholeIfAbove(fOtherGain, 0));
    grid.SetCell(ccLoss, row, WholeIfAbove(fCapitalLoss, 0));
    if (FieldChecked(fItemDeferrable)) {
        grid.SetCell(ccCanDefer, row, "Yes");
        if (FieldChecked(fItemDeferAutomatic))
            grid.SetCell(ccDeferAuto, row, "Yes");
        else
            grid.SetCell(ccWantDefer, row, GetFieldStr(fItemDefer));
    } else {
        grid.SetCell(ccCanDefer, row, "No");
    }
    PutLossCells(grid, row, "C");
    grid.SetCell(ccPart, row, "C");
}

bool HasPaymentRow(int worksheet) {
    return worksheet == 451 || worksheet == 452 || worksheet == 453 || worksheet == 456 ||
           worksheet == 457;
}

// The key of the worksheet's last record: items are stored in key order.
int LastItemKey(int worksheet) {
    const ItemList* list = WorksheetItems(worksheet, false);
    return list && !list->empty() ? list->back().ItemKey : 0;
}

void AddWorksheet(TGridModel& grid, RowMaker& rows, int worksheet) {
    const std::string section = SectionName(worksheet);
    const int items = LastItemKey(worksheet);
    for (int m = 1; m <= items; ++m) {
        SetCgtPresent(true);
        // Read only: the worksheet the interview has open stays the current one.
        const int current = State().CurrentWorksheet;
        GetWorksheetItem(worksheet, m);
        State().CurrentWorksheet = current;
        // A gain the 15-year exemption disregards is not in the table; a loss is.
        if (FifteenYearExempt()) continue;
        const int first = rows.Made() + 1;
        if ((worksheet == 452 || worksheet == 453) && FieldChecked(fItemHasTrustGains))
            AddItemTrustGains(grid, rows, section);
        if (HasPaymentRow(worksheet) && FieldChecked(fPaymentGainThisYear))
            AddPaymentGain(grid, rows, section);
        if (FieldChecked(fProceedsAboveZero)) AddDisposal(grid, rows, section);
        for (int row = first; row <= rows.Made(); ++row) {
            grid.SetCell(ccSource, row, Whole(worksheet));
            grid.SetCell(ccRecord, row, Whole(m));
        }
    }
}

}  // namespace

void BuildDisposalRow(ChoiceTable& table) {
    RowMaker rows(table.grid);
    AddDisposal(table.grid, rows, "");
    table.RecountApplied();
}

void BuildChoiceTable(ChoiceTable& table) {
    SetCgtPresent(false);
    table.currentCollectable = table.currentOther = 0;
    table.priorCollectable = table.priorOther = table.transferredIn = 0;
    table.currentCollectableUsed = table.priorCollectableUsed = 0;
    table.currentOtherUsed = table.priorOtherUsed = 0;
    table.netCapitalGain = 0;
    TGridModel& grid = table.grid;
    RowMaker rows(grid);
    AddTrustTable(grid, rows);
    AddManualTable(grid, rows);
    for (int worksheet = FirstAssetWorksheet; worksheet <= LastAssetWorksheet; ++worksheet)
        AddWorksheet(grid, rows, worksheet);
    grid.SetRowCount(std::max(rows.Made() + 1, 2));
    if (rows.Made() == 0)
        for (int col = 0; col < ChoiceColumns; ++col) grid.SetCell(col, 1, "");
    for (int row = 1; row < grid.RowCount(); ++row) {
        const std::string loss = TrimmedText(grid.Cell(ccLoss, row));
        if (loss.empty()) continue;
        if (IsCollectableType(grid.Cell(ccType, row)))
            table.currentCollectable += NumberOfText(loss);
        else
            table.currentOther += NumberOfText(loss);
    }
    table.RecountApplied();
    SetFieldVal(fCurrentLossTotal, grid.ColumnTotal(ccLoss));
}

void FillUnappliedLosses(ChoiceTable& table) {
    table.priorCollectable = GetFieldVal(fPriorCollectableLosses, true);
    table.priorOther = GetFieldVal(fPriorOtherLosses, true);
    table.transferredIn = GetFieldVal(fTransferredInLosses, true);
    TGridModel& grid = table.unapplied;
    grid.SetCell(1, 1, Str(GetFieldVal(fPriorCollectableLosses), 10, 0));
    grid.SetCell(2, 1, Str(GetFieldVal(fPriorOtherLosses), 10, 0));
    grid.SetCell(1, 2, Str(table.currentCollectable, 10, 0));
    grid.SetCell(2, 2, Str(table.currentOther, 10, 0));
}
