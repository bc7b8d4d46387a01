#pragma once
// Money amounts in the currency format of labels: currency symbol, thousands separators
// and the module's way of writing negative amounts.

#include <string>

enum class NegativeCurrencyStyle {
    Parentheses,        // ($1,234)
    MinusBeforeSymbol,  // -$1,234, what the module uses once an entry field exists
};

struct CurrencyFormat {
    std::string symbol = "$";
    char thousandsSeparator = ',';
    NegativeCurrencyStyle negative = NegativeCurrencyStyle::Parentheses;
};

// `decimals` places; an integer part wider than `significant` digits gives exponent form.
std::string FormatCurrency(const CurrencyFormat& format, long double value, int decimals,
                           int significant);
// The same with the module's format.
std::string FormatCurrency(long double value, int decimals, int significant);
