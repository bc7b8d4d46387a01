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

TEST(ReceiptRules, ResultsAreWholeDollarsAndATypedZeroAddsNoFraction) {
    // Proceeds typed as 0 against costs of 29,062: a loss of 29,062, not 29,061.9989.
    const ReceiptResult loss = ReceiptGainLoss(ZeroMarker, 29062);
    EXPECT_EQ(loss.loss, 29062);
    EXPECT_EQ(loss.gain, 0);
    EXPECT_EQ(ReceiptGainLoss(1000, ZeroMarker).gain, 1000);
    EXPECT_EQ(ReceiptGainLoss(1000.40L, 0).gain, 1000);
    EXPECT_EQ(ReceiptGainLoss(0, 1000.60L).loss, 1001);
    // A result of nothing keeps the typed zero on the side it came from.
    EXPECT_EQ(ReceiptGainLoss(0, ZeroMarker).loss, ZeroMarker);
    EXPECT_EQ(ReceiptGainLoss(ZeroMarker, ZeroMarker).gain, 0);
    EXPECT_EQ(ReceiptGainLoss(500, 500).gain, 0);
    EXPECT_EQ(ReceiptGainLoss(500, 500).loss, 0);
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
