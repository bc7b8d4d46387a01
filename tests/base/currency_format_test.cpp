#include "base/currency_format.h"

#include <gtest/gtest.h>

TEST(CurrencyFormatTest, SymbolThousandsAndNegativeStyles) {
    CurrencyFormat format;
    EXPECT_EQ(FormatCurrency(format, 1234567.4L, 0, 8), "$1,234,567");
    EXPECT_EQ(FormatCurrency(format, 1234.5L, 2, 10), "$1,234.50");
    EXPECT_EQ(FormatCurrency(format, 999, 0, 8), "$999");
    EXPECT_EQ(FormatCurrency(format, -1234, 0, 8), "($1,234)");
    format.negative = NegativeCurrencyStyle::MinusBeforeSymbol;
    EXPECT_EQ(FormatCurrency(format, -1234, 0, 8), "-$1,234");
    EXPECT_EQ(FormatCurrency(format, -0.4L, 0, 8), "$0");
    // Wider than the significant digits: exponent form, no separators.
    EXPECT_EQ(FormatCurrency(format, 123456789, 0, 8), "$1.2345679E+08");
    format.symbol = "EUR ";
    format.thousandsSeparator = '.';
    EXPECT_EQ(FormatCurrency(format, 1234, 0, 8), "EUR 1.234");
}
