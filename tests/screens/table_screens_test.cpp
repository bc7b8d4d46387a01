// The trust distributions table and the manual calculation table driven with real keys and
// clicks: rows typed into the grids and stored line by line, the net gain column, the cell
// and leave rules with their messages and cursor, and the hidden columns that the choice
// table writes.

#include "../interview/interview_fixture.h"
#include "calc_tool_support.h"
#include "controls/txgrid.h"
#include "module/build_text_variables.h"
#include "screens/core/manual_table_rules.h"
#include "screens/core/trust_distribution_rules.h"
#include "store/data_file.h"

namespace {
constexpr int TrustField = 1215;
constexpr int ManualField = 1201;

TextList Row(int columns, std::vector<std::pair<int, std::string>> cells) {
    TextList row(columns);
    for (const auto& [col, text] : cells) row[col] = text;
    return row;
}

TextList Join(std::initializer_list<TextList> rows) {
    TextList all;
    for (const TextList& row : rows) all.insert(all.end(), row.begin(), row.end());
    return all;
}
}  // namespace

class TableScreens : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        BuildTextVariables();  // the income year in the introductions
    }

    TXGrid* Grid() const { return frame->CurrentScreen()->findChild<TXGrid*>(); }
    QWidget* Focused() const { return QApplication::focusWidget(); }

    void ClickCell(int col, int row) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {},
                          Grid()->CellRect(col, row).center());
        Settle();
    }
    // Types into the current cell, then presses Tab.
    void TypeCell(const QString& text) {
        if (!text.isEmpty()) QTest::keyClicks(Focused(), text);
        QTest::keyClick(Focused(), Qt::Key_Tab);
        Settle();
    }
    // Opens the cell's list, searches it and accepts; the cursor moves on by one column.
    void PickEntry(const QString& search) {
        QTest::keyClick(Focused(), Qt::Key_Down, Qt::AltModifier);
        QTest::keyClicks(Focused(), search);
        QTest::keyClick(Focused(), Qt::Key_Return);
        Settle();
    }
    void EnterGrid() {
        Grid()->setFocus(Qt::TabFocusReason);
        Settle();
    }
    void Next() {
        Click(frame->BtnNext);
        Settle();
    }
    std::vector<std::string> Lines(int field) const {
        const TextList* list = GetFieldLst(field);
        return list ? *list : TextList{};
    }
};

TEST_F(TableScreens, ATrustRowTypedWithTheKeyboardIsSummedAndStored) {
    Serve(2020);
    Start(2019);
    TXGrid* grid = Grid();
    EXPECT_EQ(grid->font().family(), "Arial Narrow");
    EXPECT_EQ(grid->TitleLines(), 4);
    for (int col = TrustTable::FirstHidden; col < TrustTable::Columns; ++col)
        EXPECT_TRUE(grid->ColumnHidden(col)) << col;
    EnterGrid();
    ASSERT_EQ(grid->Col(), 0);
    TypeCell("Harbour Unit Trust");
    TypeCell("100");
    TypeCell("50");
    EXPECT_EQ(grid->Cells(TrustTable::NetGain, 1), "150");
    ClickCell(3, 2);  // a row with no name and no amounts keeps its sum empty
    EXPECT_EQ(grid->Cells(TrustTable::NetGain, 2), "");
    ClickCell(0, 2);
    TypeCell("Eastgate Property Fund");
    TypeCell("");
    TypeCell("1200");
    TypeCell("35");
    EXPECT_EQ(grid->Cells(TrustTable::NetGain, 2), "1235");
    SaveShotIfRequested(frame, QStringLiteral("2019"));
    Next();
    EXPECT_EQ(Shown(), 2020);
    const std::vector<std::string> lines = Lines(TrustField);
    ASSERT_EQ(lines.size(), 82u);
    EXPECT_EQ(lines[41], "Eastgate Property Fund");
    EXPECT_EQ(lines[41 + 10], "1235");
    EXPECT_EQ(lines[0], "Harbour Unit Trust");
    EXPECT_EQ(lines[1], "100");
    EXPECT_EQ(lines[2], "50");
    EXPECT_EQ(lines[10], "150");
}

TEST_F(TableScreens, TrustRowsNeedANameOnNextAndPrevAlike) {
    Serve(2018);
    Serve(2020);
    Start(2018);
    Next();
    ASSERT_EQ(Shown(), 2019);
    EnterGrid();
    TypeCell("Family Trust");
    TypeCell("10");
    ClickCell(1, 2);  // row 2: no name
    TypeCell("75");
    Next();
    EXPECT_EQ(Shown(), 2019);
    EXPECT_EQ(responder->LastText(), MissingDescriptionMessage);
    EXPECT_EQ(Grid()->Col(), 0);
    EXPECT_EQ(Grid()->Row(), 2);
    Click(frame->BtnPrev);
    Settle();
    EXPECT_EQ(Shown(), 2019);
    EXPECT_EQ(responder->Count(), 2u);
    // The amount still counts without a name, and the sum was stored fresh.
    EXPECT_EQ(Grid()->Cells(TrustTable::NetGain, 2), "75");
}

TEST_F(TableScreens, HiddenLossColumnsOfTheTrustTableSurviveAVisit) {
    Serve(2020);
    TextList row =
        Row(TrustTable::Columns,
            {{0, "Harbour Unit Trust"}, {2, "400"}, {10, "400"}, {20, "100"}, {29, "50"}});
    SetFieldLst(TrustField, row);
    Start(2019);
    Next();
    EXPECT_EQ(Lines(TrustField), row);
}

TEST_F(TableScreens, TwoManualRowsTypedWithTheKeyboardAreStoredLineByLine) {
    Serve(2102);
    Start(2101);
    TXGrid* grid = Grid();
    for (int col : {0, 5, 6, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
        EXPECT_TRUE(grid->ColumnHidden(col)) << col;
    for (int col : {1, 2, 3, 4, 7, 8, 9, 10}) EXPECT_FALSE(grid->ColumnHidden(col)) << col;
    EnterGrid();
    ASSERT_EQ(grid->Col(), 1);
    TypeCell("Conservation Covenant");
    TypeCell("ON");
    TypeCell("");
    TypeCell("");
    TypeCell("5000");
    TypeCell("");
    TypeCell("No");
    TypeCell("");
    ASSERT_EQ(grid->Row(), 2);
    ASSERT_EQ(grid->Col(), 1);
    TypeCell("Shares In Abc");
    TypeCell("SN");
    TypeCell("150");
    TypeCell("200");
    EXPECT_EQ(grid->Cells(0, 1), "Other assets");
    SaveShotIfRequested(frame, QStringLiteral("2101"));
    Next();
    EXPECT_EQ(Shown(), 2102);
    EXPECT_EQ(responder->Count(), 0u);
    const std::vector<std::string> lines = Lines(ManualField);
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(
        Row(21,
            {{0, "Other assets"}, {1, "Conservation Covenant"}, {2, "ON"}, {7, "5000"}, {9, "No"}}),
        TextList(lines.begin(), lines.begin() + 21));
    EXPECT_EQ(lines[21 + 1], "Shares In Abc");
    EXPECT_EQ(lines[21 + 2], "SN");
    EXPECT_EQ(lines[21 + 3], "150");
    EXPECT_EQ(lines[21 + 4], "200");
}

TEST_F(TableScreens, LeavingAManualCellShowsEachRuleWithItsCursor) {
    Start(2101);
    TXGrid* grid = Grid();
    EnterGrid();
    TypeCell("Boat");
    PickEntry("P");
    EXPECT_EQ(grid->Cells(2, 1), "P ");
    TypeCell("200");
    TypeCell("150");  // leaving D with I above D
    ASSERT_EQ(responder->Count(), 1u);
    EXPECT_EQ(responder->LastText(),
              "Discount Amount must be greater than or equal to Indexed Amount.");
    EXPECT_EQ(responder->Requests().back().icon, MessageIcon::Stop);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Cells(3, 1), "");
    EXPECT_EQ(grid->Cells(4, 1), "");

    grid->FocusCell(ManualTable::Loss, 1);
    TypeCell("10");
    EXPECT_EQ(responder->LastText(), "You cannot have a loss if asset type is \"P\".");
    EXPECT_EQ(grid->Col(), ManualTable::Loss);
    EXPECT_EQ(grid->Cells(ManualTable::Loss, 1), "");

    grid->FocusCell(ManualTable::DeferAuto, 1);
    TypeCell("Yes");
    EXPECT_EQ(responder->LastText(),
              "\"Defer auto?\" must be blank unless \"Can gain be defered\" is \"Yes\"");
    EXPECT_EQ(grid->Col(), ManualTable::DeferAuto);
    EXPECT_EQ(grid->Cells(ManualTable::DeferAuto, 1), "");
    EXPECT_EQ(responder->Count(), 3u);
}

TEST_F(TableScreens, DeferAutoFollowsCanDeferWhenTheRowIsClicked) {
    SetFieldLst(ManualField, Row(21, {{1, "Roll-over Land"}, {2, "RN"}, {7, "900"}, {9, "Yes"}}));
    Start(2101);
    ClickCell(ManualTable::Loss, 1);
    EXPECT_EQ(Grid()->Cells(0, 1), "Real estate");
    EXPECT_EQ(Grid()->Cells(ManualTable::DeferAuto, 1), "No");
    Grid()->SetCells(ManualTable::CanDefer, 1, "No");
    ClickCell(ManualTable::OtherGain, 1);
    EXPECT_EQ(Grid()->Cells(ManualTable::DeferAuto, 1), "");
}

TEST_F(TableScreens, EveryManualLeaveMessageRefusesNextWithItsCursor) {
    struct Case {
        TextList row;
        const char* text;
        int col;
    };
    const Case cases[] = {
        {Row(21, {{1, "Shares"}}), "You must select the asset type for each CGT Asset/Event.", 2},
        {Row(21, {{1, "Shares"}, {2, "SN"}, {3, "200"}, {4, "150"}}),
         "Discount amount must be greater than or equal to indexed amount. Please correct.", 1},
        {Row(21, {{1, "Shares"}, {2, "SN"}, {4, "0"}, {7, "10"}}),
         "Check gains entered. Other gain cannot be present if a Discount or Indexed gain has "
         "been entered.",
         7},
        {Row(21, {{1, "Shares"}, {2, "SN"}, {7, "10"}, {8, "4"}}),
         "Check loss entered. Loss cannot be present if a Discount, Indexed or Other gain has "
         "been entered.",
         8},
        {Row(21, {{1, "Boat"}, {2, "P "}, {8, "10"}}),
         "A loss cannot be recorded against an asset of type \"P\". Please correct.", 1},
        {Row(21, {{8, "10"}}), "Each row of data must have an asset description present.", 1},
    };
    Serve(2102);
    const TextList good = Row(21, {{1, "Covenant"}, {2, "ON"}, {7, "40"}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetFieldLst(ManualField, Join({good, c.row}));
        responder->Clear();
        Start(2101);
        Next();
        EXPECT_EQ(Shown(), 2101);
        ASSERT_EQ(responder->Count(), 1u);
        EXPECT_EQ(responder->LastText(), c.text);
        EXPECT_EQ(responder->Requests().back().icon, MessageIcon::Information);
        EXPECT_EQ(Grid()->Row(), 2);
        EXPECT_EQ(Grid()->Col(), c.col);
        EXPECT_TRUE(Grid()->isAncestorOf(Focused()) || Focused() == Grid());
        // A fresh start for the next case.
        delete main;
        main = nullptr;
    }
}

TEST_F(TableScreens, AManualRowWithOnlyHiddenCellsIsEmptiedAndTheChoicesOfOthersKept) {
    Serve(2102);
    const TextList kept = Row(21, {{0, "Other assets"},
                                   {1, "Covenant"},
                                   {2, "ON"},
                                   {7, "40"},
                                   {11, "Yes"},
                                   {14, "40"},
                                   {16, "0.00"}});
    SetFieldLst(ManualField, Join({Row(21, {{0, "Shares"}, {12, "300"}, {16, "45.00"}}), kept}));
    Start(2101);
    Next();
    EXPECT_EQ(Shown(), 2102);
    EXPECT_EQ(responder->Count(), 0u);
    EXPECT_EQ(Lines(ManualField), kept);
}

TEST_F(TableScreens, TheInterviewRunsThroughTheManualTableToTheNoticeBeforeTheChoices) {
    Start(2098);
    Click(frame->BtnNo);
    Settle();
    EXPECT_EQ(Shown(), 2101);
    EXPECT_NE(Grid(), nullptr);
    EXPECT_TRUE(frame->NavigatorVisible());
    Next();
    EXPECT_EQ(Shown(), 2102);
    EXPECT_EQ(frame->CurrentScreen()->ScreenClassName(), "TQCGT_57");
}

// "1234.56" and "9000.50" typed used to be stored as 123456 and 900050: in whole-dollar cells
// the point and the cents are refused with a beep, and the net capital gain gets dollars.
TEST_F(TableScreens, CentsTypedIntoWholeDollarCellsAreRefusedAndTheGainGetsDollars) {
    Serve(2020);
    Serve(2102);
    Start(2019);
    EnterGrid();
    TypeCell("Harbour Unit Trust");
    TypeCell("");
    beeps->Reset();
    TypeCell("1234.56");
    EXPECT_EQ(beeps->Count(), 3);
    EXPECT_EQ(Grid()->Cells(2, 1), "1234");
    // After a caret move the digits are dollars again.
    ClickCell(3, 1);
    QTest::keyClicks(Focused(), "7.5");
    QTest::keyClick(Focused(), Qt::Key_Left);
    QTest::keyClick(Focused(), Qt::Key_Right);
    QTest::keyClicks(Focused(), "0");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    Settle();
    EXPECT_EQ(Grid()->Cells(3, 1), "70");
    Next();
    ASSERT_EQ(Shown(), 2020);
    const std::vector<std::string> trust = Lines(TrustField);
    ASSERT_GE(trust.size(), 11u);
    EXPECT_EQ(trust[2], "1234");
    EXPECT_EQ(trust[3], "70");

    Start(2101);
    EnterGrid();
    TypeCell("Option Fee");
    TypeCell("ON");
    TypeCell("");
    TypeCell("");
    TypeCell("9000.50");
    TypeCell("");
    TypeCell("No");
    Next();
    ASSERT_EQ(Shown(), 2102);
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    const std::vector<std::string> manual = Lines(ManualField);
    ASSERT_GE(manual.size(), 10u);
    EXPECT_EQ(manual[7], "9000");

    State().IdentifierText = "123 456 782";
    SetFieldStr(1, "123 456 782");
    TempDir dir;
    const std::string file = dir.File("CENTS.TAX");
    ASSERT_EQ(SaveDataFile(file), 0);
    const nlohmann::json tool = CalcToolJson(dir, file, "123 456 782", "--auto");
    ASSERT_TRUE(tool.is_object());
    // The trust's discounted gain (1,234) and other gain (70) and the option fee (9,000).
    EXPECT_EQ(tool["netCapitalGain"]["value"], 1234 + 70 + 9000);
}
