#include "grid/grid_model.h"

#include <gtest/gtest.h>

namespace {
// Text, number (2 decimals, minus), date, number without total.
TGridModel MakeGrid() {
    TGridModel grid;
    grid.SetColCount(4);
    grid.SetDisplay({"Description|0|0|40|", "Amount|2|1|10|0|F|F|2|T||||-1|0|F|",
                     "Date paid|2|2|10|0|F|F||-1|0|", "Factor|0|1|10|0|F|F|5||||||0|T|"});
    grid.ReadDescriptors();
    return grid;
}
}  // namespace

TEST(GridModel, DescriptorsWriteTitlesAndDefaultsFillMissingLines) {
    TGridModel grid;
    grid.SetColCount(3);
    grid.SetDisplay({"First|0|0|10|", "Second|0|1|8|0|T|"});
    grid.ReadDescriptors();
    EXPECT_EQ(grid.Cell(0, 0), "First");
    EXPECT_EQ(grid.Cell(1, 0), "Second");
    EXPECT_EQ(grid.Cell(2, 0), "Title");
    EXPECT_EQ(grid.ColumnType(1), gkNumber);
    EXPECT_EQ(grid.ColumnType(7), 0);  // no such column
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_FALSE(grid.IsTabStop(1));
    EXPECT_EQ(grid.LastTabStopCol(), 2);
}

TEST(GridModel, BadCharacterSetIsRaisedAfterEveryColumnIsRead) {
    TGridModel grid;
    grid.SetColCount(3);
    grid.SetDisplay({"A|0|0|10|0|F|F||x..|", "B|0|1|8|", "C|0|2|10|"});
    EXPECT_THROW(grid.ReadDescriptors(), BadCharacterSet);
    EXPECT_EQ(grid.Cell(2, 0), "C");
    EXPECT_EQ(grid.ColumnType(2), gkDate);
    EXPECT_TRUE(grid.Column(0).allowed.none());
}

TEST(GridModel, SkipAndHiddenColumnsAreNotTabStops) {
    TGridModel grid = MakeGrid();
    EXPECT_EQ(grid.LastTabStopCol(), 3);
    grid.SetColumnSkip(3);
    EXPECT_EQ(grid.LastTabStopCol(), 2);
    grid.SetColumnHidden(2, true);
    EXPECT_EQ(grid.LastTabStopCol(), 1);
    EXPECT_EQ(grid.TabStopFrom(2), 0);  // wraps to the first non-fixed column
    grid.SetFixedCols(1);
    EXPECT_EQ(grid.TabStopFrom(2), 1);
    EXPECT_EQ(grid.TabStopFrom(0), 1);  // fixed columns are never entered
    EXPECT_EQ(grid.NextTabStopRight(1), -1);
    grid.ClearColumnSkip(3);
    EXPECT_EQ(grid.NextTabStopRight(1), 3);
    EXPECT_EQ(grid.PreviousTabStopLeft(3), 1);
    grid.SetColumnSkip(1);
    grid.SetColumnSkip(3);
    EXPECT_EQ(grid.TabStopFrom(1), -1);  // nothing to stop at
    EXPECT_EQ(grid.LastTabStopCol(), -1);
    // Reading the descriptors again keeps the hidden flag, which comes from the widths.
    grid.ReadDescriptors();
    EXPECT_FALSE(grid.IsTabStop(2));
}

TEST(GridModel, TotalsWithEnteredZeros) {
    TGridModel grid = MakeGrid();
    grid.SetCell(1, 1, "0.00");
    EXPECT_EQ(grid.ColumnTotal(1), EnteredZero);
    EXPECT_EQ(grid.ColumnTotalText(1), "0.00");
    grid.SetCell(1, 2, "12.50");
    grid.SetCell(1, 3, " -2.25");
    grid.SetCell(1, 4, "n/a");  // nothing left after stripping: adds nothing
    EXPECT_NEAR(static_cast<double>(grid.ColumnTotal(1)), 10.25, 1e-12);
    EXPECT_EQ(grid.ColumnTotalText(1), "10.25");
    // Amounts that cancel out with an entered zero: still an entered zero.
    grid.SetCell(1, 2, "2.25");
    EXPECT_EQ(grid.ColumnTotal(1), EnteredZero);
    // The zero of a column with other decimals counts the same.
    grid.SetCell(3, 1, "0.0");
    EXPECT_EQ(grid.ColumnTotal(3), EnteredZero);
    // A blank column is plain 0, and other kinds total 0.
    TGridModel blank = MakeGrid();
    EXPECT_EQ(blank.ColumnTotal(1), 0);
    blank.SetCell(0, 1, "5");
    EXPECT_EQ(blank.ColumnTotal(0), 0);
    EXPECT_TRUE(blank.ColumnNoTotal(3));
    EXPECT_FALSE(blank.ColumnNoTotal(1));
}

TEST(GridModel, TotalTextIsNotLimitedToTheColumnLength) {
    TGridModel grid = MakeGrid();
    for (int row = 1; row < 5; ++row) grid.SetCell(1, row, "9999999.99");
    EXPECT_EQ(grid.ColumnTotalText(1), "39999999.96");
}

TEST(GridModel, SaveSkipsBlankRowsAndLoadFillsFromRowOne) {
    TGridModel grid = MakeGrid();
    grid.SetCell(0, 1, "Purchase");
    grid.SetCell(1, 1, "100.00");
    grid.SetCell(0, 2, "   ");  // blank after trimming
    grid.SetCell(2, 3, "01/07/2004");
    TextList list = {"stale"};
    grid.SaveToList(list);
    const TextList expected = {"Purchase", "100.00", "", "", "", "", "01/07/2004", ""};
    EXPECT_EQ(list, expected);

    TGridModel loaded = MakeGrid();
    loaded.SetCell(0, 4, "old");
    loaded.LoadFromList(&list);
    EXPECT_EQ(loaded.Cell(0, 1), "Purchase");
    EXPECT_EQ(loaded.Cell(2, 2), "01/07/2004");
    EXPECT_EQ(loaded.Cell(0, 4), "");  // remaining rows emptied
    EXPECT_EQ(loaded.RowCount(), 5);   // row count kept
    EXPECT_EQ(loaded.Cell(0, 0), "Description");
    TextList again;
    loaded.SaveToList(again);
    EXPECT_EQ(again, list);
}

TEST(GridModel, LoadAddsRowsAndPadsAShortLastRow) {
    TGridModel grid = MakeGrid();
    TextList list;
    for (int i = 0; i < 6 * 4 + 1; ++i) list.push_back("c" + std::to_string(i));
    grid.LoadFromList(&list);
    EXPECT_EQ(grid.RowCount(), 8);  // 7 data rows
    EXPECT_EQ(grid.Cell(3, 6), "c23");
    EXPECT_EQ(grid.Cell(0, 7), "c24");
    EXPECT_EQ(grid.Cell(1, 7), "");
    grid.LoadFromList(nullptr);
    EXPECT_EQ(grid.RowCount(), 8);
    for (int row = 1; row < 8; ++row) EXPECT_TRUE(grid.RowBlank(row));
    EXPECT_EQ(grid.Cell(1, 0), "Amount");
    grid.SetCell(0, 3, "x");
    grid.ClearRows();
    EXPECT_TRUE(grid.RowBlank(3));
}

TEST(GridModel, InsertAndDeleteRows) {
    TGridModel grid = MakeGrid();
    for (int row = 1; row < 5; ++row) grid.SetCell(0, row, "r" + std::to_string(row));
    grid.InsertRow(2);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cell(0, 1), "r1");
    EXPECT_EQ(grid.Cell(0, 2), "");
    EXPECT_EQ(grid.Cell(0, 3), "r2");
    grid.DeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cell(0, 2), "r2");
    grid.DeleteRow(0);  // the title row stays
    EXPECT_EQ(grid.Cell(0, 0), "Description");
    grid.SetRowCount(2);
    grid.DeleteRow(1);  // the only data row is emptied, not removed
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_TRUE(grid.RowBlank(1));
    EXPECT_EQ(grid.AddRow(), 2);
}

TEST(GridModel, ChangesAreReported) {
    TGridModel grid = MakeGrid();
    std::vector<std::pair<int, int>> seen;
    grid.Changed = [&](int col, int row) { seen.emplace_back(col, row); };
    grid.SetCell(1, 2, "5");
    grid.SetCell(1, 2, "5");  // unchanged: nothing to report
    grid.SetCell(9, 9, "x");  // outside: ignored
    grid.AddRow();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(1, 2));
    EXPECT_EQ(seen[1], std::make_pair(-1, -1));
}
