// The scrip for scrip roll-over screen driven with real clicks and keys: the description
// hands the cursor to the market value, the help follows the column, the market value and
// cash must make up the proceeds on Next but not on Prev, what was typed comes back on a
// later visit, and the totals reach the schedule record and the schedule screen.

#include "asset_path_test_support.h"
#include "calc/cgt_schedule.h"
#include "screens/core/scrip_for_scrip_rules.h"
#include "screens/schedule_box.h"
#include "screens/tqcgt_66.h"
#include "screens/tqcgt_67.h"
#include "scrip_exchanges.h"

namespace {

long double ItemValue(int k, int key, int field) {
    GetWorksheetItem(k, key);
    const long double value = GetFieldVal(field);
    ZeroScratchFields();
    return value;
}

}  // namespace

class ScripForScripScreen : public AssetPathTest {
protected:
    void SetUp() override {
        AssetPathTest::SetUp();
        Serve(2105);
        Serve(2107);
    }
    TQCGT_66* Screen() const { return qobject_cast<TQCGT_66*>(frame->CurrentScreen()); }
    TXGrid* Grid() const { return Screen() ? Screen()->Grid() : nullptr; }
    int HelpSection() const { return Screen()->HelpPanel()->currentSection(); }
    QString Cell(int col, int row) const { return Grid()->Cells(col, row).trimmed(); }
    // Types into the current cell and moves on with Tab.
    void TypeCell(const QString& text) {
        QTest::keyClicks(Focused(), text);
        Key(Qt::Key_Tab);
        Settle();
    }
    // Arrives from 2105 as the interview does.
    void Arrive() {
        Start(2105);
        Next();
        ASSERT_EQ(Shown(), 2106);
        ASSERT_NE(Grid(), nullptr);
    }
    static long double ScheduleValue(int field) { return ItemValue(ScheduleWorksheet, 1, field); }
    static bool ScheduleTicked(int field) {
        GetWorksheetItem(ScheduleWorksheet, 1);
        const bool ticked = FieldChecked(field);
        ZeroScratchFields();
        return ticked;
    }
    void AddTwoExchanges() {
        AddExchange({451, "Alpha Mining Ltd", true, "Yes", 6000, 6000, 10000, 10000});
        AddExchange({452, "Delta Property Trust", true, "Yes", 0, 1500, 0, 2500});
    }
};

TEST_F(ScripForScripScreen, TypedEntriesMustMakeUpTheProceedsAndTheirTotalsReachTheSchedule) {
    AddTwoExchanges();
    Arrive();
    EXPECT_EQ(HelpSection(), 3);
    EXPECT_EQ(Grid()->Model().DataRowCount(), 2);
    EXPECT_EQ(Cell(ssDescription, 2), "Delta Property Trust");
    EXPECT_EQ(Cell(ssCostBase, 1), "6000");
    EXPECT_EQ(Cell(ssProceeds, 2), "2500");
    EXPECT_EQ(Cell(ssMarketValue, 1), "0");

    // The description is only shown: a click on it lands on the market value.
    ClickCell(Grid(), ssDescription, 1);
    EXPECT_EQ(Grid()->Col(), ssMarketValue);
    EXPECT_EQ(HelpSection(), 3);
    TypeCell("9000");
    EXPECT_EQ(Grid()->Col(), ssCash);
    EXPECT_EQ(HelpSection(), 4);
    TypeCell("999");
    ClickCell(Grid(), ssCostBase, 2);
    EXPECT_EQ(HelpSection(), 2);
    ClickCell(Grid(), ssMarketValue, 2);
    TypeCell("2000");
    TypeCell("500");

    Next();
    EXPECT_EQ(Shown(), 2106);
    EXPECT_EQ(responder->LastText(), ScripBalanceMessage);
    Settle();
    EXPECT_EQ(Grid()->Col(), ssMarketValue);
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Cell(ssCash, 1), "999");  // the refusal keeps what was typed

    ClickCell(Grid(), ssCash, 1);
    TypeCell("1000");
    responder->Clear();
    Next();
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    EXPECT_EQ(Shown(), 2107);
    EXPECT_EQ(ItemValue(451, 1, fReplacementValue), 9000);
    EXPECT_EQ(ItemValue(451, 1, fOtherConsideration), 1000);
    EXPECT_EQ(ItemValue(452, 1, fReplacementValue), 2000);
    EXPECT_EQ(ItemValue(452, 1, fOtherConsideration), 500);
    EXPECT_TRUE(ScheduleTicked(1136));
    EXPECT_FALSE(ScheduleTicked(1167));
    EXPECT_EQ(ScheduleValue(1137), 7500);
    EXPECT_EQ(ScheduleValue(1138), 11000);
    EXPECT_EQ(ScheduleValue(1139), 1500);

    // A visit back shows the stored answers; Prev from here is not held by the rule.
    Prev();
    ASSERT_EQ(Shown(), 2106);
    EXPECT_EQ(Cell(ssMarketValue, 1), "9000");
    EXPECT_EQ(Cell(ssCash, 1), "1000");
    EXPECT_EQ(Cell(ssMarketValue, 2), "2000");
    EXPECT_EQ(Cell(ssCash, 2), "500");
    ClickCell(Grid(), ssCash, 2);
    TypeCell("1");
    responder->Clear();
    Prev();
    EXPECT_EQ(Shown(), 2105);
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
}

TEST_F(ScripForScripScreen, AKeyboardEntryStartsAtTheMarketValueAndNoRowCanBeAddedOrDeleted) {
    AddTwoExchanges();
    Arrive();
    Grid()->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(Grid()->Col(), ssMarketValue);
    EXPECT_EQ(Grid()->Row(), 1);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(Grid()->Model().DataRowCount(), 2);
    EXPECT_EQ(Cell(ssDescription, 1), "Alpha Mining Ltd");
    Key(Qt::Key_Delete, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(responder->LastText(), "Row deletion not allowed on this grid");
    EXPECT_EQ(Grid()->Model().DataRowCount(), 2);
}

TEST_F(ScripForScripScreen, WithoutAnExchangeNextRecordsNoRollOver) {
    // Not deferred, and a collectable: neither is listed.
    AddExchange({451, "Beta Ltd", true, "No", 500, 500, 900, 900, 123, 0});
    AddExchange({455, "Old Coins", true, "Yes", 500, 500, 900, 900});
    Arrive();
    EXPECT_EQ(Grid()->Model().DataRowCount(), 1);
    EXPECT_EQ(Cell(ssDescription, 1), "");
    ClickCell(Grid(), ssDescription, 1);
    EXPECT_EQ(Grid()->Col(), ssMarketValue);
    Next();
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    EXPECT_EQ(Shown(), 2107);
    EXPECT_TRUE(ScheduleTicked(1167));
    EXPECT_FALSE(ScheduleTicked(1136));
    EXPECT_EQ(ScheduleValue(1137), 0);
    EXPECT_EQ(ScheduleValue(1138), 0);
    EXPECT_EQ(ScheduleValue(1139), 0);
    EXPECT_EQ(ItemValue(451, 1, fReplacementValue), 123);  // not listed: not written
}

// The real screens on either side: 2105's Next reaches this screen, and its Next the
// schedule, whose roll-over box shows what was stored here.
TEST_F(ScripForScripScreen, SitsBetweenTheExemptionListAndTheSchedule) {
    screens.clear();
    AddExchange({451, "Alpha Mining Ltd", true, "Yes", 6000, 6000, 10000, 10000, 9000, 1000});
    Start(2105);
    Next();
    ASSERT_EQ(Shown(), 2106);
    ASSERT_NE(Grid(), nullptr);
    SaveShotIfRequested(main, QStringLiteral("2106"));
    Next();
    ASSERT_EQ(Shown(), 2107);
    auto* schedule = qobject_cast<TQCGT_67*>(frame->CurrentScreen());
    ASSERT_NE(schedule, nullptr);
    EXPECT_TRUE(schedule->ScheduleBox()->RollOverCheck()->isChecked());
    EXPECT_EQ(schedule->ScheduleBox()->Amount(1137)->text(), "6000");
    EXPECT_EQ(schedule->ScheduleBox()->Amount(1138)->text(), "9000");
    EXPECT_EQ(schedule->ScheduleBox()->Amount(1139)->text(), "1000");
}
