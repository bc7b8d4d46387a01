#include "grid/grid_cell_rules.h"

#include <gtest/gtest.h>

#include "base/identifiers.h"
#include "base/module_state.h"
#include "scripted_responder.h"

namespace {
class GridCellExitTest : public ::testing::Test {
protected:
    void SetUp() override {
        State().CurrentYearOverride = 2026;
        grid.SetColCount(8);
        grid.SetDisplay(
            {"Type|0|0|2|0|F|T|||||11|1|3|UA - Units, active|UN - Units|SA - Shares|F|F|",
             "Amount|2|1|10|0|F|F|2|T||||-1|0|F|",  //
             "Date paid|2|2|10|0|F|F||-1|0|",       //
             "ABN|0|3|11|", "TFN|0|4|9|",           //
             "Percent|0|1|6|0|F|F|0|F|0|100|",      //
             "Note|0|0|20|", "Reduction|0|1|6|0|F|F|0|T|-100|0|"});
        grid.ReadDescriptors();
    }
    void TearDown() override { State().CurrentYearOverride = 0; }

    // Puts the text in the cell and validates it; the cell's text afterwards in `after`.
    bool Exit(int col, const std::string& text, bool totals = false) {
        grid.SetCell(col, 1, text);
        const bool ok = ValidateCellExit(grid, col, 1, totals);
        after = grid.Cell(col, 1);
        return ok;
    }

    TGridModel grid;
    ScriptedResponder responder;
    BeepCounter beeps;
    std::string after;
};
}  // namespace

TEST_F(GridCellExitTest, NumbersAreFormattedWithTheColumnDecimals) {
    EXPECT_TRUE(Exit(1, "12.5"));
    EXPECT_EQ(after, "12.50");
    EXPECT_TRUE(Exit(1, "0"));
    EXPECT_EQ(after, "0.00");  // the entered zero
    EXPECT_EQ(grid.ColumnTotal(1), EnteredZero);
    EXPECT_TRUE(Exit(1, "-7"));
    EXPECT_EQ(after, "-7.00");
    EXPECT_TRUE(Exit(1, "2.125"));  // halves of the last place go to the even neighbour
    EXPECT_EQ(after, "2.12");
    EXPECT_TRUE(Exit(1, "2.375"));
    EXPECT_EQ(after, "2.38");
    EXPECT_TRUE(Exit(1, "1234567.999"));
    EXPECT_EQ(after, "1234568.00");
    EXPECT_TRUE(Exit(5, "0"));
    EXPECT_EQ(after, "0");  // entered zero without decimals
    EXPECT_EQ(beeps.Count(), 0);
    EXPECT_EQ(responder.Count(), 0u);
}

TEST_F(GridCellExitTest, UnreadableNumberEmptiesTheCellAndRefuses) {
    EXPECT_FALSE(Exit(1, "12-3"));
    EXPECT_EQ(after, "");
    EXPECT_EQ(responder.LastText(),
              "12-3 is an invalid numeric entry. Please re-enter amount before continuing.");
    EXPECT_EQ(responder.Requests().back().icon, MessageIcon::Stop);
    EXPECT_EQ(beeps.Count(), 1);
}

TEST_F(GridCellExitTest, RangeIsCheckedWhenMinimumAndMaximumDiffer) {
    EXPECT_FALSE(Exit(5, "150"));
    EXPECT_EQ(responder.LastText(), "Value must be between 0 and 100");
    EXPECT_EQ(after, "150");  // the cell keeps its text
    EXPECT_TRUE(Exit(5, "100"));
    EXPECT_EQ(beeps.Count(), 1);
    // The entered-zero marker lies just above 0; a zero typed into a range ending at 0
    // is still inside it.
    EXPECT_TRUE(Exit(7, "0"));
    EXPECT_EQ(after, "0");
    EXPECT_TRUE(Exit(7, "-100"));
    EXPECT_FALSE(Exit(7, "5"));
    EXPECT_EQ(responder.LastText(), "Value must be between -100 and 0");
}

TEST_F(GridCellExitTest, LengthWarningsDoNotRefuse) {
    EXPECT_TRUE(Exit(1, "123456789.5"));
    ASSERT_EQ(responder.Count(), 1u);
    EXPECT_EQ(
        responder.LastText(),
        "Value of \"123456789.5\" with two decimal places\rexceeds allowed number of digits (10)");
    EXPECT_EQ(responder.Requests().back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(beeps.Count(), 0);
    responder.Clear();
    // Totals are looked at only when the grid has a totals bar.
    grid.SetCell(1, 2, "9999999.99");
    EXPECT_TRUE(Exit(1, "9999999.99"));
    EXPECT_EQ(responder.Count(), 0u);
    EXPECT_TRUE(Exit(1, "9999999.99", true));
    EXPECT_EQ(responder.LastText(),
              "Column Total of \"Amount\" \rexceeds allowed number of digits (10)");
    responder.Clear();
    grid.SetCell(1, 2, "");
    EXPECT_TRUE(Exit(1, "9999999.99", true));
    EXPECT_EQ(responder.Count(), 0u);
}

TEST_F(GridCellExitTest, DatesGetSeparatorsAndFourDigitYears) {
    EXPECT_TRUE(Exit(2, "010704"));
    EXPECT_EQ(after, "01/07/2004");
    EXPECT_TRUE(Exit(2, "15032001"));
    EXPECT_EQ(after, "15/03/2001");
    EXPECT_TRUE(Exit(2, "1/7/5"));
    EXPECT_EQ(after, "01/07/2005");
    EXPECT_FALSE(Exit(2, "31/02/2004"));
    EXPECT_EQ(responder.LastText(), "Enter date in dd/mm/yyyy format");
    EXPECT_EQ(after, "31/02/2004");
    EXPECT_FALSE(Exit(2, "3102"));
    EXPECT_FALSE(Exit(2, "01/01/1850"));  // would show as an empty cell
    EXPECT_EQ(beeps.Count(), 3);
    EXPECT_TRUE(Exit(2, ""));
    EXPECT_EQ(after, "");
}

TEST_F(GridCellExitTest, IdentifiersAreCheckedAndGrouped) {
    EXPECT_TRUE(Exit(3, "51824753556"));
    EXPECT_EQ(after, "51 824 753 556");
    EXPECT_FALSE(Exit(3, "51824753557"));
    EXPECT_EQ(responder.LastText(), IdentifierError(IdentifierKind::ABN));
    EXPECT_TRUE(Exit(3, "123456789"));  // fewer than 11 digits: accepted as entered
    EXPECT_EQ(after, "00 123 456 789");
    EXPECT_TRUE(Exit(4, "123456782"));
    EXPECT_EQ(after, "123 456 782");
    EXPECT_FALSE(Exit(4, "123456789"));
    EXPECT_EQ(responder.LastText(), "Invalid Tax File Number (TFN)");
    EXPECT_FALSE(Exit(4, "123456"));
}

TEST_F(GridCellExitTest, PicklistCellMustMatchTheCutEntries) {
    EXPECT_TRUE(Exit(0, "UA"));
    EXPECT_FALSE(Exit(0, "ua"));
    EXPECT_EQ(responder.LastText(), "Entry must match one of the picklist entries");
    EXPECT_FALSE(Exit(0, "U"));
    EXPECT_TRUE(Exit(0, ""));
    EXPECT_EQ(beeps.Count(), 2);
    // Text columns take anything.
    EXPECT_TRUE(Exit(6, "  anything 12-3 "));
    EXPECT_EQ(after, "  anything 12-3 ");
}

TEST(GridCellEditing, StripRemovesFormattingButKeepsTheSign) {
    bool bad = false;
    const TGridColumn money = ParseColumnDescriptor("Amt|0|1|10|0|F|F|2|T|", bad);
    const TGridColumn units = ParseColumnDescriptor("Units|0|1|10|0|F|F|0|F|", bad);
    const TGridColumn abn = ParseColumnDescriptor("ABN|0|3|11|", bad);
    EXPECT_EQ(EditingText(money, "   -12.50"), "-12.50");
    EXPECT_EQ(EditingText(units, "   -12"), "-12");  // a calculated negative keeps its sign
    EXPECT_EQ(EditingText(units, "1 234"), "1234");
    EXPECT_EQ(EditingText(abn, "51 824 753 556"), "51824753556");
    EXPECT_EQ(FormatNumberCell(money, 0.0005L), "");
    EXPECT_EQ(FormatNumberCell(money, EnteredZero), "0.00");
}
