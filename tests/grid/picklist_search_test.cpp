#include "grid/picklist_search.h"

#include <gtest/gtest.h>

#include "grid/column_description.h"

namespace {
const std::vector<std::string> Entries = {"1 - Purchase/Acquisition cost",
                                          "1D - Instalment payment", "2A - Incidentals",
                                          "2B - Incidentals re event", "3A - Costs of owning"};
}

TEST(PicklistSearch, OpeningHighlightsTheLastEntryStartingWithTheText) {
    EXPECT_EQ(LastEntryStartingWith(Entries, "2"), 3);
    EXPECT_EQ(LastEntryStartingWith(Entries, "1 "), 0);
    EXPECT_EQ(LastEntryStartingWith(Entries, "2a"), -1);  // exact comparison
    EXPECT_EQ(LastEntryStartingWith(Entries, ""), -1);
}

TEST(PicklistSearch, TypeAheadExtendsTheTextAndRestartsAfterTwoSeconds) {
    TTypeAheadSearch search;
    EXPECT_EQ(search.Type('2', 1000, Entries), 2);
    EXPECT_EQ(search.Type('b', 2500, Entries), 3);  // "2b", without regard to case
    EXPECT_EQ(search.Text(), "2b");
    EXPECT_EQ(search.Type('3', 4500, Entries), -1);  // exactly 2000 ms: "2b3"
    EXPECT_EQ(search.Type('3', 6501, Entries), 4);   // more than 2000 ms: a new search
    EXPECT_EQ(search.Text(), "3");
    search.Clear();
    EXPECT_EQ(search.Type('1', 6600, Entries), 0);
    for (int i = 0; i < 40; ++i) search.Type('x', 6600, Entries);
    EXPECT_EQ(search.Text().size(), TTypeAheadSearch::MaxLength);
}

TEST(ColumnDescription, HeadingAndAssociatedText) {
    EXPECT_EQ(ColumnDescriptionLines("", ""),
              std::vector<std::string>{"The heading for this column is unknown."});
    const auto lines = ColumnDescriptionLines("Date\rexpense  incurred", "Enter\r\n the   date");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "The heading for this column is \"Date expense incurred\".");
    EXPECT_EQ(lines[1], "The following text is associated with this column:");
    EXPECT_EQ(lines[2], "Enter the date");
}
