#include "screens/core/item_date_checks.h"

#include "base/dates.h"
#include "base/module_state.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/asset_worksheets.h"
#include "grid/cell_entry_rules.h"
#include "screens/core/acquisition_checks.h"
#include "screens/core/asset_tables.h"
#include "screens/core/entry_table_columns.h"
#include "screens/core/event_checks.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr int DepreciatingWorksheet = 458;

constexpr struct {
    int field;
    const char* name;
} DateFields[] = {
    {fAcquisitionDate, "acquisition date"},
    {fCostBaseDate, "cost base effective date"},
    {fReplacedAcquisitionDate, "acquisition date of the asset rolled over"},
    {fEventDate, "date of the CGT event"},
};

// A date typed into the cost elements or payments that the cell editor would refuse.
std::optional<std::string> TableDateFault(int field, int worksheet, const char* table) {
    const TextList* cells = GetFieldLst(field);
    if (!cells) return std::nullopt;
    std::vector<TGridColumn> columns;
    for (const std::string& descriptor : EntryTableColumns(field, worksheet)) {
        bool badCharacterSet = false;
        columns.push_back(ParseColumnDescriptor(descriptor, badCharacterSet));
    }
    for (size_t i = 0; i < cells->size() && !columns.empty(); ++i) {
        const TGridColumn& column = columns[i % columns.size()];
        if (column.kind != gkDate || column.skipped) continue;
        if (const std::string fault = CellEntryFault(column, (*cells)[i]); !fault.empty())
            return std::string(table) + ", row " + std::to_string(i / columns.size() + 1) + ", \"" +
                   column.title + "\" \"" + (*cells)[i] + "\": " + fault;
    }
    return std::nullopt;
}

}  // namespace

bool IsItemDateField(int field) {
    for (const auto& date : DateFields)
        if (date.field == field) return true;
    return false;
}

std::string ItemDateEntryFault(int field, const std::string& text, std::string& shown) {
    shown.clear();
    // Nothing typed; the store's IsBlankDate would also pass a date it cannot read.
    const std::string typed = TrimmedText(text);
    if (typed.empty() || typed == TrimmedText(EmptyDateMask)) return {};
    // As the date entry field reads what is typed: "ddmmyyyy" gets its separators.
    const double date = ReadDateText(InsertDateSeparators(typed));
    if (!DatePresent(date)) return "\"" + text + "\" is not a date (dd/mm/yyyy)";
    // Only the cost base effective date may lie before CGT started.
    if (field != fCostBaseDate && DateBefore(date, CgtStartDate())) return PreCgtDateMessage;
    shown = FormatDate(date);
    return {};
}

std::optional<std::string> LoadedItemDateFault(int worksheet) {
    for (const auto& date : DateFields) {
        const std::string text = GetFieldStr(date.field);
        std::string shown;
        if (const std::string fault = ItemDateEntryFault(date.field, text, shown); !fault.empty())
            return "The " + std::string(date.name) + ": " + fault;
        // Stored otherwise than the screen stores it ("16031988"): the calculation would not
        // read it.
        if (!shown.empty() && !DatePresent(ReadDateText(text)))
            return "The " + std::string(date.name) + ": \"" + text +
                   "\" is not a date (dd/mm/yyyy)";
    }
    if (auto fault = TableDateFault(fCostElements, worksheet, "Cost elements")) return fault;
    if (auto fault = TableDateFault(fPayments, worksheet, "Non-assessable payments")) return fault;

    const double acquired = ReadDateText(GetFieldStr(fAcquisitionDate));
    const double rollover = ReadDateText(GetFieldStr(fReplacedAcquisitionDate));
    const double effective = ReadDateText(GetFieldStr(fCostBaseDate));
    if (DatePresent(rollover) && DatePresent(acquired) && rollover > acquired)
        return std::string(RolloverAfterAcquisitionMessage);
    if (DateBefore(effective, acquired)) return std::string(EffectiveBeforeAcquisitionMessage);

    // The event screen's rules on dates alone: proceeds count as entered exactly when the
    // event is dated, so only the dates can refuse.
    EventInput event;
    event.event = ReadDateText(GetFieldStr(fEventDate));
    event.proceedsEntered = DatePresent(event.event);
    if (const TextList* costs = GetFieldLst(fCostElements))
        event.incurred = CostElementIncurredDates(*costs);
    if (worksheet != DepreciatingWorksheet) {
        event.acquired = acquired;
        event.effective = effective;
    }
    if (auto refusal = EventLeaveCheck(event)) return refusal->message;
    return std::nullopt;
}

std::optional<ItemNotice> FirstItemDateFault() {
    std::optional<ItemNotice> found;
    const int current = State().CurrentWorksheet;
    for (int worksheet : AssetWorksheets) {
        const int count = WorksheetItemCount(worksheet);
        for (int item = 1; item <= count && !found; ++item) {
            GetWorksheetItem(worksheet, item);
            if (auto fault = LoadedItemDateFault(worksheet))
                found = ItemNotice{worksheet, item, 0, GetFieldStr(ItemNameField), *fault};
        }
        if (found) break;
    }
    State().CurrentWorksheet = current;
    ZeroScratchFields();
    return found;
}
