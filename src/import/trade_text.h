#pragma once
// A trade written as a cash statement's text: "B 1,000 BHP @ 4.50", "Bought 1000 BHP @ $4.50",
// "S 700 XYZ @ 4.000000", "Sold 250 ABC at 1.20", possibly after a few words of the broker's.

#include <string>

#include "import/trade_amounts.h"
#include "import/trade_list.h"

struct TradeText {
    TradeKind kind = TradeKind::Buy;
    long long quantity = 0;
    std::string code;  // upper case
    Decimal price;
};

enum class TradeTextReading {
    NotATrade,   // no buy or sell of a quantity in it
    Trade,       // read into the TradeText
    Unreadable,  // begins like a trade (or has an "@" after a buy or sell) but is not one
};

TradeTextReading ReadTradeText(const std::string& text, TradeText& trade);
