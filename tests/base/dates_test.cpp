#include "base/dates.h"

#include <gtest/gtest.h>

#include "base/module_state.h"

class DatesTest : public ::testing::Test {
protected:
    void SetUp() override { State().CurrentYearOverride = 2026; }
    void TearDown() override { State().CurrentYearOverride = 0; }
};

TEST_F(DatesTest, SerialNumbersStartAt30December1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(1985, 9, 20), 31310);
    EXPECT_EQ(FormatDate(EncodeDate(2005, 7, 1)), "01/07/2005");
    const CivilDate d = DecodeDate(EncodeDate(2004, 2, 29));
    EXPECT_EQ(d.year, 2004);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 29);
}

TEST_F(DatesTest, TwoDigitYearsFallInTheWindowStarting89YearsBack) {
    EXPECT_EQ(ExpandTwoDigitYear(99), 1999);
    EXPECT_EQ(ExpandTwoDigitYear(37), 1937);
    EXPECT_EQ(ExpandTwoDigitYear(36), 2036);
    EXPECT_EQ(ExpandTwoDigitYear(5), 2005);
    State().CurrentYearOverride = 2006;
    EXPECT_EQ(ExpandTwoDigitYear(16), 2016);
    EXPECT_EQ(ExpandTwoDigitYear(17), 1917);
}

TEST_F(DatesTest, ReadingAcceptsOnlyRealDatesInDayMonthYearOrder) {
    double serial = 0;
    ASSERT_TRUE(TryReadDate("01/07/99", serial));
    EXPECT_EQ(FormatDate(serial), "01/07/1999");
    ASSERT_TRUE(TryReadDate(" 1/7/2005 ", serial));
    EXPECT_EQ(FormatDate(serial), "01/07/2005");
    ASSERT_TRUE(TryReadDate("29/02/2000", serial));
    for (const char* bad : {"31/02/2004", "29/02/1900", "00/01/2005", "01/13/2005", "01/07",
                            "01/07/205", "1/7/2005/1", "aa/bb/cccc", "", "  /  /    ", "010705"})
        EXPECT_FALSE(TryReadDate(bad, serial)) << bad;
}

TEST_F(DatesTest, SeparatorsForSixAndEightDigits) {
    EXPECT_EQ(InsertDateSeparators("010799"), "01/07/99");
    EXPECT_EQ(InsertDateSeparators("01072005"), "01/07/2005");
    EXPECT_EQ(InsertDateSeparators("0107200"), "0107200");
    EXPECT_EQ(InsertDateSeparators("01/07/99"), "01/07/99");
}
