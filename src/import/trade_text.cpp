#include "import/trade_text.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "base/latin1_case.h"

namespace {

std::string LowerWord(std::string word) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

bool ActionWord(const std::string& word, TradeKind& kind) {
    const std::string w = LowerWord(word);
    if (w == "b" || w == "buy" || w == "bought" || w == "bot" || w == "bght") {
        kind = TradeKind::Buy;
        return true;
    }
    if (w == "s" || w == "sell" || w == "sold") {
        kind = TradeKind::Sell;
        return true;
    }
    return false;
}

bool WholeQuantity(const std::string& word, long long& quantity) {
    Decimal units;
    return ReadDecimal(word, units) && WholeNumber(units, quantity) && quantity > 0;
}

// An exchange code: one to six letters and digits, at least one letter.
bool Code(const std::string& word) {
    bool letter = false;
    for (char c : word) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
        letter = letter || std::isalpha(static_cast<unsigned char>(c));
    }
    return letter && !word.empty() && word.size() <= 6;
}

std::vector<std::string> Words(const std::string& text) {
    std::string spaced;
    for (char c : text) spaced += c == '@' ? std::string(" @ ") : std::string(1, c);
    std::vector<std::string> words;
    std::istringstream in(spaced);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The words from `at` read as ACTION QUANTITY CODE @|at PRICE.
bool TradeAt(const std::vector<std::string>& words, size_t at, TradeText& trade) {
    if (at + 4 >= words.size() || !ActionWord(words[at], trade.kind) ||
        !WholeQuantity(words[at + 1], trade.quantity) || !Code(words[at + 2]))
        return false;
    const std::string sign = LowerWord(words[at + 3]);
    if (sign != "@" && sign != "at") return false;
    std::string price = words[at + 4];
    while (!price.empty() && (price.back() == ',' || price.back() == ';')) price.pop_back();
    if (!ReadDecimal(price, trade.price) || trade.price.units < 0) return false;
    trade.code = Latin1UpperText(words[at + 2]);
    return true;
}

}  // namespace

TradeTextReading ReadTradeText(const std::string& text, TradeText& trade) {
    const std::vector<std::string> words = Words(text);
    bool hasAt = false, hasAction = false;
    for (size_t i = 0; i < words.size(); ++i) {
        if (TradeAt(words, i, trade)) return TradeTextReading::Trade;
        TradeKind kind;
        hasAt = hasAt || (words[i] == "@" && hasAction);
        hasAction = hasAction || ActionWord(words[i], kind);
    }
    TradeKind kind;
    long long quantity = 0;
    const bool begins =
        words.size() >= 2 && ActionWord(words[0], kind) && WholeQuantity(words[1], quantity);
    return begins || hasAt ? TradeTextReading::Unreadable : TradeTextReading::NotATrade;
}
