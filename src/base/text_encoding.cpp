#include "base/text_encoding.h"

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
