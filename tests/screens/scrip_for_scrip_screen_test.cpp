// The scrip for scrip roll-over screen driven with real clicks and keys: the description
// hands the cursor to the market value, the help follows the column, the market value and
// cash must make up the proceeds on Next but not on Prev, a refused Next stores nothing,
// what was typed comes back on a later visit, and the totals reach the schedule record, the
// schedule screen and agree with what orvana-tax calc stores.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

#include "asset_path_test_support.h"
#include "calc/asset_summary.h"
#include "calc/calc_inputs.h"
#include "calc/cgt_schedule.h"
#include "calc/worksheet_columns.h"
#include "calc_json_fields.h"
#include "screens/core/scrip_for_scrip_rules.h"
#include "screens/schedule_box.h"
#include "screens/tqcgt_66.h"
#include "screens/tqcgt_67.h"
#include "scrip_exchanges.h"
#include "store/data_file.h"
#include "temp_dir.h"

namespace {

constexpr const char* Tfn = "123 456 782";

// Shares exchanged for shares of another company as the share path stores them, summary
// included; the roll-over answered Yes there and the gain deferred in the choice table.
void AddExchangedShares(const std::string& name, const std::string& cost, long double proceeds) {
    ZeroScratchFields();
    SetFieldStr(fAssetName, name);
    SetFieldStr(fAssetType, "SN");
    SetFieldStr(fAcquisitionDate, "01/02/2002");
    SetFieldLst(fCostElements, {"1", "01/02/2002", "01/02/2002", "Shares", cost, "", "", ""});
    SetFieldStr(fEventDate, "20/12/2005");
    SetFieldVal(fCapitalProceeds, proceeds);
    SetFieldChecked(fItemDeferrable);
    SetFieldChecked(fScripForScrip);
    SetFieldStr(fItemDefer, "Yes");
    TGridModel reg, sheet;
    SetUpAssetRegister(reg);
    SetUpCgtWorksheet(sheet);
    ResetSummaryFields(SummaryScreen::General);
    RefreshSummary(reg, sheet, {SummaryScreen::General, IncomeYearDates(TaxYear)});
    PutWorksheetItem(451, WorksheetItemCount(451) + 1);
    ZeroScratchFields();
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
    EXPECT_EQ(Cell(ssCash, 1), "999");  // the refusal keeps what was typed, and stores nothing
    EXPECT_EQ(ItemValue(451, 1, fOtherConsideration), 0);
    EXPECT_EQ(ItemValue(452, 1, fReplacementValue), 0);
    EXPECT_EQ(ScheduleValue(1138), 0);
    EXPECT_EQ(ScheduleValue(1139), 0);

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

TEST_F(ScripForScripScreen, AKeyboardEntryStartsAtTheMarketValueAndOnlyTheEntriesCanBeChanged) {
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

    // What came from the asset is shown, not typed over.
    for (int col : {ssCostBase, ssProceeds}) {
        ClickCell(Grid(), col, 2);
        ASSERT_EQ(Grid()->Col(), col);
        QTest::keyClicks(Focused(), "7");
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Tab);
        Settle();
    }
    EXPECT_EQ(Cell(ssCostBase, 2), "1500");
    EXPECT_EQ(Cell(ssProceeds, 2), "2500");
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

// What the screen stores and what orvana-tax calc makes of the saved return agree.
TEST_F(ScripForScripScreen, TheToolGivesTheScheduleTheScreenGave) {
    State().IdentifierText = Tfn;
    SetFieldStr(1, Tfn);
    AddExchangedShares("Coastal Bank", "12500", 18950);
    AddExchangedShares("Harbour Mining", "3000", 4000);
    Arrive();
    EXPECT_EQ(Cell(ssCostBase, 1), "12500");
    EXPECT_EQ(Cell(ssProceeds, 2), "4000");
    ClickCell(Grid(), ssMarketValue, 1);
    TypeCell("16500");
    TypeCell("2450");
    ClickCell(Grid(), ssMarketValue, 2);
    TypeCell("4000");
    TypeCell("0");
    Next();
    ASSERT_EQ(Shown(), 2107) << responder->LastText();

    TempDir dir;
    const std::string file = dir.File("SCRIP.TAX"), out = dir.File("calc.json");
    ASSERT_EQ(SaveDataFile(file), 0);
    const std::string command = std::string("'") + ORVANA_TAX + "' calc '" + file + "' --tfn '" +
                                Tfn + "' --auto --json >'" + out + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << command;
    std::ifstream in(out);
    const nlohmann::json schedule = CalcByNumber(nlohmann::json::parse(in)["schedule"]);
    EXPECT_EQ(schedule.value("1136", false), true);
    EXPECT_EQ(schedule.value("1167", false), false);
    for (int field : {1137, 1138, 1139}) {
        SCOPED_TRACE(field);
        EXPECT_EQ(schedule.value(std::to_string(field), -1.0),
                  static_cast<double>(ScheduleValue(field)));
    }
    EXPECT_EQ(ScheduleValue(1137), 15500);
    EXPECT_EQ(ScheduleValue(1138), 20500);
    EXPECT_EQ(ScheduleValue(1139), 2450);
}

// "9000.50" typed used to be stored as 900050: the cents are refused with a beep, so the
// entries still make up the proceeds and the schedule gets the dollars.
TEST_F(ScripForScripScreen, CentsTypedIntoTheEntriesAreRefusedAndTheScheduleGetsDollars) {
    AddExchange({451, "Alpha Mining Ltd", true, "Yes", 6000, 6000, 10000, 10000});
    Arrive();
    ClickCell(Grid(), ssMarketValue, 1);
    beeps->Reset();
    TypeCell("9000.50");
    EXPECT_EQ(beeps->Count(), 3);
    EXPECT_EQ(Cell(ssMarketValue, 1), "9000");
    TypeCell("-1000.99");
    EXPECT_EQ(Cell(ssCash, 1), "1000");
    Next();
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    ASSERT_EQ(Shown(), 2107);
    EXPECT_EQ(ItemValue(451, 1, fReplacementValue), 9000);
    EXPECT_EQ(ItemValue(451, 1, fOtherConsideration), 1000);
    EXPECT_EQ(ScheduleValue(1138), 9000);
    EXPECT_EQ(ScheduleValue(1139), 1000);
}
