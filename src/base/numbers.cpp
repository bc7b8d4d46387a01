#include "base/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// |value| as 18 significant decimal digits d0.d1d2... x 10^exponent.
struct DecimalExpansion {
    bool negative = false;
    std::string digits;  // empty for zero
    int exponent = 0;
};

DecimalExpansion Expand(long double value) {
    DecimalExpansion e;
    e.negative = std::signbit(value);
    if (value == 0) return e;
    // Locale-independent: d.ddddddddddddddddde[+-]xx
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 17);
    const std::string text(buffer, result.ptr);
    const size_t ePos = text.find('e');
    e.digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    e.exponent);
    return e;
}

// Rounds the expansion so that the last kept digit has decimal weight 10^-places;
// halves go away from zero. Returns false when nothing is left (the value rounds to 0).
bool RoundAt(DecimalExpansion& e, int places) {
    const int keep = e.exponent + 1 + places;
    if (keep < 0 || e.digits.empty()) {
        e.digits.clear();
        return false;
    }
    if (keep >= static_cast<int>(e.digits.size())) return true;
    const bool up = e.digits[keep] >= '5';
    e.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && e.digits[i] == '9') e.digits[i--] = '0';
        if (i >= 0) {
            ++e.digits[i];
        } else {
            e.digits.insert(e.digits.begin(), '1');
            ++e.exponent;
        }
    }
    const size_t firstNonZero = e.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        e.digits.clear();
        return false;
    }
    return true;
}

std::string ExponentForm(DecimalExpansion e, int significant) {
    RoundAt(e, significant - 1 - e.exponent);
    while (e.digits.size() > 1 && e.digits.back() == '0') e.digits.pop_back();
    std::string text = e.negative ? "-" : "";
    text += e.digits.substr(0, 1);
    if (e.digits.size() > 1) text += "." + e.digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%+03d", e.exponent);
    return text + exponent;
}

// Digits of the expansion placed around the decimal point with exactly `places` decimals.
std::string PlaceDigits(const DecimalExpansion& e, int places) {
    std::string integer, fraction;
    for (int weight = std::max(e.exponent, 0); weight >= -places; --weight) {
        const int index = e.exponent - weight;
        const char digit =
            (index >= 0 && index < static_cast<int>(e.digits.size())) ? e.digits[index] : '0';
        (weight >= 0 ? integer : fraction) += digit;
    }
    std::string text = e.negative && !e.digits.empty() ? "-" : "";
    text += integer.empty() ? "0" : integer;
    if (places > 0) text += "." + fraction;
    return text;
}

}  // namespace

long double RoundEven(long double value) { return std::nearbyint(value); }

long long RoundEvenToInt(long double value) { return std::llrint(value); }

long double Trunc(long double value) { return std::trunc(value); }

std::string FormatFixed(long double value, int precision, int digits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    DecimalExpansion e = Expand(value);
    if (!e.digits.empty() && e.exponent + 1 > precision) return ExponentForm(e, precision);
    const int places = std::min(digits, precision - (e.exponent + 1));
    RoundAt(e, places);
    return PlaceDigits(e, digits);
}

std::string FormatGeneral(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    constexpr int Significant = 15;
    DecimalExpansion e = Expand(value);
    if (e.digits.empty()) return "0";
    RoundAt(e, Significant - 1 - e.exponent);
    if (e.digits.empty()) return "0";
    if (e.exponent >= Significant || e.exponent < -5) return ExponentForm(e, Significant);
    while (e.digits.size() > 1 && e.digits.back() == '0') e.digits.pop_back();
    const int places = std::max(0, static_cast<int>(e.digits.size()) - 1 - e.exponent);
    return PlaceDigits(e, places);
}

bool TryReadNumber(const std::string& text, long double& value) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return false;
    size_t end = text.find_last_not_of(' ');
    const std::string body = text.substr(begin, end - begin + 1);
    // Only plain decimal notation counts: no hex, "inf" or "nan".
    bool digitSeen = false, pointSeen = false, exponentSeen = false;
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c >= '0' && c <= '9') {
            digitSeen = true;
        } else if ((c == '+' || c == '-') && (i == 0 || body[i - 1] == 'e' || body[i - 1] == 'E')) {
        } else if (c == '.' && !pointSeen && !exponentSeen) {
            pointSeen = true;
        } else if ((c == 'e' || c == 'E') && digitSeen && !exponentSeen && i + 1 < body.size()) {
            exponentSeen = true;
        } else {
            return false;
        }
    }
    if (!digitSeen) return false;
    const char* first = body.data() + (body[0] == '+' ? 1 : 0);
    long double parsed = 0;
    const auto result = std::from_chars(first, body.data() + body.size(), parsed);
    if (result.ec != std::errc() || result.ptr != body.data() + body.size()) return false;
    value = parsed;
    return true;
}
