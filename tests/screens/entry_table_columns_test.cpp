// The columns that cells from outside the interview are checked against are the columns the
// table screens show: same kinds, decimals, minus, lengths and ranges.

#include <gtest/gtest.h>

#include <memory>

#include "controls/txgrid.h"
#include "interview/screen_catalogue.h"
#include "interview/tchildform.h"
#include "screens/core/entry_table_columns.h"
#include "store_fixture.h"

using EntryTableColumnsTest = StoreTest;

TEST_F(EntryTableColumnsTest, TheChecksReadTheColumnsTheScreensShow) {
    const struct {
        int screen, field, worksheet;
    } tables[] = {{2019, 1215, 0},  {2101, 1201, 0},  {2011, 737, 451}, {2024, 737, 452},
                  {2037, 737, 454}, {2048, 737, 458}, {2057, 737, 455}, {2067, 737, 456},
                  {2012, 738, 451}, {2025, 738, 452}};
    for (const auto& table : tables) {
        SCOPED_TRACE(table.screen);
        std::unique_ptr<TChildForm> screen(CreateScreen(table.screen));
        ASSERT_NE(screen, nullptr);
        const TXGrid* grid = screen->findChild<TXGrid*>();
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->property("tag").toInt(), table.field);
        const std::vector<std::string> lines = EntryTableColumns(table.field, table.worksheet);
        ASSERT_EQ(static_cast<size_t>(grid->ColCount()), lines.size());
        for (size_t col = 0; col < lines.size(); ++col) {
            SCOPED_TRACE(col);
            bool bad = false;
            const TGridColumn mine = ParseColumnDescriptor(lines[col], bad);
            const TGridColumn& shown = grid->Model().Column(static_cast<int>(col));
            EXPECT_EQ(mine.kind, shown.kind);
            EXPECT_EQ(mine.Decimals(), shown.Decimals());
            EXPECT_EQ(mine.allowMinus, shown.allowMinus);
            EXPECT_EQ(mine.maxLength, shown.maxLength);
            EXPECT_EQ(mine.minimum, shown.minimum);
            EXPECT_EQ(mine.maximum, shown.maximum);
            EXPECT_EQ(mine.skipped, shown.skipped);
        }
    }
    // Tables no screen types into are not checked.
    EXPECT_TRUE(EntryTableColumns(738, 454).empty());
    EXPECT_TRUE(EntryTableColumns(803, 0).empty());
}
