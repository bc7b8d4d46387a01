#include "calc_json.h"

#include "base/latin1_text.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_columns.h"
#include "calc/choice_table.h"
#include "calc/item_notices.h"
#include "calc/return_labels.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

using nlohmann::json;

namespace {

constexpr int FirstWorksheet = 451, LastWorksheet = 462;
// What the summaries leave in an item for the choice table to read.
constexpr int ItemResultFields[] = {1112, 1113, 1114, 1118, 1119, 1120, 1132, 1135, 1138, 1141,
                                    1152, 1153, 1154, 1155, 1156, 1157, 1158, 1159, 1160};
constexpr int ItemFlagFields[] = {1196, 1198};

std::string Text(const std::string& latin1) { return Latin1ToUtf8(latin1); }

// "Indexed\rgain\r(I)" -> "Indexed gain (I)".
std::string ColumnName(const std::string& title) {
    std::string name = title;
    for (char& c : name)
        if (c == '\r') c = ' ';
    return Text(name);
}

// Amounts as stored: an explicit zero shows as 0.0011, so it is told from a blank. Texts
// (the 15-year exemption code) as texts.
json FieldValue(int n) {
    if (GetFieldType(n) == dtCheckbox) return FieldChecked(n);
    if (GetFieldType(n) == dtString || GetFieldType(n) == dtSmallStr) return Text(GetFieldStr(n));
    return static_cast<double>(GetFieldVal(n));
}

json Items() {
    json items = json::array();
    for (int worksheet = FirstWorksheet; worksheet <= LastWorksheet; ++worksheet) {
        const int count = WorksheetItemCount(worksheet);
        for (int item = 1; item <= count; ++item) {
            GetWorksheetItem(worksheet, item);
            json entry = {{"worksheet", worksheet},
                          {"item", item},
                          {"name", Text(GetFieldStr(ItemNameField))},
                          {"type", Text(GetFieldStr(714))}};
            for (int n : ItemResultFields)
                if (FieldNotEmpty(n)) entry["fields"][std::to_string(n)] = FieldValue(n);
            for (int n : ItemFlagFields) entry["fields"][std::to_string(n)] = FieldChecked(n);
            items.push_back(entry);
        }
    }
    ZeroScratchFields();
    return items;
}

json Rows(const ChoiceTable& table) {
    const TGridModel& grid = table.grid;
    json rows = json::array();
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.RowBlank(row)) continue;
        json entry = json::object();
        for (int col = 0; col < ChoiceColumns; ++col)
            entry[ColumnName(grid.Column(col).title)] = Text(grid.Cell(col, row));
        rows.push_back(entry);
    }
    return rows;
}

json Schedule() {
    GetWorksheetItem(ScheduleWorksheet, 1);
    json fields = json::object();
    for (int n = ScratchFirstLow; n <= ScratchLastHigh; ++n) {
        if (!IsScratchField(n) || n == ItemNameField || FieldEmpty(n)) continue;
        fields[std::to_string(n)] = FieldValue(n);
    }
    ZeroScratchFields();
    return fields;
}

json Labels() {
    json labels = json::object();
    for (int n : {fTotalGainsLabel, fCgtEventYes, fCgtEventNo, fNetGainLabel, fLossesCarriedLabel,
                  fModuleNetGain, fModuleTotalGains, fModuleHasCgtRecords})
        labels[std::to_string(n)] = FieldValue(n);
    return labels;
}

json Notices(const std::vector<ItemNotice>& notices) {
    json list = json::array();
    for (const ItemNotice& notice : notices)
        list.push_back({{"worksheet", notice.worksheet},
                        {"item", notice.item},
                        {"field", notice.field},
                        {"name", Text(notice.name)},
                        {"text", Text(notice.text)}});
    return list;
}

}  // namespace

json CalcResultJson(const ChoiceTable& table, const std::vector<ItemNotice>& notices) {
    return {{"items", Items()},
            {"choiceTable", Rows(table)},
            {"netCapitalGain", static_cast<double>(table.netCapitalGain)},
            {"schedule", Schedule()},
            {"returnLabels", Labels()},
            {"notices", Notices(notices)}};
}

std::string NoticeLine(const ItemNotice& notice) {
    return Text(notice.name) + " (worksheet " + std::to_string(notice.worksheet) + ", item " +
           std::to_string(notice.item) + "): " + Text(notice.text);
}
