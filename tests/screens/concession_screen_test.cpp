// The concession elections screen: a refused election keeps the screen with the cursor on
// it; accepted elections are stored with their asset and their totals on the schedule.

#include "../interview/interview_fixture.h"
#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "calc/concession_elections.h"
#include "calc/election_places.h"
#include "controls/txgrid.h"
#include "screens/tqcgt_64.h"
#include "store/worksheet_items.h"

class ConcessionScreen : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        ZeroScratchFields();
        SetFieldStr(fAssetName, "Shop");
        SetFieldStr(fAssetType, "RA");
        PutWorksheetItem(454, 1);
        ZeroScratchFields();
        SetFieldStr(ItemNameField, ScheduleName);
        SetFieldVal(1112, 1000);
        SetFieldVal(1115, 500);
        PutWorksheetItem(ScheduleWorksheet, 1);
        ZeroScratchFields();
        SetFieldLst(801, {"Shop - Disposal", "", "1000.00", "", "", "", "", "454", "1"});
    }
    TXGrid* Grid() const {
        auto* screen = qobject_cast<TQCGT_64*>(frame->CurrentScreen());
        return screen ? screen->Grid() : nullptr;
    }
};

TEST_F(ConcessionScreen, HalfTheGainIsTheLimitAndAcceptedElectionsReachTheSchedule) {
    Serve(2105);
    Start(2104);
    ASSERT_NE(Grid(), nullptr);
    EXPECT_EQ(Grid()->Model().Cell(ceDescription, 1), "Shop - Disposal");
    EXPECT_EQ(Grid()->Model().FixedCols(), 4);

    Grid()->Model().SetCell(ceReduction, 1, "500.01");
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(responder->LastText(),
              "Check amount. SBAA concession cannot be greater than 50% of net capital gain.");
    EXPECT_EQ(Shown(), 2104);
    Settle();
    EXPECT_EQ(Grid()->Col(), ceReduction);

    Grid()->Model().SetCell(ceReduction, 1, "500");
    responder->Clear();
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    EXPECT_EQ(Shown(), 2105);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1117), 500);
    EXPECT_EQ(GetFieldVal(1126), 1000);
    EXPECT_EQ(GetFieldVal(1129), 0);
    GetWorksheetItem(454, 1);
    ASSERT_NE(GetFieldLst(719), nullptr);
    EXPECT_EQ((*GetFieldLst(719))[1], "500.00");  // as the grid shows it
}
