// The gain or loss of a receipt or created right and what the entry screen insists on.

#include <gtest/gtest.h>

#include "base/dates.h"
#include "screens/core/receipt_rules.h"
#include "store/field_store.h"

TEST(ReceiptRules, CostsAboveProceedsGiveALossAndNoGain) {
    const ReceiptResult loss = ReceiptGainLoss(1000, 1500);
    EXPECT_EQ(loss.gain, 0);
    EXPECT_EQ(loss.loss, 500);
    const ReceiptResult gain = ReceiptGainLoss(2500, 300);
    EXPECT_EQ(gain.gain, 2200);
    EXPECT_EQ(gain.loss, 0);
    // A typed zero with no costs stays the typed-zero value, so the screen can be left.
    EXPECT_EQ(ReceiptGainLoss(ZeroMarker, 0).gain, ZeroMarker);
    EXPECT_FALSE(ReceiptHasProceeds(ZeroMarker));
    EXPECT_FALSE(ReceiptHasProceeds(0));
    EXPECT_TRUE(ReceiptHasProceeds(1));
}

TEST(ReceiptRules, ChecksRunInOrderAndAnUntouchedScreenPasses) {
    ReceiptEntry entry;
    entry.createdRight = true;
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::None);

    // Without a description a gain, a loss (proceeds 1,000, costs 1,500) or amounts typed
    // that cancel out are each refused: only an untouched screen passes.
    entry.result = {0, 500};
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::Description);
    entry.result = {ZeroMarker, 0};
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::Description);
    entry.result = {0, 0};
    entry.amountsTyped = true;
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::Description);
    entry.amountsTyped = false;
    entry.description = "Option Over Lot 7";
    entry.result = {0, 0};
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::Amount);
    entry.result = {800, 0};
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::Deferral);
    entry.deferYes = true;
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::MarriageBreakdown);
    entry.marriageNo = true;
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::None);
    entry.deferYes = false;
    entry.deferNo = true;
    entry.marriageNo = false;
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::None);
}

TEST(ReceiptRules, AReceiptNeedsNoDeferralAnswerButADateBeforeCgtIsRefused) {
    ReceiptEntry entry;
    entry.description = "Compensation For Easement";
    entry.result = {800, 0};
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::None);
    entry.eventDate = EncodeDate(1985, 9, 19);
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::PreCgtDate);
    entry.eventDate = EncodeDate(1985, 9, 20);
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::None);
    // The created-right screen has no date rule.
    entry.createdRight = true;
    entry.deferNo = true;
    entry.eventDate = EncodeDate(1980, 1, 1);
    EXPECT_EQ(CheckReceipt(entry), ReceiptProblem::None);
}

TEST(ReceiptRules, MessagesAreTheScreensTexts) {
    EXPECT_EQ(ReceiptProblemText(ReceiptProblem::Description),
              "Please enter a description for this receipt.");
    EXPECT_EQ(ReceiptProblemText(ReceiptProblem::Amount), "Please enter amount.");
    EXPECT_EQ(ReceiptProblemText(ReceiptProblem::Deferral),
              "You must advise if the gain or loss for this event can be deferred");
    EXPECT_EQ(ReceiptProblemText(ReceiptProblem::MarriageBreakdown),
              "You must select either 'Yes' or 'No'.");
    EXPECT_EQ(ReceiptProblemText(ReceiptProblem::PreCgtDate).rfind("Check your date.", 0), 0u);
    EXPECT_EQ(ReceiptProblemText(ReceiptProblem::None), "");
}
