#include "base/input_helpers.h"

#include <gtest/gtest.h>

TEST(InputHelpers, FindItemByPrefixIgnoresCaseAndTakesTheFirstMatch) {
    const std::vector<std::string> items = {"Shares", "Sale", "Units", "\xC9tude"};
    EXPECT_EQ(FindItemByPrefix(items, "s"), 0);
    EXPECT_EQ(FindItemByPrefix(items, "SA"), 1);
    EXPECT_EQ(FindItemByPrefix(items, "units"), 2);
    EXPECT_EQ(FindItemByPrefix(items, "\xE9t"), 3);  // Latin-1 letters fold too
    EXPECT_EQ(FindItemByPrefix(items, "sax"), -1);
    EXPECT_EQ(FindItemByPrefix(items, "Shares and more"), -1);
    EXPECT_EQ(FindItemByPrefix(items, ""), -1);
    EXPECT_EQ(FindItemByPrefix({}, "s"), -1);
}

TEST(InputHelpers, TextToNumberDefFallsBackOnAnythingThatIsNotANumber) {
    EXPECT_EQ(TextToNumberDef("", 7), 7);
    EXPECT_EQ(TextToNumberDef("   ", 7), 7);
    EXPECT_EQ(TextToNumberDef("  12.5 ", 7), 12.5L);
    EXPECT_EQ(TextToNumberDef("-3", 7), -3);
    EXPECT_EQ(TextToNumberDef("12,5", 7), 7);
    EXPECT_EQ(TextToNumberDef("1 000", 7), 7);
    EXPECT_EQ(TextToNumberDef("$5", 7), 7);
    EXPECT_EQ(TextToNumberDef("nan", 7), 7);
}
