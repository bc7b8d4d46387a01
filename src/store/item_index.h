#pragma once
// Where each item's records stand in one worksheet's record list, so that loading, counting
// and storing an item does not scan the whole list. Built from the list when first needed
// and kept in step by the stores that go through it; any other change of a list is seen by
// its size or storage moving, or announced with ForgetItemIndex.

#include <cstddef>
#include <vector>

#include "store/field_slot.h"

struct ItemRange {
    size_t begin = 0, end = 0;  // records [begin, end) of the list; empty when the key has none
};

// The highest item key in the list (items are numbered 1 to n).
int IndexedItemCount(const ItemList& list);
// Key's records, when every key's records stand together (else false: the caller scans).
bool IndexedItemRange(const ItemList& list, int key, ItemRange& range);
// Key's records [begin, end) were replaced by `count` records at begin (or, when the key had
// none, appended at the end); the index follows when it knew the list, else it is dropped.
void ItemRecordsReplaced(const ItemList& list, int key, ItemRange old, size_t count);
// A list changed or was released by other means (records kept aside are dropped: merge them
// first when the list lives on).
void ForgetItemIndex();

// While a pass is open, an item stored with another number of records than it had is kept
// aside (inserting it would move every record behind it) and all are merged into their lists
// in one sweep when the pass closes or anything else changes or reads a list.
class ItemStorePass {
public:
    ItemStorePass();
    ~ItemStorePass();
    ItemStorePass(const ItemStorePass&) = delete;
    ItemStorePass& operator=(const ItemStorePass&) = delete;
};
bool ItemStorePassOpen();
// Keeps key's new records for the list (key's old records stand together in it).
void KeepItemRecords(ItemList& list, int key, std::vector<WorksheetItem> records);
// Key's kept records, or null.
const std::vector<WorksheetItem>* KeptItemRecords(const ItemList& list, int key);
void MergeKeptItemRecords();
