#include "import/trade_amounts.h"

#include <cstdlib>

namespace {

constexpr int MostDigits = 15, MostDecimals = 6;

long long PowerOfTen(int n) {
    long long p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// a / b rounded half away from zero; b > 0.
__int128 RoundedQuotient(__int128 a, __int128 b) {
    const __int128 magnitude = (a < 0 ? -a : a);
    const __int128 q = (magnitude * 2 + b) / (b * 2);
    return a < 0 ? -q : q;
}

}  // namespace

bool ReadDecimal(const std::string& text, Decimal& value) {
    bool negative = false, open = false, close = false, point = false, digit = false;
    int digits = 0;
    value = Decimal();
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '$') continue;
        if (c == ',') {
            if (point || !digit) return false;
            continue;
        }
        if (c == '(' && !open && !digit && !negative) {
            open = true;
        } else if (c == ')' && open && !close && digit) {
            close = true;
        } else if (close) {
            return false;
        } else if (c == '-' && !negative && !digit && !open) {
            negative = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (point && value.scale == MostDecimals) {
                if (c != '0') return false;  // more precision than any amount needs
                continue;
            }
            if (value.units != 0 && ++digits > MostDigits) return false;
            value.units = value.units * 10 + (c - '0');
            if (point) ++value.scale;
            digit = true;
        } else {
            return false;
        }
    }
    if (!digit || open != close) return false;
    if (negative || open) value.units = -value.units;
    return true;
}

Cents ToCents(const Decimal& value) {
    if (value.scale <= 2) return value.units * PowerOfTen(2 - value.scale);
    return static_cast<Cents>(RoundedQuotient(value.units, PowerOfTen(value.scale - 2)));
}

bool WholeNumber(const Decimal& value, long long& whole) {
    const long long p = PowerOfTen(value.scale);
    if (value.units % p != 0) return false;
    whole = value.units / p;
    return true;
}

bool ValueOf(long long quantity, const Decimal& price, Cents& value) {
    const __int128 exact = RoundedQuotient(static_cast<__int128>(quantity) * price.units * 100,
                                           PowerOfTen(price.scale));
    constexpr __int128 Largest = 999999999999999LL;
    if (exact > Largest || exact < -Largest) return false;
    value = static_cast<Cents>(exact);
    return true;
}

Cents Share(Cents total, long long part, long long whole) {
    return static_cast<Cents>(RoundedQuotient(static_cast<__int128>(total) * part, whole));
}

std::string FormatCents(Cents value) {
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    std::string cents = std::to_string(magnitude % 100);
    if (cents.size() < 2) cents.insert(0, "0");
    return (value < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
}

long long RoundedDollars(Cents value) {
    return static_cast<long long>(RoundedQuotient(value, 100));
}
