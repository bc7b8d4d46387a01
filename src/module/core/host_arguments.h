#pragma once
// How the host's arguments are read: length-prefixed texts, the start code, the version.

#include <cstdint>
#include <string>

// One length byte, then that many single-byte characters; null reads as empty.
std::string FromShortString(const unsigned char* text);
// The reverse, for hosts and tests: texts longer than 255 characters are cut.
std::basic_string<unsigned char> ToShortString(const std::string& text);

struct ScreenPosition {
    int32_t group = 0;
    int32_t index = 0;
};
// Division truncating toward zero; the remainder keeps the dividend's sign.
ScreenPosition SplitScreenNumber(int32_t number);

// 0 for version 1, -1 for a newer host, 1 for an older one; only the low 16 bits count.
int16_t CheckVersionResult(int32_t version);
