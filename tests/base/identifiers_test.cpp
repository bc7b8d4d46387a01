#include "base/identifiers.h"

#include <gtest/gtest.h>

#include <vector>

// Valid numbers worked out by hand from each rule; a changed check digit breaks every one.
TEST(Identifiers, WorkedNumbersAndTheirNeighbours) {
    const std::vector<std::pair<IdentifierKind, std::string>> valid = {
        {IdentifierKind::TFN, "1234569"},  // 10+14+24+16+30+18 = 112, + 9 = 121 = 11 x 11
        {IdentifierKind::TFN, "87654322"},
        {IdentifierKind::TFN, "123456782"},
        {IdentifierKind::ABN, "53004085260"},  // (5-1)x10 + 3+0+0+28+0+88+65+30+102+0 = 356
        {IdentifierKind::ACN, "512087348"},
        {IdentifierKind::ACN, "000000019"},  // sum 1: 1 + 9 = 10
        {IdentifierKind::ACN, "000010480"},  // sum 20: check 0
        {IdentifierKind::SFN, "305618275"},
        {IdentifierKind::SFN, "000000060"},  // remainder 10: check 0
        {IdentifierKind::EGN, "12345677"},
        {IdentifierKind::Medicare, "2123456701"},
        {IdentifierKind::Medicare, "6102938475"},
    };
    for (const auto& [kind, number] : valid) {
        EXPECT_TRUE(IdentifierValid(kind, number)) << number;
        std::string changed = number;
        const size_t check = kind == IdentifierKind::Medicare ? 8 : number.size() - 1;
        changed[check] = static_cast<char>('0' + (changed[check] - '0' + 3) % 10);
        EXPECT_FALSE(IdentifierValid(kind, changed)) << changed;
    }
    // The DIN's check digits are its last two, moved to the front before the sum.
    EXPECT_TRUE(IdentifierValid(IdentifierKind::DIN, "12345678918"));
    EXPECT_TRUE(IdentifierValid(IdentifierKind::DIN, "123456735"));  // filled to 11
    EXPECT_FALSE(IdentifierValid(IdentifierKind::DIN, "12345678928"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::DIN, "12345678900"));  // moved: starts with 0
}

TEST(Identifiers, LengthsZerosAndSpaces) {
    for (IdentifierKind kind :
         {IdentifierKind::TFN, IdentifierKind::ABN, IdentifierKind::ACN, IdentifierKind::SFN,
          IdentifierKind::DIN, IdentifierKind::EGN, IdentifierKind::Medicare})
        EXPECT_TRUE(IdentifierValid(kind, "   "));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::TFN, "123456"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::TFN, "0000000"));
    EXPECT_TRUE(IdentifierValid(IdentifierKind::TFN, " 123 456 782 "));
    // Short or zero-led business numbers are taken as entered; longer ones are not.
    EXPECT_TRUE(IdentifierValid(IdentifierKind::ABN, "123456789"));
    EXPECT_TRUE(IdentifierValid(IdentifierKind::ABN, "01234567890"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::ABN, "530040852600"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::ACN, "0"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::SFN, "000000000"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::EGN, "00000000"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::DIN, "12345673"));          // 8 digits
    EXPECT_FALSE(IdentifierValid(IdentifierKind::Medicare, "1123456701"));   // first digit 1
    EXPECT_TRUE(IdentifierValid(IdentifierKind::Medicare, "2123 45670 9"));  // tenth: any
}

TEST(Identifiers, DisplayFormats) {
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::TFN, "1234569"), "1 234 569");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::TFN, "87654322"), "87 654 322");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::ABN, "123456789"), "00 123 456 789");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::SFN, "60"), "0000 000 60");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::DIN, "123456735"), "00 123 456 735");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::EGN, "98768"), "000 987 68");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::Medicare, "212345"), "2123 45");
}
