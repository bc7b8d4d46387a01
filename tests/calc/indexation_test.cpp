#include "calc/indexation.h"

#include <gtest/gtest.h>

#include "base/dates.h"
#include "calc/calc_inputs.h"

namespace {

double D(int day, int month, int year) { return EncodeDate(year, month, day); }

}  // namespace

TEST(CpiForDate, QuartersOfTheTableAndTheFrozenAndEarlyValues) {
    EXPECT_DOUBLE_EQ(CpiForDate(D(15, 8, 1985)), 71.3);
    EXPECT_DOUBLE_EQ(CpiForDate(D(15, 5, 1985)), 0.0);  // before the regime
    EXPECT_DOUBLE_EQ(CpiForDate(D(31, 12, 1984)), 71.3);
    EXPECT_DOUBLE_EQ(CpiForDate(D(30, 6, 1990)), 102.5);
    EXPECT_DOUBLE_EQ(CpiForDate(D(1, 7, 1990)), 103.3);
    EXPECT_DOUBLE_EQ(CpiForDate(D(31, 3, 1997)), 120.5);
    EXPECT_DOUBLE_EQ(CpiForDate(D(30, 9, 1999)), 123.4);
    // Indexation stops at the September 1999 quarter: the December entry is never used.
    EXPECT_DOUBLE_EQ(CpiForDate(D(1, 10, 1999)), 123.4);
    EXPECT_DOUBLE_EQ(CpiForDate(D(1, 1, 2005)), 123.4);
    EXPECT_DOUBLE_EQ(CpiForDate(0), 71.3);  // the zero date, 30/12/1899
}

TEST(IndexFactor, ThreeDecimalsNeverBelowOneAndNoCpiMeansNoIndexation) {
    EXPECT_DOUBLE_EQ(IndexFactor(123.4, 71.3), 1.731);  // 1.73071...
    EXPECT_DOUBLE_EQ(IndexFactor(123.4, 123.4), 1.0);
    EXPECT_DOUBLE_EQ(IndexFactor(71.3, 72.7), 1.0);  // the ratio is below 1
    EXPECT_DOUBLE_EQ(IndexFactor(123.4, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(IndexFactor(123.4, 103.3), 1.195);  // 1.19457...
    EXPECT_DOUBLE_EQ(IndexFactor(123.4, 122.3), 1.009);
    // An exact half in the fourth decimal goes away from zero (1.0625 -> 1.063, where
    // halves to even would give 1.062).
    EXPECT_DOUBLE_EQ(IndexFactor(8.5, 8), 1.063);
}

TEST(HeldTwelveMonths, TheFirstAnniversaryIsNotEnoughTheDayAfterIs) {
    EXPECT_EQ(HeldTwelveMonths(D(1, 7, 2004), D(1, 7, 2005)), 0);
    EXPECT_EQ(HeldTwelveMonths(D(1, 7, 2004), D(2, 7, 2005)), 1);
    EXPECT_EQ(HeldTwelveMonths(D(31, 3, 2004), D(30, 3, 2005)), 0);
    EXPECT_EQ(HeldTwelveMonths(D(15, 6, 2003), D(14, 6, 2005)), 1);
    EXPECT_EQ(HeldTwelveMonths(D(29, 2, 2004), D(1, 3, 2005)), 1);
    EXPECT_EQ(HeldTwelveMonths(D(15, 8, 1990), D(20, 10, 2005)), 15);
    EXPECT_LT(HeldTwelveMonths(D(1, 7, 2005), D(1, 7, 2004)), 0);  // event before purchase
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndTruncGoesTowardZero) {
    EXPECT_EQ(RoundEven(2.5L), 2);
    EXPECT_EQ(RoundEven(3.5L), 4);
    EXPECT_EQ(RoundEven(-2.5L), -2);
    EXPECT_EQ(RoundEven(2.51L), 3);
    EXPECT_EQ(Trunc(-2.7L), -2);
    EXPECT_EQ(Trunc(2.7L), 2);
}

TEST(Str, RightAlignedFixedPointInTenCharacters) {
    EXPECT_EQ(Str(1000), "   1000.00");
    EXPECT_EQ(Str(-500.5L), "   -500.50");
    EXPECT_EQ(Str(123.4L, 10, 1), "     123.4");
    EXPECT_EQ(Str(1.195L, 10, 3), "     1.195");
    EXPECT_EQ(Str(0.0011L), "      0.00");
    EXPECT_EQ(Str(12345678901.0L), "12345678901.00");  // wider than the field: not cut
}

TEST(IncomeYear, RunsFromTheFirstOfJulyToTheLastOfJune) {
    const TaxYearDates year = IncomeYearDates(2006);
    EXPECT_EQ(year.firstDay, D(1, 7, 2005));
    EXPECT_EQ(year.lastDay, D(30, 6, 2006));
    EXPECT_TRUE(year.Contains(D(30, 6, 2006)));
    EXPECT_FALSE(year.Contains(D(30, 6, 2005)));
}
