#include "base/currency_format.h"

#include "base/module_state.h"
#include "base/numbers.h"

namespace {
std::string WithThousands(const std::string& digits, char separator) {
    const size_t point = digits.find('.');
    const size_t integerLength = point == std::string::npos ? digits.size() : point;
    std::string result;
    for (size_t i = 0; i < integerLength; ++i) {
        if (i > 0 && (integerLength - i) % 3 == 0 && separator) result += separator;
        result += digits[i];
    }
    return result + digits.substr(integerLength);
}
}  // namespace

std::string FormatCurrency(const CurrencyFormat& format, long double value, int decimals,
                           int significant) {
    std::string text = FormatFixed(value, significant, decimals);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    if (text.find('E') == std::string::npos) text = WithThousands(text, format.thousandsSeparator);
    text = format.symbol + text;
    if (!negative) return text;
    if (format.negative == NegativeCurrencyStyle::MinusBeforeSymbol) return "-" + text;
    return "(" + text + ")";
}

std::string FormatCurrency(long double value, int decimals, int significant) {
    return FormatCurrency(State().Currency, value, decimals, significant);
}
