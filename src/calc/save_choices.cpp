#include <algorithm>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "calc/choice_columns.h"
#include "calc/choice_steps.h"
#include "store/field_store.h"
#include "store/item_index.h"
#include "store/worksheet_item_take.h"
#include "store/worksheet_items.h"

namespace {

void SetLine(TextList& list, size_t at, const std::string& text) {
    if (list.size() <= at) list.resize(at + 1);
    list[at] = text;
}

size_t RecordOf(const TGridModel& grid, int row) {
    const long double record = CellValue(grid, ccRecord, row);
    return record > 0 ? static_cast<size_t>(record) : 0;
}

void SaveTrustRow(const TGridModel& grid, int row, TextList& trusts) {
    const std::string part = grid.Cell(ccPart, row);
    for (const TrustComponent& c : TrustComponents) {
        if (part != c.part) continue;
        const size_t base = RecordOf(grid, row) * TrustTableColumns;
        const LossEntries cols = TrustLossColumns(c.tableColumn);
        SetLine(trusts, base + static_cast<size_t>(cols.collectable),
                grid.Cell(ccCollectableApplied, row));
        SetLine(trusts, base + static_cast<size_t>(cols.other), grid.Cell(ccOtherApplied, row));
        SetLine(trusts, base + static_cast<size_t>(cols.transferred),
                grid.Cell(ccTransferredApplied, row));
    }
}

void SaveManualRow(const TGridModel& grid, int row, TextList& manual) {
    if (grid.Cell(ccPart, row) != "C") return;
    const size_t base = RecordOf(grid, row) * ManualTableColumns;
    for (int col :
         {ccMethod, ccWantDefer, ccCollectableApplied, ccOtherApplied, ccTransferredApplied})
        SetLine(manual, base + static_cast<size_t>(col), grid.Cell(col, row));
}

constexpr int ChoiceFields[] = {fItemLossesApplied, fItemMethod, fItemDefer};

// All rows of one item are written in one pass, so none of them overwrites another's list.
void SaveItem(const TGridModel& grid, int worksheet, int item, const std::vector<int>& rows) {
    TakeWorksheetItem(worksheet, item);  // stored back whole at the end
    TextList losses(LossListEntries, " ");
    losses[0] = "Losses Applied";
    for (int row : rows) {
        const std::string part = grid.Cell(ccPart, row);
        const LossEntries entries = LossEntriesOf(part);
        if (entries.collectable < 0) continue;
        losses[static_cast<size_t>(entries.collectable)] = grid.Cell(ccCollectableApplied, row);
        losses[static_cast<size_t>(entries.other)] = grid.Cell(ccOtherApplied, row);
        losses[static_cast<size_t>(entries.transferred)] = grid.Cell(ccTransferredApplied, row);
        if (part == "B" || part == "C") {
            SetFieldStr(fItemMethod, grid.Cell(ccMethod, row));
            SetFieldStr(fItemDefer, grid.Cell(ccWantDefer, row));
        }
    }
    SetFieldLst(fItemLossesApplied, std::move(losses));
    PutWorksheetItem(worksheet, item);
}

// An item without rows keeps no choices of an earlier table: they would come back as applied
// losses, a method or a deferment once it has rows again.
// The three fields are read from the item's records, so an item without choices (most of a
// large return) is never loaded.
void ForgetChoices(int worksheet, int item) {
    const bool held = std::any_of(std::begin(ChoiceFields), std::end(ChoiceFields), [&](int field) {
        const FieldSlot* stored = StoredItemField(worksheet, item, field);
        return stored && !SlotEmpty(*stored);
    });
    if (!held) return;
    const int current = State().CurrentWorksheet;
    GetWorksheetItem(worksheet, item);
    State().CurrentWorksheet = current;
    for (int field : ChoiceFields) ClearField(field);
    PutWorksheetItem(worksheet, item);
}

}  // namespace

void SaveChoices(const ChoiceTable& table) {
    const TGridModel& grid = table.grid;
    TextList trusts, manual;
    if (const TextList* held = GetFieldLst(fTrustTable)) trusts = *held;
    if (const TextList* held = GetFieldLst(fManualTable)) manual = *held;
    std::map<std::pair<int, int>, std::vector<int>> items;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const std::string source = grid.Cell(ccSource, row);
        if (source.empty()) continue;
        if (source == TrustTableSource)
            SaveTrustRow(grid, row, trusts);
        else if (source == ManualTableSource)
            SaveManualRow(grid, row, manual);
        else
            items[{static_cast<int>(CellValue(grid, ccSource, row)),
                   static_cast<int>(CellValue(grid, ccRecord, row))}]
                .push_back(row);
    }
    bool loaded = !items.empty();
    {
        const ItemStorePass pass;  // items that gain records are merged once, at the end
        for (const auto& [key, rows] : items) SaveItem(grid, key.first, key.second, rows);
        for (int worksheet = FirstAssetWorksheet; worksheet <= LastAssetWorksheet; ++worksheet)
            for (int item = 1; item <= WorksheetItemCount(worksheet); ++item)
                if (!items.count({worksheet, item})) {
                    ForgetChoices(worksheet, item);
                    loaded = true;
                }
    }
    // The scratch fields end blank, as when every item was loaded to look at its choices.
    if (loaded) ZeroScratchFields();
    if (GetFieldLst(fTrustTable)) SetFieldLst(fTrustTable, std::move(trusts));
    if (GetFieldLst(fManualTable)) SetFieldLst(fManualTable, std::move(manual));
}
