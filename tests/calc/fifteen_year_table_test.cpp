// The 15-year exemption table, filled from the items of every asset worksheet.

#include "calc/fifteen_year_table.h"

#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "grid/grid_model.h"
#include "store/worksheet_items.h"
#include "store_fixture.h"

namespace {

struct Asset {
    int worksheet;
    std::string name, type;
    bool exempt;
    long double indexed, discount, other, loss;
};

void Add(const Asset& asset) {
    ZeroScratchFields();
    SetFieldStr(fAssetName, asset.name);
    SetFieldStr(fAssetType, asset.type);
    if (asset.exempt) SetFieldChecked(fFifteenYearExemption);
    SetFieldVal(fIndexedGain, asset.indexed);
    SetFieldVal(fDiscountGain, asset.discount);
    SetFieldVal(fOtherGain, asset.other);
    SetFieldVal(fCapitalLoss, asset.loss);
    PutWorksheetItem(asset.worksheet, WorksheetItemCount(asset.worksheet) + 1);
}

class FifteenYearTable : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        grid.SetColCount(3);
        grid.SetDisplay(FifteenYearDescriptors());
        grid.ReadDescriptors();
    }
    std::vector<std::string> Column(int col) const {
        std::vector<std::string> cells;
        for (int row = 1; row < grid.RowCount(); ++row) cells.push_back(grid.Cell(col, row));
        return cells;
    }
    TGridModel grid;
};

}  // namespace

TEST_F(FifteenYearTable, ListsExemptActiveGainsSmallestFirstAndStoresTotalAndFirstCode) {
    Add({454, "Shop", "SA", true, 0, 300, 0, 0});
    Add({451, "Farm", "RA", true, 0, 0, 200, 0});
    Add({456, "Goodwill", "G ", true, 0.0011L, 0, 0, 0});  // explicit zero indexed: no gain
    Add({451, "Loss", "UA", true, 0, 0, 0, 50});           // a loss is not exempted
    Add({455, "Boat", "SN", true, 0, 900, 0, 0});          // not active
    Add({458, "Mill", "OA", false, 0, 700, 0, 0});         // exemption not ticked
    Add({462, "Plant", "OA", true, 1000, 400, 0, 0});      // the indexed gain counts first
    grid.SetRowCount(4);
    grid.SetCell(0, 3, "left over");

    FillFifteenYearTable(grid);
    EXPECT_EQ(Column(fyDescription),
              (std::vector<std::string>{"Goodwill", "Farm", "Shop", "Plant"}));
    EXPECT_EQ(Column(fyType), (std::vector<std::string>{"G", "R", "S", "O"}));
    EXPECT_EQ(Column(fyGain),
              (std::vector<std::string>{"         0", "       200", "       300", "      1000"}));

    StoreFifteenYearTotals(grid);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1134), 1500);
    EXPECT_EQ(GetFieldStr(1135), "G");
}

TEST_F(FifteenYearTable, TwoGainsGiveTheirSumAndTheCodeOfTheSmaller) {
    Add({451, "Shares", "SA", true, 0, 300, 0, 0});
    Add({454, "Land", "RA", true, 0, 200, 0, 0});
    FillFifteenYearTable(grid);
    StoreFifteenYearTotals(grid);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1134), 500);
    EXPECT_EQ(GetFieldStr(1135), "R");
}

TEST_F(FifteenYearTable, NothingExemptEmptiesTheTableAndClearsTheScheduleFields) {
    ZeroScratchFields();
    SetFieldStr(ItemNameField, ScheduleName);
    SetFieldVal(1134, 800);
    SetFieldStr(1135, "S");
    SetFieldVal(1131, 4000);
    PutWorksheetItem(ScheduleWorksheet, 1);
    grid.SetRowCount(3);
    grid.SetCell(0, 1, "stale");
    FillFifteenYearTable(grid);
    EXPECT_EQ(grid.DataRowCount(), 1);
    EXPECT_TRUE(grid.RowBlank(1));
    StoreFifteenYearTotals(grid);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1134), 0);
    EXPECT_EQ(GetFieldStr(1135), "");
    EXPECT_EQ(GetFieldVal(1131), 4000);  // the rest of the record is kept
}
