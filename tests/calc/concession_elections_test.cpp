// The concession elections: each within half of its gain, the three within the whole gain,
// and the totals they give the CGT schedule.

#include "calc/concession_elections.h"
#include "calc/election_places.h"

#include <array>

#include "calc/cgt_schedule.h"
#include "calc/return_labels.h"
#include "grid/grid_model.h"
#include "store/worksheet_items.h"
#include "store_fixture.h"

namespace {

// Rows of description, indexed, discount, other, SBAAR, SBRE, SBRO.
TGridModel Table(std::initializer_list<std::array<const char*, 7>> rows) {
    TGridModel grid;
    grid.SetColCount(ConcessionColumns);
    grid.SetRowCount(static_cast<int>(rows.size()) + 1);
    int row = 1;
    for (const auto& cells : rows) {
        for (int col = 0; col < 7; ++col) grid.SetCell(col, row, cells[static_cast<size_t>(col)]);
        ++row;
    }
    return grid;
}

}  // namespace

TEST(ConcessionElections, EachElectionMayTakeHalfTheGainAndNoMore) {
    EXPECT_FALSE(CheckElections(Table({{"Shop", "", "1000", "", "500", "", ""}})));
    const ElectionProblem sbaa =
        CheckElections(Table({{"Shop", "", "1000", "", "500.01", "", ""}}));
    EXPECT_EQ(sbaa.message,
              "Check amount. SBAA concession cannot be greater than 50% of net capital gain.");
    EXPECT_EQ(sbaa.col, ceReduction);
    const ElectionProblem sbre = CheckElections(
        Table({{"Shop", "", "1000", "", "", "501", ""}, {"", "", "", "", "", "", ""}}));
    EXPECT_EQ(sbre.message,
              "Check amount. SBRE concession cannot be greater than 50% of net capital gain.");
    EXPECT_EQ(sbre.col, ceRetirement);
    const ElectionProblem sbro = CheckElections(
        Table({{"Farm", "2000", "", "", "", "", ""}, {"Shop", " ", "", "100", "", "", "60"}}));
    EXPECT_EQ(sbro.row, 2);  // the first gain cell with text counts; a blank one does not
    EXPECT_EQ(sbro.col, ceRollOver);
}

TEST(ConcessionElections, TheThreeTogetherMayTakeTheWholeGain) {
    EXPECT_FALSE(CheckElections(Table({{"Shop", "", "1000", "", "500", "500", "0"}})));
    const ElectionProblem total =
        CheckElections(Table({{"Shop", "", "1000", "", "500", "500", "1"}}));
    EXPECT_EQ(total.message,
              "Check amounts. Total concession cannot be greater than 50% of net capital gain.");
    EXPECT_EQ(total.col, ceReduction);
}

TEST(ConcessionElections, ARowWithoutAGainTakesNoElectionAndRowsWithoutNameAreSkipped) {
    EXPECT_TRUE(CheckElections(Table({{"Shop", "", "", "", "1", "", ""}})));
    EXPECT_FALSE(CheckElections(Table({{"", "", "", "", "1", "", ""}})));
}

class ConcessionTotals : public StoreTest {};

TEST_F(ConcessionTotals, SumsByMethodRoundedHalvesToEvenAndTheNetGainLines) {
    ZeroScratchFields();
    SetFieldStr(ItemNameField, ScheduleName);
    SetFieldVal(1111, 3000);
    SetFieldVal(1112, 8000);
    SetFieldVal(1113, 500);
    SetFieldVal(1114, 1000);
    SetFieldVal(1115, 2000);
    PutWorksheetItem(ScheduleWorksheet, 1);

    StoreConcessionTotals(Table({{"Farm", "3000", "", "", "100.5", "", ""},
                                 {"Shop", "", "4000", "", "1000", "2.5", "500"},
                                 {"Shed", "", "", "500", "", "", "250"},
                                 {"", "", "9", "", "99", "", ""}}));
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1116), 100);  // 100.5 to the even 100
    EXPECT_EQ(GetFieldVal(1117), 1000);
    EXPECT_EQ(GetFieldVal(1118), 0);
    EXPECT_EQ(GetFieldVal(1120), 2);  // 2.5 to the even 2
    EXPECT_EQ(GetFieldVal(1123), 500);
    EXPECT_EQ(GetFieldVal(1124), 250);
    EXPECT_EQ(GetFieldVal(1125), 100);
    EXPECT_EQ(GetFieldVal(1126), 1000 + 2000 + 1000 + 2 + 500);
    EXPECT_EQ(GetFieldVal(1127), 250);
    EXPECT_EQ(GetFieldVal(1128), 2900);
    EXPECT_EQ(GetFieldVal(1129), 8000 - 4502);
    EXPECT_EQ(GetFieldVal(1130), 250);
    EXPECT_EQ(GetFieldVal(1131), 2900 + 3498 + 250);
    EXPECT_EQ(GetFieldVal(fModuleNetGain), 2900 + 3498 + 250);
}

namespace {

// The rows the choice table makes: asset item 1 of 454, trust record 1 (the second, its
// active discounted gain), manual record 1 (the second); elections in columns 4 to 6.
TGridModel Sources(bool withElections) {
    TGridModel grid = Table({{"Shop", "", "1000", "", "", "", ""},
                             {"Fund", "", "800", "", "", "", ""},
                             {"Manual", "", "600", "", "", "", ""}});
    const char* const sources[3][3] = {{"454", "1", "C"}, {"1215", "1", "A6"}, {"1201", "1", "C"}};
    for (int row = 1; row <= 3; ++row) {
        grid.SetCell(ceWorksheet, row, sources[row - 1][0]);
        grid.SetCell(ceNumber, row, sources[row - 1][1]);
        grid.SetCell(cePart, row, sources[row - 1][2]);
        if (!withElections) continue;
        grid.SetCell(ceReduction, row, std::to_string(100 * row));
        grid.SetCell(ceRollOver, row, std::to_string(10 * row));
    }
    return grid;
}

}  // namespace

TEST_F(ConcessionTotals, ElectionsSurviveARebuiltTableEachKeptWithItsOwnRecord) {
    ZeroScratchFields();
    SetFieldStr(ItemNameField, "Shop");
    PutWorksheetItem(454, 1);
    TextList trusts(2 * 41);
    trusts[0] = "First Trust";
    trusts[41] = "Fund";
    trusts[41 + 2] = "800";
    SetFieldLst(1215, trusts);
    TextList manual(2 * 21, "m");
    SetFieldLst(1201, manual);

    StoreElections(Sources(true));
    GetWorksheetItem(454, 1);
    ASSERT_NE(GetFieldLst(719), nullptr);
    EXPECT_EQ(*GetFieldLst(719), (TextList{"SBAA concessions", "100", "", "10"}));
    const TextList& stored = *GetFieldLst(1215);
    EXPECT_EQ(stored[41 + 39], "200;;20");  // the column of its discounted active gain
    EXPECT_EQ(stored[41 + 38], "");
    EXPECT_EQ(stored[41 + 40], "");
    EXPECT_EQ(stored[39], "");  // the first trust keeps its own columns
    EXPECT_EQ(stored[41 + 2], "800");
    // The second manual record holds its elections in columns 16 to 18, and nothing else
    // of either record changed.
    manual[21 + 16] = "300";
    manual[21 + 17] = "";
    manual[21 + 18] = "30";
    EXPECT_EQ(*GetFieldLst(1201), manual);
    // Neither table's number is read as a worksheet: nothing lands in another field.
    EXPECT_EQ(GetFieldLst(1215 + 751), nullptr);
    EXPECT_EQ(GetFieldLst(1201 + 751), nullptr);

    TGridModel rebuilt = Sources(false);
    RestoreElections(rebuilt);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(rebuilt.Cell(ceReduction, row), std::to_string(100 * row)) << row;
        EXPECT_EQ(rebuilt.Cell(ceRetirement, row), "") << row;
        EXPECT_EQ(rebuilt.Cell(ceRollOver, row), std::to_string(10 * row)) << row;
    }
}

TEST_F(ConcessionTotals, RowsNamingNoStoredRecordAreLeftAlone) {
    TGridModel grid =
        Table({{"Ghost", "", "100", "", "10", "", ""}, {"Far", "", "100", "", "10", "", ""}});
    grid.SetCell(ceWorksheet, 1, "1215");
    grid.SetCell(ceNumber, 1, "5");  // no such trust record
    grid.SetCell(ceWorksheet, 2, "454");
    grid.SetCell(ceNumber, 2, "3");  // no such item
    grid.AddRow();
    for (int col : {ceDescription, ceDiscount, ceReduction}) grid.SetCell(col, 3, "1");
    grid.SetCell(ceWorksheet, 3, "1201");
    grid.SetCell(ceNumber, 3, "1");  // the manual table holds one record only
    const TextList manual(21, "m");
    SetFieldLst(1201, manual);
    StoreElections(grid);
    EXPECT_EQ(GetFieldLst(1215), nullptr);
    EXPECT_EQ(WorksheetItemCount(454), 0);
    EXPECT_EQ(*GetFieldLst(1201), manual);
}
