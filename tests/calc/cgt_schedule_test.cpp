// The CGT schedule built from the choice table on Next, and the return labels.

#include <gtest/gtest.h>

#include "calc/cgt_schedule.h"
#include "calc/return_labels.h"
#include "choice_fixture.h"

namespace {

class ScheduleTest : public ChoiceTest {
protected:
    // Leaves the table as Next does and loads the schedule record for reading.
    void Commit() {
        CommitChoiceTable(table);
        GetWorksheetItem(ScheduleWorksheet, 1);
    }
    static long double V(int field) { return GetFieldVal(field); }
};

TEST_F(ScheduleTest, DiscountGainIsHalvedAfterLosses) {
    AddDisposal(451, {"BHP", "SN", 0, 20000});
    Open();
    Commit();
    EXPECT_EQ(GetFieldStr(ItemNameField), "Capital gains tax (CGT) schedule 2001");
    EXPECT_EQ(V(712), 20000);
    EXPECT_EQ(V(733), 20000);
    EXPECT_EQ(V(1106), 20000);
    EXPECT_EQ(V(1114), 10000);
    EXPECT_EQ(V(1112), 20000);
    EXPECT_EQ(V(1126), 10000);
    EXPECT_EQ(V(1129), 10000);
    EXPECT_EQ(V(1131), 10000);
    EXPECT_EQ(V(fModuleNetGain), 10000);
    EXPECT_EQ(V(fModuleTotalGains), 20000);
    EXPECT_EQ(V(fNetGainLabel), 10000);
    EXPECT_EQ(V(fTotalGainsLabel), 20000);
    EXPECT_TRUE(FieldChecked(fCgtEventYes));
}

TEST_F(ScheduleTest, OtherLossesAreSplitIntoThisYearsAndPriorYears) {
    SetFieldVal(fPriorOtherLosses, 3000);
    AddDisposal(451, {"BHP", "SN", 0, 20000});
    AddDisposal(451, {"Telstra", "SN", 0, 0, 0, 1000});
    Open();
    MakeAllChoices(table);
    Commit();
    EXPECT_EQ(V(735), 1000);
    EXPECT_EQ(V(738), 1000);
    EXPECT_EQ(V(740), 1000);
    EXPECT_EQ(V(744), 3000);
    EXPECT_EQ(V(742), 1000);
    EXPECT_EQ(V(746), 3000);
    EXPECT_EQ(V(1102), 4000);
    EXPECT_EQ(V(1104), 4000);
    EXPECT_EQ(V(1106), 16000);
    EXPECT_EQ(V(1114), 8000);
    EXPECT_EQ(V(1131), 8000);
    EXPECT_EQ(V(fLossesCarriedLabel), 0);
}

// This year's losses are counted against the index column first, then the discount column.
TEST_F(ScheduleTest, ThisYearsLossesGoToTheIndexColumnFirst) {
    SetFieldVal(fPriorOtherLosses, 200);
    AddDisposal(451, {"Indexed", "SN", 300});
    AddDisposal(451, {"Discounted", "SN", 0, 400});
    AddDisposal(451, {"Sold at a loss", "SN", 0, 0, 0, 500});
    Open();
    MakeAllChoices(table);
    Commit();
    EXPECT_EQ(V(739), 300);
    EXPECT_EQ(V(740), 200);
    EXPECT_EQ(V(741), 0);
    EXPECT_EQ(V(743), 0);
    EXPECT_EQ(V(744), 200);
    EXPECT_EQ(V(1101), 300);
    EXPECT_EQ(V(1102), 400);
}

TEST_F(ScheduleTest, CollectableGainUsedUpByLossesStillCountsAsAGainOfTheYear) {
    SetFieldVal(fPriorCollectableLosses, 1000);
    AddDisposal(455, {"Coin", "A", 0, 0, 1000});
    Open();
    MakeAllChoices(table);
    Commit();
    EXPECT_EQ(V(722), 0);
    EXPECT_EQ(V(734), 0);
    EXPECT_TRUE(IsZeroMarker(fModuleTotalGains));
    EXPECT_EQ(V(1131), 0);
    EXPECT_EQ(GetFieldVal(fModuleNetGain, true), 0);
    EXPECT_FALSE(IsZeroMarker(fModuleNetGain));
}

TEST_F(ScheduleTest, SmallBusinessReductionsStoredInTheRecordAreTaken) {
    ZeroScratchFields();
    SetFieldVal(fSchedActiveReduction, 2500);
    PutWorksheetItem(ScheduleWorksheet, 1);
    AddDisposal(451, {"Pty", "SA", 5000});
    Open();
    Commit();
    EXPECT_EQ(V(723), 5000);
    EXPECT_EQ(V(1108), 5000);
    EXPECT_EQ(V(1125), 2500);
    EXPECT_EQ(V(1128), 2500);
    EXPECT_EQ(V(fModuleNetGain), 2500);
}

TEST_F(ScheduleTest, DeferredGainAndUnappliedLossesCarriedForward) {
    SetFieldVal(fPriorCollectableLosses, 40);
    AddDisposal(456, {"Rolled over", "ON", 0, 0, 7000, 0, true});
    AddDisposal(456, {"Lost", "ON", 0, 0, 0, 600});
    Open();
    MakeAllChoices(table);
    Commit();
    EXPECT_EQ(V(719), 0);
    EXPECT_EQ(V(737), 600);
    EXPECT_EQ(V(1132), 40);
    EXPECT_EQ(V(1133), 600);
    EXPECT_EQ(V(fLossesCarriedLabel), 640);
    EXPECT_EQ(V(fModuleTotalGains), 0);
}

TEST_F(ScheduleTest, NoRecordsAtAllLeaveTheHostsFigures) {
    SetFieldVal(fHostNetGain, 1234.5L);
    Open();
    Commit();
    EXPECT_FALSE(FieldChecked(fCgtEventYes));
    EXPECT_TRUE(FieldChecked(fCgtEventNo));
    EXPECT_EQ(V(fModuleNetGain), 0);
    EXPECT_EQ(V(fNetGainLabel), 1234.5L);
}

TEST_F(ScheduleTest, ReturnLabelsKeepAnExplicitZero) {
    SetFieldVal(fHostNetGain, ZeroMarker);
    SetFieldChecked(fHostCgtEvent);
    UpdateReturnLabels();
    EXPECT_TRUE(IsZeroMarker(fNetGainLabel));
    EXPECT_TRUE(FieldChecked(fCgtEventYes));
    SetFieldVal(fModuleTotalGains, 500);
    SetNetCapitalGain(0);
    EXPECT_TRUE(IsZeroMarker(fModuleNetGain));
    EXPECT_EQ(V(fTotalGainsLabel), 500);
}

}  // namespace
