// The module's own choices: deferments, methods and the order in which collectable and
// other losses are applied across the passes.

#include <gtest/gtest.h>

#include "choice_fixture.h"

namespace {

TEST_F(ChoiceTest, CollectableLossesOfBothYearsGoToTheCollectableGain) {
    SetFieldVal(fPriorCollectableLosses, 100);
    AddDisposal(455, {"Coin", "A", 0, 0, 1000});
    AddDisposal(455, {"Stamp", "A", 0, 0, 0, 200});
    SetFieldVal(fPriorOtherLosses, 5000);  // other losses never reach a collectable gain
    Open();
    MakeAllChoices(table);
    EXPECT_EQ(Cell("Coin - Disposal", ccCollectableApplied), "300");
    EXPECT_EQ(Cell("Coin - Disposal", ccOtherApplied), "");
    EXPECT_EQ(Cell("Coin - Disposal", ccNet), "    700.00");
    EXPECT_FALSE(CheckChoiceTable(table)) << CheckChoiceTable(table).message;
}

TEST_F(ChoiceTest, OtherLossesFillGainsInTableOrder) {
    SetFieldVal(fPriorOtherLosses, 1000);
    AddDisposal(454, {"Flat", "RN", 0, 0, 500});
    AddDisposal(454, {"House", "RN", 0, 0, 800});
    Open();
    MakeAllChoices(table);
    EXPECT_EQ(Cell("Flat - Disposal", ccOtherApplied), "500");
    EXPECT_EQ(Cell("House - Disposal", ccOtherApplied), "500");
    EXPECT_EQ(Cell("House - Disposal", ccNet), "    300.00");
}

TEST_F(ChoiceTest, ChoosingAndApplyingTakesTheLowerNetGain) {
    SetFieldVal(fPriorOtherLosses, 4000);
    AddDisposal(451, {"BHP", "SN", 9000, 20000});
    Open();
    MakeAllChoices(table);
    EXPECT_EQ(Cell("BHP - Disposal", ccMethod), "Indexed");
    EXPECT_EQ(Cell("BHP - Disposal", ccOtherApplied), "4000");
    EXPECT_EQ(Cell("BHP - Disposal", ccNet), "   5000.00");
}

TEST_F(ChoiceTest, LossesCoveringTheIndexedGainLeaveTheRestForLaterRows) {
    SetFieldVal(fPriorOtherLosses, 12000);
    AddDisposal(451, {"BHP", "SN", 9000, 20000});
    AddDisposal(454, {"Flat", "RN", 0, 8000});
    Open();
    MakeAllChoices(table);
    EXPECT_EQ(Cell("BHP - Disposal", ccMethod), "Indexed");
    EXPECT_EQ(Cell("BHP - Disposal", ccOtherApplied), "9000");
    EXPECT_EQ(Cell("BHP - Disposal", ccNet), "0");
    EXPECT_EQ(Cell("Flat - Disposal", ccOtherApplied), "3000");
    EXPECT_EQ(Cell("Flat - Disposal", ccNet), "   2500.00");
}

TEST_F(ChoiceTest, WithoutLossesEveryOpenMethodIsStillChosen) {
    AddDisposal(451, {"Low", "SN", 4000, 10000});  // D / 2 = 5,000 > 4,000
    AddDisposal(451, {"Tie", "SN", 5000, 10000});  // a tie goes to the discount
    AddDisposal(451, {"High", "SN", 9000, 10000});
    Open();
    MakeAllChoices(table);
    EXPECT_EQ(Cell("Low - Disposal", ccMethod), "Indexed");
    EXPECT_EQ(Cell("Tie - Disposal", ccMethod), "Discount");
    EXPECT_EQ(Cell("High - Disposal", ccMethod), "Discount");
    EXPECT_FALSE(CheckChoiceTable(table));
    // The method button alone follows the same rule.
    ResetAllChoices(table);
    MakeAllMethodChoices(table);
    EXPECT_EQ(Cell("Low - Disposal", ccMethod), "Indexed");
    EXPECT_EQ(Cell("Tie - Disposal", ccMethod), "Discount");
    EXPECT_EQ(Cell("High - Disposal", ccMethod), "Discount");
}

// Other losses: indexed and other gains of non-active assets, then their choices by index
// factor, then their discount gains; active assets only after all of those.
TEST_F(ChoiceTest, OtherLossesFollowThePassesNotTheTableOrder) {
    SetFieldVal(fPriorOtherLosses, 3600);
    AddDisposal(451, {"Active", "SA", 0, 1000});         // pass 11
    AddDisposal(451, {"Discounted", "SN", 0, 1000});     // pass 5
    AddDisposal(451, {"Choice high", "SN", 900, 1000});  // pass 4, factor 90
    AddDisposal(451, {"Choice low", "SN", 300, 1000});   // pass 4, factor 30: first
    AddDisposal(456, {"Other gain", "ON", 0, 0, 500});   // pass 2
    Open();
    MakeAllChoices(table);
    EXPECT_EQ(Cell("Other gain - Disposal", ccOtherApplied), "500");
    EXPECT_EQ(Cell("Choice low - Disposal", ccOtherApplied), "300");
    EXPECT_EQ(Cell("Choice low - Disposal", ccMethod), "Indexed");
    EXPECT_EQ(Cell("Choice high - Disposal", ccOtherApplied), "900");
    EXPECT_EQ(Cell("Discounted - Disposal", ccOtherApplied), "1000");
    EXPECT_EQ(Cell("Active - Disposal", ccOtherApplied), "900");
    // The rows are back in source order afterwards.
    EXPECT_EQ(Row("Active"), 1);
    EXPECT_EQ(Row("Other gain"), 5);
    EXPECT_FALSE(CheckChoiceTable(table)) << CheckChoiceTable(table).message;
}

TEST_F(ChoiceTest, ActiveGainsWaitForNonActiveDiscountGains) {
    SetFieldVal(fPriorOtherLosses, 1000);
    AddDisposal(451, {"Active indexed", "SA", 800});
    AddDisposal(454, {"Rental", "RN", 0, 900});
    Open();
    MakeAllChoices(table);
    EXPECT_EQ(Cell("Rental - Disposal", ccOtherApplied), "900");
    EXPECT_EQ(Cell("Active indexed - Disposal", ccOtherApplied), "100");
}

TEST_F(ChoiceTest, DeferrableGainIsDeferredUnlessItIsALoss) {
    AddDisposal(456, {"Gain", "ON", 0, 0, 700, 0, true});
    AddDisposal(456, {"Loss", "ON", 0, 0, 0, 300, true});
    AddDisposal(456, {"Answered", "ON", 0, 0, 200, 0, true});
    Open();
    SetCell("Answered - Disposal", ccWantDefer, "No");
    MakeDeferChoices(table);
    EXPECT_EQ(Cell("Gain - Disposal", ccWantDefer), "Yes");
    EXPECT_EQ(Cell("Gain - Disposal", ccNet), "0");
    EXPECT_EQ(Cell("Loss - Disposal", ccWantDefer), "No");
    EXPECT_EQ(Cell("Answered - Disposal", ccWantDefer), "No");
    // The deferred gain takes none of the loss; the other gain takes it all.
    MakeAllChoices(table);
    EXPECT_EQ(Cell("Gain - Disposal", ccOtherApplied), "");
    EXPECT_EQ(Cell("Answered - Disposal", ccOtherApplied), "200");
    // The button for defer choices asks afresh: "No" answers are made again too.
    MakeAllDeferChoices(table);
    EXPECT_EQ(Cell("Answered - Disposal", ccWantDefer), "Yes");
}

TEST_F(ChoiceTest, AutomaticDefermentNeedsNoAnswer) {
    AddDisposal(462, {"Receipt", "ON", 0, 0, 700, 0, true, true});
    Open();
    EXPECT_EQ(Cell("Receipt - Disposal", ccDeferAuto), "Yes");
    EXPECT_EQ(Cell("Receipt - Disposal", ccNet), "0");
    EXPECT_FALSE(CheckChoiceTable(table));
}

TEST_F(ChoiceTest, ResetEmptiesEveryChoiceAndMethodButtonRedoesMethods) {
    SetFieldVal(fPriorOtherLosses, 100);
    AddDisposal(451, {"BHP", "SN", 4000, 10000, 0, 0, true});
    Open();
    MakeAllChoices(table);
    ResetAllChoices(table);
    EXPECT_EQ(Cell("BHP - Disposal", ccMethod), "");
    EXPECT_EQ(Cell("BHP - Disposal", ccWantDefer), "");
    EXPECT_EQ(Cell("BHP - Disposal", ccOtherApplied), "");
    EXPECT_EQ(table.OtherApplied(), 0);
    MakeAllMethodChoices(table);
    EXPECT_EQ(Cell("BHP - Disposal", ccMethod), "Indexed");
}

}  // namespace
