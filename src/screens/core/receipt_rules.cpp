#include "screens/core/receipt_rules.h"

#include "base/dates.h"
#include "store/field_store.h"

namespace {
const char* const PreCgtDateMessage =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r"
    "Assets acquired before 20 September 1985 are generally not subject to CGT although\r"
    "there is an exception for some shares and trust interests. If your asset falls within\r"
    "this exception, you should manually calculate your capital gain or capital loss";
}  // namespace

bool ReceiptHasProceeds(long double proceeds) { return proceeds > ZeroMarker; }

ReceiptProblem CheckReceipt(const ReceiptEntry& entry) {
    const bool hasResult = entry.result.gain != 0 || entry.result.loss != 0;
    // Only an untouched screen may be left without a name, as on the asset paths: a loss or
    // an amount alone would be kept under the worksheet's automatic name.
    if (entry.description.empty() && !hasResult && !entry.amountsTyped) return ReceiptProblem::None;
    if (entry.description.empty()) return ReceiptProblem::Description;
    if (!hasResult) return ReceiptProblem::Amount;
    if (entry.createdRight) {
        if (!entry.deferYes && !entry.deferNo) return ReceiptProblem::Deferral;
        if (entry.deferYes && !entry.marriageYes && !entry.marriageNo)
            return ReceiptProblem::MarriageBreakdown;
        return ReceiptProblem::None;
    }
    // The date is not asked on these screens, so only a date that is there can be too early.
    const double firstCgtDay = EncodeDate(1985, 9, 20);
    if (entry.eventDate > 0 && entry.eventDate < firstCgtDay) return ReceiptProblem::PreCgtDate;
    return ReceiptProblem::None;
}

std::string ReceiptProblemText(ReceiptProblem problem) {
    switch (problem) {
        case ReceiptProblem::None:
            return {};
        case ReceiptProblem::Description:
            return "Please enter a description for this receipt.";
        case ReceiptProblem::Amount:
            return "Please enter amount.";
        case ReceiptProblem::Deferral:
            return "You must advise if the gain or loss for this event can be deferred";
        case ReceiptProblem::MarriageBreakdown:
            return "You must select either 'Yes' or 'No'.";
        case ReceiptProblem::PreCgtDate:
            return PreCgtDateMessage;
    }
    return {};
}
