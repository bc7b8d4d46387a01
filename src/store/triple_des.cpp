#include "store/triple_des.h"

#include <algorithm>
#include <cstring>
#include <utility>

// The vectors never cross a call that is not inlined, so their calling convention is moot.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

// Four 64-bit words side by side; the compiler uses whatever vector registers the target has.
typedef uint64_t Lanes __attribute__((vector_size(32)));
constexpr size_t LaneWords = 4;
constexpr size_t BatchBlocks = 64 * LaneWords;
constexpr size_t BlockBytes = 8;
constexpr size_t BatchBytes = BatchBlocks * BlockBytes;

// The standard's tables. Bit positions count from 1 at the most significant bit.
constexpr uint8_t InitialPermutation[64] = {
    58, 50, 42, 34, 26, 18, 10, 2,  60, 52, 44, 36, 28, 20, 12, 4,  62, 54, 46, 38, 30, 22,
    14, 6,  64, 56, 48, 40, 32, 24, 16, 8,  57, 49, 41, 33, 25, 17, 9,  1,  59, 51, 43, 35,
    27, 19, 11, 3,  61, 53, 45, 37, 29, 21, 13, 5,  63, 55, 47, 39, 31, 23, 15, 7};
constexpr uint8_t Expansion[48] = {32, 1,  2,  3,  4,  5,  4,  5,  6,  7,  8,  9,  8,  9,  10, 11,
                                   12, 13, 12, 13, 14, 15, 16, 17, 16, 17, 18, 19, 20, 21, 20, 21,
                                   22, 23, 24, 25, 24, 25, 26, 27, 28, 29, 28, 29, 30, 31, 32, 1};
constexpr uint8_t Permutation[32] = {16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
                                     2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};
constexpr uint8_t KeyChoice1[56] = {57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
                                    10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
                                    63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
                                    14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};
constexpr uint8_t KeyChoice2[48] = {14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,
                                    26, 8,  16, 7,  27, 20, 13, 2,  41, 52, 31, 37, 47, 55, 30, 40,
                                    51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};
constexpr uint8_t KeyShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};
constexpr uint8_t SBoxes[8][4][16] = {{{14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
                                       {0, 15, 7, 4, 14, 2, 13, 1, 10, 6, 12, 11, 9, 5, 3, 8},
                                       {4, 1, 14, 8, 13, 6, 2, 11, 15, 12, 9, 7, 3, 10, 5, 0},
                                       {15, 12, 8, 2, 4, 9, 1, 7, 5, 11, 3, 14, 10, 0, 6, 13}},
                                      {{15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
                                       {3, 13, 4, 7, 15, 2, 8, 14, 12, 0, 1, 10, 6, 9, 11, 5},
                                       {0, 14, 7, 11, 10, 4, 13, 1, 5, 8, 12, 6, 9, 3, 2, 15},
                                       {13, 8, 10, 1, 3, 15, 4, 2, 11, 6, 7, 12, 0, 5, 14, 9}},
                                      {{10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
                                       {13, 7, 0, 9, 3, 4, 6, 10, 2, 8, 5, 14, 12, 11, 15, 1},
                                       {13, 6, 4, 9, 8, 15, 3, 0, 11, 1, 2, 12, 5, 10, 14, 7},
                                       {1, 10, 13, 0, 6, 9, 8, 7, 4, 15, 14, 3, 11, 5, 2, 12}},
                                      {{7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
                                       {13, 8, 11, 5, 6, 15, 0, 3, 4, 7, 2, 12, 1, 10, 14, 9},
                                       {10, 6, 9, 0, 12, 11, 7, 13, 15, 1, 3, 14, 5, 2, 8, 4},
                                       {3, 15, 0, 6, 10, 1, 13, 8, 9, 4, 5, 11, 12, 7, 2, 14}},
                                      {{2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
                                       {14, 11, 2, 12, 4, 7, 13, 1, 5, 0, 15, 10, 3, 9, 8, 6},
                                       {4, 2, 1, 11, 10, 13, 7, 8, 15, 9, 12, 5, 6, 3, 0, 14},
                                       {11, 8, 12, 7, 1, 14, 2, 13, 6, 15, 0, 9, 10, 4, 5, 3}},
                                      {{12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
                                       {10, 15, 4, 2, 7, 12, 9, 5, 6, 1, 13, 14, 0, 11, 3, 8},
                                       {9, 14, 15, 5, 2, 8, 12, 3, 7, 0, 4, 10, 1, 13, 11, 6},
                                       {4, 3, 2, 12, 9, 5, 15, 10, 11, 14, 1, 7, 6, 0, 8, 13}},
                                      {{4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
                                       {13, 0, 11, 7, 4, 9, 1, 10, 14, 3, 5, 12, 2, 15, 8, 6},
                                       {1, 4, 11, 13, 12, 3, 7, 14, 10, 15, 6, 8, 0, 5, 9, 2},
                                       {6, 11, 13, 8, 1, 4, 10, 7, 9, 5, 0, 15, 14, 2, 3, 12}},
                                      {{13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
                                       {1, 15, 13, 8, 10, 3, 7, 4, 12, 5, 6, 11, 0, 14, 9, 2},
                                       {7, 11, 4, 1, 9, 12, 14, 2, 0, 6, 10, 13, 15, 3, 5, 8},
                                       {2, 1, 14, 7, 4, 10, 8, 13, 15, 12, 9, 0, 3, 5, 6, 11}}};

// Where the round function's output bit before the permutation lands in the half block.
constexpr std::array<uint8_t, 32> PermutedPosition() {
    std::array<uint8_t, 32> position{};
    for (uint8_t k = 0; k < 32; ++k) position[Permutation[k] - 1] = k;
    return position;
}
constexpr std::array<uint8_t, 32> PermutedAt = PermutedPosition();

// One DES key's 16 round keys, each bit as a word of all ones or all zeros.
using RoundKeys = std::array<std::array<uint64_t, 48>, 16>;

RoundKeys Schedule(const uint8_t* key) {
    bool chosen[56];
    for (int i = 0; i < 56; ++i) {
        const int bit = KeyChoice1[i] - 1;
        chosen[i] = (key[bit / 8] >> (7 - bit % 8)) & 1;
    }
    RoundKeys keys{};
    for (int round = 0; round < 16; ++round) {
        for (int shift = 0; shift < KeyShifts[round]; ++shift) {
            std::rotate(chosen, chosen + 1, chosen + 28);
            std::rotate(chosen + 28, chosen + 29, chosen + 56);
        }
        for (int i = 0; i < 48; ++i) keys[round][i] = chosen[KeyChoice2[i] - 1] ? ~uint64_t{0} : 0;
    }
    return keys;
}

// The S-box as logic: the 16 minterms of the four column bits, ORed per row and output bit
// as the table says (the compiler folds the table away), then the row chosen by the outer
// two bits.
template <int Box, int Row, int Bit, size_t... Column>
[[gnu::always_inline]] inline Lanes RowOutput(const Lanes* minterm,
                                              std::index_sequence<Column...>) {
    return (((SBoxes[Box][Row][Column] >> (3 - Bit)) & 1 ? minterm[Column] : Lanes{}) | ...);
}

template <int Box, int Bit>
[[gnu::always_inline]] inline Lanes BoxOutput(const Lanes* row, const Lanes* minterm) {
    constexpr auto columns = std::make_index_sequence<16>();
    return (row[0] & RowOutput<Box, 0, Bit>(minterm, columns)) |
           (row[1] & RowOutput<Box, 1, Bit>(minterm, columns)) |
           (row[2] & RowOutput<Box, 2, Bit>(minterm, columns)) |
           (row[3] & RowOutput<Box, 3, Bit>(minterm, columns));
}

// Half ^= the round function of `other` under `key`, for S-box `Box`'s share.
template <int Box>
[[gnu::always_inline]] inline void ApplyBox(Lanes* half, const Lanes* other, const uint64_t* key) {
    Lanes in[6];
    for (int i = 0; i < 6; ++i) in[i] = other[Expansion[6 * Box + i] - 1] ^ key[6 * Box + i];
    const Lanes high[4] = {~in[1] & ~in[2], ~in[1] & in[2], in[1] & ~in[2], in[1] & in[2]};
    const Lanes low[4] = {~in[3] & ~in[4], ~in[3] & in[4], in[3] & ~in[4], in[3] & in[4]};
    Lanes minterm[16];
    for (int c = 0; c < 16; ++c) minterm[c] = high[c >> 2] & low[c & 3];
    const Lanes row[4] = {~in[0] & ~in[5], ~in[0] & in[5], in[0] & ~in[5], in[0] & in[5]};
    half[PermutedAt[4 * Box + 0]] ^= BoxOutput<Box, 0>(row, minterm);
    half[PermutedAt[4 * Box + 1]] ^= BoxOutput<Box, 1>(row, minterm);
    half[PermutedAt[4 * Box + 2]] ^= BoxOutput<Box, 2>(row, minterm);
    half[PermutedAt[4 * Box + 3]] ^= BoxOutput<Box, 3>(row, minterm);
}

template <size_t... Box>
[[gnu::always_inline]] inline void Round(Lanes* half, const Lanes* other, const uint64_t* key,
                                         std::index_sequence<Box...>) {
    (ApplyBox<Box>(half, other, key), ...);
}

struct Keys {
    RoundKeys first, second;
};

// The 48 rounds of encrypt, decrypt, encrypt (or the reverse) on the halves. Within one DES
// the halves swap roles every round; between two, the final swap of the one and the initial
// permutations cancel, so the roles carry over unswapped. Afterwards `left` holds L16 and
// `right` R16 of the last DES.
[[gnu::always_inline]] inline void TripleDes(bool encipher, const Keys& keys, Lanes* left,
                                             Lanes* right) {
    constexpr auto boxes = std::make_index_sequence<8>();
    Lanes* half = left;
    Lanes* other = right;
    for (int round = 0; round < 48; ++round) {
        const int stage = round / 16, step = round % 16;
        const bool decipher = (stage == 1) == encipher;
        const RoundKeys& stageKeys = stage == 1 ? keys.second : keys.first;
        Round(half, other, stageKeys[decipher ? 15 - step : step].data(), boxes);
        if (step != 15 || stage == 2) std::swap(half, other);
    }
}

// Transposes a 64 x 64 bit matrix about its anti-diagonal: bit b of row i goes to bit 63 - i
// of row 63 - b. Its own inverse; with rows read big-endian, row i afterwards holds bit i + 1
// (counted from the most significant) of each of the 64 blocks.
void Transpose(uint64_t* rows) {
    uint64_t mask = 0x00000000FFFFFFFFull;
    for (int width = 32; width != 0; width >>= 1, mask ^= mask << width) {
        for (int k = 0; k < 64; k = (k + width + 1) & ~width) {
            const uint64_t swap = (rows[k] ^ (rows[k + width] >> width)) & mask;
            rows[k] ^= swap;
            rows[k + width] ^= swap << width;
        }
    }
}

uint64_t LoadBigEndian(const uint8_t* bytes) {
    uint64_t value = 0;
    for (size_t i = 0; i < BlockBytes; ++i) value = value << 8 | bytes[i];
    return value;
}

void StoreBigEndian(uint64_t value, uint8_t* bytes) {
    for (size_t i = BlockBytes; i-- > 0; value >>= 8) bytes[i] = static_cast<uint8_t>(value);
}

// One batch of BatchBlocks blocks, in place.
[[gnu::always_inline]] inline void RunBatch(bool encipher, const Keys& keys, uint8_t* blocks) {
    Lanes bits[64];
    for (size_t lane = 0; lane < LaneWords; ++lane) {
        uint64_t rows[64];
        for (size_t j = 0; j < 64; ++j)
            rows[j] = LoadBigEndian(blocks + BlockBytes * (64 * lane + j));
        Transpose(rows);
        for (size_t i = 0; i < 64; ++i) bits[i][lane] = rows[i];
    }
    Lanes left[32], right[32];
    for (int k = 0; k < 32; ++k) {
        left[k] = bits[InitialPermutation[k] - 1];
        right[k] = bits[InitialPermutation[32 + k] - 1];
    }
    TripleDes(encipher, keys, left, right);
    // The output is the inverse initial permutation of R16 then L16.
    for (int k = 0; k < 32; ++k) {
        bits[InitialPermutation[k] - 1] = right[k];
        bits[InitialPermutation[32 + k] - 1] = left[k];
    }
    for (size_t lane = 0; lane < LaneWords; ++lane) {
        uint64_t rows[64];
        for (size_t i = 0; i < 64; ++i) rows[i] = bits[i][lane];
        Transpose(rows);
        for (size_t j = 0; j < 64; ++j)
            StoreBigEndian(rows[j], blocks + BlockBytes * (64 * lane + j));
    }
}

void RunBatchesPlain(bool encipher, const Keys& keys, uint8_t* batches, size_t count) {
    for (size_t i = 0; i < count; ++i) RunBatch(encipher, keys, batches + i * BatchBytes);
}

using BatchRunner = void (*)(bool, const Keys&, uint8_t*, size_t);

#if defined(__x86_64__)
// The same, compiled for AVX2's 256-bit registers.
[[gnu::target("avx2")]] void RunBatchesWide(bool encipher, const Keys& keys, uint8_t* batches,
                                            size_t count) {
    for (size_t i = 0; i < count; ++i) RunBatch(encipher, keys, batches + i * BatchBytes);
}

BatchRunner Runner(DesCode code) {
    static const bool wide = __builtin_cpu_supports("avx2");
    return wide && code == DesCode::Widest ? RunBatchesWide : RunBatchesPlain;
}
#else
BatchRunner Runner(DesCode) { return RunBatchesPlain; }
#endif

}  // namespace

void RunTripleDes(bool encipher, const TripleDesKey& key, const uint8_t* in, size_t size,
                  uint8_t* out, DesCode code) {
    const Keys keys{Schedule(key.data()), Schedule(key.data() + BlockBytes)};
    const BatchRunner run = Runner(code);
    // Whole batches in place in `out`; the rest through a zero-filled batch of its own.
    const size_t whole = size / BatchBytes;
    if (out != in) std::memmove(out, in, whole * BatchBytes);
    run(encipher, keys, out, whole);
    const size_t rest = size - whole * BatchBytes;
    if (rest == 0) return;
    uint8_t last[BatchBytes] = {};
    std::memcpy(last, in + whole * BatchBytes, rest);
    run(encipher, keys, last, 1);
    std::memcpy(out + whole * BatchBytes, last, rest);
}
