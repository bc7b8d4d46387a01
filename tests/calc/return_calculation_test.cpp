// Whole returns recalculated as the command-line tool recalculates them: what the item
// summaries leave reaches the choice table, the schedule and the return labels.

#include "calc/return_calculation.h"

#include <gtest/gtest.h>

#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "calc/return_labels.h"
#include "item_answers.h"
#include "store/worksheet_items.h"
#include "store_fixture.h"

namespace {

constexpr int fReceiptProceeds = 1136, fReceiptCosts = 1137;

class ReturnCalculationTest : public StoreTest {
protected:
    // The answers typed into the scratch fields become the worksheet's next item.
    template <typename Answers>
    static void AddItem(int worksheet, Answers answers) {
        ZeroScratchFields();
        answers();
        PutWorksheetItem(worksheet, WorksheetItemCount(worksheet) + 1);
    }
    void Recalculate() {
        const CalculationRefusal refusal = RecalculateReturn(table, true);
        ASSERT_FALSE(refusal) << refusal.message;
    }
    static long double ItemValue(int worksheet, int item, int field) {
        GetWorksheetItem(worksheet, item);
        const long double value = GetFieldVal(field);
        ZeroScratchFields();
        return value;
    }
    static long double ScheduleValue(int field) { return ItemValue(ScheduleWorksheet, 1, field); }

    ChoiceTable table;
};

}  // namespace

TEST_F(ReturnCalculationTest, StalePaymentResultsOfAnEmptyListReachNoFigure) {
    AddItem(SharesWorksheet, [] {
        SetFieldStr(fAssetName, "Shares");
        SetFieldStr(fAssetType, "SN");
        SetFieldStr(fAcquisitionDate, "01/07/2000");
        AddCost("1", "01/07/2000", "1000");
        SetFieldStr(fEventDate, "01/03/2006");
        SetFieldVal(fCapitalProceeds, 3000);
        SetFieldLst(fPayments, {});
        // What a payment step of an earlier visit left.
        SetFieldStr(fPaymentCostBaseDate, "01/03/2005");
        for (int field : {fPaymentNonIndexed, fPaymentIndexed, fPaymentReduced})
            SetFieldVal(field, 100);
        SetFieldVal(fPaymentDiscountGain, 50);
        SetFieldChecked(fPaymentGainThisYear);
    });
    Recalculate();
    EXPECT_EQ(ItemValue(SharesWorksheet, 1, fDiscountCostBase), 1000);
    EXPECT_EQ(ItemValue(SharesWorksheet, 1, fDiscountGain), 2000);
    EXPECT_EQ(ItemValue(SharesWorksheet, 1, fPaymentDiscountGain), 0);
    EXPECT_EQ(ScheduleValue(fSchedTotalGains + 1), 2000);
    EXPECT_EQ(GetFieldVal(fModuleNetGain), 1000);
}

TEST_F(ReturnCalculationTest, AReceiptOfATypedZeroStoresWholeDollars) {
    AddItem(462, [] {
        SetFieldStr(fAssetName, "Forfeited Deposit");
        SetFieldStr(fAssetType, "ON");
        SetFieldVal(fReceiptProceeds, ZeroMarker);
        SetFieldVal(fReceiptCosts, 29062);
    });
    AddItem(462, [] {
        SetFieldStr(fAssetName, "Compensation");
        SetFieldStr(fAssetType, "ON");
        SetFieldVal(fReceiptProceeds, 30000);
        SetFieldVal(fReceiptCosts, ZeroMarker);
        SetFieldChecked(fProceedsAboveZero);  // as the entry screen ticks it
    });
    Recalculate();
    EXPECT_EQ(ItemValue(462, 1, fCapitalLoss), 29062);
    EXPECT_EQ(ItemValue(462, 2, fOtherGain), 30000);
    EXPECT_EQ(ItemValue(462, 2, fCapitalLoss), 0);
}

TEST_F(ReturnCalculationTest, APaddedPersonalUseTypeKeepsItsCostsOfOwnershipOut) {
    AddItem(455, [] {
        SetFieldStr(fAssetName, "Boat");
        SetFieldStr(fAssetType, "P ");
        SetFieldStr(fAcquisitionDate, "01/10/1999");
        AddCost("1", "01/10/1999", "10000");
        AddCost("3A", "01/01/2002", "500.50");
        SetFieldStr(fEventDate, "01/11/2005");
        SetFieldVal(fCapitalProceeds, 12000);
    });
    Recalculate();
    EXPECT_EQ(ItemValue(455, 1, fTotalNonIndexed), 10000);
    // The gain goes to the schedule's other non-active assets, discount column.
    EXPECT_EQ(ScheduleValue(fSchedNonActiveOther + 1), 2000);
    EXPECT_EQ(GetFieldVal(fModuleNetGain), 1000);
}
