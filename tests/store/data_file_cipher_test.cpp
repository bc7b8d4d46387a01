#include "store/data_file_cipher.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<uint8_t> FromHex(const std::string& hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

CipherKey KeyFromHex(const std::string& hex) {
    CipherKey key{};
    const auto bytes = FromHex(hex);
    std::copy(bytes.begin(), bytes.end(), key.begin());
    return key;
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

// A published two-key triple-DES ECB vector, and the same keys twice (single DES of the
// classic "Now is t" example).
TEST(DataFileCipher, MatchesPublishedTwoKeyTripleDesVectors) {
    const auto plain = Bytes("Now is the time for all ");
    std::vector<uint8_t> out;
    ASSERT_TRUE(EncipherDataFile(plain, KeyFromHex("0123456789abcdeffedcba9876543210"), out));
    ASSERT_EQ(out.size(), 32u);
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 24),
              FromHex("d80a0d8b2bae5e4e6a0094171abcfc2775d2235a706e232c"));

    ASSERT_TRUE(
        EncipherDataFile(Bytes("Now is t"), KeyFromHex("0123456789abcdef0123456789abcdef"), out));
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 8), FromHex("3fa40e8a984d4815"));
}

TEST(DataFileCipher, FinalBlockCarriesTheRemainingBytesAndTheirCount) {
    const CipherKey key = KeyFromHex("0123456789abcdeffedcba9876543210");
    for (size_t length = 0; length <= 17; ++length) {
        std::vector<uint8_t> plain(length);
        for (size_t i = 0; i < length; ++i) plain[i] = static_cast<uint8_t>(0xA0 + i);
        std::vector<uint8_t> enciphered, back;
        ASSERT_TRUE(EncipherDataFile(plain, key, enciphered));
        EXPECT_EQ(enciphered.size(), length / 8 * 8 + 8) << length;
        ASSERT_TRUE(DecipherDataFile(enciphered, key, back)) << length;
        EXPECT_EQ(back, plain);
    }
    // 16 plain bytes end in a final block of zeros with the count 0: the same block that
    // eight zero bytes encipher to first.
    std::vector<uint8_t> sixteen(16, 0x11), enciphered;
    ASSERT_TRUE(EncipherDataFile(sixteen, key, enciphered));
    std::vector<uint8_t> zeroBlock(8, 0), zeroOut;
    ASSERT_TRUE(EncipherDataFile(zeroBlock, key, zeroOut));
    EXPECT_EQ(std::vector<uint8_t>(enciphered.begin() + 16, enciphered.end()),
              std::vector<uint8_t>(zeroOut.begin(), zeroOut.begin() + 8));
}

TEST(DataFileCipher, RefusesWhatCannotBeAWholeFile) {
    const CipherKey key = KeyFromHex("00112233445566778899aabbccddeeff");
    std::vector<uint8_t> plain;
    EXPECT_FALSE(DecipherDataFile({}, key, plain));
    EXPECT_FALSE(DecipherDataFile(std::vector<uint8_t>(7, 1), key, plain));
    EXPECT_FALSE(DecipherDataFile(std::vector<uint8_t>(9, 1), key, plain));
    // A block whose plain last byte is 200 cannot end a file.
    std::vector<uint8_t> claim = {0, 0, 0, 0, 0, 0, 0, 200}, enciphered;
    ASSERT_TRUE(EncipherDataFile(claim, key, enciphered));
    enciphered.resize(8);
    EXPECT_FALSE(DecipherDataFile(enciphered, key, plain));
    EXPECT_TRUE(plain.empty());
}

TEST(DataFileCipher, KeyIsTheMd5OfTheIdentifiersDigits) {
    EXPECT_EQ(MakeKeyText("123 456-782"), "123456782");
    EXPECT_EQ(MakeKeyText("TFN: 12 34"), "1234");
    EXPECT_EQ(MakeKeyText("no digits"), "");
    CipherKey key{};
    ASSERT_TRUE(KeyFromText("123456782", key));
    EXPECT_EQ(key, KeyFromHex("60ffe97e10dbeb5f03f8dfc4a53ac466"));
    ASSERT_TRUE(KeyFromText("", key));
    EXPECT_EQ(key, KeyFromHex("d41d8cd98f00b204e9800998ecf8427e"));
}
