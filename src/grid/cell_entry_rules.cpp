#include "grid/cell_entry_rules.h"

#include <algorithm>
#include <cctype>

#include "base/dates.h"
#include "base/numbers.h"
#include "base/text_encoding.h"

namespace {

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

std::string NumberFault(const TGridColumn& column, const std::string& typed) {
    const int decimals = column.Decimals();
    std::string text = typed;
    if (text.front() == '-') {
        if (!column.allowMinus) return "takes no minus";
        text.erase(0, 1);
    }
    const size_t point = text.find(GridDecimalSeparator);
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (point != std::string::npos && decimals == 0) return "Whole dollars only";
    if (!AllDigits(whole) || !AllDigits(fraction) || (whole.empty() && fraction.empty()))
        return "is not a number the column takes (digits and a decimal point only)";
    if (static_cast<int>(fraction.size()) > decimals)
        return "has more than " + std::to_string(decimals) + " decimals";
    // The editor takes at most maxLength characters and keeps room for the decimals.
    const int wholeRoom = decimals > 0 ? column.maxLength - decimals - 1 : column.maxLength;
    if (static_cast<int>(text.size()) > column.maxLength ||
        static_cast<int>(whole.size()) > wholeRoom)
        return "exceeds allowed number of digits (" + std::to_string(column.maxLength) + ")";
    long double value = 0;
    TryReadNumber(typed, value);
    if (column.HasRange() && (value < column.minimum || value > column.maximum))
        return "Value must be between " + FormatGeneral(column.minimum) + " and " +
               FormatGeneral(column.maximum);
    return {};
}

}  // namespace

std::string CellEntryFault(const TGridColumn& column, const std::string& text) {
    const std::string trimmed = TrimmedText(text);
    if (trimmed.empty()) return {};
    if (column.kind == gkNumber) return NumberFault(column, trimmed);
    double serial = 0;
    if (column.kind == gkDate && (!TryReadDate(trimmed, serial) || serial <= 0.01))
        return "Enter date in dd/mm/yyyy format";
    return {};
}
