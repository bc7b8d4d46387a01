#include "screens/core/trust_distribution_rules.h"

#include "base/numbers.h"
#include "base/text_encoding.h"

namespace {
bool Blank(const std::string& text) { return TrimmedText(text).empty(); }
}  // namespace

void RecomputeTrustNetGains(TGridModel& grid) {
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        long double sum = 0;
        for (int col = TrustTable::FirstComponent; col <= TrustTable::LastComponent; ++col) {
            long double value = 0;
            if (TryReadNumber(grid.Cell(col, row), value)) sum += value;
        }
        const bool named = !Blank(grid.Cell(TrustTable::Name, row));
        const std::string text = named || sum > 0 ? FormatGeneral(sum) : std::string();
        if (grid.Cell(TrustTable::NetGain, row) != text)
            grid.SetCell(TrustTable::NetGain, row, text);
    }
}

int FirstUnnamedTrustRow(const TGridModel& grid) {
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row)
        if (Blank(grid.Cell(TrustTable::Name, row)) && !grid.RowBlank(row)) return row;
    return -1;
}
