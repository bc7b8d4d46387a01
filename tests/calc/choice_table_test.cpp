// The choice table built from the store, recalculated, checked before it is left and its
// choices saved back where each row came from.

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "calc/return_labels.h"
#include "choice_fixture.h"

namespace {

TEST_F(ChoiceTest, EmptyReturnShowsOneEmptyRowAndNoGain) {
    SetFieldVal(fModuleNetGain, 500);
    Open();
    EXPECT_EQ(table.grid.RowCount(), 2);
    EXPECT_TRUE(table.grid.RowBlank(1));
    EXPECT_EQ(GetFieldVal(fModuleNetGain), 0);
    EXPECT_TRUE(FieldNotChecked(fModuleHasCgtRecords));
    EXPECT_TRUE(FieldChecked(fCgtEventNo));
    EXPECT_FALSE(CheckChoiceTable(table));
}

TEST_F(ChoiceTest, TrustComponentsAreGrossedUpAndListedPlainFirst) {
    AddTrust({{0, "Acme Trust"}, {1, "40"}, {2, "500"}, {4, "7"}, {8, "250"}, {9, "x"}});
    Open();
    EXPECT_TRUE(FieldChecked(fModuleHasCgtRecords));
    EXPECT_TRUE(FieldChecked(fCgtEventYes));
    // Oth/Ind, Oth/Dis, Col/Ind, SBAA/Dis, SBAA/Oth: the source order sorts them by part.
    ASSERT_EQ(table.grid.DataRowCount(), 5);
    EXPECT_EQ(table.grid.Cell(ccPart, 1), "A1");
    EXPECT_EQ(table.grid.Cell(ccPart, 5), "A9");
    EXPECT_EQ(Cell("Acme Trust - Trust Oth/Dis", ccDiscount), "      1000");
    EXPECT_EQ(Cell("Acme Trust - Trust Oth/Dis", ccType), "ON");
    EXPECT_EQ(Cell("Acme Trust - Trust SBAA/Dis", ccDiscount), "      1000");
    EXPECT_EQ(Cell("Acme Trust - Trust SBAA/Dis", ccType), "OA");
    EXPECT_EQ(Cell("Acme Trust - Trust Col/Ind", ccIndexed), "7");  // multiplier 1: as typed
    EXPECT_EQ(Cell("Acme Trust - Trust SBAA/Oth", ccOther), "         0");  // not a number
    EXPECT_EQ(Cell("Acme Trust - Trust Oth/Dis", ccSection), "Other trust");
    EXPECT_EQ(Cell("Acme Trust - Trust Oth/Dis", ccSource), "1215");
    EXPECT_EQ(Cell("Acme Trust - Trust Oth/Dis", ccChoiceRequired), "No");
    // A discount gain without a choice: halved after the losses.
    EXPECT_EQ(Cell("Acme Trust - Trust Oth/Dis", ccNet), "    500.00");
}

TEST_F(ChoiceTest, GainWithBothMethodsNeedsAChoiceGuidedByTheIndexFactor) {
    AddDisposal(451, {"BHP", "SN", 18050, 20000});
    Open();
    EXPECT_EQ(Cell("BHP - Disposal", ccChoiceRequired), "Yes");
    EXPECT_EQ(Cell("BHP - Disposal", ccIndexFactor), "  90.25000");
    EXPECT_EQ(Cell("BHP - Disposal", ccSection), "Shares");
    EXPECT_EQ(Cell("BHP - Disposal", ccNet), "");
    EXPECT_EQ(CheckChoiceTable(table).message, "You must choose the method you wish to use.");
    SetCell("BHP - Disposal", ccMethod, "Discount");
    RecalculateChoiceTable(table);
    EXPECT_EQ(Cell("BHP - Disposal", ccNet), "  10000.00");
    EXPECT_EQ(GetFieldVal(fModuleNetGain), 10000);
    EXPECT_EQ(NetCapitalGainText(table), "$10,000");
    SetCell("BHP - Disposal", ccMethod, "Indexed");
    RecalculateChoiceTable(table);
    EXPECT_EQ(Cell("BHP - Disposal", ccNet), "  18050.00");
    // Taking the method away again leaves no stale net gain behind.
    SetCell("BHP - Disposal", ccMethod, "");
    RecalculateChoiceTable(table);
    EXPECT_EQ(Cell("BHP - Disposal", ccNet), "");
    EXPECT_EQ(GetFieldVal(fModuleNetGain), 0);
}

TEST_F(ChoiceTest, FifteenYearExemptActiveGainIsLeftOutButALossStays) {
    ZeroScratchFields();
    SetFieldStr(fAssetName, "Shop");
    SetFieldStr(fAssetType, "OA ");
    SetFieldChecked(fFifteenYearExemption);
    SetFieldChecked(fProceedsAboveZero);
    SetFieldVal(fOtherGain, 9000);
    PutWorksheetItem(456, 1);
    Disposal lease{"Lease", "OA", 0, 0, 0, 700};
    lease.fifteenYear = true;
    AddDisposal(456, lease);
    Open();
    EXPECT_EQ(Row("Shop"), -1);
    EXPECT_GE(Row("Lease - Disposal"), 1);
    EXPECT_EQ(Cell("Lease - Disposal", ccRecord), "         2");
    EXPECT_EQ(table.currentOther, 700);
    EXPECT_EQ(GetFieldVal(fCurrentLossTotal), 700);
}

TEST_F(ChoiceTest, ManualRowsAndPaymentGainsComeWithTheirOwnRules) {
    AddManual({{1, "Painting"}, {2, "A "}, {3, "0"}, {4, "600"}, {8, ""}});
    AddManual({{1, ""}, {3, "99"}});  // no description: no row
    AddManual({{1, "Odd row"}, {2, "ON"}, {3, "5"}, {4, "0"}});
    ZeroScratchFields();
    SetFieldStr(fAssetName, "Units");
    SetFieldChecked(fPaymentGainThisYear);
    SetFieldVal(fPaymentIndexedGain, 100);
    SetFieldVal(fPaymentDiscountGain, 300);
    SetFieldVal(fPaymentOtherGain, ZeroMarker);
    PutWorksheetItem(452, 1);
    Open();
    ASSERT_EQ(table.grid.DataRowCount(), 3);
    EXPECT_EQ(Cell("Painting", ccChoiceRequired), "Yes");
    EXPECT_EQ(Cell("Painting", ccIndexFactor), "   0.00000");
    // A stored row with a discount gain of 0 needs a choice but gets no infinite factor.
    EXPECT_EQ(Cell("Odd row", ccChoiceRequired), "Yes");
    EXPECT_EQ(Cell("Odd row", ccIndexFactor), "");
    EXPECT_EQ(Cell("Units - Non-ass receipt", ccType), "ON");
    EXPECT_EQ(Cell("Units - Non-ass receipt", ccChoiceRequired), "Yes");
    EXPECT_EQ(Cell("Units - Non-ass receipt", ccOther), "");  // the explicit zero is no gain
    EXPECT_EQ(Cell("Units - Non-ass receipt", ccPart), "B");
    EXPECT_EQ(Cell("Units - Non-ass receipt", ccSection), "Trusts");
}

// Each problem names the cell that puts it right, where the cursor then goes.
TEST_F(ChoiceTest, LeaveCheckReportsTheFirstBrokenRuleInOrder) {
    AddDisposal(454, {"Flat", "RN", 0, 0, 5000, 0, true});
    AddDisposal(455, {"Coin", "A", 0, 0, 1000});
    AddDisposal(455, {"Stamp", "A", 0, 0, 0, 300});
    Open();
    ChoiceProblem problem = CheckChoiceTable(table);
    EXPECT_EQ(problem.message, "You must advise if you wish to defer a gain that can be deferred.");
    EXPECT_EQ(problem.row, Row("Flat"));
    EXPECT_EQ(problem.col, ccWantDefer);
    SetCell("Flat - Disposal", ccWantDefer, "Yes");
    SetCell("Flat - Disposal", ccNet, "10");
    EXPECT_EQ(CheckChoiceTable(table).message, "If gain is deferred, net gain must be zero.");
    RecalculateChoiceTable(table);
    EXPECT_EQ(Cell("Flat - Disposal", ccNet), "0");
    SetCell("Flat - Disposal", ccOtherApplied, "5");
    EXPECT_EQ(CheckChoiceTable(table).message, "A loss cannot be applied against a deferred gain.");
    EXPECT_EQ(CheckChoiceTable(table).col, ccOtherApplied);
    RecalculateChoiceTable(table);  // a deferred row keeps no losses
    EXPECT_EQ(Cell("Flat - Disposal", ccOtherApplied), "");

    EXPECT_EQ(CheckChoiceTable(table).message,
              "Collectable losses must be applied until available collectable gains are "
              "exhausted.");
    EXPECT_EQ(CheckChoiceTable(table).row, Row("Coin"));
    EXPECT_EQ(CheckChoiceTable(table).col, ccCollectableApplied);
    SetCell("Coin - Disposal", ccCollectableApplied, "300");
    RecalculateChoiceTable(table);
    EXPECT_FALSE(CheckChoiceTable(table)) << CheckChoiceTable(table).message;
    EXPECT_EQ(Cell("Coin - Disposal", ccNet), "    700.00");
    EXPECT_EQ(TrimmedText(table.unapplied.Cell(1, 2)), "0");

    SetCell("Coin - Disposal", ccCollectableApplied, "1200");
    RecalculateChoiceTable(table);
    EXPECT_EQ(CheckChoiceTable(table).message, "A loss applied cannot result in a negative gain.");
    EXPECT_EQ(CheckChoiceTable(table).col, ccCollectableApplied);
    SetCell("Coin - Disposal", ccCollectableApplied, "400");
    RecalculateChoiceTable(table);
    EXPECT_EQ(CheckChoiceTable(table).message,
              "Collectable losses applied cannot be more than available.");
}

TEST_F(ChoiceTest, PriorYearLossesAreUsedAfterThisYearsLosses) {
    SetFieldVal(fPriorOtherLosses, 1000);
    AddDisposal(451, {"Telstra", "SN", 0, 0, 400});
    Open();
    SetCell("Telstra - Disposal", ccOtherApplied, "400");
    RecalculateChoiceTable(table);
    EXPECT_EQ(TrimmedText(table.unapplied.Cell(2, 1)), "600");
    EXPECT_EQ(TrimmedText(table.unapplied.Cell(2, 2)), "0");
    EXPECT_EQ(table.currentOtherUsed, 0);
    EXPECT_EQ(table.priorOtherUsed, 400);
    EXPECT_FALSE(CheckChoiceTable(table));
}

TEST_F(ChoiceTest, ActiveAssetGainsAreListedForTheConcessions) {
    AddDisposal(451, {"Pty shares", "SA", 0, 8000});
    AddDisposal(451, {"Passive", "SN", 0, 0, 100});
    Open();
    const TextList* rows = GetFieldLst(fConcessionRows);
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->size(), 10u);
    EXPECT_EQ((*rows)[0], "Pty shares - Disposal");
    EXPECT_EQ((*rows)[1], "");
    EXPECT_EQ((*rows)[2], "   4000.00");
    EXPECT_EQ((*rows)[7], "       451");
    EXPECT_EQ((*rows)[8], "         1");
    EXPECT_EQ((*rows)[9], "C");  // the part code: the item's own gain
}

TEST_F(ChoiceTest, SavedChoicesComeBackOnTheNextVisit) {
    AddTrust({{0, "Acme"}, {2, "500"}, {5, "100"}});
    AddManual({{1, "Painting"}, {2, "A "}, {3, "400"}, {4, "600"}});
    AddDisposal(451, {"BHP", "SN", 18050, 20000});
    AddUnitsWithTrustGain();
    Open();
    SetCell("Acme - Trust Oth/Dis", ccOtherApplied, "11");
    SetCell("Acme - Trust Col/Dis", ccCollectableApplied, "12");
    SetCell("Painting", ccMethod, "Discount");
    SetCell("Painting", ccCollectableApplied, "13");
    SetCell("BHP - Disposal", ccMethod, "Indexed");
    SetCell("BHP - Disposal", ccOtherApplied, "14");
    SetCell("Units - Trust SBAA/Oth", ccOtherApplied, "15");
    SetCell("Units - Disposal", ccTransferredApplied, "16");
    SaveChoices(table);

    const TextList& trust = *GetFieldLst(fTrustTable);
    EXPECT_EQ(trust[19 + 2], "11");
    EXPECT_EQ(trust[10 + 5], "12");
    const TextList& manual = *GetFieldLst(fManualTable);
    EXPECT_EQ(manual[ccMethod], "Discount");
    EXPECT_EQ(manual[ccCollectableApplied], "13");
    GetWorksheetItem(451, 1);
    EXPECT_EQ(GetFieldStr(fItemMethod), "Indexed");
    ASSERT_EQ(GetFieldLst(fItemLossesApplied)->size(), 34u);
    EXPECT_EQ((*GetFieldLst(fItemLossesApplied))[0], "Losses Applied");
    EXPECT_EQ((*GetFieldLst(fItemLossesApplied))[2], "14");
    // Both rows of one item keep their cells: the second does not overwrite the first.
    GetWorksheetItem(452, 1);
    EXPECT_EQ((*GetFieldLst(fItemLossesApplied))[22], "15");
    EXPECT_EQ((*GetFieldLst(fItemLossesApplied))[23], "16");

    ChoiceTable again;
    OpenChoiceTable(again);
    table.grid = again.grid;
    EXPECT_EQ(Cell("Acme - Trust Oth/Dis", ccOtherApplied), "11");
    EXPECT_EQ(Cell("Painting", ccMethod), "Discount");
    EXPECT_EQ(Cell("BHP - Disposal", ccMethod), "Indexed");
    EXPECT_EQ(Cell("BHP - Disposal", ccOtherApplied), "14");
    EXPECT_EQ(Cell("Units - Trust SBAA/Oth", ccOtherApplied), "15");
    EXPECT_EQ(Cell("Units - Disposal", ccTransferredApplied), "16");
}

TEST_F(ChoiceTest, AnOldLossListIsReadOnlyAsFarAsItGoes) {
    TextList old(23, " ");
    old[1] = "5";
    old[22] = "6";
    AddUnitsWithTrustGain(&old);
    Open();
    EXPECT_EQ(Cell("Units - Disposal", ccCollectableApplied), "5");
    EXPECT_EQ(Cell("Units - Disposal", ccTransferredApplied), "");
    EXPECT_EQ(Cell("Units - Trust SBAA/Oth", ccOtherApplied), "6");
}

}  // namespace
