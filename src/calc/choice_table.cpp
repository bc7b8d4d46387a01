#include "calc/choice_table.h"

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/calc_inputs.h"
#include "calc/choice_columns.h"

namespace {

int AppliedSlot(int col) {
    switch (col) {
        case ccCollectableApplied:
            return 0;
        case ccOtherApplied:
            return 1;
        case ccTransferredApplied:
            return 2;
        default:
            return -1;
    }
}

std::string OrDefault(const std::string& text, const char* fallback) {
    const std::string trimmed = TrimmedText(text);
    return trimmed.empty() ? fallback : trimmed;
}

}  // namespace

ChoiceTable::ChoiceTable()
    : ownGrid_(std::make_unique<TGridModel>()),
      ownUnapplied_(std::make_unique<TGridModel>()),
      grid(*ownGrid_),
      unapplied(*ownUnapplied_) {
    SetUpChoiceTable(grid);
    SetUpUnappliedLosses(unapplied);
}

ChoiceTable::ChoiceTable(TGridModel& choices, TGridModel& unappliedLosses)
    : grid(choices), unapplied(unappliedLosses) {
    SetUpChoiceTable(grid);
    SetUpUnappliedLosses(unapplied);
}

long double CellValue(const TGridModel& grid, int col, int row) {
    return NumberOfText(grid.Cell(col, row));
}

long double ChoiceTable::CollectableApplied() const { return Trunc(applied_[0]); }
long double ChoiceTable::OtherApplied() const { return Trunc(applied_[1]); }
long double ChoiceTable::TransferredApplied() const { return Trunc(applied_[2]); }

long double ChoiceTable::AvailableCollectable() const {
    return currentCollectable + priorCollectable - CollectableApplied();
}

long double ChoiceTable::AvailableOther() const {
    return currentOther + priorOther - OtherApplied();
}

void ChoiceTable::RecountApplied() {
    for (int col : {ccCollectableApplied, ccOtherApplied, ccTransferredApplied}) {
        long double sum = 0;
        for (int row = 1; row < grid.RowCount(); ++row) sum += CellValue(grid, col, row);
        applied_[AppliedSlot(col)] = sum;
    }
}

void SetLossCell(ChoiceTable& table, int col, int row, const std::string& text) {
    const int slot = AppliedSlot(col);
    if (slot >= 0 && row >= 1 && row < table.grid.RowCount())
        table.applied_[slot] += NumberOfText(text) - CellValue(table.grid, col, row);
    table.grid.SetCell(col, row, text);
}

void ClearChoiceColumns(ChoiceTable& table, int firstCol, int lastCol) {
    for (int row = 1; row < table.grid.RowCount(); ++row)
        for (int col = firstCol; col <= lastCol; ++col) SetLossCell(table, col, row, "");
}

ChoiceRow LoadChoiceRow(const ChoiceTable& table, int row) {
    ChoiceRow r = LoadChoiceRowTexts(table, row);
    LoadChoiceRowFigures(table, row, r);
    return r;
}

void LoadChoiceRowFigures(const ChoiceTable& table, int row, ChoiceRow& r) {
    const TGridModel& grid = table.grid;
    r.indexed = RoundEven(CellValue(grid, ccIndexed, row));
    r.discount = RoundEven(CellValue(grid, ccDiscount, row));
    r.other = RoundEven(CellValue(grid, ccOther, row));
    r.loss = CellValue(grid, ccLoss, row);
    r.net = CellValue(grid, ccNet, row);
    r.collectableApplied = RoundEven(CellValue(grid, ccCollectableApplied, row));
    r.otherApplied = RoundEven(CellValue(grid, ccOtherApplied, row));
    r.transferredApplied = RoundEven(CellValue(grid, ccTransferredApplied, row));
}

std::string ChoiceRowType(const ChoiceTable& table, int row) {
    return OrDefault(table.grid.Cell(ccType, row), "Z");
}

ChoiceRow LoadChoiceRowTexts(const ChoiceTable& table, int row) {
    const TGridModel& grid = table.grid;
    ChoiceRow r;
    r.type = ChoiceRowType(table, row);
    r.section = OrDefault(grid.Cell(ccSection, row), "Not Allocated");
    r.choiceRequired = OrDefault(grid.Cell(ccChoiceRequired, row), "No");
    r.method = TrimmedText(grid.Cell(ccMethod, row));
    r.canDefer = OrDefault(grid.Cell(ccCanDefer, row), "No");
    r.deferAutomatic = OrDefault(grid.Cell(ccDeferAuto, row), "No");
    r.wantDefer = OrDefault(grid.Cell(ccWantDefer, row), "No");
    return r;
}

NetFrom NetSource(const ChoiceRow& r) {
    if (r.choiceRequired == "No") {
        if (r.indexed > 0) return NetFrom::Indexed;
        if (r.discount > 0) return NetFrom::Discount;
        if (r.other > 0) return NetFrom::Other;
        return NetFrom::None;
    }
    if (r.choiceRequired == "Yes") {
        if (r.method == "Indexed") return NetFrom::Indexed;
        if (r.method == "Discount") return NetFrom::Discount;
    }
    return NetFrom::None;
}

long double NetGain(const ChoiceRow& r, NetFrom from) {
    const long double losses = r.collectableApplied + r.otherApplied + r.transferredApplied;
    switch (from) {
        case NetFrom::Indexed:
            return r.indexed - losses;
        case NetFrom::Discount:
            return (r.discount - losses) / 2;
        case NetFrom::Other:
            return r.other - losses;
        case NetFrom::None:
            break;
    }
    return 0;
}
