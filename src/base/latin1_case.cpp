#include "base/latin1_case.h"

namespace {
// 0xD7 and 0xF7 are the multiplication and division signs, not letters.
bool IsLowerLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}
bool IsUpperLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}
}  // namespace

char Latin1Upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    return IsLowerLetter(u) ? static_cast<char>(u - 0x20) : c;
}

char Latin1Lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    return IsUpperLetter(u) ? static_cast<char>(u + 0x20) : c;
}

std::string Latin1UpperText(const std::string& text) {
    std::string result = text;
    for (char& c : result) c = Latin1Upper(c);
    return result;
}
