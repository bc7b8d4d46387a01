#include "store/worksheet_items.h"

#include <algorithm>

#include "base/module_state.h"
#include "store/field_store.h"
#include "store/item_index.h"
#include "store/worksheet_item_take.h"
#include "store/worksheet_screen.h"

namespace {

WorksheetScreenHooks* Screen() { return State().WorksheetScreen; }

bool ScreenShown() {
    const WorksheetScreenHooks* screen = Screen();
    return screen && screen->ScreenIsShown();
}

// The list without merging kept stores (for the load and store of one item).
ItemList* ListOf(int k, bool create) {
    FieldSlot* slot = FieldSlotAt(WorksheetField(k));
    if (!slot) return nullptr;
    if (slot->type == dtNone && create) slot->type = dtWorksheet;
    if (slot->type != dtWorksheet) return nullptr;
    if (!slot->items && create) slot->items = std::make_unique<ItemList>();
    return slot->items.get();
}

bool SameKey(const WorksheetItem& record, int key) { return record.ItemKey == key; }

int ItemCount(const ItemList* list) { return list ? IndexedItemCount(*list) : 0; }

// A key beyond the next new item is read as the next new item, so items stay numbered
// 1 to n without gaps.
int UsableKey(int k, int key) { return std::clamp(key, 1, WorksheetItemCount(k) + 1); }

// Removes every record of `key`; the position where they stood (the end when none).
size_t RemoveItemRecords(ItemList& list, int key) {
    const auto first =
        std::find_if(list.begin(), list.end(), [key](const auto& r) { return SameKey(r, key); });
    const size_t position = static_cast<size_t>(first - list.begin());
    list.erase(std::remove_if(first, list.end(), [key](const auto& r) { return SameKey(r, key); }),
               list.end());
    ForgetItemIndex();
    return position;
}

void RenumberAbove(ItemList& list, int key) {
    for (WorksheetItem& record : list)
        if (record.ItemKey > key) --record.ItemKey;
    ForgetItemIndex();
}

// Only fields that show text are answers: an unticked box or an amount below 0.001 is none.
// A list shows its first cell, which may be blank in a row that holds figures (a register
// row has no date of event), so a list is an answer when any cell is.
bool IsAnswer(const FieldSlot& slot) {
    if (slot.type == dtList)
        return slot.list && std::any_of(slot.list->begin(), slot.list->end(),
                                        [](const std::string& cell) { return !cell.empty(); });
    return SlotShowsText(slot);
}

// Whether storing copies the scratch fields (they stay, as on a shown screen) or takes them
// (they are zeroed next, so their lists need not be copied); loading likewise copies an item's
// records or takes them (the item is stored back next).
enum class Scratch { Copy, Take };

// The answers of fields last down to first.
void AppendScratchRange(std::vector<WorksheetItem>& records, int key, int first, int last,
                        Scratch scratch) {
    FieldStore* store = State().Store.get();  // looked up once: every put reads 140 fields
    if (!store) return;
    for (int n = last; n >= first; --n) {
        FieldSlot* slot = &store->Slot(n);
        if (!IsAnswer(*slot)) continue;
        WorksheetItem& record = records.emplace_back();
        record.ItemKey = static_cast<uint16_t>(key);
        record.field = n;
        if (scratch == Scratch::Take)
            record.slot = std::move(*slot);
        else
            record.slot = *slot;
    }
}

// The scratch fields as item `key`'s records, in descending field order (as the records
// always stood when each went in at the same position).
std::vector<WorksheetItem> ScratchRecords(int key, Scratch scratch) {
    if (GetFieldText(ItemNameField).empty())
        SetFieldStr(ItemNameField, "Worksheet No." + std::to_string(key));
    std::vector<WorksheetItem> records;
    AppendScratchRange(records, key, ScratchFirstHigh, ScratchLastHigh, scratch);
    AppendScratchRange(records, key, ScratchFirstLow, ScratchLastLow, scratch);
    return records;
}

// Captures the scratch fields as item `key`, inserted at `position`.
void InsertScratchRecords(ItemList& list, size_t position, int key, Scratch scratch) {
    std::vector<WorksheetItem> records = ScratchRecords(key, scratch);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position),
                std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()));
    ForgetItemIndex();
}

// Item `key`'s records replaced by the scratch fields' where they stood (at the end for a new
// item). Records overwritten in place move nothing behind them, so a pass that stores every
// item of a large worksheet stays linear.
void ReplaceItemRecords(ItemList& list, int key, Scratch scratch) {
    ItemRange old;
    if (!IndexedItemRange(list, key, old)) {
        MergeKeptItemRecords();
        InsertScratchRecords(list, RemoveItemRecords(list, key), key, scratch);
        return;
    }
    std::vector<WorksheetItem> records = ScratchRecords(key, scratch);
    // Another number of records would move every record behind them.
    if (ItemStorePassOpen() && old.begin != old.end &&
        (KeptItemRecords(list, key) || records.size() != old.end - old.begin)) {
        KeepItemRecords(list, key, std::move(records));
        return;
    }
    const size_t had = old.end - old.begin, kept = std::min(had, records.size());
    const auto at = list.begin() + static_cast<std::ptrdiff_t>(old.begin);
    const auto from = records.begin() + static_cast<std::ptrdiff_t>(kept);
    std::move(records.begin(), from, at);
    if (records.size() < had)
        list.erase(at + static_cast<std::ptrdiff_t>(kept), at + static_cast<std::ptrdiff_t>(had));
    else if (records.size() > had)
        list.insert(at + static_cast<std::ptrdiff_t>(kept), std::make_move_iterator(from),
                    std::make_move_iterator(records.end()));
    ItemRecordsReplaced(list, key, old, records.size());
}

bool ScratchShowsText(int first, int last) {
    for (int n = first; n <= last; ++n)
        if (const FieldSlot* slot = FieldSlotAt(n); slot && IsAnswer(*slot)) return true;
    return false;
}

// Loading copies the records into the scratch fields, or takes their texts and lists when
// the item is stored back before anything reads it (its records are then replaced whole).
void CopyItemIntoScratch(int k, int key, Scratch scratch = Scratch::Copy) {
    ZeroScratchFields();
    ItemList* list = ListOf(k, true);
    if (!list) return;
    if (const std::vector<WorksheetItem>* kept = KeptItemRecords(*list, key)) {
        for (const WorksheetItem& record : *kept)
            if (IsScratchField(record.field)) *FieldSlotAt(record.field) = record.slot;
        return;
    }
    ItemRange range{0, list->size()};
    IndexedItemRange(*list, key, range);
    // Only scratch fields: a damaged record must never overwrite an answer of the return.
    for (size_t i = range.begin; i < range.end; ++i) {
        WorksheetItem& record = (*list)[i];
        if (!SameKey(record, key) || !IsScratchField(record.field)) continue;
        if (scratch == Scratch::Take)
            *FieldSlotAt(record.field) = std::move(record.slot);
        else
            *FieldSlotAt(record.field) = record.slot;
    }
}

std::string NameOf(const FieldSlot& slot) {
    if (slot.type == dtString) return slot.longText.value_or(std::string());
    if (slot.type == dtSmallStr) return slot.SmallText();
    return {};
}

void OpenWorksheet(int k) {
    State().CurrentWorksheet = k;
    ZeroScratchFields();
    WorksheetItems(k, true);  // merges kept stores
    State().CurrentItem = 0;
    BuildItemNames();
}

void RefreshPickList() {
    if (WorksheetScreenHooks* screen = Screen()) screen->RefreshPickList();
}

}  // namespace

int WorksheetField(int k) {
    const int field = k + WorksheetFieldOffset;
    return k >= 1 && IsValidField(field) ? field : 0;
}

ItemList* WorksheetItems(int k, bool create) {
    MergeKeptItemRecords();
    return ListOf(k, create);
}

int WorksheetItemCount(int k) { return ItemCount(ListOf(k, false)); }

bool WorksheetHasItems(int k) {
    const ItemList* list = ListOf(k, false);
    return list && !list->empty();
}

void OpenWorksheetNewItem(int k) {
    OpenWorksheet(k);
    LoadWorksheetItem(static_cast<int>(State().ItemNames.size()));
    RefreshPickList();
}

void OpenWorksheetItem(int k, int key) {
    OpenWorksheet(k);
    LoadWorksheetItem(key);
    RefreshPickList();
}

void LoadWorksheetItem(int key) {
    ModuleState& state = State();
    key = UsableKey(state.CurrentWorksheet, key);
    CopyItemIntoScratch(state.CurrentWorksheet, key);
    // Set before the screen reloads, so its show handler sees the item it shows.
    state.CurrentItem = key;
    if (ScreenShown()) Screen()->ReloadScreen();
}

void GetWorksheetItem(int k, int key) {
    State().CurrentWorksheet = k;
    CopyItemIntoScratch(k, key);
}

void TakeWorksheetItem(int k, int key) {
    State().CurrentWorksheet = k;
    CopyItemIntoScratch(k, key, Scratch::Take);
}

const FieldSlot* StoredItemField(int k, int key, int field) {
    const ItemList* list = ListOf(k, false);
    if (!list || !IsScratchField(field)) return nullptr;
    const FieldSlot* found = nullptr;
    if (const std::vector<WorksheetItem>* kept = KeptItemRecords(*list, key)) {
        for (const WorksheetItem& record : *kept)
            if (record.field == field) found = &record.slot;
        return found;
    }
    ItemRange range{0, list->size()};
    IndexedItemRange(*list, key, range);
    // The last record of the field wins, as when the item is loaded.
    for (size_t i = range.begin; i < range.end; ++i) {
        const WorksheetItem& record = (*list)[i];
        if (SameKey(record, key) && record.field == field) found = &record.slot;
    }
    return found;
}

void BuildItemNames() {
    std::vector<std::string>& names = State().ItemNames;
    const ItemList* list = WorksheetItems(State().CurrentWorksheet, false);
    // One entry per item key, so the pick list's row i is always item i + 1.
    names.assign(static_cast<size_t>(ItemCount(list)), std::string());
    std::vector<bool> named(names.size(), false);
    if (list) {
        for (const WorksheetItem& record : *list) {
            if (record.field != ItemNameField || record.ItemKey == 0) continue;
            const size_t row = record.ItemKey - 1u;
            if (named[row]) continue;
            names[row] = NameOf(record.slot);
            named[row] = true;
        }
    }
    names.emplace_back(CreateNewWorksheetEntry);
}

void PutWorksheetItem(int k, int key) {
    ModuleState& state = State();
    key = UsableKey(k, key);
    state.CurrentWorksheet = k;
    state.CurrentItem = key;
    if (ItemList* list = ListOf(k, true)) ReplaceItemRecords(*list, key, Scratch::Take);
    state.ItemNames.clear();
    state.CurrentWorksheet = 0;
    state.CurrentItem = 0;
    ZeroScratchFields();
}

void StoreWorksheetItem() {
    ModuleState& state = State();
    const int key = state.CurrentItem;
    if (state.CurrentWorksheet == 0 || key <= 0) return;
    ItemList* list = WorksheetItems(state.CurrentWorksheet, true);
    if (!list) return;
    const size_t before = list->size();
    const size_t position = RemoveItemRecords(*list, key);
    const bool hadRecords = list->size() != before;
    // With no screen the scratch fields are stored as they are, but a new item without a
    // single answer is no item (it would be stored as a bare "Worksheet No." name).
    if (!ScreenShown() && !hadRecords && !ScratchShowsText(ScratchFirstLow, ScratchLastLow) &&
        !ScratchShowsText(ScratchFirstHigh, ScratchLastHigh))
        return;
    if (ScreenShown() && Screen()->ScreenEntryFieldsBlank()) {
        RenumberAbove(*list, key);
        if (hadRecords) state.StoreChanged = true;
        // The dropped key now names the next item; the scratch fields stand for a new,
        // unsaved one, so storing again can never drop that next item too.
        state.CurrentItem = ItemCount(list) + 1;
        return;
    }
    if (ScreenShown()) Screen()->SaveScreenControls();
    InsertScratchRecords(*list, position, key, Scratch::Copy);
}

void DeleteWorksheetItem(int key) {
    ItemList* list = WorksheetItems(State().CurrentWorksheet, false);
    if (!list) return;
    const size_t before = list->size();
    RemoveItemRecords(*list, key);
    RenumberAbove(*list, key);
    if (list->size() != before) State().StoreChanged = true;
}

void CloseWorksheet() {
    ModuleState& state = State();
    StoreWorksheetItem();
    ZeroScratchFields();
    state.ItemNames.clear();
    state.CurrentWorksheet = 0;
    state.CurrentItem = 0;
}
