// The concession elections screen: a refused election keeps the screen with the cursor on
// it and stores nothing; accepted elections are stored with their asset and their totals on the
// schedule; elections typed with the keyboard come back after a visit to the choice table, and the
// command-line tool stores the same totals for the same answers.

#include "../interview/interview_fixture.h"
#include "asset_path_test_support.h"
#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_columns.h"
#include "calc/concession_elections.h"
#include "calc/election_places.h"
#include "calc_tool_support.h"
#include "controls/txgrid.h"
#include "module/build_text_variables.h"
#include "screens/tqcgt_64.h"
#include "store/data_file.h"
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
    // Refused, so neither the election nor the totals are stored.
    GetWorksheetItem(454, 1);
    EXPECT_EQ(GetFieldLst(719), nullptr);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1117), 0);
    EXPECT_EQ(GetFieldVal(1126), 0);                            // no totals worked out
    EXPECT_EQ(Grid()->Model().Cell(ceReduction, 1), "500.01");  // what was typed stays

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

namespace {

constexpr const char* Tfn = "123 456 782";

}  // namespace

// A shop sold at a discount gain of 2,000, a farm whose gain of 4,000 the 15-year exemption
// disregards, and a manual goodwill gain of 600: two rows to elect on, the shop first.
class ConcessionWalk : public AssetPathTest {
protected:
    void SetUp() override {
        AssetPathTest::SetUp();
        BuildTextVariables();
        State().IdentifierText = Tfn;
        SetFieldStr(1, Tfn);
        AddSoldAsset(454, "Shop", "RA", "15/08/2000", "1000", 3000);
        AddSoldAsset(454, "Farm", "RA", "15/08/2000", "5000", 9000);
        GetWorksheetItem(454, 2);
        SetFieldChecked(fFifteenYearExemption);
        PutWorksheetItem(454, 2);
        ZeroScratchFields();
        TextList manual(ManualTableColumns);
        manual[1] = "Goodwill";
        manual[2] = "G ";
        manual[4] = "600";
        SetFieldLst(fManualTable, manual);
    }
    TXGrid* Grid() const { return Control<TXGrid>("XGrid1"); }
    std::pair<int, int> Cursor() const { return {Grid()->Col(), Grid()->Row()}; }
    static std::pair<int, int> At(int col, int row) { return {col, row}; }
    void Type(const char* text) { QTest::keyClicks(Focused(), QString::fromLatin1(text)); }
    // From the choice table to the elections, the grid entered as Tab enters it.
    void ToElections() {
        Start(2103);
        Next();
        ASSERT_EQ(Shown(), 2104);
        ASSERT_EQ(Grid()->Model().Cell(ceDescription, 1), "Shop - Disposal");
        ASSERT_EQ(Grid()->Model().Cell(ceDescription, 2), "Goodwill");
        Grid()->setFocus(Qt::TabFocusReason);
        Settle();
    }
    // SBAAR 500 on the shop; SBAAR 150 and SBRO 20 on the goodwill.
    void TypeElections() {
        Type("500");
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        Type("150");
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        Type("20");
    }
    TempDir dir;
};

TEST_F(ConcessionWalk, TheCursorEntersOnTheFirstGainAndMovesOnlyOverTheElections) {
    ToElections();
    // The first gain's SBAAR: not the second row, not a gain column.
    EXPECT_EQ(Cursor(), At(ceReduction, 1));
    Type("500");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Cursor(), At(ceRetirement, 1));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Cursor(), At(ceRollOver, 1));
    Key(Qt::Key_Tab);  // past the hidden columns and the fixed gains to the next row
    EXPECT_EQ(Cursor(), At(ceReduction, 2));
    Type("150");
    Key(Qt::Key_Return);  // Enter neither moves nor leaves the screen
    EXPECT_EQ(Cursor(), At(ceReduction, 2));
    EXPECT_EQ(Shown(), 2104);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(Cursor(), At(ceRollOver, 2));
    Type("20");
    Key(Qt::Key_Up);
    EXPECT_EQ(Cursor(), At(ceRollOver, 1));
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Left);  // the gains are fixed: the cursor stays on the elections
    EXPECT_EQ(Cursor(), At(ceReduction, 1));
    EXPECT_EQ(Grid()->Model().Cell(ceReduction, 1), "500.00");
    EXPECT_EQ(Grid()->Model().Cell(ceReduction, 2), "150.00");
    EXPECT_EQ(Grid()->Model().Cell(ceRollOver, 2), "20.00");

    // The rows are the choice table's: the end of the table adds none.
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(Cursor(), At(ceReduction, 2));
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->RowCount(), 3);
    EXPECT_FALSE(Grid()->isAncestorOf(Focused()) || Focused() == Grid());

    // A refused first row keeps the cursor on that row.
    Grid()->Model().SetCell(ceReduction, 1, "500.01");
    Next();
    EXPECT_EQ(responder->LastText(),
              "Check amount. SBAA concession cannot be greater than 50% of net capital gain.");
    Settle();
    EXPECT_EQ(Cursor(), At(ceReduction, 1));
}

TEST_F(ConcessionWalk, ElectionsComeBackAfterTheChoiceTableAndTheToolStoresTheSameTotals) {
    ToElections();
    TypeElections();
    Next();
    ASSERT_EQ(Shown(), 2105);
    const TextList& manual = *GetFieldLst(fManualTable);
    EXPECT_EQ(manual[ManualElectionsColumn], "150.00");
    EXPECT_EQ(manual[ManualElectionsColumn + 2], "20.00");

    // Back to the choice table, which rebuilds the elections table, and on again.
    Prev();
    Prev();
    ASSERT_EQ(Shown(), 2103);
    Next();
    ASSERT_EQ(Shown(), 2104);
    EXPECT_EQ(Grid()->Model().Cell(ceReduction, 1), "500.00");
    EXPECT_EQ(Grid()->Model().Cell(ceReduction, 2), "150.00");
    EXPECT_EQ(Grid()->Model().Cell(ceRetirement, 2), "");
    EXPECT_EQ(Grid()->Model().Cell(ceRollOver, 2), "20.00");
    Next();
    Next();
    ASSERT_EQ(Shown(), 2106);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1117), 650);
    EXPECT_EQ(GetFieldVal(1131), 630);
    EXPECT_EQ(GetFieldVal(1134), 4000);
    EXPECT_EQ(GetFieldStr(1135), "R");

    // The saved answers taken through the tool give the same schedule lines.
    const std::string saved = dir.File("SAVED.TAX");
    ASSERT_EQ(SaveDataFile(saved), 0);
    const nlohmann::json tool = CalcToolJson(dir, saved, Tfn, "--dry-run");
    const nlohmann::json schedule = CalcByNumber(tool["schedule"]);
    GetWorksheetItem(ScheduleWorksheet, 1);
    for (int field = 1116; field <= 1135; ++field) {
        SCOPED_TRACE(field);
        const nlohmann::json value = schedule.value(std::to_string(field), nlohmann::json());
        if (field == 1135)
            EXPECT_EQ(value, nlohmann::json(GetFieldStr(field)));
        else
            EXPECT_NEAR(static_cast<double>(GetFieldVal(field, true)),
                        value.is_number() ? value.get<double>() : 0.0, 0.00001);
    }
    EXPECT_NEAR(static_cast<double>(GetFieldVal(1578, true)),
                CalcAmount(tool["returnLabels"]["module"]["netCapitalGain"]), 0.00001);
}
