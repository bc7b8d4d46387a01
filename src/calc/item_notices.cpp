#include "calc/item_notices.h"

#include "base/dates.h"
#include "base/module_state.h"
#include "base/numbers.h"
#include "base/tax_calendar.h"
#include "calc/asset_fields.h"
#include "calc/asset_worksheets.h"
#include "calc/calc_inputs.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr struct {
    int field;
    const char* name;
} NonNegativeFields[] = {
    {fSection2Indexed, "Cost base - indexed"},
    {fSection2NonIndexed, "Cost base - discount/non-indexed"},
    {fSection2Reduced, "Reduced cost base"},
    {fSumOfReductions, "Sum of reductions"},
    {fTotalDecline, "Total decline"},
    {fDepreciatingCost, "Cost"},
    {fCapitalProceeds, "Capital proceeds"},
};

std::string WholeAmountText(long double amount) { return std::to_string(RoundEvenToInt(amount)); }

void AddItemNotices(std::vector<ItemNotice>& notices, int worksheet, int item) {
    const std::string name = GetFieldStr(ItemNameField);
    for (const auto& amount : NonNegativeFields) {
        const long double value = GetFieldVal(amount.field);
        if (value >= 0) continue;
        notices.push_back({worksheet, item, amount.field, name,
                           std::string(amount.name) + " of " + WholeAmountText(value) +
                               " cannot be negative and counts as 0"});
    }
    // The disposal is listed, but without an event date no method gives it a gain or a loss.
    if (const long double proceeds = NonNegativeAmount(fCapitalProceeds);
        !FieldIsDate(fEventDate) && proceeds > 0)
        notices.push_back({worksheet, item, fCapitalProceeds, name,
                           "Capital proceeds of " + WholeAmountText(proceeds) +
                               " have no date of the CGT event; no gain or loss is worked out"});
    if (FieldIsDate(fEventDate) && OutsideIncomeYear(FieldDate(fEventDate)))
        notices.push_back({worksheet, item, fEventDate, name,
                           "The CGT event on " + FormatDate(FieldDate(fEventDate)) +
                               " falls outside " + IncomeYearText() +
                               "; its gain or loss counts in this year"});
}

}  // namespace

bool CannotBeNegative(int field) {
    for (const auto& amount : NonNegativeFields)
        if (amount.field == field) return true;
    return false;
}

long double NonNegativeAmount(int field, bool clean) {
    const long double value = GetFieldVal(field, clean);
    if (value < 0 && CannotBeNegative(field)) return clean ? 0 : ZeroMarker;
    return value;
}

bool OutsideIncomeYear(double date) { return !IncomeYearDates(TaxYear).Contains(date); }

std::string IncomeYearText() {
    return LongDateText(TaxYear - 1, 7, 1) + " to " + LongDateText(TaxYear, 6, 30);
}

std::string EventOutsideYearQuestion() {
    return "The date of this CGT event falls outside " + IncomeYearText() +
           ", the income year of this return.\rDo you wish to continue?";
}

std::vector<ItemNotice> CollectItemNotices() {
    std::vector<ItemNotice> notices;
    const int current = State().CurrentWorksheet;
    for (int worksheet : AssetWorksheets) {
        const int count = WorksheetItemCount(worksheet);
        for (int item = 1; item <= count; ++item) {
            GetWorksheetItem(worksheet, item);
            AddItemNotices(notices, worksheet, item);
        }
    }
    State().CurrentWorksheet = current;
    ZeroScratchFields();
    return notices;
}
