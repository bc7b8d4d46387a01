#include "grid/grid_cell_rules.h"

#include <algorithm>
#include <cmath>

#include "base/dates.h"
#include "base/identifiers.h"
#include "base/message_box.h"
#include "base/module_state.h"
#include "base/numbers.h"

namespace {

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

bool Refuse(const std::string& message) {
    Beep();
    AppMessageBox(message, mtError, mbOK);
    return false;
}

void Warn(const std::string& message) { AppMessageBox(message, mtWarning, mbOK); }

std::string DigitsExceeded(int maxLength) {
    return "exceeds allowed number of digits (" + std::to_string(maxLength) + ")";
}

// Position (from 1) of the decimal separator, 0 when there is none.
int SeparatorPosition(const std::string& text) {
    const size_t pos = text.find(GridDecimalSeparator);
    return pos == std::string::npos ? 0 : static_cast<int>(pos) + 1;
}

bool PicklistMatches(const TGridColumn& column, const std::string& text) {
    const size_t length = static_cast<size_t>(std::max(column.maxLength, 0));
    return std::any_of(column.picklist.begin(), column.picklist.end(),
                       [&](const std::string& entry) { return entry.substr(0, length) == text; });
}

bool ExitIdentifier(TGridModel& grid, int col, int row, IdentifierKind kind) {
    const std::string& text = grid.Cell(col, row);
    if (!IdentifierValid(kind, text)) return Refuse(IdentifierError(kind));
    grid.SetCell(col, row, IdentifierDisplay(kind, text));
    return true;
}

void WarnAboutTotal(const TGridModel& grid, int col) {
    const TGridColumn& column = grid.Column(col);
    const long double total = grid.ColumnTotal(col);
    const int length = column.maxLength;
    const int decimals = column.Decimals();
    bool tooLong = static_cast<int>(FormatFixed(RoundEven(total), 18, 0).size()) > length;
    if (!tooLong && decimals > 0) {
        const std::string text = FormatGeneral(total);
        const int separator = SeparatorPosition(text);
        tooLong = separator > 0 ? separator > length - decimals
                                : static_cast<int>(text.size()) > length - decimals - 1;
    }
    if (tooLong)
        Warn("Column Total of \"" + column.title + "\" \r" + DigitsExceeded(column.maxLength));
}

bool ExitNumber(TGridModel& grid, int col, int row, bool hasTotalsBar) {
    const TGridColumn& column = grid.Column(col);
    const std::string text = grid.Cell(col, row);
    const int decimals = column.Decimals();
    long double raw = 0;
    if (!TryReadNumber(text, raw)) raw = 0;
    if (column.HasRange() && (raw < column.minimum || raw > column.maximum))
        return Refuse("Value must be between " + FormatGeneral(column.minimum) + " and " +
                      FormatGeneral(column.maximum));
    if (decimals > 0 && SeparatorPosition(text) > column.maxLength - decimals)
        Warn("Value of \"" + text + "\" with two decimal places\r" +
             DigitsExceeded(column.maxLength));
    if (hasTotalsBar && !column.noTotal) WarnAboutTotal(grid, col);

    long double value = 0;
    if (!TryReadNumber(StripToAllowed(column, text), value)) {
        grid.SetCell(col, row, "");
        return Refuse(text +
                      " is an invalid numeric entry. Please re-enter amount before continuing.");
    }
    // The range is checked on the value read, so an entered zero inside it stays accepted.
    if (column.HasRange() && (value < column.minimum || value > column.maximum))
        return Refuse("Invalid numeric entry");
    if (std::fabs(value) <= EnteredZero) value = EnteredZero;
    grid.SetCell(col, row, FormatNumberCell(column, value));
    return true;
}

bool ExitDate(TGridModel& grid, int col, int row) {
    const std::string text = InsertDateSeparators(grid.Cell(col, row));
    grid.SetCell(col, row, text);
    double serial = 0;
    // Serial dates of 0 and below would show as an empty cell: such a date is refused
    // rather than silently dropped.
    if (!TryReadDate(text, serial) || serial <= 0.01)
        return Refuse("Enter date in dd/mm/yyyy format");
    grid.SetCell(col, row, FormatDate(serial));
    return true;
}

}  // namespace

std::string EditingText(const TGridColumn& column, const std::string& text) {
    std::string stripped = StripToAllowed(column, text);
    if (column.kind == gkNumber && !column.Allows('-')) {
        const size_t first = text.find_first_not_of(' ');
        if (first != std::string::npos && text[first] == '-') stripped.insert(0, 1, '-');
    }
    return stripped;
}

void StripCellForEditing(TGridModel& grid, int col, int row) {
    if (!grid.ColumnExists(col)) return;
    grid.SetCell(col, row, EditingText(grid.Column(col), grid.Cell(col, row)));
}

std::string FormatNumberCell(const TGridColumn& column, long double value) {
    const int decimals = column.Decimals();
    if (decimals > 0 && std::fabs(value) > EnteredZero) {
        const long double scale = std::pow(10.0L, decimals);
        const long double whole = Trunc(value);
        value = whole + RoundEven((value - whole) * scale) / scale;
    }
    if (std::fabs(value) < EnteredZero) return "";
    return FormatFixed(value, std::max(column.maxLength, 1), decimals);
}

bool ValidateCellExit(TGridModel& grid, int col, int row, bool hasTotalsBar) {
    if (!grid.ColumnExists(col)) return true;
    const TGridColumn& column = grid.Column(col);
    const std::string& text = grid.Cell(col, row);
    if (column.MatchesPicklist() && !text.empty() && !PicklistMatches(column, text))
        return Refuse("Entry must match one of the picklist entries");
    if (column.kind == gkText || IsBlank(text)) return true;
    switch (column.kind) {
        case gkABN:
            return ExitIdentifier(grid, col, row, IdentifierKind::ABN);
        case gkTFN:
            return ExitIdentifier(grid, col, row, IdentifierKind::TFN);
        case gkNumber:
            return ExitNumber(grid, col, row, hasTotalsBar);
        case gkDate:
            return ExitDate(grid, col, row);
        default:
            return true;
    }
}
