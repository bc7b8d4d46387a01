// The concession elections: each within half of its gain, the three within the whole gain,
// and the totals they give the CGT schedule.

#include "screens/core/concession_elections.h"

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
