#pragma once
// Loading an item only to change it and store it back (a pass that works out every item).

// As GetWorksheetItem, but the item's texts and lists move into the scratch fields instead of
// being copied: PutWorksheetItem(k, key) must follow before anything else reads or changes
// worksheet k's items, since the item's records are left empty until it replaces them.
void TakeWorksheetItem(int k, int key);
