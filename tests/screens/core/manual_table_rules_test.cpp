// The row, cell and leave rules of the manual calculation table.

#include <gtest/gtest.h>

#include <vector>

#include "screens/core/manual_table_rules.h"

namespace {
using namespace ManualTable;

TGridModel ManualGrid() {
    TGridModel grid;
    grid.SetColCount(Columns);
    grid.SetRowCount(5);
    return grid;
}

void Fill(TGridModel& grid, int row, std::vector<std::pair<int, std::string>> cells) {
    for (const auto& [col, text] : cells) grid.SetCell(col, row, text);
}
}  // namespace

TEST(ManualTableRules, EveryTypeHasItsGrouping) {
    const std::pair<const char*, const char*> cases[] = {{"UA", "Fixed trust"},
                                                         {"UN", "Fixed trust"},
                                                         {"SA", "Shares"},
                                                         {"SN", "Shares"},
                                                         {"RA", "Real estate"},
                                                         {"RN", "Real estate"},
                                                         {"G", "Intellectual"},
                                                         {"A", "Personal use"},
                                                         {"P", "Personal use"},
                                                         {"OA", "Other assets"},
                                                         {"ON", "Other assets"},
                                                         {"XX", "Not Allocated"},
                                                         {"", ""}};
    for (const auto& [type, grouping] : cases) EXPECT_EQ(AssetGrouping(type), grouping) << type;
}

TEST(ManualTableRules, AClickFillsTheGroupingAndKeepsDeferAutoInStep) {
    TGridModel grid = ManualGrid();
    Fill(grid, 1, {{Description, "Conservation Covenant"}, {Type, "P "}, {CanDefer, "Yes"}});
    ApplyManualRowClick(grid, 1, 1);  // the description column: nothing
    EXPECT_EQ(grid.Cell(Grouping, 1), "");
    ApplyManualRowClick(grid, Type, 1);
    EXPECT_EQ(grid.Cell(Grouping, 1), "Personal use");
    EXPECT_EQ(grid.Cell(DeferAuto, 1), "No");
    grid.SetCell(CanDefer, 1, "No");
    grid.SetCell(Type, 1, "");
    ApplyManualRowClick(grid, Loss, 1);
    EXPECT_EQ(grid.Cell(DeferAuto, 1), "");
    EXPECT_EQ(grid.Cell(Grouping, 1), "");
    // A row without a description is left alone.
    Fill(grid, 2, {{Type, "SA"}, {CanDefer, "Yes"}});
    ApplyManualRowClick(grid, Type, 2);
    EXPECT_EQ(grid.Cell(Grouping, 2), "");
    EXPECT_EQ(grid.Cell(DeferAuto, 2), "");
}

TEST(ManualTableRules, LeavingACellAppliesTheFirstRuleAndEmptiesItsCells) {
    TGridModel grid = ManualGrid();
    Fill(grid, 1, {{Description, "Lease"}, {Type, "P "}, {Indexed, "200"}, {Discount, "150"}});
    // Leaving the indexed column itself is not checked.
    EXPECT_FALSE(ManualCellExit(grid, Indexed, 1).Found());
    ManualTableProblem problem = ManualCellExit(grid, Discount, 1);
    EXPECT_EQ(problem.text, "Discount Amount must be greater than or equal to Indexed Amount.");
    EXPECT_EQ(problem.col, Indexed);
    EXPECT_EQ(grid.Cell(Indexed, 1), "");
    EXPECT_EQ(grid.Cell(Discount, 1), "");

    grid.SetCell(Loss, 1, "10");
    EXPECT_FALSE(ManualCellExit(grid, 4, 1).Found());  // the loss rule starts after column 6
    problem = ManualCellExit(grid, Loss, 1);
    EXPECT_EQ(problem.text, "You cannot have a loss if asset type is \"P\".");
    EXPECT_EQ(problem.col, Loss);
    EXPECT_EQ(grid.Cell(Loss, 1), "");

    grid.SetCell(DeferAuto, 1, "Yes");
    problem = ManualCellExit(grid, DeferAuto, 1);
    EXPECT_EQ(problem.text,
              "\"Defer auto?\" must be blank unless \"Can gain be defered\" is \"Yes\"");
    EXPECT_EQ(problem.col, DeferAuto);
    EXPECT_EQ(grid.Cell(DeferAuto, 1), "");
    Fill(grid, 1, {{CanDefer, "Yes"}, {DeferAuto, "Yes"}});
    EXPECT_FALSE(ManualCellExit(grid, DeferAuto, 1).Found());
}

TEST(ManualTableRules, LeaveCheckReportsEachRuleAtItsCell) {
    struct Case {
        std::vector<std::pair<int, std::string>> cells;
        std::string text;  // empty: passes
        int col;
    };
    const Case cases[] = {
        {{{Description, "Shares In Xyz"}},
         "You must select the asset type for each CGT Asset/Event.",
         Type},
        {{{Description, "Shares"}, {Type, "SN"}, {Indexed, "200"}, {Discount, "150"}},
         "Discount amount must be greater than or equal to indexed amount. Please correct.",
         Description},
        {{{Description, "Shares"}, {Type, "SN"}, {Indexed, "150"}, {Discount, "200"}}, "", -1},
        {{{Description, "Shares"}, {Type, "SN"}, {Discount, "0"}, {OtherGain, "10"}},
         "Check gains entered. Other gain cannot be present if a Discount or Indexed gain has "
         "been entered.",
         OtherGain},
        {{{Description, "Shares"}, {Type, "SN"}, {OtherGain, "10"}}, "", -1},
        {{{Description, "Shares"}, {Type, "SN"}, {OtherGain, "10"}, {Loss, "5"}},
         "Check loss entered. Loss cannot be present if a Discount, Indexed or Other gain has "
         "been entered.",
         Loss},
        {{{Description, "Boat"}, {Type, "P "}, {Loss, "10"}},
         "A loss cannot be recorded against an asset of type \"P\". Please correct.",
         Description},
        {{{Type, "SA"}}, "Each row of data must have an asset description present.", Description},
        {{{DeferAuto, "No"}},
         "Each row of data must have an asset description present.",
         Description},
    };
    for (const Case& c : cases) {
        TGridModel grid = ManualGrid();
        Fill(grid, 1, {{Description, "Covenant"}, {Type, "ON"}, {OtherGain, "40"}});
        Fill(grid, 2, c.cells);
        const ManualTableProblem problem = ManualLeaveCheck(grid);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(problem.text, c.text);
        if (!c.text.empty()) {
            EXPECT_EQ(problem.col, c.col);
            EXPECT_EQ(problem.row, 2);
        }
    }
}

TEST(ManualTableRules, ARowWithOnlyHiddenCellsIsEmptiedAndDoesNotBlock) {
    TGridModel grid = ManualGrid();
    Fill(grid, 1, {{Grouping, "Shares"}, {12, "300"}, {16, "45.00"}});
    Fill(grid, 2, {{Description, "Covenant"}, {Type, "ON"}, {OtherGain, "40"}, {14, "40"}});
    EXPECT_FALSE(ManualLeaveCheck(grid).Found());
    EXPECT_TRUE(grid.RowBlank(1));
    // The choice table's figures on a described row stay.
    EXPECT_EQ(grid.Cell(14, 2), "40");
    // The first offending row stops the scan: a later blank row is not emptied.
    Fill(grid, 1, {{Loss, "3"}});
    Fill(grid, 3, {{12, "9"}});
    EXPECT_TRUE(ManualLeaveCheck(grid).Found());
    EXPECT_EQ(grid.Cell(12, 3), "9");
}
