#include "module/core/host_arguments.h"

std::string FromShortString(const unsigned char* text) {
    if (!text) return {};
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

std::basic_string<unsigned char> ToShortString(const std::string& text) {
    const size_t length = text.size() < 255 ? text.size() : 255;
    std::basic_string<unsigned char> result(1, static_cast<unsigned char>(length));
    result.append(reinterpret_cast<const unsigned char*>(text.data()), length);
    return result;
}

ScreenPosition SplitScreenNumber(int32_t number) { return {number / 100, number % 100}; }

int16_t CheckVersionResult(int32_t version) {
    const auto v = static_cast<int16_t>(static_cast<uint16_t>(version & 0xFFFF));
    if (v == 1) return 0;
    return v > 1 ? -1 : 1;
}
