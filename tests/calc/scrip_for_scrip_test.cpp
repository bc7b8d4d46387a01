// The scrip for scrip table built from the share and trust interest items, and the roll-over
// figures it gives the schedule record.

#include "calc/scrip_for_scrip.h"

#include "scrip_table_test.h"

namespace {

long double Schedule(int field) { return ItemValue(ScheduleWorksheet, 1, field); }

class ScripForScripTable : public ScripTableTest {};

}  // namespace

TEST_F(ScripForScripTable, ListsDeferredScripExchangesOfSharesAndTrustInterestsOnly) {
    AddExchange({451, "Alpha Ltd", true, " Yes ", 6000, 6000, 10000, 10000, 9000, 1000});
    AddExchange({451, "Beta Ltd", true, "No", 500, 500, 900, 900});     // not deferred
    AddExchange({451, "Gamma Ltd", false, "Yes", 500, 500, 900, 900});  // no scrip roll-over
    AddExchange({454, "Land", true, "Yes", 500, 500, 900, 900});        // not a share or trust
    // Discount method not available: the other method's amounts; explicit zero cost base.
    AddExchange({452, "Delta Trust", true, "Yes", 0.0011L, 0, 0.0011L, 2500.6L});
    grid.SetRowCount(4);
    grid.SetCell(ssDescription, 3, "left over");
    FillScripForScripTable(grid);

    ASSERT_EQ(grid.DataRowCount(), 2);
    EXPECT_EQ(grid.Cell(ssDescription, 1), "Alpha Ltd");
    EXPECT_EQ(grid.Cell(ssCostBase, 1), "      6000");
    EXPECT_EQ(grid.Cell(ssMarketValue, 1), "      9000");
    EXPECT_EQ(grid.Cell(ssCash, 1), "      1000");
    EXPECT_EQ(grid.Cell(ssProceeds, 1), "     10000");
    EXPECT_EQ(grid.Cell(ssWorksheet, 1), "451");
    EXPECT_EQ(grid.Cell(ssNumber, 1), "1");
    EXPECT_EQ(grid.Cell(ssDescription, 2), "Delta Trust");
    EXPECT_EQ(grid.Cell(ssCostBase, 2), "         0");
    EXPECT_EQ(grid.Cell(ssMarketValue, 2), "         0");
    EXPECT_EQ(grid.Cell(ssProceeds, 2), "      2501");
    EXPECT_EQ(grid.Cell(ssWorksheet, 2), "452");
    EXPECT_EQ(grid.Cell(ssNumber, 2), "1");
}

TEST_F(ScripForScripTable, TotalsTheColumnsAndTicksTheRollOver) {
    AddExchange({451, "Alpha Ltd", true, "Yes", 6000, 0, 10000, 0, 9000, 1000});
    AddExchange({452, "Delta Trust", true, "Yes", 0, 1500, 0, 2500, 2000, 500});
    UpdateScripForScripSchedule();
    EXPECT_TRUE(ScheduleTicked(1136));
    EXPECT_FALSE(ScheduleTicked(1167));
    EXPECT_EQ(Schedule(1137), 7500);
    EXPECT_EQ(Schedule(1138), 11000);
    EXPECT_EQ(Schedule(1139), 1500);
}

TEST_F(ScripForScripTable, NoExchangeTicksNoRollOverAndEmptiesTheTotals) {
    // A schedule left by an earlier visit with a roll-over.
    GetWorksheetItem(ScheduleWorksheet, 1);
    SetFieldStr(ItemNameField, ScheduleName);
    SetFieldChecked(1136);
    SetFieldVal(1137, 10);
    SetFieldVal(1138, 20);
    SetFieldVal(1139, 30);
    PutWorksheetItem(ScheduleWorksheet, 1);
    ZeroScratchFields();

    UpdateScripForScripSchedule();
    EXPECT_FALSE(ScheduleTicked(1136));
    EXPECT_TRUE(ScheduleTicked(1167));
    EXPECT_EQ(Schedule(1137), 0);
    EXPECT_EQ(Schedule(1138), 0);
    EXPECT_EQ(Schedule(1139), 0);
}
