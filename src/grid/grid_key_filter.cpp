#include "grid/grid_key_filter.h"

#include "base/latin1_case.h"
#include "base/whole_dollar_cents.h"

namespace {
GridKeyResult Verdict(GridKeyVerdict verdict, char key = 0) { return {verdict, key, false}; }

bool Contains(const std::string& text, char c) { return text.find(c) != std::string::npos; }
}  // namespace

GridKeyResult FilterGridKey(const TGridColumn& column, const std::string& text, bool hasSelection,
                            char key) {
    const auto code = static_cast<unsigned char>(key);
    if (column.skipped || column.locked) return Verdict(GridKeyVerdict::Drop);
    if (code >= 1 && code <= 31) return Verdict(GridKeyVerdict::Control, key);
    const int length = static_cast<int>(text.size());
    if (column.kind == gkNumber && column.Decimals() > 0 &&
        length == column.maxLength - column.Decimals() - 1 &&
        !Contains(text, GridDecimalSeparator) && key != GridDecimalSeparator)
        return Verdict(GridKeyVerdict::DropWithBeep);  // the integer part is full
    const int limit = column.maxLength + (Contains(text, '-') ? 1 : 0);
    if (!hasSelection && length >= limit) return Verdict(GridKeyVerdict::DropWithBeep);

    switch (column.kind) {
        case gkNumber:
            if (!column.Allows(code)) return Verdict(GridKeyVerdict::DropWithBeep);
            if ((key == '-' || key == GridDecimalSeparator) && Contains(text, key))
                return Verdict(GridKeyVerdict::DropWithBeep);
            return Verdict(GridKeyVerdict::Accept, key);
        case gkDate:
            if (!column.Allows(code)) return Verdict(GridKeyVerdict::DropWithBeep);
            return Verdict(GridKeyVerdict::Accept, key);
        default:
            if (column.kind == gkText && column.caseOrDecimals == 1) key = Latin1Upper(key);
            if (column.kind == gkText && column.caseOrDecimals == 2) key = Latin1Lower(key);
            if (!column.Allows(static_cast<unsigned char>(key)))
                return Verdict(GridKeyVerdict::DropWithBeep);
            return Verdict(GridKeyVerdict::Accept, key);
    }
}

GridKeyResult GridCellKeys::Filter(const TGridColumn& column, const std::string& text,
                                   bool hasSelection, char key) {
    const bool typable = !column.skipped && !column.locked;
    if (typable && RefusesCents(WholeDollarColumn(column), inCents_, key))
        return {GridKeyVerdict::DropWithBeep, key, true};
    return FilterGridKey(column, text, hasSelection, key);
}

bool WholeDollarColumn(const TGridColumn& column) {
    return column.kind == gkNumber && column.Decimals() == 0;
}
