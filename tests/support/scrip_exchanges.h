#pragma once
// Share or trust interest items as the asset path and the choice table leave them when a
// scrip for scrip roll-over was answered: the method amounts, the defer choice and the
// entries of the roll-over summary.

#include <string>

#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_columns.h"
#include "calc/scrip_for_scrip.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

struct Exchange {
    int worksheet;
    std::string name;
    bool scrip;
    std::string defer;
    long double discountCost, otherCost, discountProceeds, otherProceeds;
    long double marketValue = 0, cash = 0;
};

// Appends the item to its worksheet; the scratch fields are left empty.
inline void AddExchange(const Exchange& e) {
    ZeroScratchFields();
    SetFieldStr(ItemNameField, e.name);
    if (e.scrip) SetFieldChecked(fScripForScrip);
    SetFieldStr(fItemDefer, e.defer);
    SetFieldVal(fDiscountCostBase, e.discountCost);
    SetFieldVal(fOtherCostBase, e.otherCost);
    SetFieldVal(fDiscountProceeds, e.discountProceeds);
    SetFieldVal(fOtherProceeds, e.otherProceeds);
    SetFieldVal(fReplacementValue, e.marketValue);
    SetFieldVal(fOtherConsideration, e.cash);
    PutWorksheetItem(e.worksheet, WorksheetItemCount(e.worksheet) + 1);
    ZeroScratchFields();
}

// A field of item `key` of worksheet k, or of the schedule record, as stored.
inline long double ItemValue(int k, int key, int field) {
    GetWorksheetItem(k, key);
    const long double value = GetFieldVal(field);
    ZeroScratchFields();
    return value;
}
inline bool ScheduleTicked(int field) {
    GetWorksheetItem(ScheduleWorksheet, 1);
    const bool ticked = FieldChecked(field);
    ZeroScratchFields();
    return ticked;
}
