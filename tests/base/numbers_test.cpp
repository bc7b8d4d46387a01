#include "base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

TEST(Numbers, RoundEvenTakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundEven(0.5L), 0);
    EXPECT_EQ(RoundEven(1.5L), 2);
    EXPECT_EQ(RoundEven(2.5L), 2);
    EXPECT_EQ(RoundEven(-0.5L), 0);
    EXPECT_EQ(RoundEven(-1.5L), -2);
    EXPECT_EQ(RoundEven(2.51L), 3);
    EXPECT_EQ(Trunc(-2.9L), -2);
}

TEST(Numbers, FixedFormatRoundsOnTheDecimalExpansion) {
    EXPECT_EQ(FormatFixed(1234.5L, 12, 2), "1234.50");
    EXPECT_EQ(FormatFixed(2.345, 12, 2), "2.35");  // 2.34499999... in binary
    EXPECT_EQ(FormatFixed(1234.5L, 8, 0), "1235");
    EXPECT_EQ(FormatFixed(0.0011L, 8, 0), "0");
    EXPECT_EQ(FormatFixed(0.0011L, 10, 2), "0.00");
    EXPECT_EQ(FormatFixed(-0.4L, 8, 0), "0");
    EXPECT_EQ(FormatFixed(-12.5L, 8, 0), "-13");
    EXPECT_EQ(FormatFixed(999.996L, 10, 2), "1000.00");
    EXPECT_EQ(FormatFixed(0, 8, 2), "0.00");
    EXPECT_EQ(FormatFixed(123456789, 8, 0), "1.2345679E+08");
    EXPECT_EQ(FormatFixed(12345.678L, 6, 2), "12345.70");  // six significant digits
}

// A short decimal (cents, whole dollars, index numbers) is formatted in whole numbers; its
// neighbour one unit of the last binary place further from zero is not a short decimal but has
// the same 18-digit expansion, and goes the general way: both give the same text.
TEST(Numbers, FixedFormatOfShortDecimalsIsThatOfTheGeneralWay) {
    std::mt19937_64 random(20261210);
    const int precisions[] = {6, 8, 10, 12, 15, 18};
    for (int i = 0; i < 20000; ++i) {
        const int length = 1 + static_cast<int>(random() % 17);
        unsigned long long n = random() % 10;
        for (int d = 1; d < length; ++d) n = n * 10 + random() % 10;
        // Ties in the decimal digits: a 5 then zeros where rounding looks.
        if (i % 4 == 0) n = n / 1000 * 1000 + 500;
        const int places = static_cast<int>(random() % 5);
        long double scale = 1;
        for (int p = 0; p < places; ++p) scale *= 10;
        long double value = static_cast<long double>(n) / scale;
        if (random() % 2) value = -value;
        const int precision = precisions[random() % 6], digits = static_cast<int>(random() % 5);
        const long double neighbour = std::nextafter(value, 2 * value);
        ASSERT_EQ(FormatFixed(value, precision, digits), FormatFixed(neighbour, precision, digits))
            << n << " / 10^" << places << ", precision " << precision << ", digits " << digits;
    }
}

TEST(Numbers, GeneralFormat) {
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(100), "100");
    EXPECT_EQ(FormatGeneral(-1.5L), "-1.5");
    EXPECT_EQ(FormatGeneral(1234567), "1234567");
    EXPECT_EQ(FormatGeneral(0.1L), "0.1");
    EXPECT_EQ(FormatGeneral(1e20L), "1E+20");
}

TEST(Numbers, ReadNumber) {
    long double v = 0;
    EXPECT_TRUE(TryReadNumber(" 12.5 ", v));
    EXPECT_EQ(v, 12.5L);
    EXPECT_TRUE(TryReadNumber("-3", v));
    EXPECT_EQ(v, -3);
    EXPECT_TRUE(TryReadNumber("+4.", v));
    EXPECT_EQ(v, 4);
    EXPECT_TRUE(TryReadNumber("1e3", v));
    EXPECT_EQ(v, 1000);
    for (const char* bad : {"", " ", "abc", "1,5", "0x10", "inf", "nan", "1.2.3", "--1", "1e", "."})
        EXPECT_FALSE(TryReadNumber(bad, v)) << bad;
}
