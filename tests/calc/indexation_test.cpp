#include "calc/indexation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

TEST(IndexFactor, ExactDecimalHalvesOfTheTableGoUp) {
    // 120.3 / 120.0 is 1.0025 exactly. Kept as extended values the CPI numbers give 1.003;
    // a double widened to extended (120.29999999999999715...) would give 1.002.
    EXPECT_EQ(IndexFactor(120.3L, 120.0L), 1.003L);
    EXPECT_EQ(IndexFactor(CpiForDate(D(15, 2, 1998)), CpiForDate(D(15, 11, 1997))), 1.003L);
    EXPECT_EQ(IndexFactor(static_cast<double>(120.3L), 120.0L), 1.002L);
    // An event quarter without a CPI divides nothing by nothing no more.
    EXPECT_EQ(IndexFactor(0, 0), 1);
}

// Every pair of quarters of the table against the factor worked in integers on the CPI
// tenths as published: thousandths = E / C rounded half up, at least 1000; C of 0 is E.
TEST(IndexFactor, EveryPairOfQuartersMatchesTheExactDecimalFactor) {
    static const int tenths[][4] = {
        {0, 0, 713, 727},         {744, 756, 776, 798},     {814, 826, 840, 855},
        {870, 885, 902, 920},     {929, 952, 974, 992},     {1009, 1025, 1033, 1060},
        {1058, 1060, 1066, 1076}, {1076, 1073, 1074, 1079}, {1089, 1093, 1098, 1100},
        {1104, 1112, 1119, 1128}, {1147, 1162, 1176, 1185}, {1190, 1198, 1201, 1203},
        {1205, 1202, 1197, 1200}, {1203, 1210, 1213, 1219}, {1218, 1223, 1234, 1241}};
    struct Quarter {
        double date;
        long tenths;
    };
    std::vector<Quarter> quarters;
    for (int year = 1985; year <= 1999; ++year)
        for (int q = 1; q <= 4; ++q)
            if (year < 1999 || q <= 3)
                quarters.push_back({D(15, 3 * q - 1, year), tenths[year - 1985][q - 1]});
    ASSERT_EQ(quarters.size(), 59u);
    int halves = 0;
    for (const Quarter& e : quarters) {
        ASSERT_EQ(RoundEvenToInt(CpiForDate(e.date) * 10), e.tenths);
        // Twice: the second round's factors are those worked out in the first (and the pairs
        // of all rounds are more than are kept, so some are forgotten and worked out again).
        for (int round = 0; round < 2; ++round)
            for (const Quarter& c : quarters) {
                const long incurred = c.tenths == 0 ? e.tenths : c.tenths;
                long thousandths = 1000;
                if (incurred != 0) {
                    thousandths = std::max(1000L, (2000 * e.tenths + incurred) / (2 * incurred));
                    if (2000 * e.tenths % incurred == 0 && 2000 * e.tenths / incurred % 2 == 1)
                        ++halves;
                }
                const long double factor = IndexFactor(CpiForDate(e.date), CpiForDate(c.date));
                ASSERT_EQ(factor, thousandths / 1000.0L)
                    << "E " << e.tenths << " C " << c.tenths << " gives " << Str(factor, 0, 6);
            }
    }
    EXPECT_GT(halves, 0);  // the exact halves are among the pairs checked
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
