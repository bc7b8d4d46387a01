#include "reports/core/page_range.h"

#include <gtest/gtest.h>

TEST(PageRangeTest, ListsRangesAndReversedRanges) {
    EXPECT_EQ(ParsePageRange("1,2,4,7"), (std::set<int>{1, 2, 4, 7}));
    EXPECT_EQ(ParsePageRange("4-1"), (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(ParsePageRange("1-3, 7 - 8"), (std::set<int>{1, 2, 3, 7, 8}));
    EXPECT_EQ(ParsePageRange(""), std::set<int>{});
}

TEST(PageRangeTest, ATrailingPartWithoutANumberIsInvalid) {
    EXPECT_FALSE(ParsePageRange("1-").has_value());
    EXPECT_FALSE(ParsePageRange("1,2,").has_value());
    EXPECT_FALSE(ParsePageRange("+").has_value());
}

TEST(PageRangeTest, PagesAbove255AreIgnoredWithoutAComplaint) {
    EXPECT_EQ(ParsePageRange("300"), std::set<int>{});
    EXPECT_EQ(ParsePageRange("250-99999999999"), (std::set<int>{250, 251, 252, 253, 254, 255}));
    // Only the first 100 characters count.
    EXPECT_EQ(ParsePageRange(std::string(99, ' ') + "12"), std::set<int>{1});
}

TEST(PageRangeTest, TheMessageQuotesTheTextAndAnExample) {
    EXPECT_EQ(InvalidPageRangeMessage("1-", "2 of 5"),
              "\"1-\" is not a valid page range. You must specify a valid range of pages before "
              "printing.\n\rAn example of a correct page range is \"2 - 5\".");
}
