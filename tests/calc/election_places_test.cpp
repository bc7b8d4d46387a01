// Elections kept per gain: a trust record or an asset item with several active gains keeps
// one set of elections for each, so an election entered once counts once and storing the
// table keeps every row's own; sets kept the old way, one per record, and tables stored
// without part codes still read sensibly.

#include "calc/election_places.h"

#include "calc/cgt_schedule.h"
#include "calc/concession_elections.h"
#include "calc/concession_summaries.h"
#include "choice_fixture.h"
#include "grid/grid_model.h"

namespace {

class ElectionPlaces : public ChoiceTest {
protected:
    // A trust distribution of active asset gains: discounted 200 (800 before the trust's
    // reductions, part A6) and other 500 (1,000, part A9). A unit trust interest (worksheet
    // 452) with an active discounted trust gain of 100 (400, A6) and sold at an active
    // other gain of 700 (its own gain, C).
    void SetUp() override {
        ChoiceTest::SetUp();
        AddTrust({{0, "Fund"}, {8, "200"}, {9, "500"}});
        ZeroScratchFields();
        SetFieldStr(fAssetName, "Units");
        SetFieldStr(fAssetType, "UA");
        SetFieldChecked(fItemHasTrustGains);
        SetFieldVal(fItemTrustGainFirst + 5, 100);
        SetFieldChecked(fProceedsAboveZero);
        SetFieldVal(fOtherGain, 700);
        PutWorksheetItem(452, 1);
        ZeroScratchFields();
    }
    static void PassChoiceTable() {
        ChoiceTable table;
        OpenChoiceTable(table);
        ASSERT_FALSE(CheckChoiceTable(table)) << CheckChoiceTable(table).message;
        CommitChoiceTable(table);
    }
    static int RowOf(const TGridModel& grid, const std::string& description) {
        for (int row = 1; row < grid.RowCount(); ++row)
            if (grid.Cell(ceDescription, row) == description) return row;
        ADD_FAILURE() << description;
        return 1;
    }
    static long double Schedule(int field) {
        GetWorksheetItem(ScheduleWorksheet, 1);
        return GetFieldVal(field, true);
    }
    static std::string TrustCell(int col) { return GetFieldLst(fTrustTable)->at(col); }
    static TextList ItemElections() {
        GetWorksheetItem(452, 1);
        const TextList* lines = GetFieldLst(719);
        return lines ? *lines : TextList();
    }
    // The table as the elections screen opens it after the choice table.
    static TGridModel Opened() {
        PassChoiceTable();
        TGridModel grid;
        OpenConcessionTable(grid);
        return grid;
    }
};

}  // namespace

TEST_F(ElectionPlaces, AnElectionEnteredOnceCountsOnceAndEveryRowKeepsItsOwn) {
    TGridModel grid = Opened();
    const int trustDiscount = RowOf(grid, "Fund - Trust SBAA/Dis");
    const int trustOther = RowOf(grid, "Fund - Trust SBAA/Oth");
    const int unitsTrust = RowOf(grid, "Units - Trust SBAA/Dis");
    const int unitsOwn = RowOf(grid, "Units - Disposal");
    EXPECT_EQ(grid.Cell(cePart, trustDiscount), "A6");
    EXPECT_EQ(grid.Cell(cePart, trustOther), "A9");
    EXPECT_EQ(grid.Cell(cePart, unitsTrust), "A6");
    EXPECT_EQ(grid.Cell(cePart, unitsOwn), "C");
    // SBAAR 300 on the trust's other gain only; the trust's discounted gain comes first and
    // is left empty. The units' trust gain takes SBRE 50.25 and its own gain nothing.
    grid.SetCell(ceReduction, trustOther, "300.00");
    grid.SetCell(ceRetirement, unitsTrust, "50.25");
    StoreElections(grid);
    EXPECT_EQ(TrustCell(38), "");
    EXPECT_EQ(TrustCell(39), "");
    EXPECT_EQ(TrustCell(40), "300.00;;");
    EXPECT_EQ(ItemElections(), (TextList{"SBAA concessions", "", "", "", "A6", "", "50.25", ""}));

    TGridModel again = Opened();
    EXPECT_EQ(again.Cell(ceReduction, trustOther), "300.00");
    EXPECT_EQ(again.Cell(ceReduction, trustDiscount), "");
    EXPECT_EQ(again.Cell(ceRetirement, unitsTrust), "50.25");
    EXPECT_EQ(again.Cell(ceRetirement, unitsOwn), "");
    StoreConcessionSummaries(again);
    EXPECT_EQ(Schedule(1117), 0);    // SBAAR on discount gains
    EXPECT_EQ(Schedule(1118), 300);  // SBAAR on other gains: once, not twice
    EXPECT_EQ(Schedule(1120), 50);   // SBRE 50.25 on a discount gain, to the whole dollar
    EXPECT_EQ(Schedule(1121), 0);

    // An election on the first row survives the last row's empty ones; clearing one row's
    // elections clears that row only.
    again.SetCell(ceReduction, trustDiscount, "400.00");
    again.SetCell(ceReduction, trustOther, "");
    again.SetCell(ceRollOver, unitsOwn, "0.01");
    StoreElections(again);
    TGridModel third = Opened();
    EXPECT_EQ(third.Cell(ceReduction, trustDiscount), "400.00");
    EXPECT_EQ(third.Cell(ceReduction, trustOther), "");
    EXPECT_EQ(third.Cell(ceRetirement, unitsTrust), "50.25");
    EXPECT_EQ(third.Cell(ceRollOver, unitsOwn), "0.01");
    EXPECT_EQ(third.Cell(ceRollOver, unitsTrust), "");
}

TEST_F(ElectionPlaces, OneSetKeptForAWholeRecordGoesToItsLastRow) {
    // Kept before elections were kept per gain: the trust's three columns and the item's
    // four lines hold the last row's elections, as the last one stored.
    TextList trust = *GetFieldLst(fTrustTable);
    trust[38] = "300";
    trust[40] = "20";
    SetFieldLst(fTrustTable, trust);
    GetWorksheetItem(452, 1);
    SetFieldLst(719, {"SBAA concessions", "70", "", ""});
    PutWorksheetItem(452, 1);

    TGridModel grid = Opened();
    const int trustDiscount = RowOf(grid, "Fund - Trust SBAA/Dis");
    const int trustOther = RowOf(grid, "Fund - Trust SBAA/Oth");
    const int unitsTrust = RowOf(grid, "Units - Trust SBAA/Dis");
    const int unitsOwn = RowOf(grid, "Units - Disposal");
    EXPECT_EQ(grid.Cell(ceReduction, trustOther), "300");
    EXPECT_EQ(grid.Cell(ceRollOver, trustOther), "20");
    EXPECT_EQ(grid.Cell(ceReduction, trustDiscount), "");
    EXPECT_EQ(grid.Cell(ceReduction, unitsOwn), "70");
    EXPECT_EQ(grid.Cell(ceReduction, unitsTrust), "");
    StoreConcessionSummaries(grid);
    EXPECT_EQ(Schedule(1117), 0);
    EXPECT_EQ(Schedule(1118), 370);
    EXPECT_EQ(Schedule(1124), 20);

    // The next store writes them per gain.
    StoreElections(grid);
    EXPECT_EQ(TrustCell(38), "");
    EXPECT_EQ(TrustCell(40), "300;;20");
}

TEST_F(ElectionPlaces, RowsStoredWithoutPartCodesGetThemFromTheirRecordAndGainColumn) {
    // Nine lines a row, as stored before the part code: trust rows, the units' rows and a
    // manual row.
    SetFieldLst(fConcessionRows, {"Fund - Trust SBAA/Dis",
                                  "",
                                  "800",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "1215",
                                  "0",
                                  "Fund - Trust SBAA/Oth",
                                  "",
                                  "",
                                  "1000",
                                  "",
                                  "",
                                  "",
                                  "1215",
                                  "0",
                                  "Units - Trust SBAA/Dis",
                                  "",
                                  "400",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "452",
                                  "1",
                                  "Units - Disposal",
                                  "",
                                  "",
                                  "700",
                                  "",
                                  "",
                                  "",
                                  "452",
                                  "1",
                                  "Goodwill",
                                  "600",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "1201",
                                  "0"});
    TGridModel grid;
    SetUpConcessionTable(grid);
    LoadConcessionRows(grid);
    ASSERT_EQ(grid.DataRowCount(), 5);
    const char* const parts[] = {"A6", "A9", "A6", "C", "C"};
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(grid.Cell(cePart, row), parts[row - 1]) << row;
        EXPECT_EQ(grid.Cell(ceNumber, row), row == 3 || row == 4 ? "1" : "0") << row;
    }
    // Stored again, the rows are ten lines each and read back the same.
    TextList lines;
    grid.SaveToList(lines);
    EXPECT_EQ(lines.size(), 5u * ConcessionColumns);
    SetFieldLst(fConcessionRows, lines);
    TGridModel again;
    SetUpConcessionTable(again);
    LoadConcessionRows(again);
    for (int row = 1; row <= 5; ++row)
        for (int col = 0; col < ConcessionColumns; ++col)
            EXPECT_EQ(again.Cell(col, row), grid.Cell(col, row)) << col << "," << row;
}
