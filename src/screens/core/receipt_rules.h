#pragma once
// The rules of the single-screen CGT events (other receipts and rights created in another
// entity): the gain or loss worked out from proceeds and costs, and what must be answered
// before the entry screen may be left.

#include <string>

#include "calc/receipt_result.h"

// More than a typed zero: a receipt that has proceeds.
bool ReceiptHasProceeds(long double proceeds);

// Where the problem is, so the screen can put the focus there.
enum class ReceiptProblem { None, Description, Amount, Deferral, MarriageBreakdown, PreCgtDate };

struct ReceiptEntry {
    bool createdRight = false;  // the created-right screen asks the two roll-over questions
    std::string description;
    bool amountsTyped = false;  // proceeds or costs hold text
    ReceiptResult result;
    bool deferYes = false, deferNo = false;
    bool marriageYes = false, marriageNo = false;
    double eventDate = 0;  // serial day; 0 when not given
};

ReceiptProblem CheckReceipt(const ReceiptEntry& entry);
std::string ReceiptProblemText(ReceiptProblem problem);
