#include "base/latin1_text.h"

std::string Latin1ToUtf8(const std::string& text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return utf8;
}

bool Utf8ToLatin1(const std::string& text, std::string& latin1) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto u = static_cast<unsigned char>(text[i]);
        if (u < 0x80) {
            result += text[i];
            continue;
        }
        // Latin-1 beyond ASCII is exactly the two-byte sequences led by C2 and C3.
        if ((u != 0xC2 && u != 0xC3) || i + 1 >= text.size()) return false;
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if ((next & 0xC0) != 0x80) return false;
        result += static_cast<char>(((u & 0x03) << 6) | (next & 0x3F));
        ++i;
    }
    latin1 = std::move(result);
    return true;
}
