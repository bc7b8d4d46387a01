// Dates of stored asset items that did not come through the screens, and cells checked as
// the grid editor takes them.

#include "screens/core/item_date_checks.h"

#include <gtest/gtest.h>

#include "calc/asset_fields.h"
#include "grid/cell_entry_rules.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"
#include "store_fixture.h"

namespace {

class ItemDateChecksTest : public StoreTest {
protected:
    // Shares acquired, costed and sold on the given dates, stored as item `item` of 451.
    static void StoreShares(int item, const std::string& name, const std::string& acquired,
                            const std::string& incurred, const std::string& event) {
        ZeroScratchFields();
        SetFieldStr(ItemNameField, name);
        SetFieldStr(fAssetType, "SN");
        SetFieldStr(fAcquisitionDate, acquired);
        SetFieldLst(fCostElements, {"1 - Purchase", incurred, "", "x", "1000.00", "", "", ""});
        SetFieldStr(fEventDate, event);
        SetFieldVal(fCapitalProceeds, 3000);
        PutWorksheetItem(451, item);
        ZeroScratchFields();
    }
    static std::string FaultOf(const std::string& acquired, const std::string& incurred,
                               const std::string& event) {
        StoreShares(1, "Parcel", acquired, incurred, event);
        const std::optional<ItemNotice> fault = FirstItemDateFault();
        return fault ? fault->text : std::string();
    }
};

}  // namespace

TEST_F(ItemDateChecksTest, EveryDateAScreenWouldRefuseIsFoundWithTheScreensMessage) {
    EXPECT_EQ(FaultOf("16/03/1988", "16/03/1988", "12/10/2005"), "");
    EXPECT_EQ(FaultOf("16/03/1988", "16/03/1988", "31/02/2006"),
              "The date of the CGT event: \"31/02/2006\" is not a date (dd/mm/yyyy)");
    EXPECT_EQ(FaultOf("99/99/99", "16/03/1988", "12/10/2005"),
              "The acquisition date: \"99/99/99\" is not a date (dd/mm/yyyy)");
    // Stored without its separators, which the calculation does not read.
    EXPECT_EQ(FaultOf("16031988", "16/03/1988", "12/10/2005"),
              "The acquisition date: \"16031988\" is not a date (dd/mm/yyyy)");
    EXPECT_EQ(FaultOf("16/03/1988", "30/02/1990", "12/10/2005"),
              "Cost elements, row 1, \"Date expense incurred\" \"30/02/1990\": Enter date in "
              "dd/mm/yyyy format");
    EXPECT_EQ(FaultOf("01/01/1984", "16/03/1988", "12/10/2005")
                  .rfind("The acquisition date: Check your date.", 0),
              0u);
    EXPECT_EQ(FaultOf("01/07/2005", "01/02/2005", "01/03/2005"),
              "Check dates. A CGT event cannot occur prior to acquisition.");
    EXPECT_EQ(FaultOf("16/03/1988", "16/03/1988", "31/12/9999"),
              "");  // the screen asks, then takes it
}

TEST_F(ItemDateChecksTest, TheFirstFaultyItemIsNamedAndTheOpenItemIsLeftAlone) {
    StoreShares(1, "Good", "16/03/1988", "16/03/1988", "12/10/2005");
    StoreShares(2, "Late Buy", "01/07/2005", "01/02/2005", "01/03/2005");
    StoreShares(3, "Bad Day", "16/03/1988", "16/03/1988", "32/01/2006");
    State().CurrentWorksheet = 455;
    const std::optional<ItemNotice> fault = FirstItemDateFault();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->worksheet, 451);
    EXPECT_EQ(fault->item, 2);
    EXPECT_EQ(fault->name, "Late Buy");
    EXPECT_EQ(State().CurrentWorksheet, 455);
    EXPECT_EQ(GetFieldStr(ItemNameField), "");
}

TEST(CellEntryRules, NumbersAsTheEditorTakesThemAndDatesAsDates) {
    bool bad = false;
    const TGridColumn whole = ParseColumnDescriptor("Gain|2|1|8|0|F|F|0|F||||0|0|F|F|", bad);
    const TGridColumn cents = ParseColumnDescriptor("Amount|2|1|10|0|F|F|2|T||||-1|0|F|", bad);
    const TGridColumn ranged = ParseColumnDescriptor("Pct|2|1|3|0|F|F|0|F|1|100|0|0|F|F|", bad);
    const TGridColumn date = ParseColumnDescriptor("Date|2|2|10|0|F|F||-1|0|", bad);
    for (const char* ok : {"", "  ", "0", "99999999", " 420 "})
        EXPECT_EQ(CellEntryFault(whole, ok), "") << ok;
    EXPECT_EQ(CellEntryFault(whole, "12.50"), "Whole dollars only");
    EXPECT_EQ(CellEntryFault(whole, "-5"), "takes no minus");
    EXPECT_EQ(CellEntryFault(whole, "123456789"), "exceeds allowed number of digits (8)");
    EXPECT_NE(CellEntryFault(whole, "1e3"), "");
    EXPECT_NE(CellEntryFault(whole, "-"), "");
    for (const char* ok : {"-1234567.89", "1234567.8", ".5", "0.00"})
        EXPECT_EQ(CellEntryFault(cents, ok), "") << ok;
    EXPECT_EQ(CellEntryFault(cents, "12345678.00"), "exceeds allowed number of digits (10)");
    EXPECT_EQ(CellEntryFault(cents, "1.005"), "has more than 2 decimals");
    EXPECT_EQ(CellEntryFault(cents, "1.2.3"), CellEntryFault(cents, "1a"));
    EXPECT_EQ(CellEntryFault(ranged, "101"), "Value must be between 1 and 100");
    EXPECT_EQ(CellEntryFault(ranged, "100"), "");
    EXPECT_EQ(CellEntryFault(date, "29/02/2004"), "");
    EXPECT_EQ(CellEntryFault(date, "29/02/2005"), "Enter date in dd/mm/yyyy format");
    EXPECT_EQ(CellEntryFault(date, "99/99/99"), "Enter date in dd/mm/yyyy format");
}
