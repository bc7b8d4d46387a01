#include "calc_json.h"

#include <cmath>
#include <cstdlib>

#include "base/latin1_text.h"
#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_columns.h"
#include "calc/choice_table.h"
#include "calc/item_notices.h"
#include "calc/return_labels.h"
#include "calc_names.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

using nlohmann::ordered_json;

namespace {

std::string Text(const std::string& latin1) { return Latin1ToUtf8(latin1); }

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Whole cents: the store keeps long doubles, a script wants 1234.5, not 1234.4999999, and
// 1234 rather than 1234.0.
ordered_json Cents(long double amount) {
    const long double cents = std::roundl(amount * 100);
    if (std::fmod(cents, 100.0L) == 0 && std::fabs(cents) < 9e17L)
        return static_cast<long long>(cents / 100);
    return static_cast<double>(cents / 100);
}

// A field's value: a tick as true or false, a text as text, an amount as a number (the
// stored mark of an explicit zero as 0); null when blank.
ordered_json FieldValue(int n, bool tick) {
    if (tick || GetFieldType(n) == dtCheckbox) return FieldChecked(n);
    if (GetFieldType(n) == dtString || GetFieldType(n) == dtSmallStr)
        return FieldEmpty(n) ? ordered_json() : ordered_json(Text(GetFieldStr(n)));
    if (FieldEmpty(n)) return nullptr;
    return Cents(GetFieldVal(n, true));
}

ordered_json Field(int n, bool tick = false) {
    return {{"value", FieldValue(n, tick)}, {"field", n}};
}

// Puts `value` at the dotted `path` of `target`.
void Put(ordered_json& target, const std::string& path, ordered_json value) {
    ordered_json* at = &target;
    size_t start = 0;
    for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
        at = &(*at)[path.substr(start, dot - start)];
        start = dot + 1;
    }
    (*at)[path.substr(start)] = std::move(value);
}

ordered_json Named(const std::vector<NamedField>& names) {
    ordered_json out = ordered_json::object();
    for (const NamedField& name : names) Put(out, name.path, Field(name.field, name.tick));
    return out;
}

ordered_json Assets() {
    ordered_json assets = ordered_json::array();
    for (int worksheet = FirstAssetWorksheet; worksheet <= LastAssetWorksheet; ++worksheet) {
        const int count = WorksheetItemCount(worksheet);
        for (int item = 1; item <= count; ++item) {
            GetWorksheetItem(worksheet, item);
            assets.push_back({{"worksheet", worksheet},
                              {"item", item},
                              {"name", Text(GetFieldStr(ItemNameField))},
                              {"type", Trimmed(Text(GetFieldStr(fAssetType)))},
                              {"results", Named(AssetResultNames())}});
        }
    }
    ZeroScratchFields();
    return assets;
}

ordered_json Rows(const ChoiceTable& table) {
    const TGridModel& grid = table.grid;
    const std::vector<ChoiceColumnName>& columns = ChoiceColumnNames();
    ordered_json rows = ordered_json::array();
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.RowBlank(row)) continue;
        ordered_json entry = ordered_json::object();
        for (int col = 0; col < ChoiceColumns; ++col)
            entry[columns[col].key] =
                ChoiceCellJson(Text(grid.Cell(col, row)), columns[col].amount);
        rows.push_back(entry);
    }
    return rows;
}

ordered_json Schedule() {
    GetWorksheetItem(ScheduleWorksheet, 1);
    ordered_json schedule = Named(ScheduleFieldNames());
    ZeroScratchFields();
    return schedule;
}

ordered_json Notices(const std::vector<ItemNotice>& notices) {
    ordered_json list = ordered_json::array();
    for (const ItemNotice& notice : notices)
        list.push_back({{"worksheet", notice.worksheet},
                        {"item", notice.item},
                        {"field", notice.field},
                        {"name", Text(notice.name)},
                        {"text", Text(notice.text)}});
    return list;
}

}  // namespace

ordered_json ChoiceCellJson(const std::string& cell, bool amount) {
    const std::string text = Trimmed(cell);
    if (text.empty()) return nullptr;
    if (!amount) return text;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0') return text;  // not a number: shown as it stands
    if (value == std::floor(value) && std::fabs(value) < 9e15) return static_cast<long long>(value);
    return value;
}

ordered_json CalcResultJson(const ChoiceTable& table, const std::vector<ItemNotice>& notices,
                            bool assets) {
    ordered_json result;
    result["format"] = 2;
    // The module's label, after the concessions the choice table's total does not know;
    // always a number (0 when there is no gain).
    result["netCapitalGain"] = {{"value", Cents(GetFieldVal(fModuleNetGain, true))},
                                {"field", fModuleNetGain}};
    // The carried-forward losses are in the schedule record, read with it below.
    ordered_json schedule = Schedule();
    result["netCapitalLossesCarriedForward"] = {{"collectables", schedule["partI"]["collectables"]},
                                                {"other", schedule["partI"]["other"]}};
    if (assets) result["assets"] = Assets();
    result["choiceTable"] = Rows(table);
    result["schedule"] = std::move(schedule);
    result["returnLabels"] = Named(ReturnLabelNames());
    result["notices"] = Notices(notices);
    return result;
}

std::string NoticeLine(const ItemNotice& notice) {
    return Text(notice.name) + " (worksheet " + std::to_string(notice.worksheet) + ", item " +
           std::to_string(notice.item) + "): " + Text(notice.text);
}
