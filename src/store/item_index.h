#pragma once
// Where each item's records stand in one worksheet's record list, so that loading, counting
// and storing an item does not scan the whole list. Built from the list when first needed
// and kept in step by the stores that go through it; any other change of a list is seen by
// its size or storage moving, or announced with ForgetItemIndex.

#include <cstddef>

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
// A list changed or was released by other means.
void ForgetItemIndex();
