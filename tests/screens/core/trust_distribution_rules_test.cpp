// The net gain column and the name rule of the trust distributions table.

#include <gtest/gtest.h>

#include "screens/core/trust_distribution_rules.h"

namespace {
TGridModel TrustGrid(int dataRows) {
    TGridModel grid;
    grid.SetColCount(TrustTable::Columns);
    grid.SetRowCount(dataRows + 1);
    return grid;
}
}  // namespace

TEST(TrustDistributionRules, NetGainIsTheSumOfTheNineComponentsInShortForm) {
    TGridModel grid = TrustGrid(4);
    grid.SetCell(0, 1, "Harbour Unit Trust");
    grid.SetCell(1, 1, "100");
    grid.SetCell(2, 1, "50");
    grid.SetCell(9, 1, "0.5");
    grid.SetCell(4, 1, "n/a");  // not a number: adds nothing
    grid.SetCell(0, 2, "Family Trust");
    grid.SetCell(5, 3, "75");  // no name, but a sum above 0
    grid.SetCell(TrustTable::NetGain, 4, "stale");
    RecomputeTrustNetGains(grid);
    EXPECT_EQ(grid.Cell(TrustTable::NetGain, 1), "150.5");
    EXPECT_EQ(grid.Cell(TrustTable::NetGain, 2), "0");
    EXPECT_EQ(grid.Cell(TrustTable::NetGain, 3), "75");
    EXPECT_EQ(grid.Cell(TrustTable::NetGain, 4), "");
    // Hidden loss-application columns do not count.
    grid.SetCell(TrustTable::FirstHidden, 1, "40");
    RecomputeTrustNetGains(grid);
    EXPECT_EQ(grid.Cell(TrustTable::NetGain, 1), "150.5");
}

TEST(TrustDistributionRules, TheFirstRowWithDataButNoNameIsFound) {
    TGridModel grid = TrustGrid(4);
    EXPECT_EQ(FirstUnnamedTrustRow(grid), -1);
    grid.SetCell(0, 1, "Harbour Unit Trust");
    grid.SetCell(1, 1, "100");
    grid.SetCell(0, 2, "   ");
    grid.SetCell(30, 3, "12");  // only a hidden column
    grid.SetCell(2, 4, "5");
    EXPECT_EQ(FirstUnnamedTrustRow(grid), 3);
    grid.SetCell(30, 3, "");
    EXPECT_EQ(FirstUnnamedTrustRow(grid), 4);
}
