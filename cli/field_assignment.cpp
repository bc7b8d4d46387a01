#include "field_assignment.h"

#include <charconv>
#include <cmath>

#include "base/latin1_text.h"
#include "base/numbers.h"
#include "base/text_encoding.h"
#include "grid/cell_entry_rules.h"
#include "screens/core/entry_table_columns.h"
#include "screens/core/item_date_checks.h"
#include "store/entered_amount.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

bool ReadInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// "N", or "N.K.F" for a field of an item.
bool ParseTarget(const std::string& target, FieldAssignment& assignment, std::string& error) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t dot; (dot = target.find('.', start)) != std::string::npos; start = dot + 1)
        parts.push_back(target.substr(start, dot - start));
    parts.push_back(target.substr(start));
    if (parts.size() != 1 && parts.size() != 3) {
        error = "\"" + target + "\" is not a field number N or an item field N.K.F";
        return false;
    }
    if (!ReadInt(parts[0], assignment.field) || !IsValidField(assignment.field)) {
        error = "\"" + parts[0] + "\" is not a field number from 1 to 2312";
        return false;
    }
    if (parts.size() == 1) return true;
    if (!ReadInt(parts[1], assignment.itemKey) || assignment.itemKey < 1 ||
        assignment.itemKey > 65535) {
        error = "\"" + parts[1] + "\" is not an item number from 1 to 65535";
        return false;
    }
    if (WorksheetField(assignment.field - WorksheetFieldOffset) == 0) {
        error = "field " + parts[0] + " cannot hold a worksheet (752 to 2312)";
        return false;
    }
    if (!ReadInt(parts[2], assignment.itemField) || !IsScratchField(assignment.itemField)) {
        error = "\"" + parts[2] + "\" is not an item field (710 to 749, 1100 to 1199)";
        return false;
    }
    return true;
}

bool ToLatin1(const std::string& utf8, std::string& latin1, std::string& error) {
    if (Utf8ToLatin1(utf8, latin1)) return true;
    error = "\"" + utf8 + "\" holds a character outside Latin-1";
    return false;
}

bool ParseValue(const std::string& value, FieldAssignment& assignment, std::string& error) {
    static const std::pair<const char*, FieldAssignment::Kind> bare[] = {
        {"check", FieldAssignment::Check},
        {"uncheck", FieldAssignment::Uncheck},
        {"clear", FieldAssignment::Clear}};
    for (const auto& [name, kind] : bare) {
        if (value == name) {
            assignment.kind = kind;
            return true;
        }
    }
    const size_t colon = value.find(':');
    const std::string kind = value.substr(0, colon);
    const std::string rest = colon == std::string::npos ? std::string() : value.substr(colon + 1);
    static const std::pair<const char*, FieldAssignment::Kind> numbers[] = {
        {"currency", FieldAssignment::Currency},
        {"cents", FieldAssignment::Cents},
        {"numeric", FieldAssignment::Numeric}};
    for (const auto& [name, numberKind] : numbers) {
        if (kind != name || colon == std::string::npos) continue;
        assignment.kind = numberKind;
        return ReadFieldAmount(rest, assignment.number, error);
    }
    if (kind == "text" && colon != std::string::npos) {
        assignment.kind = FieldAssignment::Text;
        if (!ToLatin1(rest, assignment.text, error)) return false;
        if (assignment.text.size() <= MaxFieldText) return true;
        error = "a field holds at most 255 characters";
        return false;
    }
    if (kind == "lines" && colon != std::string::npos) {
        assignment.kind = FieldAssignment::Lines;
        return rest.empty() || SplitLatin1Cells(rest, assignment.lines, error);
    }
    error = "\"" + value +
            "\" is not a value (currency:, cents:, numeric:, text:, lines:, check, uncheck, "
            "clear)";
    return false;
}

// The type codes an assignment of this kind leaves in a field; an empty list fits any.
std::vector<int> TypesOf(FieldAssignment::Kind kind) {
    switch (kind) {
        case FieldAssignment::Currency:
            return {dtCurrency};
        case FieldAssignment::Cents:
            return {dtCurrencyCnt};
        case FieldAssignment::Numeric:
            return {dtNumeric};
        case FieldAssignment::Text:
            return {dtString, dtSmallStr};
        case FieldAssignment::Check:
        case FieldAssignment::Uncheck:
            return {dtCheckbox};
        case FieldAssignment::Lines:
            return {dtList};
        case FieldAssignment::Clear:
            break;
    }
    return {};
}

// The module shows a field by its type; a value of another type would not show, or would
// show as something else.
bool KeepsType(int n, const FieldAssignment& a, std::string& error) {
    const int held = GetFieldType(n);
    const std::vector<int> types = TypesOf(a.kind);
    if (held == dtNone || types.empty()) return true;
    for (int type : types)
        if (type == held) return true;
    error = "field " + std::to_string(n) + " holds a " + DataTypeName(held) + "; setting it to " +
            DataTypeName(types.front()) + " would change its type (--force does)";
    return false;
}

void SetValue(int n, const FieldAssignment& a) {
    FieldSlot* slot = FieldSlotAt(n);
    slot->Zero();
    switch (a.kind) {
        case FieldAssignment::Currency:
        case FieldAssignment::Cents:
        case FieldAssignment::Numeric:
            slot->type = a.kind == FieldAssignment::Currency ? dtCurrency
                         : a.kind == FieldAssignment::Cents  ? dtCurrencyCnt
                                                             : dtNumeric;
            SetEnteredAmount(n, a.number);
            break;
        case FieldAssignment::Text:
            SetFieldStr(n, a.text);
            break;
        case FieldAssignment::Check:
            SetFieldChecked(n);
            break;
        case FieldAssignment::Uncheck:
            SetFieldUnchecked(n);
            break;
        case FieldAssignment::Lines:
            SetFieldLst(n, a.lines);
            break;
        case FieldAssignment::Clear:
            break;
    }
}

// A date of an asset item as its screen takes it, kept as the screen shows it (dd/mm/yyyy).
bool TakeItemDate(FieldAssignment& a, std::string& error) {
    if (a.itemKey == 0 || a.kind != FieldAssignment::Text || !IsItemDateField(a.itemField))
        return true;
    std::string shown;
    if (const std::string fault = ItemDateEntryFault(a.itemField, a.text, shown); !fault.empty()) {
        error = "field " + std::to_string(a.itemField) + ": " + fault;
        return false;
    }
    a.text = shown;
    return true;
}

// A cell as its screen's editor would take it: an amount by the same reading as a field's
// amount, then by the column's kind (whole dollars, minus, digits); a date as a date.
std::string CellFault(const TGridColumn& column, const std::string& cell) {
    std::string why;
    long double amount = 0;
    if (column.kind == gkNumber && !cell.empty() && !ReadFieldAmount(cell, amount, why)) return why;
    const std::string fault = CellEntryFault(column, cell);
    return fault.empty() ? fault : "\"" + cell + "\": " + fault;
}

bool CellsFitTheirColumns(const FieldAssignment& a, std::string& error) {
    if (a.kind != FieldAssignment::Lines) return true;
    const int worksheet = a.itemKey == 0 ? 0 : a.field - WorksheetFieldOffset;
    const int field = a.itemKey == 0 ? a.field : a.itemField;
    std::vector<TGridColumn> columns;
    for (const std::string& line : EntryTableColumns(field, worksheet)) {
        bool badCharacterSet = false;
        columns.push_back(ParseColumnDescriptor(line, badCharacterSet));
    }
    for (size_t i = 0; i < a.lines.size() && !columns.empty(); ++i) {
        const TGridColumn& column = columns[i % columns.size()];
        // A column the screen skips is the module's: the choice table and the concession
        // elections keep their own figures there.
        if (column.skipped) continue;
        const std::string why = CellFault(column, TrimmedText(a.lines[i]));
        if (why.empty()) continue;
        error = "table " + std::to_string(field) + ", row " +
                std::to_string(i / columns.size() + 1) + ", column \"" + column.title +
                "\": " + why;
        return false;
    }
    return true;
}

}  // namespace

bool SplitLatin1Cells(const std::string& text, std::vector<std::string>& cells,
                      std::string& error) {
    for (size_t start = 0;;) {
        const size_t bar = text.find('|', start);
        std::string cell;
        if (!ToLatin1(text.substr(start, bar - start), cell, error)) return false;
        cells.push_back(cell);
        if (bar == std::string::npos) return true;
        start = bar + 1;
    }
}

bool ParseFieldAssignment(const std::string& argument, FieldAssignment& assignment,
                          std::string& error) {
    const size_t equals = argument.find('=');
    if (equals == std::string::npos) {
        error = "\"" + argument + "\" is not an assignment N=VALUE";
        return false;
    }
    assignment = FieldAssignment();
    return ParseTarget(argument.substr(0, equals), assignment, error) &&
           ParseValue(argument.substr(equals + 1), assignment, error) &&
           TakeItemDate(assignment, error);
}

bool ReadFieldAmount(const std::string& text, long double& value, std::string& error) {
    if (!TryReadNumber(text, value)) {
        error = "\"" + text + "\" is not a number";
        return false;
    }
    // No field can show more, and a NaN or infinity would spread through every sum.
    if (std::isfinite(value) && std::fabs(value) <= LargestFieldAmount) return true;
    error = "\"" + text + "\" is not an amount a field can hold (at most 999999999999.99)";
    return false;
}

bool ApplyFieldAssignment(const FieldAssignment& assignment, bool changeType, std::string& error) {
    if (!CellsFitTheirColumns(assignment, error)) return false;
    if (assignment.itemKey == 0) {
        if (!changeType && !KeepsType(assignment.field, assignment, error)) return false;
        SetValue(assignment.field, assignment);
        return true;
    }
    const int worksheet = assignment.field - WorksheetFieldOffset;
    if (!WorksheetItems(worksheet, true)) {
        error = "field " + std::to_string(assignment.field) + " holds no worksheet";
        return false;
    }
    const int count = WorksheetItemCount(worksheet);
    if (assignment.itemKey > count + 1) {
        error = "worksheet field " + std::to_string(assignment.field) + " has " +
                std::to_string(count) + " items; the next new one is " + std::to_string(count + 1);
        return false;
    }
    GetWorksheetItem(worksheet, assignment.itemKey);
    if (!changeType && !KeepsType(assignment.itemField, assignment, error)) {
        error = "item " + std::to_string(assignment.itemKey) + " of field " +
                std::to_string(assignment.field) + ": " + error;
        return false;
    }
    SetValue(assignment.itemField, assignment);
    PutWorksheetItem(worksheet, assignment.itemKey);
    return true;
}

const char* FieldAssignmentHelp() {
    return "  N=currency:AMOUNT   a whole-dollar amount (dtCurrency)\n"
           "  N=cents:AMOUNT      an amount with cents (dtCurrencyCnt)\n"
           "  N=numeric:NUMBER    a number (dtNumeric)\n"
           "  N=text:WORDS        a text of up to 255 characters\n"
           "  N=check, N=uncheck  a check box\n"
           "  N=lines:ONE|TWO     a list of lines\n"
           "  N=clear             empties the field\n"
           "                      A field keeps the type of the value it holds (--force\n"
           "                      changes it); amounts are finite, at most 999999999999.99.\n"
           "                      An amount of 0 is kept as a zero the taxpayer typed, as a\n"
           "                      screen keeps it; clear leaves no answer.\n"
           "                      The cells of the tables the screens type into (1215,\n"
           "                      1201, an item's 737 and 738) are taken as their editors\n"
           "                      take them (whole dollars, minus, digits, dates).\n"
           "  N.K.F=VALUE         field F (710-749, 1100-1199) of item K of the worksheet\n"
           "                      held in field N (for example 1202.1.710=text:BHP shares);\n"
           "                      K may be the next new item. Fields that show no text are\n"
           "                      not kept in an item, and an item without a name in field\n"
           "                      710 is named \"Worksheet No.K\".\n"
           "                      An item's dates (726, 729, 730, 739) must be dates its\n"
           "                      screens take; they are kept as dd/mm/yyyy.\n";
}
