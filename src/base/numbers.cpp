#include "base/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/decimal_expansion.h"

namespace {

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
    std::string text = e.negative && !e.digits.empty() ? "-" : "";
    const int top = std::max(e.exponent, 0);
    if (top < -places) return text + "0";  // no digit of weight 1 or more is placed
    text.reserve(text.size() + static_cast<size_t>(top + 2 + std::max(places, 0)));
    for (int weight = top; weight >= -places; --weight) {
        if (weight == -1) text += '.';
        const int index = e.exponent - weight;
        text += index >= 0 && index < static_cast<int>(e.digits.size()) ? e.digits[index] : '0';
    }
    return text;
}

// FormatFixed of a short decimal n / 10^p (ExpandDecimal's digits are n's) worked in whole
// numbers: rounding the expansion at a place adds half a unit there and drops the digits after
// it, as (n + unit / 2) / unit does. False for what takes the general way (the exponent form).
bool FormatShortDecimal(long double value, int precision, int digits, std::string& text) {
    unsigned long long whole = 0;
    int places = 0;
    if (digits < 0 || value == 0 || !ShortDecimal(std::fabs(value), whole, places)) return false;
    char number[24];
    int length =
        static_cast<int>(std::to_chars(number, number + sizeof number, whole).ptr - number);
    const int integerDigits = length - places;
    if (integerDigits > precision) return false;
    const int kept = std::min(digits, precision - integerDigits);
    if (kept < places) {
        unsigned long long unit = 1;
        for (int p = kept; p < places; ++p) unit *= 10;
        whole = (whole + unit / 2) / unit;
        places = kept;
        length =
            static_cast<int>(std::to_chars(number, number + sizeof number, whole).ptr - number);
    }
    text.clear();
    if (value < 0 && whole != 0) text += '-';
    if (length > places)
        text.append(number, static_cast<size_t>(length - places));
    else
        text += '0';
    if (digits > 0) {
        text += '.';
        if (length < places) text.append(static_cast<size_t>(places - length), '0');
        const int shown = std::min(length, places);
        text.append(number + length - shown, static_cast<size_t>(shown));
        text.append(static_cast<size_t>(digits - places), '0');
    }
    return true;
}

// Plain decimal text of at most 19 digits (every amount the grids and fields hold): its
// digits as a whole number n and its decimals p give n / 10^p, both exact in a long double,
// and the division rounds that once, correctly, exactly as the general conversion rounds the
// decimal. `text` is already checked to be a decimal number.
bool ReadShortDecimal(const std::string& text, long double& value) {
    constexpr int MostDigits = 19;  // below 2^64
    unsigned long long whole = 0;
    int digits = 0, places = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.') {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++digits > MostDigits) return false;
            whole = whole * 10 + static_cast<unsigned>(c - '0');
            if (point) ++places;
        } else if (c == 'e' || c == 'E') {
            return false;
        }
    }
    long double scale = 1;
    for (int p = 0; p < places; ++p) scale *= 10;
    const long double magnitude = static_cast<long double>(whole) / scale;
    value = text[0] == '-' ? -magnitude : magnitude;
    return true;
}

}  // namespace

// rint gives nearbyint's value; nearbyint only keeps the inexact flag (which nothing reads)
// clear, at several times the cost.
long double RoundEven(long double value) { return std::rint(value); }

long long RoundEvenToInt(long double value) { return std::llrint(value); }

long double Trunc(long double value) { return std::trunc(value); }

std::string FormatFixed(long double value, int precision, int digits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (std::string text; FormatShortDecimal(value, precision, digits, text)) return text;
    DecimalExpansion e = ExpandDecimal(value);
    if (!e.digits.empty() && e.exponent + 1 > precision) return ExponentForm(e, precision);
    const int places = std::min(digits, precision - (e.exponent + 1));
    RoundAt(e, places);
    return PlaceDigits(e, digits);
}

std::string FormatGeneral(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    constexpr int Significant = 15;
    DecimalExpansion e = ExpandDecimal(value);
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
    if (ReadShortDecimal(body, value)) return true;
    const char* first = body.data() + (body[0] == '+' ? 1 : 0);
    long double parsed = 0;
    const auto result = std::from_chars(first, body.data() + body.size(), parsed);
    if (result.ec != std::errc() || result.ptr != body.data() + body.size()) return false;
    value = parsed;
    return true;
}
