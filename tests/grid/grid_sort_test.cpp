#include <gtest/gtest.h>

#include "base/module_state.h"
#include "grid/grid_model.h"

namespace {
class GridSortTest : public ::testing::Test {
protected:
    void SetUp() override {
        State().CurrentYearOverride = 2026;
        grid.SetColCount(4);
        grid.SetDisplay(
            {"Element|0|0|40|", "Incurred|0|2|10|", "Amount|0|1|10|0|F|F|2|T|", "ABN|0|3|11|"});
        grid.ReadDescriptors();
    }
    void TearDown() override { State().CurrentYearOverride = 0; }

    void Fill(const std::vector<std::vector<std::string>>& rows) {
        grid.SetRowCount(static_cast<int>(rows.size()) + 1);
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                grid.SetCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
    }
    std::vector<std::string> Column(int col) const {
        std::vector<std::string> cells;
        for (int row = 1; row < grid.RowCount(); ++row) cells.push_back(grid.Cell(col, row));
        return cells;
    }
    TGridModel grid;
};

using Texts = std::vector<std::string>;
}  // namespace

TEST_F(GridSortTest, DateThenTextWithEmptyDatesLast) {
    Fill({{"b", "", "1"},
          {"c", "01/07/2004", "2"},
          {"a", "", "3"},
          {"B", "15/03/2001", "4"},
          {"a", "01/07/2004", "5"},
          {"", "", ""}});
    grid.SortRows("1,0");
    EXPECT_EQ(Column(2), (Texts{"4", "5", "2", "3", "1", ""}));
    EXPECT_EQ(Column(0), (Texts{"B", "a", "c", "a", "b", ""}));
    EXPECT_EQ(grid.Cell(0, 0), "Element");  // titles stay
}

TEST_F(GridSortTest, NumbersByValueAndTextWithoutCase) {
    Fill({{"pear", "", "10"}, {"Apple", "", "9.5"}, {"apple", "", "-3"}, {"Banana", "", ""}});
    grid.SortRows("2");
    EXPECT_EQ(Column(2), (Texts{"-3", "9.5", "10", ""}));
    grid.SortRows("0");
    // "Apple" and "apple" compare equal and keep their order.
    EXPECT_EQ(Column(0), (Texts{"apple", "Apple", "Banana", "pear"}));
    // Accented letters too: "\xC9" and "\xE9" are one letter, after the plain ones.
    Fill({{"\xE9"
           "cole"},
          {"zoo"},
          {"\xC9"
           "cole"},
          {"ecole"}});
    grid.SortRows("0");
    EXPECT_EQ(Column(0), (Texts{"ecole", "zoo",
                                "\xE9"
                                "cole",
                                "\xC9"
                                "cole"}));
}

TEST_F(GridSortTest, EqualRowsKeepTheirOrder) {
    Fill({{"x", "", "1"}, {"x", "", "1"}, {"a", "", "2"}});
    grid.SetColCount(5);
    for (int row = 1; row <= 3; ++row) grid.SetCell(4, row, std::to_string(row));
    grid.SortRows("0, 2");
    EXPECT_EQ(Column(4), (Texts{"3", "1", "2"}));
}

TEST_F(GridSortTest, TextsEqualByValueStopTheComparison) {
    // At the first key whose texts differ the rows are compared there and only there:
    // "a" and "A" differ as texts but are equal without case, so no neighbours are
    // exchanged and column 2 is never consulted.
    Fill({{"a", "", "2"}, {"A", "", "1"}, {"a", "", "1"}});
    grid.SortRows("0,2");
    EXPECT_EQ(Column(2), (Texts{"2", "1", "1"}));
    // With equal texts the next key decides.
    Fill({{"a", "", "2"}, {"a", "", "1"}, {"A", "", "1"}});
    grid.SortRows("0,2");
    EXPECT_EQ(Column(2), (Texts{"1", "2", "1"}));
    // Identifiers never order two different numbers.
    Fill({{"z", "", "", "51824753556"}, {"y", "", "", "33102417032"}, {"x", "", "", ""}});
    grid.SortRows("3,0");
    EXPECT_EQ(Column(0), (Texts{"z", "y", "x"}));
}

TEST_F(GridSortTest, UnreadableKeysRaiseAndLeaveTheRowsAlone) {
    Fill({{"b", "31/02/2004"}, {"a", "01/01/2004"}});
    EXPECT_THROW(grid.SortRows("1"), GridSortError);
    EXPECT_EQ(Column(0), (Texts{"b", "a"}));
    Fill({{"b", "", "12-"}, {"a", "", "1"}});
    EXPECT_THROW(grid.SortRows("2"), GridSortError);
    for (const char* bad : {"", "x", "1,,2", "1.5", "9", "-1"})
        EXPECT_THROW(grid.SortRows(bad), GridSortError) << bad;
}

TEST_F(GridSortTest, ManyRowsMatchTheExchangeRule) {
    // A stable sort must give exactly what repeated adjacent exchanges give.
    const int count = 300;
    grid.SetRowCount(count + 1);
    std::vector<std::pair<int, int>> expected;
    unsigned seed = 7;
    for (int r = 1; r <= count; ++r) {
        seed = seed * 1103515245u + 12345u;
        const int amount = static_cast<int>(seed >> 16) % 20;
        grid.SetCell(2, r, amount == 0 ? "" : std::to_string(amount) + ".00");
        grid.SetCell(0, r, std::to_string(r));
        expected.emplace_back(amount == 0 ? 1000 : amount, r);
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    grid.SortRows("2");
    for (int r = 1; r <= count; ++r)
        ASSERT_EQ(grid.Cell(0, r), std::to_string(expected[r - 1].second)) << r;
}
