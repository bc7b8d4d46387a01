// The concession and 15-year summaries worked out from what is stored, as the command-line
// tool takes a return through: elections kept with every kind of record come back after the
// choice table is saved again and reach the schedule.

#include "calc/concession_summaries.h"

#include "calc/cgt_schedule.h"
#include "calc/concession_elections.h"
#include "calc/election_places.h"
#include "calc/fifteen_year_table.h"
#include "calc/return_labels.h"
#include "choice_fixture.h"
#include "grid/grid_model.h"

namespace {

class ConcessionSummaries : public ChoiceTest {
protected:
    // A shop (discount gain 2,000), a trust's active asset gain (discounted 200, so 800
    // before the trust's reductions) and a manual goodwill gain of 600 after a manual
    // collectable, so the goodwill is the second manual record.
    void SetUp() override {
        ChoiceTest::SetUp();
        AddDisposal(454, Disposal("Shop", "RA", 0, 2000));
        Disposal farm("Farm", "RA", 0, 4000);
        farm.fifteenYear = true;
        AddDisposal(454, farm);
        AddTrust({{0, "Fund"}, {8, "200"}});
        AddManual({{1, "Coin"}, {2, "A "}, {7, "50"}});
        AddManual({{1, "Goodwill"}, {2, "G "}, {4, "600"}});
    }
    // The choice table opened and left with Next, as 2103 does.
    static void PassChoiceTable() {
        ChoiceTable table;
        OpenChoiceTable(table);
        ASSERT_FALSE(CheckChoiceTable(table)) << CheckChoiceTable(table).message;
        CommitChoiceTable(table);
    }
    static int RowOf(const TGridModel& grid, const std::string& description) {
        for (int row = 1; row < grid.RowCount(); ++row)
            if (grid.Cell(ceDescription, row) == description) return row;
        return -1;
    }
    static long double Schedule(int field) {
        GetWorksheetItem(ScheduleWorksheet, 1);
        return GetFieldVal(field, true);
    }
};

}  // namespace

TEST_F(ConcessionSummaries, ElectionsOfEveryRecordComeBackAfterTheChoiceTableAndReachTheSchedule) {
    PassChoiceTable();
    TGridModel grid;
    OpenConcessionTable(grid);
    const int shop = RowOf(grid, "Shop - Disposal"), fund = RowOf(grid, "Fund - Trust SBAA/Dis");
    const int goodwill = RowOf(grid, "Goodwill");
    ASSERT_GT(shop, 0);
    ASSERT_GT(fund, 0);
    ASSERT_GT(goodwill, 0);
    EXPECT_EQ(RowOf(grid, "Farm - Disposal"), -1);  // disregarded by the 15-year exemption
    grid.SetCell(ceReduction, shop, "500.00");
    grid.SetCell(ceRetirement, fund, "100.00");
    grid.SetCell(ceReduction, goodwill, "150.00");
    grid.SetCell(ceRollOver, goodwill, "20.00");
    StoreElections(grid);
    const TextList& manual = *GetFieldLst(fManualTable);
    EXPECT_EQ(manual[21 + ManualElectionsColumn], "150.00");
    EXPECT_EQ(manual[21 + ManualElectionsColumn + 2], "20.00");
    EXPECT_EQ(manual[ManualElectionsColumn], "");  // the collectable keeps nothing

    // Back to the choice table and on again: its save keeps every record's elections.
    PassChoiceTable();
    TGridModel again;
    OpenConcessionTable(again);
    EXPECT_FALSE(CheckElections(again));
    EXPECT_EQ(again.Cell(ceReduction, shop), "500.00");
    EXPECT_EQ(again.Cell(ceRetirement, fund), "100.00");
    EXPECT_EQ(again.Cell(ceReduction, goodwill), "150.00");
    EXPECT_EQ(again.Cell(ceRollOver, goodwill), "20.00");

    StoreConcessionSummaries(again);
    EXPECT_EQ(Schedule(1117), 650);  // SBAAR on discount gains: shop and goodwill
    EXPECT_EQ(Schedule(1120), 100);
    EXPECT_EQ(Schedule(1123), 20);
    EXPECT_EQ(Schedule(1116) + Schedule(1118) + Schedule(1119) + Schedule(1121), 0);
    // Discount gains 2,000 + 800 + 600 halved, less the elections; nothing else is a gain.
    EXPECT_EQ(Schedule(1126), 1700 + 650 + 100 + 20);
    EXPECT_EQ(Schedule(1131), 3400 - 1700 - 770 + 50);
    EXPECT_EQ(GetFieldVal(fModuleNetGain, true), Schedule(1131));
    EXPECT_EQ(Schedule(1134), 4000);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldStr(1135), "R");
    ASSERT_NE(GetFieldLst(fFifteenYearRows), nullptr);
    EXPECT_EQ(GetFieldLst(fFifteenYearRows)->size(), 3u);
    EXPECT_EQ(GetFieldLst(fConcessionRows)
                  ->at(static_cast<size_t>(shop - 1) * ConcessionColumns + ceReduction),
              "500.00");
}
