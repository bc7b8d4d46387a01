#include "calc/payment_worksheet.h"

#include "base/dates.h"
#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/indexation.h"
#include "calc/item_notices.h"
#include "calc/payment_rows.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

namespace {

bool Blank(const std::string& text) { return TrimmedText(text).empty(); }

// The latest valid date of CGT event among the payments, 0 when there is none.
double LatestPaymentDate(const std::vector<PaymentRow>& payments) {
    double latest = 0;
    for (const PaymentRow& p : payments)
        if (IsDateText(p.eventDate) && DateOfText(p.eventDate) > latest)
            latest = DateOfText(p.eventDate);
    return latest;
}

// The sort key column holds readable dates only: anything else sorts last.
void SetSortDate(TGridModel& grid, int row, const std::string& date) {
    if (IsDateText(date)) grid.SetCell(pcSortDate, row, date);
}

void AddSectionTwoRows(TGridModel& grid, RowAppender& rows, PaymentScreen screen) {
    if (!SectionTwoAmountsEntered()) return;
    const std::string date = SectionTwoDateText();
    const struct {
        const char* description;
        const char* code;
        int field;
    } parts[] = {
        {"Cost base - indexed", "1A", fSection2Indexed},
        {screen == PaymentScreen::Trusts ? "Cost base - discount/non-indexed"
                                         : "Cost base - non-indexed",
         "1B", fSection2NonIndexed},
        {"Reduced cost base", "1C", fSection2Reduced},
    };
    for (const auto& part : parts) {
        const int row = rows.Append();
        SetSortDate(grid, row, date);
        grid.SetCell(pcIncurred, row, date);
        grid.SetCell(pcDescription, row, part.description);
        grid.SetCell(pcCode, row, part.code);
        grid.SetCell(pcAmount, row, Str(NonNegativeAmount(part.field, true)));
    }
}

void AddCostRows(TGridModel& grid, RowAppender& rows, double latestPayment) {
    for (const CostElement& cost : ReadCostElements(fCostElements)) {
        if (Blank(cost.element) || !IsDateText(cost.incurred)) continue;
        if (DateOfText(cost.incurred) > latestPayment) continue;
        const std::string code = cost.Code();
        const int row = rows.Append();
        SetSortDate(grid, row, cost.incurred);
        grid.SetCell(pcIncurred, row, cost.incurred);
        grid.SetCell(pcPaid, row, cost.paid);
        grid.SetCell(pcDescription, row, cost.description);
        grid.SetCell(pcCode, row, code);
        grid.SetCell(pcAmount, row, cost.amount);
        if (code != "3B") grid.SetCell(pcExcluded, row, cost.excludedCost);
        if (code != "3A") grid.SetCell(pcExcludedReduced, row, cost.excludedCost);
    }
}

void AddPaymentRows(TGridModel& grid, RowAppender& rows, const std::vector<PaymentRow>& payments) {
    const std::string eventCode = GetFieldStr(fPaymentEventCode);
    for (const PaymentRow& p : payments) {
        const int row = rows.Append();
        SetSortDate(grid, row, p.eventDate);
        grid.SetCell(pcPaid, row, p.receivedDate);
        grid.SetCell(pcEventDate, row, p.eventDate);
        grid.SetCell(pcDescription, row, "Capital receipt");
        grid.SetCell(pcCode, row, "B");
        grid.SetCell(pcEvent, row, p.trust ? eventCode : ElementCode(eventCode));
        grid.SetCell(pcReceipt, row, p.receipt);
        grid.SetCell(pcReceiptCost, row, p.receiptForCostBase);
        grid.SetCell(pcReceiptReduced, row, p.receiptForReduced);
    }
}

}  // namespace

void BuildPaymentWorksheet(TGridModel& grid, const PaymentInputs& inputs) {
    const std::vector<PaymentRow> payments = inputs.screen == PaymentScreen::Trusts
                                                 ? ReadTrustPayments(fPayments)
                                                 : ReadSharePayments(fPayments);
    RowAppender rows(grid);
    AddSectionTwoRows(grid, rows, inputs.screen);
    AddCostRows(grid, rows, LatestPaymentDate(payments));
    AddPaymentRows(grid, rows, payments);
    grid.SortRows("0,5");
}

bool PaymentsListed() {
    const TextList* payments = GetFieldLst(fPayments);
    return payments && !payments->empty();
}

void ClearPaymentResults() {
    for (int field = fPaymentCostBaseDate; field <= fPaymentOtherGainPriorYears; ++field)
        ClearField(field);
    SetFieldUnchecked(fPaymentGainThisYear);
    ClearField(fPaymentWorksheet);
}

PaymentOutcome RefreshPayments(TGridModel& grid, const PaymentInputs& inputs) {
    grid.ClearRows();
    grid.SetRowCount(5);
    BuildPaymentWorksheet(grid, inputs);
    const PaymentOutcome outcome = ApplyPayments(grid, inputs);
    TextList lines;
    grid.SaveToList(lines);
    SetFieldLst(fPaymentWorksheet, std::move(lines));
    return outcome;
}
