#include "calc/asset_summary.h"

#include <gtest/gtest.h>

#include "calc/indexation.h"
#include "calc_fixture.h"

namespace {

enum { wcDate = 0, wcNonIndexed = 4, wcCpi = 6, wcEventCpi = 7, wcFactor = 8, wcCostBase = 9 };
enum { rcElement = 4, rcAmount = 6, rcGainDeferred = 9 };

class SummaryTest : public CalcTest {
protected:
    // Shares bought 15/08/1990 for 10,000 and sold 20/10/2005 for 30,000.
    void ThePartsShares() {
        Shares("15/08/1990");
        AddCost("1", "15/08/1990", "10000");
        Sold("20/10/2005", 30000);
    }
    // An asset of the given type bought after the cut-off for 10,000 and sold for 7,000.
    AssetSummary SoldAtALoss(const std::string& type) {
        Shares("01/10/1999", type);
        AddCost("1", "01/10/1999", "10000");
        Sold("01/11/2005", 7000);
        return RunSummary();
    }
};

}  // namespace

TEST_F(SummaryTest, SharesHeldSinceNineteenNinetyHaveIndexedAndDiscountGains) {
    ThePartsShares();
    const AssetSummary s = RunSummary();
    EXPECT_EQ(GetFieldStr(fBaseDate), "15/08/1990");
    EXPECT_EQ(Value(fEventCpi), static_cast<long double>(FrozenCpi));
    const int row = FindRow(worksheet, wcDate, "15/08/1990");
    ASSERT_GT(row, 0);
    EXPECT_EQ(worksheet.Cell(wcCpi, row), "    103.30");
    EXPECT_EQ(worksheet.Cell(wcFactor, row), "     1.195");
    EXPECT_EQ(worksheet.Cell(wcCostBase, row), "  11950.00");
    EXPECT_EQ(Value(fTotalIndexed), 11950);
    EXPECT_EQ(Value(fIndexedCostBase), 11950);
    EXPECT_EQ(Value(fIndexedGain), 18050);
    EXPECT_EQ(Value(fDiscountCostBase), 10000);
    EXPECT_EQ(Value(fDiscountGain), 20000);
    EXPECT_FALSE(s.other.enabled);
    EXPECT_EQ(Value(fOtherGain), 0);
    EXPECT_FALSE(s.loss.enabled);  // a loss below 0 is no loss
    EXPECT_TRUE(FieldChecked(fProceedsAboveZero));
    EXPECT_EQ(GetFieldStr(fMessage2),
              "Later in the interview you will be required to choose between the indexed and "
              "discount gain.");
    EXPECT_EQ(GetFieldType(fMessage2), dtString);
    // Active shares: the small business sentence, with the wording of this screen.
    EXPECT_EQ(s.message1,
              "This gain may qualify for a small business concession. You will asked about "
              "this later in the interview.");
    // The register holds the cost element and the proceeds rows; both lists are saved.
    EXPECT_EQ(reg.Cell(rcElement, 1), "1");
    EXPECT_EQ(reg.Cell(rcAmount, 2), "  30000.00");
    ASSERT_NE(GetFieldLst(fAssetRegister), nullptr);
    ASSERT_NE(GetFieldLst(fCgtWorksheet), nullptr);
    EXPECT_EQ(GetFieldLst(fCgtWorksheet)->size(), static_cast<size_t>(CgtWorksheetColumns));
}

TEST_F(SummaryTest, NotHeldTwelveMonthsLeavesOnlyTheOtherMethod) {
    Shares("01/07/2004");
    AddCost("1", "01/07/2004", "10000");
    Sold("01/07/2005", 30000);
    const AssetSummary s = RunSummary();
    EXPECT_FALSE(s.held);
    EXPECT_FALSE(s.indexed.enabled);
    EXPECT_FALSE(s.discount.enabled);
    EXPECT_TRUE(s.other.enabled);
    EXPECT_EQ(Value(fOtherGain), 20000);
    EXPECT_EQ(Value(fIndexedGain), 0);
    EXPECT_EQ(Value(fDiscountGain), 0);
    EXPECT_TRUE(s.message2.empty());
    EXPECT_TRUE(FieldEmpty(fMessage2));
}

TEST_F(SummaryTest, AcquiredAfterTheCutOffHasOnlyTheDiscountMethod) {
    Shares("01/10/1999");
    AddCost("1", "01/10/1999", "10000");
    Sold("01/11/2005", 15000);
    const AssetSummary s = RunSummary();
    EXPECT_FALSE(s.indexed.enabled);
    EXPECT_TRUE(s.discount.enabled);
    EXPECT_FALSE(s.other.enabled);
    EXPECT_EQ(Value(fDiscountGain), 5000);
}

TEST_F(SummaryTest, ProceedsBelowTheReducedCostBaseGiveALoss) {
    const AssetSummary s = SoldAtALoss("SN");
    EXPECT_TRUE(s.loss.enabled);
    EXPECT_EQ(Value(fCapitalLoss), 3000);
    EXPECT_EQ(Value(fLossCostBase), 10000);
    EXPECT_EQ(Value(fLossProceeds), 7000);
    EXPECT_TRUE(IsZeroMarker(fDiscountGain));  // a result of nothing, not a blank
    EXPECT_FALSE(s.other.enabled);
    EXPECT_TRUE(s.message1.empty());  // a non-active asset without deferral answers
}

TEST_F(SummaryTest, LossOnAPersonalUseAssetIsDisregarded) {
    const AssetSummary s = SoldAtALoss("P");
    EXPECT_TRUE(s.loss.enabled);
    EXPECT_TRUE(IsZeroMarker(fCapitalLoss));
    EXPECT_EQ(s.message1, "You have no gain or loss in respect of this CGT event");
}

TEST_F(SummaryTest, PartialDisposalChargesTheEventCostsInFull) {
    Shares("01/10/1999");
    AddCost("1", "01/10/1999", "9000");
    AddCost("2B", "01/11/2005", "1000");
    SetFieldVal(fPercentDisposed, 40);
    Sold("01/11/2005", 8000);
    const AssetSummary s = RunSummary();
    EXPECT_TRUE(s.partialDisposal);
    EXPECT_EQ(Value(fDiscountCostBase), 4600);
    EXPECT_EQ(Value(fDiscountGain), 3400);
    EXPECT_EQ(s.carriedNonIndexed, 5400);
    EXPECT_EQ(s.carriedReduced, 5400);
    EXPECT_EQ(Value(fPercentShown), 40);
}

TEST_F(SummaryTest, CostBaseAdjustmentsMoveTheirOwnCostBasesOnly) {
    ThePartsShares();
    AddCost("6C", "01/01/2000", "-500");
    RunSummary();
    EXPECT_EQ(Value(fBalancingAdjustment), -500);
    EXPECT_EQ(Value(fBalancingAdjustment + 1), -500);
    EXPECT_EQ(Value(fBalancingAdjustment + 2), 0);
    EXPECT_EQ(Value(fCostBase), 9500);
    EXPECT_EQ(Value(fCostBase + 1), 11450);
    EXPECT_EQ(Value(fCostBase + 2), 10000);
    EXPECT_EQ(FindRow(worksheet, wcDate, "01/01/2000"), -1);  // no worksheet row

    ClearField(fCostElements);
    AddCost("1", "15/08/1990", "10000");
    AddCost("3B", "01/01/2000", "-700");
    RunSummary();
    EXPECT_EQ(Value(fBalancingAdjustment), 0);
    EXPECT_EQ(Value(fBalancingAdjustment + 2), -700);
    EXPECT_EQ(Value(fCostBase), 10000);
    EXPECT_EQ(Value(fCostBase + 2), 9300);
}

TEST_F(SummaryTest, NonCapitalCostsAreNeitherIndexedNorReduced) {
    ThePartsShares();
    AddCost("3A", "01/01/1995", "400");
    RunSummary();
    const int row = FindRow(worksheet, wcDate, "01/01/1995");
    ASSERT_GT(row, 0);
    EXPECT_EQ(worksheet.Cell(wcNonIndexed, row), "    400.00");
    EXPECT_EQ(worksheet.Cell(wcCostBase, row), "    400.00");
    EXPECT_EQ(worksheet.Cell(wcFactor, row), "");
    EXPECT_EQ(Value(fCostBase + 2), 10000);
    EXPECT_EQ(Value(fIndexedGain), 30000 - 11950 - 400);
}

TEST_F(SummaryTest, NoDataAtAll) {
    const AssetSummary s = RunSummary();
    EXPECT_TRUE(reg.RowBlank(1));
    EXPECT_TRUE(worksheet.RowBlank(1));
    EXPECT_EQ(s.message1, "You have no gain or loss in respect of this CGT event");
    EXPECT_EQ(GetFieldStr(fMessage1), s.message1);
    for (const MethodColumn* c : {&s.indexed, &s.discount, &s.other, &s.loss})
        EXPECT_FALSE(c->enabled);
    EXPECT_TRUE(FieldEmpty(fEventDateShown));
    EXPECT_EQ(Value(fEventCpi), static_cast<long double>(FrozenCpi));
    EXPECT_TRUE(FieldNotChecked(fProceedsAboveZero));
}

TEST_F(SummaryTest, AnEventWithoutProceedsIsStillDatedAndHeld) {
    ThePartsShares();
    SetFieldVal(fCapitalProceeds, 0);
    const AssetSummary s = RunSummary();
    EXPECT_EQ(GetFieldStr(fEventDateShown), "20/10/2005");
    EXPECT_EQ(Value(fEventCpi), static_cast<long double>(FrozenCpi));
    EXPECT_TRUE(s.held);
    EXPECT_EQ(FindRow(reg, rcElement, "O"), -1);  // no proceeds row
    EXPECT_FALSE(s.other.enabled);
    EXPECT_EQ(Value(fCapitalLoss), 10000);  // nothing received for a cost of 10,000
}

TEST_F(SummaryTest, CostBaseAfterPaymentsReplacesSectionTwo) {
    Shares("01/07/2000");
    SetFieldStr(fCostBaseDate, "01/07/2000");
    SetFieldVal(fSection2NonIndexed, 1000);
    AddSharePayment("01/03/2005", "1000");
    RunPayments();
    Sold("01/08/2005", 500);
    const AssetSummary s = RunSummary();
    EXPECT_EQ(reg.Cell(3, 1), "Adjusted Cost base - indexed");
    EXPECT_EQ(Value(fDiscountCostBase), 0);
    EXPECT_EQ(Value(fDiscountGain), 500);
    EXPECT_FALSE(s.loss.enabled);
}

TEST_F(SummaryTest, RollOverAnswersMarkTheProceedsRowAndTheMessages) {
    ThePartsShares();
    SetFieldStr(fAssetType, "SN");
    SetFieldChecked(fMarriageBreakdownNo);
    const AssetSummary s = RunSummary();
    EXPECT_EQ(reg.Cell(rcGainDeferred, FindRow(reg, rcElement, "O")), "C");
    EXPECT_EQ(s.message1,
              "You will be able to choose if you want this gain or loss included this year or "
              "deferred to another year");
    SetFieldChecked(fMarriageBreakdownYes);
    EXPECT_EQ(RunSummary().message1, "This gain or loss is disregarded this year");
}

TEST_F(SummaryTest, DepreciatingAssetOutsideTheLowValuePool) {
    SetFieldStr(fAssetType, "ON");
    SetFieldStr(fAcquisitionDate, "01/08/2001");
    SetFieldVal(fDepreciatingCost, 5000);
    SetFieldVal(fSumOfReductions, 200);
    SetFieldVal(fTotalDecline, 2000);
    Sold("01/07/2004", 7000);
    const AssetSummary s = RunSummary(SummaryScreen::Depreciating);
    EXPECT_FALSE(s.indexed.enabled);
    EXPECT_TRUE(s.discount.enabled);
    EXPECT_EQ(s.discountUse.nonTaxableUse, 10);
    EXPECT_EQ(Value(fUnadjustedDiscount), 2000);
    EXPECT_EQ(Value(fDiscountGain), 200);
    EXPECT_EQ(Value(fDiscountCostBase), 5000);
    EXPECT_EQ(Value(fCostShownDiscount), 5000);
    EXPECT_TRUE(FieldEmpty(fIndexedCostBase));
    EXPECT_FALSE(s.loss.enabled);
}

TEST_F(SummaryTest, DepreciatingAssetInTheLowValuePoolUsesTheTaxableUse) {
    SetFieldStr(fAssetType, "OA");
    SetFieldStr(fAcquisitionDate, "01/08/2001");
    SetFieldVal(fDepreciatingCost, 900);
    // Stored as the entry field displays it, as the interview saves a percentage.
    SetFieldStr(fTaxableUsePercent, "75.00%");
    Sold("01/09/2005", 300);
    const AssetSummary s = RunSummary(SummaryScreen::Depreciating);
    EXPECT_EQ(s.lossUse.nonTaxableUse, 25);
    EXPECT_EQ(Value(fUnadjustedLoss), 600);
    EXPECT_EQ(Value(fCapitalLoss), 150);
    EXPECT_TRUE(IsZeroMarker(fDiscountGain));
    EXPECT_FALSE(s.other.enabled);
    EXPECT_EQ(s.message1,
              "This gain may qualify for a small business concession. You will be asked about "
              "this later in the interview.");
}

TEST_F(SummaryTest, AnEmptyPaymentsListClearsTheResultsOfAnEarlierPaymentStep) {
    // Bought 01/07/2000 for 1,000 and sold 01/03/2006 for 3,000; a payment entered earlier
    // and removed since left its results, and the payments summary is skipped without one.
    Shares("01/07/2000", "SN");
    AddCost("1", "01/07/2000", "1000");
    Sold("01/03/2006", 3000);
    SetFieldLst(fPayments, {});
    SetFieldStr(fPaymentCostBaseDate, "01/03/2005");
    for (int field : {fPaymentNonIndexed, fPaymentIndexed, fPaymentReduced})
        SetFieldVal(field, 100);
    SetFieldVal(fPaymentDiscountGain, 50);
    SetFieldChecked(fPaymentGainThisYear);
    RunSummary();
    EXPECT_EQ(Value(fDiscountCostBase), 1000);
    EXPECT_EQ(Value(fDiscountGain), 2000);
    for (int field = fPaymentCostBaseDate; field <= fPaymentOtherGainPriorYears; ++field)
        EXPECT_TRUE(FieldEmpty(field)) << field;
    EXPECT_TRUE(FieldNotChecked(fPaymentGainThisYear));
}

TEST_F(SummaryTest, PaddedTypeCodesAreReadTrimmed) {
    // A personal use asset as the interview stores its type, "P ": its non-capital costs of
    // ownership stay out of its cost base, as they do for a collectable.
    Shares("01/10/1999", "P ");
    AddCost("1", "01/10/1999", "10000");
    AddCost("3A", "01/01/2002", "500.50");
    Sold("01/11/2005", 12000);
    RunSummary();
    EXPECT_EQ(Value(fTotalNonIndexed), 10000);
    EXPECT_EQ(Value(fDiscountCostBase), 10000);
    EXPECT_EQ(Value(fDiscountGain), 2000);
    SetFieldStr(fAssetType, "A ");
    RunSummary();
    EXPECT_EQ(Value(fTotalNonIndexed), 10000);
    SetFieldStr(fAssetType, "ON ");
    RunSummary();
    EXPECT_EQ(Value(fTotalNonIndexed), 10500.5L);
    EXPECT_EQ(Value(fDiscountCostBase), 10500);  // 10,500.50 to the even dollar
    // A loss on a padded personal use asset is disregarded.
    SetFieldStr(fAssetType, "P ");
    Sold("01/11/2005", 4000);
    RunSummary();
    EXPECT_TRUE(IsZeroMarker(fCapitalLoss));
}

TEST_F(SummaryTest, TypedZerosAddNoFractionToTheFigures) {
    // A part disposal of a typed 0% is no part disposal.
    Shares("01/10/1999");
    AddCost("1", "01/10/1999", "9000");
    Sold("01/11/2005", 8000);
    SetFieldVal(fPercentDisposed, ZeroMarker);
    EXPECT_FALSE(RunSummary().partialDisposal);
    EXPECT_EQ(Value(fDiscountCostBase), 9000);
    EXPECT_EQ(Value(fCapitalLoss), 1000);
}

TEST_F(SummaryTest, DepreciatingAssetWithTypedZerosInItsUse) {
    SetFieldStr(fAssetType, "ON");
    SetFieldStr(fAcquisitionDate, "01/08/2001");
    SetFieldVal(fDepreciatingCost, 1000000);
    Sold("01/09/2005", 100000);
    // No taxable use typed as 0%: the whole loss is the non-taxable use's.
    SetFieldVal(fTaxableUsePercent, ZeroMarker);
    RunSummary(SummaryScreen::Depreciating);
    EXPECT_EQ(Value(fCapitalLoss), 900000);
    // A total decline typed as 0 is nothing to divide by: the use is taken as not taxable.
    ClearField(fTaxableUsePercent);
    SetFieldVal(fSumOfReductions, 200);
    SetFieldVal(fTotalDecline, ZeroMarker);
    const AssetSummary s = RunSummary(SummaryScreen::Depreciating);
    EXPECT_EQ(s.lossUse.nonTaxableUse, 100);
    EXPECT_EQ(Value(fCapitalLoss), 900000);
}
