#pragma once
// Worksheet items: one set of answers per asset. Worksheet k keeps its items in field
// k + 751 as flat records (key, scratch field, slot); the item being edited is copied into
// the scratch fields 710 to 749 and 1100 to 1199 and captured back from them.

#include <string>

#include "store/field_slot.h"

constexpr int WorksheetFieldOffset = 751;
constexpr int ItemNameField = 710;
inline constexpr const char* CreateNewWorksheetEntry = "** Create new worksheet **";

// The field that holds worksheet k's item list (0 when k names no field).
int WorksheetField(int k);
// Worksheet k's item list, created when the field holds none; null when the field holds
// something else or k names no field.
ItemList* WorksheetItems(int k, bool create);
// Number of items (items are numbered 1 to n without gaps).
int WorksheetItemCount(int k);
bool WorksheetHasItems(int k);

void OpenWorksheetNewItem(int k);
void OpenWorksheetItem(int k, int key);
void LoadWorksheetItem(int key);
void GetWorksheetItem(int k, int key);
// What loading item `key` of worksheet k would put in scratch field `field`, read from the
// item's records without loading it; null for none.
const FieldSlot* StoredItemField(int k, int key, int field);
void BuildItemNames();
void PutWorksheetItem(int k, int key);
void StoreWorksheetItem();
void DeleteWorksheetItem(int key);
void CloseWorksheet();
