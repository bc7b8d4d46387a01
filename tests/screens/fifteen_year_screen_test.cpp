// The 15-year exemption screen: listed afresh on every show, its total and code stored by
// Next on the schedule.

#include "../interview/interview_fixture.h"
#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "controls/txgrid.h"
#include "screens/tqcgt_65.h"
#include "store/worksheet_items.h"

namespace {

void AddExempt(int worksheet, const std::string& name, const std::string& type, long double gain) {
    ZeroScratchFields();
    SetFieldStr(fAssetName, name);
    SetFieldStr(fAssetType, type);
    SetFieldChecked(fFifteenYearExemption);
    SetFieldVal(fDiscountGain, gain);
    PutWorksheetItem(worksheet, WorksheetItemCount(worksheet) + 1);
    ZeroScratchFields();
}

}  // namespace

class FifteenYearScreen : public InterviewTest {
protected:
    TXGrid* Grid() const {
        auto* screen = qobject_cast<TQCGT_65*>(frame->CurrentScreen());
        return screen ? screen->Grid() : nullptr;
    }
};

TEST_F(FifteenYearScreen, ListsTheExemptGainsAgainOnEveryShowAndNextStoresTheirTotal) {
    AddExempt(451, "Shares", "SA", 300);
    AddExempt(454, "Land", "RA", 200);
    Serve(2106);
    Start(2105);
    ASSERT_NE(Grid(), nullptr);
    EXPECT_EQ(Grid()->Model().Cell(0, 1), "Land");
    EXPECT_EQ(Grid()->Model().Cell(0, 2), "Shares");
    EXPECT_EQ(Grid()->Model().Cell(1, 1), "R");
    EXPECT_EQ(Grid()->Model().Cell(2, 1), "       200");

    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    EXPECT_EQ(Shown(), 2106);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1134), 500);
    EXPECT_EQ(GetFieldStr(1135), "R");

    // A gain added since is listed when the screen is shown again.
    AddExempt(456, "Brand", "G", 50);
    Click(frame->BtnPrev);
    Settle();
    ASSERT_EQ(Shown(), 2105);
    EXPECT_EQ(Grid()->Model().Cell(0, 1), "Brand");
    EXPECT_EQ(Grid()->Model().DataRowCount(), 3);
}
