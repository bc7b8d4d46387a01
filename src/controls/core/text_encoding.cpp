#include "controls/core/text_encoding.h"

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (char c : latin1) {
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

std::string Utf8Prefix(const std::string& utf8, size_t count) {
    size_t i = 0;
    for (size_t taken = 0; i < utf8.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80;
        if (!continuation && taken++ == count) break;
    }
    return utf8.substr(0, i);
}

std::string TrimmedText(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
