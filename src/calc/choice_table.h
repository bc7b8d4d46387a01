#pragma once
// The choice table: every gain and loss of the return in one grid, with the taxpayer's (or
// the module's) method, deferment and loss choices, and the losses that remain unapplied.
// The screen shows these two grids; the command-line tool runs the same steps on them.

#include <memory>
#include <string>

#include "grid/grid_model.h"

// One data row as the rules read it.
struct ChoiceRow {
    long double indexed = 0, discount = 0, other = 0;  // whole dollars
    long double loss = 0, net = 0;
    long double collectableApplied = 0, otherApplied = 0, transferredApplied = 0;
    std::string type;                                 // trimmed, "Z" when empty
    std::string section;                              // "Not Allocated" when empty
    std::string choiceRequired;                       // "No" when empty
    std::string method;                               // trimmed, empty when not chosen
    std::string canDefer, deferAutomatic, wantDefer;  // "No" when empty
    bool Deferred() const { return deferAutomatic == "Yes" || wantDefer == "Yes"; }
};

struct ChoiceTable {
    ChoiceTable();  // with grids of its own
    // Over a screen's two grids, which it sets up.
    ChoiceTable(TGridModel& grid, TGridModel& unapplied);
    ChoiceTable(const ChoiceTable&) = delete;
    ChoiceTable& operator=(const ChoiceTable&) = delete;

private:
    std::unique_ptr<TGridModel> ownGrid_, ownUnapplied_;

public:
    TGridModel& grid;       // the choice table
    TGridModel& unapplied;  // rows "Prior Years" and "Current Year"

    // Losses of the return, taken when the table is built.
    long double currentCollectable = 0, currentOther = 0;
    long double priorCollectable = 0, priorOther = 0, transferredIn = 0;
    // What the loss columns hold, whole dollars; follows every write through SetLossCell.
    long double CollectableApplied() const;
    long double OtherApplied() const;
    long double TransferredApplied() const;
    long double AvailableCollectable() const;
    long double AvailableOther() const;
    // Of the applied losses, how much came from this year's losses (used first).
    long double currentCollectableUsed = 0, priorCollectableUsed = 0;
    long double currentOtherUsed = 0, priorOtherUsed = 0;
    long double netCapitalGain = 0;  // total of the net gain column, whole dollars

    // Totals of the three loss columns from the cells, after the cells were set directly.
    void RecountApplied();

private:
    friend void SetLossCell(ChoiceTable& table, int col, int row, const std::string& text);
    long double applied_[3] = {0, 0, 0};
};

ChoiceRow LoadChoiceRow(const ChoiceTable& table, int row);
// The same in two steps, so a pass that skips most rows by their texts reads no figures.
ChoiceRow LoadChoiceRowTexts(const ChoiceTable& table, int row);
void LoadChoiceRowFigures(const ChoiceTable& table, int row, ChoiceRow& r);
// A row's type as LoadChoiceRow reads it.
std::string ChoiceRowType(const ChoiceTable& table, int row);

// Which gain a row's net gain comes from: the method chosen, or the one gain a row without a
// choice has; none for a loss, or a choice not yet made.
enum class NetFrom { None, Indexed, Discount, Other };
NetFrom NetSource(const ChoiceRow& r);
// That gain less the losses applied to the row, halved for the discount method.
long double NetGain(const ChoiceRow& r, NetFrom from);

// Writes a cell of column 12, 14 or 15 and keeps the applied totals in step; any other
// column is written as it is.
void SetLossCell(ChoiceTable& table, int col, int row, const std::string& text);

// Empties the given columns of every data row.
void ClearChoiceColumns(ChoiceTable& table, int firstCol, int lastCol);

// A cell as a number, 0 when empty or not a number.
long double CellValue(const TGridModel& grid, int col, int row);
