#include "store/data_file_cipher.h"

#include <openssl/evp.h>

#include <algorithm>
#include <memory>

namespace {

constexpr size_t Block = 8;
// EVP lengths are ints; larger buffers go through in pieces.
constexpr size_t Piece = size_t{1} << 26;

struct ContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using Context = std::unique_ptr<EVP_CIPHER_CTX, ContextFree>;

// Runs whole blocks through two-key triple DES in ECB mode, in place into `out`.
bool RunBlocks(bool encipher, const CipherKey& key, const uint8_t* in, size_t size, uint8_t* out) {
    Context context(EVP_CIPHER_CTX_new());
    if (!context) return false;
    if (EVP_CipherInit_ex(context.get(), EVP_des_ede_ecb(), nullptr, key.data(), nullptr,
                          encipher ? 1 : 0) != 1)
        return false;
    EVP_CIPHER_CTX_set_padding(context.get(), 0);
    for (size_t done = 0; done < size;) {
        const size_t length = std::min(Piece, size - done);
        int written = 0;
        if (EVP_CipherUpdate(context.get(), out + done, &written, in + done,
                             static_cast<int>(length)) != 1 ||
            static_cast<size_t>(written) != length)
            return false;
        done += length;
    }
    return true;
}

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
    enciphered.resize(whole + Block);
    uint8_t last[Block] = {};
    std::copy(plain.begin() + static_cast<std::ptrdiff_t>(whole), plain.end(), last);
    last[Block - 1] = static_cast<uint8_t>(rest);
    return RunBlocks(true, key, plain.data(), whole, enciphered.data()) &&
           RunBlocks(true, key, last, Block, enciphered.data() + whole);
}

bool DecipherDataFile(const std::vector<uint8_t>& enciphered, const CipherKey& key,
                      std::vector<uint8_t>& plain) {
    plain.clear();
    if (enciphered.empty() || enciphered.size() % Block != 0) return false;
    std::vector<uint8_t> blocks(enciphered.size());
    if (!RunBlocks(false, key, enciphered.data(), enciphered.size(), blocks.data())) return false;
    const size_t rest = blocks.back();
    if (rest > Block - 1) return false;
    blocks.resize(enciphered.size() - Block + rest);
    plain = std::move(blocks);
    return true;
}
