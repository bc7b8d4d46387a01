#include "controls/core/identifiers.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

int Sum(const std::string& d, const std::vector<int>& weights) {
    int sum = 0;
    for (size_t i = 0; i < weights.size(); ++i) sum += (d[i] - '0') * weights[i];
    return sum;
}

// The check rules restated independently of the module's code, for cross-checking.
bool ReferenceValid(IdentifierKind kind, std::string d) {
    const auto pad = [&d](size_t n) { d.insert(0, n > d.size() ? n - d.size() : 0, '0'); };
    const bool zeros = d.find_first_not_of('0') == std::string::npos;
    const int last = d.empty() ? 0 : d.back() - '0';
    switch (kind) {
        case IdentifierKind::TFN: {
            if (d.size() < 7 || d.size() > 9 || zeros) return false;
            const std::vector<int> w = {10, 7, 8, 4, 6, 3, 5, 2};
            return (Sum(d, {w.begin(), w.begin() + (d.size() - 1)}) + last) % 11 == 0;
        }
        case IdentifierKind::ABN:
            if (d.size() < 11 || d[0] == '0') return d.size() <= 11;
            if (d.size() > 11) return false;
            return (Sum(d, {10, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19}) - 10) % 89 == 0;
        case IdentifierKind::ACN: {
            if (d.size() > 9 || zeros) return false;
            pad(9);
            const int s = Sum(d, {8, 7, 6, 5, 4, 3, 2, 1}), check = d[8] - '0';
            return s <= 10 ? s + check == 10 : (s % 10 == 0 && check == 0) || s % 10 + check == 10;
        }
        case IdentifierKind::SFN: {
            if (d.size() > 9 || zeros) return false;
            pad(9);
            const int r = Sum(d, {32, 16, 8, 4, 2, 1, 128, 64}) % 11, check = d[8] - '0';
            return r == 10 ? check == 0 : r == check;
        }
        case IdentifierKind::DIN: {
            if (d.size() < 9 || d.size() > 11) return false;
            pad(11);
            const std::string moved = d.substr(9) + d.substr(0, 9);
            return moved[0] != '0' &&
                   (Sum(moved, {10, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19}) - 10) % 89 == 0;
        }
        case IdentifierKind::EGN:
            if (d.size() > 8 || zeros) return false;
            pad(8);
            return (Sum(d, {10, 7, 8, 4, 6, 3, 5}) + (d[7] - '0')) % 11 == 0;
        case IdentifierKind::Medicare:
            return d.size() == 10 && d[0] >= '2' && d[0] <= '6' &&
                   Sum(d, {1, 3, 7, 9, 1, 3, 7, 9}) % 10 == d[8] - '0';
    }
    return false;
}

const IdentifierKind AllKinds[] = {
    IdentifierKind::TFN, IdentifierKind::ABN, IdentifierKind::ACN,     IdentifierKind::SFN,
    IdentifierKind::DIN, IdentifierKind::EGN, IdentifierKind::Medicare};

}  // namespace

// Valid numbers worked out by hand from each rule; a changed check digit breaks every one.
TEST(Identifiers, WorkedNumbersAndTheirNeighbours) {
    const std::vector<std::pair<IdentifierKind, std::string>> valid = {
        {IdentifierKind::TFN, "1234569"},  // 10+14+24+16+30+18 = 112, + 9 = 121 = 11 x 11
        {IdentifierKind::TFN, "87654322"},        {IdentifierKind::TFN, "123456782"},
        {IdentifierKind::TFN, "876543210"},       {IdentifierKind::ABN, "53004085260"},
        {IdentifierKind::ABN, "73816249341"},     {IdentifierKind::ACN, "000123455"},
        {IdentifierKind::ACN, "512087348"},       {IdentifierKind::ACN, "000000019"},  // s = 1
        {IdentifierKind::ACN, "000010480"},  // s = 20: check 0
        {IdentifierKind::SFN, "123456780"},       {IdentifierKind::SFN, "305618275"},
        {IdentifierKind::SFN, "000000060"},  // remainder 10: check 0
        {IdentifierKind::DIN, "12345678918"},     {IdentifierKind::DIN, "9876543211"},
        {IdentifierKind::DIN, "123456735"},       {IdentifierKind::EGN, "12345677"},
        {IdentifierKind::EGN, "00098768"},        {IdentifierKind::Medicare, "2123456701"},
        {IdentifierKind::Medicare, "6102938475"},
    };
    for (const auto& [kind, number] : valid) {
        EXPECT_TRUE(IdentifierValid(kind, number)) << number;
        if (kind == IdentifierKind::DIN) continue;  // the DIN's check digits lead
        std::string changed = number;
        const size_t checkDigit = kind == IdentifierKind::Medicare ? 8 : number.size() - 1;
        changed[checkDigit] = static_cast<char>('0' + (changed[checkDigit] - '0' + 3) % 10);
        EXPECT_FALSE(IdentifierValid(kind, changed)) << changed;
    }
    EXPECT_FALSE(IdentifierValid(IdentifierKind::DIN, "12345678928"));
}

TEST(Identifiers, LengthsZerosAndSpaces) {
    for (IdentifierKind kind : AllKinds) {
        EXPECT_TRUE(IdentifierValid(kind, "")) << static_cast<int>(kind);
        EXPECT_TRUE(IdentifierValid(kind, "   "));
    }
    EXPECT_FALSE(IdentifierValid(IdentifierKind::TFN, "123456"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::TFN, "1234567820"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::TFN, "0000000"));
    EXPECT_TRUE(IdentifierValid(IdentifierKind::TFN, " 123 456 782 "));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::TFN, "12345678a"));
    // Short or zero-led business numbers are taken as entered; longer ones are not.
    EXPECT_TRUE(IdentifierValid(IdentifierKind::ABN, "123456789"));
    EXPECT_TRUE(IdentifierValid(IdentifierKind::ABN, "01234567890"));
    EXPECT_TRUE(IdentifierValid(IdentifierKind::ABN, "53 004 085 260"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::ABN, "53004085261"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::ABN, "530040852600"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::ACN, "0"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::SFN, "000000000"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::EGN, "00000000"));
    EXPECT_FALSE(IdentifierValid(IdentifierKind::DIN, "12345673"));         // 8 digits
    EXPECT_FALSE(IdentifierValid(IdentifierKind::DIN, "12345678900"));      // moved: 00...
    EXPECT_FALSE(IdentifierValid(IdentifierKind::Medicare, "1123456701"));  // first digit 1
    EXPECT_FALSE(IdentifierValid(IdentifierKind::Medicare, "212345670"));
    EXPECT_TRUE(IdentifierValid(IdentifierKind::Medicare, "2123 45670 9"));  // tenth: any
}

TEST(Identifiers, AgreeWithTheRulesOnRandomNumbers) {
    std::mt19937 random(20060701);
    std::uniform_int_distribution<int> digit(0, 9), length(1, 12);
    int validSeen = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string number(length(random), '0');
        for (char& c : number) c = static_cast<char>('0' + digit(random));
        for (IdentifierKind kind : AllKinds) {
            const bool expected = ReferenceValid(kind, number);
            validSeen += expected;
            ASSERT_EQ(IdentifierValid(kind, number), expected)
                << number << " kind " << static_cast<int>(kind);
        }
    }
    EXPECT_GT(validSeen, 1000);
}

TEST(Identifiers, DisplayFormats) {
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::TFN, "1234569"), "1 234 569");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::TFN, "87654322"), "87 654 322");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::TFN, "123 456782"), "123 456 782");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::ABN, "53004085260"), "53 004 085 260");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::ABN, "123456789"), "00 123 456 789");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::ACN, "123455"), "000 123 455");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::SFN, "60"), "0000 000 60");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::DIN, "123456735"), "00 123 456 735");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::EGN, "98768"), "000 987 68");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::Medicare, "2123456701"), "2123 45670 1");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::Medicare, "212345"), "2123 45");
    EXPECT_EQ(IdentifierDisplay(IdentifierKind::Medicare, ""), "");
}

TEST(Identifiers, Messages) {
    EXPECT_STREQ(IdentifierError(IdentifierKind::TFN), "Invalid Tax File Number (TFN)");
    EXPECT_STREQ(IdentifierError(IdentifierKind::ABN), "Invalid Australian Business Number (ABN)");
    EXPECT_STREQ(IdentifierError(IdentifierKind::ACN), "Invalid ACN/ARBN");
    EXPECT_STREQ(IdentifierError(IdentifierKind::SFN), "Invalid SFN");
    EXPECT_STREQ(IdentifierError(IdentifierKind::DIN),
                 "Invalid Document Indentification Number (DIN)");
    EXPECT_STREQ(IdentifierError(IdentifierKind::EGN), "Invalid Employer group number");
    EXPECT_STREQ(IdentifierError(IdentifierKind::Medicare), "Invalid Medicare Card Number");
}
