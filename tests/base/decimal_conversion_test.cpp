// The quick conversions of short decimals must give exactly what the general conversions
// give, digit for digit and bit for bit, on every kind of value the return holds.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "base/decimal_expansion.h"
#include "base/numbers.h"

namespace {

void ExpectSameExpansion(long double value) {
    const DecimalExpansion quick = ExpandDecimal(value), slow = ExpandDecimalSlowly(value);
    EXPECT_EQ(quick.negative, slow.negative) << static_cast<double>(value);
    EXPECT_EQ(quick.digits, slow.digits) << static_cast<double>(value);
    EXPECT_EQ(quick.exponent, slow.exponent) << static_cast<double>(value);
}

std::string DigitsOf(std::mt19937_64& random, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + random() % 10);
    return digits;
}

}  // namespace

TEST(DecimalConversion, ShortDecimalsAndOtherValuesExpandAsTheGeneralConversionDoes) {
    for (long double value : {1.0L,
                              0.001L,
                              0.0011L,
                              0.0049L,
                              1e17L,
                              1e18L - 1,
                              1e18L,
                              9.99999999999999999L,
                              0.99999999999999999L,
                              1234.5L,
                              2.345L,
                              999.996L,
                              68.7L,
                              1.234L,
                              1e-5L,
                              1e30L,
                              -1e-30L,
                              1.0L / 3,
                              2.0L / 3,
                              -12.5L,
                              123456789012345678.0L,
                              0.1L + 0.2L})
        for (long double sign : {1.0L, -1.0L}) ExpectSameExpansion(sign * value);
    std::mt19937_64 random(2005);
    for (int i = 0; i < 20000; ++i) {
        // A decimal of up to 19 digits with up to six decimals, as text and read exactly.
        const std::string digits = DigitsOf(random, 1 + static_cast<int>(random() % 19));
        const int places = static_cast<int>(random() % 7);
        const long double decimal = std::strtold(digits.c_str(), nullptr) / std::pow(10.0L, places);
        ExpectSameExpansion(decimal);
        ExpectSameExpansion(
            std::strtold((digits + "e-" + std::to_string(places)).c_str(), nullptr));
        // Figures a calculation makes: products and quotients of such values.
        ExpectSameExpansion(decimal * 1.0375L);
        ExpectSameExpansion(decimal / 7);
    }
}

TEST(DecimalConversion, DecimalTextsReadAsTheGeneralConversionReadsThem) {
    std::mt19937_64 random(2006);
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "0.00",
                                      "-0.00",
                                      "+4.",
                                      ".5",
                                      "-.5",
                                      "00012.50",
                                      "9999999999999999999",
                                      "99999999999999999999",
                                      "0.0000000000000000001",
                                      "1844674407370955161.5"};
    for (int i = 0; i < 20000; ++i) {
        std::string text = DigitsOf(random, 1 + static_cast<int>(random() % 21));
        if (random() % 2) text.insert(random() % (text.size() + 1), ".");
        if (random() % 3 == 0) text.insert(0, random() % 2 ? "-" : "+");
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        long double read = 0;
        ASSERT_TRUE(TryReadNumber(" " + text + " ", read)) << text;
        const long double expected = std::strtold(text.c_str(), nullptr);
        EXPECT_EQ(read, expected) << text;
        EXPECT_EQ(std::signbit(read), std::signbit(expected)) << text;
    }
}
