#include "store/data_file_cipher.h"

#include <openssl/evp.h>

#include <algorithm>

#include "store/triple_des.h"

namespace {

constexpr size_t Block = 8;

}  // namespace

std::string MakeKeyText(const std::string& identifier) {
    std::string digits;
    for (char c : identifier)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

bool KeyFromText(const std::string& keyText, CipherKey& key) {
    unsigned int length = 0;
    return EVP_Digest(keyText.data(), keyText.size(), key.data(), &length, EVP_md5(), nullptr) ==
               1 &&
           length == key.size();
}

bool EncipherDataFile(const std::vector<uint8_t>& plain, const CipherKey& key,
                      std::vector<uint8_t>& enciphered) {
    const size_t whole = plain.size() / Block * Block;
    const size_t rest = plain.size() - whole;
    // Room made once: growing by the final block would copy a large file's bytes again.
    enciphered.clear();
    enciphered.reserve(whole + Block);
    enciphered.insert(enciphered.end(), plain.begin(), plain.end());
    enciphered.resize(whole + Block, 0);
    enciphered.back() = static_cast<uint8_t>(rest);
    RunTripleDes(true, key, enciphered.data(), enciphered.size(), enciphered.data());
    return true;
}

bool DecipherDataFile(const std::vector<uint8_t>& enciphered, const CipherKey& key,
                      std::vector<uint8_t>& plain) {
    plain.clear();
    if (enciphered.empty() || enciphered.size() % Block != 0) return false;
    std::vector<uint8_t> blocks(enciphered.size());
    RunTripleDes(false, key, enciphered.data(), enciphered.size(), blocks.data());
    const size_t rest = blocks.back();
    if (rest > Block - 1) return false;
    blocks.resize(enciphered.size() - Block + rest);
    plain = std::move(blocks);
    return true;
}
