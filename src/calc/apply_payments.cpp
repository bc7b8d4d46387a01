// ApplyPayments: each pass takes the next unprocessed receipt, totals the cost bases of the
// rows up to it (indexed to its date), reduces them by the receipt and carries the result
// forward as new cost base rows for the next receipt.

#include "base/dates.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/indexation.h"
#include "calc/payment_rows.h"
#include "calc/payment_worksheet.h"
#include "calc/row_placement.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

namespace {

constexpr const char* Processed = "*";

struct CostTotals {
    long double nonIndexed = 0, indexed = 0, reduced = 0;
};

struct Receipt {
    int row = 0;
    double date = 0;
    long double costAdjustment = 0, reducedAdjustment = 0;
};

// Gains from receipts that exceed the cost base, by income year.
struct PaymentGains {
    long double nonIndexedThisYear = 0, nonIndexedPriorYears = 0;
    long double indexedThisYear = 0, indexedPriorYears = 0;
};

long double Number(const TGridModel& grid, int col, int row) {
    return NumberOfText(grid.Cell(col, row));
}

bool Filled(const std::string& text) { return !TrimmedText(text).empty(); }

// Step a: the first unprocessed receipt; the row it was found in is marked.
bool NextReceipt(TGridModel& grid, Receipt& receipt) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cell(pcProcessed, row) == Processed || !Filled(grid.Cell(pcEventDate, row)))
            continue;
        const long double amount = Number(grid, pcReceipt, row);
        receipt.row = row;
        receipt.date = DateOfText(grid.Cell(pcEventDate, row));
        receipt.costAdjustment = amount - Number(grid, pcReceiptCost, row);
        receipt.reducedAdjustment = amount - Number(grid, pcReceiptReduced, row);
        grid.SetCell(pcProcessed, row, Processed);
        return true;
    }
    return false;
}

// Indexes the row's net amount from its date to the receipt's quarter; columns 10 to 13.
long double IndexRow(TGridModel& grid, int row, long double eventCpi, long double net) {
    const std::string& incurred = grid.Cell(pcIncurred, row);
    long double cpi = IsDateText(incurred) ? CpiForDate(DateOfText(incurred)) : eventCpi;
    // The first half of 1985 has no CPI: such amounts are not indexed.
    if (cpi == 0) cpi = eventCpi;
    const long double factor = IndexFactor(eventCpi, cpi);
    const long double indexed = RoundEven(net * factor);
    grid.SetCell(pcCpiEvent, row, Str(eventCpi, 10, 1));
    grid.SetCell(pcCpiIncurred, row, Str(cpi, 10, 1));
    grid.SetCell(pcFactor, row, Str(factor, 10, 3));
    grid.SetCell(pcIndexed, row, Str(indexed));
    return indexed;
}

// Step b: the cost bases of the unprocessed rows up to the receipt, each row then marked.
CostTotals TotalCostsUpTo(TGridModel& grid, int lastRow, double receiptDate) {
    CostTotals totals;
    const long double eventCpi = CpiForDate(receiptDate);
    for (int row = 1; row <= lastRow && row < grid.RowCount(); ++row) {
        if (!Filled(grid.Cell(pcIncurred, row)) || !grid.Cell(pcProcessed, row).empty()) continue;
        const std::string code = ElementCode(grid.Cell(pcCode, row));
        const long double net =
            RoundEven(Number(grid, pcAmount, row) - Number(grid, pcExcluded, row));
        const long double reduced =
            Number(grid, pcAmount, row) - Number(grid, pcExcludedReduced, row);
        if (code == "1A") {
            totals.indexed += IndexRow(grid, row, eventCpi, net);
        } else if (code == "1B") {
            totals.nonIndexed += net;
            grid.SetCell(pcNet, row, Str(net));
        } else if (code == "1C") {
            totals.reduced += reduced;
            grid.SetCell(pcReduced, row, Str(reduced));
        } else {
            totals.indexed += IndexRow(grid, row, eventCpi, net);
            totals.nonIndexed += net;
            grid.SetCell(pcNet, row, Str(net));
            totals.reduced += reduced;
            grid.SetCell(pcReduced, row, Str(reduced));
        }
        grid.SetCell(pcProcessed, row, Processed);
    }
    return totals;
}

void AppendTotalsRow(TGridModel& grid, RowAppender& rows, const std::string& description,
                     const char* code, const std::string& date, const CostTotals& amounts) {
    const int row = rows.Append();
    grid.SetCell(pcSortDate, row, date);
    grid.SetCell(pcIncurred, row, date);
    grid.SetCell(pcDescription, row, description + date);
    grid.SetCell(pcCode, row, code);
    grid.SetCell(pcTotalNonIndexed, row, Str(amounts.nonIndexed));
    grid.SetCell(pcTotalIndexed, row, Str(amounts.indexed));
    grid.SetCell(pcTotalReduced, row, Str(amounts.reduced));
    grid.SetCell(pcProcessed, row, Processed);
}

// Another receipt of the same date still waits: the carried cost base must sort before it.
bool ReceiptPendingOn(const TGridModel& grid, double date) {
    for (int row = 1; row < grid.RowCount(); ++row)
        if (grid.Cell(pcProcessed, row) != Processed && Filled(grid.Cell(pcEventDate, row)) &&
            DateOfText(grid.Cell(pcEventDate, row)) == date)
            return true;
    return false;
}

void AppendCarriedRows(TGridModel& grid, RowAppender& rows, const PaymentInputs& inputs,
                       double receiptDate, const CostTotals& adjusted) {
    const std::string date = FormatDate(receiptDate);
    const std::string nextDay = FormatDate(receiptDate + 1);
    const std::string sortDate = ReceiptPendingOn(grid, receiptDate) ? date : nextDay;
    const std::string effective = inputs.screen == PaymentScreen::Trusts ? date : nextDay;
    const struct {
        const char* description;
        const char* code;
        long double amount;
    } parts[] = {{"Cost base - Indexed at ", "1A", adjusted.indexed},
                 {"Cost base - non-indexed  at ", "1B", adjusted.nonIndexed},
                 {"Reduced cost base at ", "1C", adjusted.reduced}};
    for (const auto& part : parts) {
        const int row = rows.Append();
        grid.SetCell(pcSortDate, row, sortDate);
        grid.SetCell(pcIncurred, row, effective);
        grid.SetCell(pcDescription, row, part.description + date);
        grid.SetCell(pcCode, row, part.code);
        grid.SetCell(pcAmount, row, Str(part.amount));
    }
}

// A cost base used up exactly is still a result: stored as the explicit zero so that the
// asset summary uses it instead of the cost base before the payments.
void SetCostBaseField(int field, long double amount) {
    const long double rounded = RoundEven(amount);
    SetFieldVal(field, rounded == 0 ? ZeroMarker : rounded);
}

void ShowResults(double receiptDate, const CostTotals& adjusted, const PaymentGains& gains,
                 const MethodAvailability& availability) {
    SetFieldStr(fPaymentCostBaseDate, FormatDate(receiptDate));
    SetCostBaseField(fPaymentNonIndexed, adjusted.nonIndexed);
    SetCostBaseField(fPaymentIndexed, adjusted.indexed);
    SetCostBaseField(fPaymentReduced, adjusted.reduced);
    SetFieldVal(fPaymentDiscountGain, RoundEven(gains.nonIndexedThisYear));
    SetFieldVal(fPaymentDiscountGainPriorYears, RoundEven(gains.nonIndexedPriorYears));
    SetFieldVal(fPaymentIndexedGain, RoundEven(gains.indexedThisYear));
    SetFieldVal(fPaymentIndexedGainPriorYears, RoundEven(gains.indexedPriorYears));
    SetFieldVal(fPaymentOtherGain, 0);
    SetFieldVal(fPaymentOtherGainPriorYears, 0);
    if (availability.noIndexation) {
        SetFieldVal(fPaymentIndexedGain, 0);
        SetFieldVal(fPaymentIndexedGainPriorYears, 0);
    }
    if (availability.noDiscount) {
        SetFieldVal(fPaymentOtherGain, RoundEven(gains.nonIndexedThisYear));
        SetFieldVal(fPaymentOtherGainPriorYears, RoundEven(gains.nonIndexedPriorYears));
        SetFieldVal(fPaymentDiscountGain, 0);
        SetFieldVal(fPaymentDiscountGainPriorYears, 0);
    }
}

}  // namespace

PaymentOutcome ApplyPayments(TGridModel& grid, const PaymentInputs& inputs) {
    SetFieldUnchecked(fPaymentGainThisYear);
    const double baseDate = DateOfText(BaseDateText());
    const double eventDate = FieldDate(fEventDate);
    MethodAvailability availability = DateAvailability(baseDate);
    const bool held = eventDate > 0 ? HeldTwelveMonths(baseDate, eventDate) > 0 : true;
    if (!held) availability.noIndexation = availability.noDiscount = true;

    PaymentOutcome outcome;
    outcome.indexedEnabled = !availability.noIndexation;
    outcome.discountEnabled = !availability.noDiscount;
    PaymentGains gains;
    Receipt receipt;
    RowAppender rows(grid);
    const int passes = grid.RowCount() - 1;
    for (int pass = 0; pass < passes; ++pass) {
        Receipt found = receipt;
        if (NextReceipt(grid, found)) {
            receipt = found;
        } else {
            receipt.costAdjustment = receipt.reducedAdjustment = 0;
        }
        const CostTotals costs = TotalCostsUpTo(grid, receipt.row, receipt.date);
        if (costs.nonIndexed <= 0 && costs.indexed <= 0 && costs.reduced <= 0 &&
            receipt.costAdjustment <= 0 && receipt.reducedAdjustment <= 0)
            break;

        const std::string date = FormatDate(receipt.date);
        const int firstAppended = rows.Next();
        const bool trusts = inputs.screen == PaymentScreen::Trusts;
        AppendTotalsRow(grid, rows, trusts ? "Cost bases at " : "Total Cost bases at ", "9", date,
                        costs);
        AppendTotalsRow(
            grid, rows, "Receipt adjustments at ", "X", date,
            {receipt.costAdjustment, receipt.costAdjustment, receipt.reducedAdjustment});

        CostTotals adjusted{costs.nonIndexed - receipt.costAdjustment,
                            costs.indexed - receipt.costAdjustment,
                            costs.reduced - receipt.reducedAdjustment};
        const bool priorYear = receipt.date < inputs.year.firstDay;
        if (adjusted.nonIndexed < 0) {
            (priorYear ? gains.nonIndexedPriorYears : gains.nonIndexedThisYear) -=
                adjusted.nonIndexed;
            adjusted.nonIndexed = 0;
        }
        if (adjusted.indexed < 0) {
            (priorYear ? gains.indexedPriorYears : gains.indexedThisYear) -= adjusted.indexed;
            adjusted.indexed = 0;
        }
        if (adjusted.reduced < 0) adjusted.reduced = 0;
        if (!priorYear && (gains.nonIndexedThisYear > 0 || gains.indexedThisYear > 0))
            SetFieldChecked(fPaymentGainThisYear);

        AppendTotalsRow(grid, rows, "Adjusted Costbase ", "Y", date, adjusted);
        AppendCarriedRows(grid, rows, inputs, receipt.date, adjusted);
        // Same order as sorting the worksheet by date and code again, without re-sorting
        // the rows already in order.
        PlaceAppendedRows(grid, firstAppended, rows.Next(), pcSortDate, pcCode);
        ShowResults(receipt.date, adjusted, gains, availability);
        outcome.stepRan = true;
    }
    // No receipt was applied: results of an earlier calculation must not survive.
    if (!outcome.stepRan) ClearPaymentResults();
    return outcome;
}
