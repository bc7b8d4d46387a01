#include "interview/core/screen_table.h"

#include <gtest/gtest.h>

#include <set>

TEST(ScreenTable, NumbersWithoutAScreen) {
    for (int number : {2008, 2021, 2034, 2044, 2054, 2064, 2076, 2080, 2082, 2087, 2089, 2095, 2099,
                       2100, 2108, 2124, 2003, 2127, 2201})
        EXPECT_EQ(FindScreenEntry(number), nullptr) << number;
}

TEST(ScreenTable, SharedPathScreensServeEveryPath) {
    for (int number : {2009, 2022, 2035, 2045, 2055, 2065}) {
        ASSERT_NE(FindScreenEntry(number), nullptr) << number;
        EXPECT_STREQ(FindScreenEntry(number)->className, "TQCGT_08");
    }
    EXPECT_STREQ(FindScreenEntry(2046)->className, "TQCGT_19a");
    EXPECT_STREQ(FindScreenEntry(2050)->className, "TQCGT_58A");
    EXPECT_STREQ(FindScreenEntry(2070)->className, "TQCGT_58");
}

TEST(ScreenTable, EveryListedNumberIsInRangeAndUnique) {
    std::set<int> seen;
    for (const ScreenEntry& entry : ScreenTable()) {
        EXPECT_GE(entry.number, FirstScreen);
        EXPECT_LE(entry.number, LastScreen);
        EXPECT_TRUE(seen.insert(entry.number).second) << entry.number;
        EXPECT_FALSE(CaptionText(entry.caption).empty()) << entry.number;
    }
    EXPECT_EQ(seen.size(), 80u);
}

TEST(ScreenTable, ButtonsAndCaptionsOfTheSpecialScreens) {
    EXPECT_EQ(FindScreenEntry(2125)->buttons, unsigned(sbPrev | sbYes | sbNo));
    EXPECT_EQ(FindScreenEntry(2074)->buttons, unsigned(sbNext));
    EXPECT_EQ(FindScreenEntry(2103)->buttons, unsigned(sbPrev));
    EXPECT_EQ(CaptionText(FindScreenEntry(2006)->caption),
              "17 - Income - Capital gains or capital losses");
    EXPECT_EQ(CaptionText(FindScreenEntry(2051)->caption), "17 - Income - Capital gains");
    EXPECT_EQ(FindScreenEntry(2004)->helpContext, 347);
}

TEST(ScreenTable, Group20StopsAtIndex98) {
    int32_t group = 20, index = 99;
    EXPECT_EQ(ApplyGroup20Rule(group, index), 2101);
    EXPECT_EQ(group, 21);
    EXPECT_EQ(index, 1);
    group = 20;
    index = 150;
    EXPECT_EQ(ApplyGroup20Rule(group, index), 2101);
    group = 20;
    index = 98;
    EXPECT_EQ(ApplyGroup20Rule(group, index), 2098);
    group = 21;
    index = 99;
    EXPECT_EQ(ApplyGroup20Rule(group, index), 2199);
    group = 19;
    index = 105;
    EXPECT_EQ(ApplyGroup20Rule(group, index), 2005);
    EXPECT_EQ(group, 19);
}
