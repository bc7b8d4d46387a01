// Amounts that cannot be negative but hold a minus, and events outside the income year: how
// the calculation counts them and how it names them.

#include "calc/item_notices.h"

#include <gtest/gtest.h>

#include "base/dates.h"
#include "base/module_state.h"
#include "calc_fixture.h"
#include "store/worksheet_items.h"

namespace {

class ItemNoticesTest : public CalcTest {
protected:
    // Shares bought 01/10/1999 for 5,000 and sold on `sold` for `proceeds`.
    AssetSummary SharesSold(const std::string& sold, long double proceeds) {
        ZeroScratchFields();
        Shares("01/10/1999", "SN");
        AddCost("1", "01/10/1999", "5000");
        Sold(sold, proceeds);
        return RunSummary();
    }
    void Store(int worksheet, const std::string& name) {
        SetFieldStr(ItemNameField, name);
        PutWorksheetItem(worksheet, WorksheetItemCount(worksheet) + 1);
        ZeroScratchFields();
    }
};

}  // namespace

// Proceeds of -5,000 used to leave 1196 unticked, so the loss reached no table.
TEST_F(ItemNoticesTest, NegativeProceedsCountAsATypedZeroSoTheLossIsKept) {
    const AssetSummary minus = SharesSold("01/11/2005", -5000);
    EXPECT_TRUE(FieldChecked(fProceedsAboveZero));
    EXPECT_TRUE(minus.loss.enabled);
    EXPECT_EQ(Value(fCapitalLoss), 5000);
    EXPECT_EQ(Value(fLossProceeds), 0);
    const AssetSummary zero = SharesSold("01/11/2005", ZeroMarker);
    EXPECT_EQ(zero.loss.result, minus.loss.result);
    EXPECT_EQ(zero.loss.costBase, minus.loss.costBase);
    // Blank proceeds are still no disposal.
    SharesSold("01/11/2005", 0);
    EXPECT_FALSE(FieldChecked(fProceedsAboveZero));
}

TEST_F(ItemNoticesTest, NegativeCostsAndCostBasesCountAsZero) {
    EXPECT_TRUE(CannotBeNegative(fCapitalProceeds));
    EXPECT_FALSE(CannotBeNegative(fCostElements));
    SetFieldVal(fSection2Indexed, -800);
    EXPECT_EQ(NonNegativeAmount(fSection2Indexed), ZeroMarker);
    SetFieldVal(fSection2Indexed, 800.5L);
    EXPECT_EQ(NonNegativeAmount(fSection2Indexed), 800.5L);

    // A depreciating asset of cost -2,000 ended at 300, none of its use taxable: a gain of
    // 300 on a cost of 0.
    SetFieldStr(fAssetType, "ON");
    SetFieldStr(fAcquisitionDate, "01/08/2001");
    SetFieldVal(fDepreciatingCost, -2000);
    SetFieldStr(fTaxableUsePercent, "0.00%");
    Sold("01/09/2005", 300);
    const AssetSummary s = RunSummary(SummaryScreen::Depreciating);
    ASSERT_TRUE(s.other.enabled);
    EXPECT_EQ(Value(fCostShownOther), 0);
    EXPECT_EQ(Value(fUnadjustedOther), 300);
    EXPECT_EQ(Value(fOtherGain), 300);
}

TEST_F(ItemNoticesTest, EventsOutsideTheYearAndNegativeAmountsAreNamedInItemOrder) {
    EXPECT_TRUE(OutsideIncomeYear(EncodeDate(2005, 6, 30)));
    EXPECT_FALSE(OutsideIncomeYear(EncodeDate(2005, 7, 1)));
    EXPECT_FALSE(OutsideIncomeYear(EncodeDate(2006, 6, 30)));
    EXPECT_TRUE(OutsideIncomeYear(EncodeDate(2006, 7, 1)));
    EXPECT_EQ(IncomeYearText(), "1 July 2005 to 30 June 2006");

    SharesSold("30/06/2005", 9000);
    Store(451, "Early Parcel");
    SharesSold("01/07/2005", -1234.56L);
    Store(451, "Minus Parcel");
    SharesSold("01/07/2005", 9000);
    Store(451, "Good Parcel");
    Shares("01/10/1999", "RN");
    Sold("01/07/2006", 1);
    Store(454, "Late Lot");
    State().CurrentWorksheet = 455;

    const std::vector<ItemNotice> notices = CollectItemNotices();
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[0].name, "Early Parcel");
    EXPECT_EQ(notices[0].field, fEventDate);
    EXPECT_EQ(notices[0].text,
              "The CGT event on 30/06/2005 falls outside 1 July 2005 to 30 June 2006; its gain "
              "or loss counts in this year");
    EXPECT_EQ(notices[1].item, 2);
    EXPECT_EQ(notices[1].field, fCapitalProceeds);
    EXPECT_EQ(notices[1].text, "Capital proceeds of -1235 cannot be negative and counts as 0");
    EXPECT_EQ(notices[2].worksheet, 454);
    EXPECT_EQ(notices[2].name, "Late Lot");
    // Read only: the open worksheet is still the current one, the scratch fields are clear.
    EXPECT_EQ(State().CurrentWorksheet, 455);
    EXPECT_TRUE(FieldEmpty(fEventDate));
}
