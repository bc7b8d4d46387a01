#pragma once
// The data file's cipher: two-key triple DES (encrypt, decrypt, encrypt) on independent
// 8-byte blocks. Every whole plain block is enciphered in turn, then one final block always
// follows: the 0 to 7 remaining bytes, zeros, and in its last byte the
// number of plain bytes it carries.

#include <cstdint>
#include <string>
#include <vector>

#include "store/triple_des.h"

using CipherKey = TripleDesKey;

// The decimal digits of an identifier, in order; every other character dropped.
std::string MakeKeyText(const std::string& identifier);
// The 16-byte key: the MD5 digest of the key text. False only when libcrypto refuses.
bool KeyFromText(const std::string& keyText, CipherKey& key);

// Always true; a bool as its callers have always checked one.
bool EncipherDataFile(const std::vector<uint8_t>& plain, const CipherKey& key,
                      std::vector<uint8_t>& enciphered);
// False when the bytes are not a whole, non-empty number of blocks or the final block
// claims more than 7 bytes.
bool DecipherDataFile(const std::vector<uint8_t>& enciphered, const CipherKey& key,
                      std::vector<uint8_t>& plain);
