#include "calc/row_placement.h"

#include <gtest/gtest.h>

#include <random>

#include "base/dates.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "store_fixture.h"

namespace {

using RowPlacementTest = StoreTest;

const char* const Codes[] = {"1", "1A", "1B", "1C", "2A", "9", "B", "X", "Y", "b"};

void FillRow(TGridModel& grid, int row, std::mt19937& random) {
    const long day = EncodeDate(2005, 3, 1) + static_cast<long>(random() % 4);
    grid.SetCell(0, row, random() % 9 == 0 ? std::string() : FormatDate(day));
    grid.SetCell(5, row, Codes[random() % 10]);
    grid.SetCell(4, row, "row " + std::to_string(row));  // tells equal keys apart
}

}  // namespace

// Appending rows to an ordered worksheet and placing them gives the order a fresh stable
// sort by date and code gives, equal rows included.
TEST_F(RowPlacementTest, MatchesAStableSortByDateAndCode) {
    std::mt19937 random(2006);
    for (int round = 0; round < 50; ++round) {
        TGridModel placed;
        SetUpPaymentWorksheet(placed);
        placed.SetRowCount(1);
        for (int i = 0; i < 30; ++i) FillRow(placed, placed.AddRow(), random);
        placed.DeleteRow(1);  // the blank first row
        placed.SortRows("0,5");
        const int first = placed.RowCount();
        for (int i = 0; i < 6; ++i) FillRow(placed, placed.AddRow(), random);
        TGridModel sorted = placed;
        sorted.SortRows("0,5");
        PlaceAppendedRows(placed, first, placed.RowCount(), 0, 5);
        for (int row = 1; row < sorted.RowCount(); ++row)
            ASSERT_EQ(placed.Cell(4, row), sorted.Cell(4, row))
                << "round " << round << " row " << row;
    }
}
