#pragma once
// The columns of the non-assessable payments worksheet and the payments lists it is built
// from.

#include <string>
#include <vector>

enum PaymentColumn {
    pcSortDate = 0,
    pcIncurred = 1,
    pcPaid = 2,
    pcEventDate = 3,
    pcDescription = 4,
    pcCode = 5,
    pcEvent = 6,
    pcAmount = 7,
    pcExcluded = 8,
    pcNet = 9,
    pcCpiIncurred = 10,
    pcCpiEvent = 11,
    pcFactor = 12,
    pcIndexed = 13,
    pcExcludedReduced = 14,
    pcReduced = 15,
    pcReceipt = 16,
    pcReceiptCost = 17,
    pcReceiptReduced = 18,
    pcTotalNonIndexed = 19,
    pcTotalIndexed = 20,
    pcTotalReduced = 21,
    pcProcessed = 22,
};

// One capital receipt as the worksheet shows it (cell texts).
struct PaymentRow {
    std::string eventDate, receivedDate, receipt, receiptForCostBase, receiptForReduced;
    bool trust = false;
};

// Shares: six columns per payment (date of CGT event, date of receipt, description, amount,
// amount excluded, comments); every payment with a date of CGT event.
std::vector<PaymentRow> ReadSharePayments(int field);

// Trust interests: eight columns per payment (date of payment, date of CGT event,
// description, total, CGT concession, tax free, tax exempted, tax deferred). Consecutive
// payments of one date of CGT event make one receipt; concession and tax deferred amounts
// reduce the cost base, with the tax free amounts also the reduced cost base.
std::vector<PaymentRow> ReadTrustPayments(int field);
