#pragma once
// Two-key triple DES (encrypt with the first key, decrypt with the second, encrypt with the
// first) on independent 8-byte blocks. Computed bitsliced: 256 blocks at a time, one machine
// word per bit position, so that an S-box is a handful of logic operations on whole words
// rather than a table lookup per block. The bytes are those of any other DES; only the speed
// differs, which matters for a large return read and saved at every command.

#include <array>
#include <cstddef>
#include <cstdint>

using TripleDesKey = std::array<uint8_t, 16>;  // bytes 0-7 the first DES key, 8-15 the second

// The code that runs the blocks: the widest vectors the processor has, or the code every
// x86-64 runs (the tests check both).
enum class DesCode { Widest, Portable };

// Runs `size` bytes of `in` (whole blocks: a multiple of 8) into `out`, which may be `in`.
void RunTripleDes(bool encipher, const TripleDesKey& key, const uint8_t* in, size_t size,
                  uint8_t* out, DesCode code = DesCode::Widest);
