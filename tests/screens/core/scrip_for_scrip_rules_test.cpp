// What the taxpayer enters in the scrip for scrip table: the balance of market value and
// cash against the proceeds, and the entries kept with their items.

#include "screens/core/scrip_for_scrip_rules.h"

#include "scrip_table_test.h"

namespace {
class ScripForScripEntries : public ScripTableTest {};
}  // namespace

TEST_F(ScripForScripEntries, MarketValueAndCashMustMakeUpTheProceedsInWholeDollars) {
    grid.SetRowCount(4);
    for (int row : {1, 2, 3}) grid.SetCell(ssProceeds, row, "     10000");
    grid.SetCell(ssMarketValue, 1, "9000");
    grid.SetCell(ssCash, 1, "1000");
    grid.SetCell(ssMarketValue, 2, "9000.4");  // cents below the dollar do not count
    grid.SetCell(ssCash, 2, "1000.5");
    grid.SetCell(ssMarketValue, 3, "9000");
    grid.SetCell(ssCash, 3, "999");
    EXPECT_EQ(FirstUnbalancedRow(grid), 3);
    grid.SetCell(ssCash, 3, "1000");
    EXPECT_EQ(FirstUnbalancedRow(grid), 0);
    grid.SetCell(ssCash, 1, "");  // an empty cell counts 0
    EXPECT_EQ(FirstUnbalancedRow(grid), 1);
}

TEST_F(ScripForScripEntries, EntriesGoBackToTheirItemsAndRowsOfNoItemAreWrittenNowhere) {
    AddExchange({451, "Alpha Ltd", true, "Yes", 6000, 0, 10000, 0});
    AddExchange({452, "Delta Trust", true, "Yes", 0, 1500, 0, 2500});
    FillScripForScripTable(grid);
    grid.SetCell(ssMarketValue, 1, "9000");
    grid.SetCell(ssCash, 1, "1000");
    grid.SetCell(ssMarketValue, 2, "0");
    grid.SetCell(ssCash, 2, "2500");
    const int stray = grid.AddRow();  // names an item that does not exist
    grid.SetCell(ssDescription, stray, "Gone");
    grid.SetCell(ssMarketValue, stray, "77");
    grid.SetCell(ssWorksheet, stray, "451");
    grid.SetCell(ssNumber, stray, "2");
    StoreScripForScripEntries(grid);

    EXPECT_EQ(WorksheetItemCount(451), 1);
    EXPECT_EQ(ItemValue(451, 1, fReplacementValue), 9000);
    EXPECT_EQ(ItemValue(451, 1, fOtherConsideration), 1000);
    EXPECT_EQ(ItemValue(452, 1, fReplacementValue), 0);
    EXPECT_EQ(ItemValue(452, 1, fOtherConsideration), 2500);
    // What was stored is what the table shows next time.
    FillScripForScripTable(grid);
    EXPECT_EQ(grid.DataRowCount(), 2);
    EXPECT_EQ(grid.Cell(ssMarketValue, 1), "      9000");
    EXPECT_EQ(grid.Cell(ssCash, 2), "      2500");
}
