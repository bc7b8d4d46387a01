#include "store/triple_des.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <random>
#include <vector>

namespace {

// libcrypto's two-key triple DES in ECB mode, the reference the bitsliced code must match.
std::vector<uint8_t> Reference(bool encipher, const TripleDesKey& key,
                               const std::vector<uint8_t>& in) {
    std::vector<uint8_t> out(in.size());
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    int written = 0;
    const bool ran = EVP_CipherInit_ex(context, EVP_des_ede_ecb(), nullptr, key.data(), nullptr,
                                       encipher ? 1 : 0) == 1 &&
                     EVP_CIPHER_CTX_set_padding(context, 0) == 1 &&
                     EVP_CipherUpdate(context, out.data(), &written, in.data(),
                                      static_cast<int>(in.size())) == 1;
    EVP_CIPHER_CTX_free(context);
    EXPECT_TRUE(ran);
    EXPECT_EQ(static_cast<size_t>(written), in.size());
    return out;
}

}  // namespace

// Random keys and blocks, sizes on both sides of the 256-block batches, both directions, into
// another buffer and in place, on the widest code and on the portable one.
TEST(TripleDes, MatchesLibcryptoOnRandomKeysAndBlocks) {
    std::mt19937_64 random(20060630);
    const size_t blockCounts[] = {0, 1, 2, 63, 64, 255, 256, 257, 511, 512, 700, 1500};
    for (const DesCode code : {DesCode::Widest, DesCode::Portable}) {
        for (const size_t blocks : blockCounts) {
            TripleDesKey key;
            for (uint8_t& byte : key) byte = static_cast<uint8_t>(random());
            std::vector<uint8_t> in(8 * blocks);
            for (uint8_t& byte : in) byte = static_cast<uint8_t>(random());
            for (const bool encipher : {true, false}) {
                const auto expected = Reference(encipher, key, in);
                std::vector<uint8_t> out(in.size(), 0xEE);
                RunTripleDes(encipher, key, in.data(), in.size(), out.data(), code);
                EXPECT_EQ(out, expected) << blocks << " blocks, encipher " << encipher;
                std::vector<uint8_t> inPlace = in;
                RunTripleDes(encipher, key, inPlace.data(), inPlace.size(), inPlace.data(), code);
                EXPECT_EQ(inPlace, expected) << blocks << " blocks in place";
            }
        }
    }
}

// Every single bit of the key and of a block, alone: 64 blocks of one bit each under each of
// the 128 keys of one bit, then under weak keys of all ones and all zeros.
TEST(TripleDes, FollowsEverySingleBitOfKeyAndBlock) {
    std::vector<uint8_t> oneBitBlocks(8 * 64, 0);
    for (size_t bit = 0; bit < 64; ++bit)
        oneBitBlocks[8 * bit + bit / 8] = static_cast<uint8_t>(0x80 >> bit % 8);
    std::vector<TripleDesKey> keys;
    for (size_t bit = 0; bit < 128; ++bit) {
        TripleDesKey key{};
        key[bit / 8] = static_cast<uint8_t>(0x80 >> bit % 8);
        keys.push_back(key);
    }
    keys.push_back(TripleDesKey{});
    keys.emplace_back().fill(0xFF);
    for (const TripleDesKey& key : keys) {
        for (const bool encipher : {true, false}) {
            std::vector<uint8_t> out(oneBitBlocks.size());
            RunTripleDes(encipher, key, oneBitBlocks.data(), out.size(), out.data());
            ASSERT_EQ(out, Reference(encipher, key, oneBitBlocks));
        }
    }
}
