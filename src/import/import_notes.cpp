#include "import/import_notes.h"

#include "base/dates.h"

namespace {

class Dating {
public:
    explicit Dating(const CashStatement& statement) : statement_(statement) {}

    bool Derived(const Trade& trade) const {
        const auto it = statement_.settlements.find(trade.line);
        return it != statement_.settlements.end() && it->second.dating == TradeDating::Derived;
    }
    // The settlement date of a trade dated from it; the trade date of any other.
    double Settled(const Trade& trade) const {
        return Derived(trade) ? statement_.settlements.at(trade.line).settled : trade.date;
    }
    std::string Shown(const Trade& trade) const {
        return FormatDate(trade.date) +
               (Derived(trade) ? " (settled " + FormatDate(Settled(trade)) + ")" : "");
    }

private:
    const CashStatement& statement_;
};

// Purchases up to the indexation cut-off may have their cost indexed; those before capital
// gains tax began make no gain or loss.
double IndexationCutoffDay() { return EncodeDate(1999, 9, 21); }
double CgtStartDay() { return EncodeDate(1985, 9, 20); }

// Why the purchase's own date matters, when the trade and settlement dates fall either side
// of a day that changes how the parcel is taxed ("" when they do not).
std::string PurchaseTurning(const Dating& dating, const Trade& buy) {
    if (!dating.Derived(buy)) return {};
    const double traded = buy.date, settled = dating.Settled(buy);
    if ((traded < CgtStartDay()) != (settled < CgtStartDay()))
        return "bought before capital gains tax began (20/09/1985) by the trade date, not by the "
               "settlement date";
    if ((traded <= IndexationCutoffDay()) != (settled <= IndexationCutoffDay()))
        return "bought by 21/09/1999, so its cost may be indexed, by the trade date, not by the "
               "settlement date";
    return {};
}

std::string Joined(const std::vector<std::string>& parts, const char* between) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : between) + part;
    return text;
}

std::vector<std::string> PartsTurningOnDates(const Dating& dating, const MatchResult& result) {
    std::vector<std::string> lines;
    for (const MatchedPart& part : result.parts) {
        const Trade &buy = *part.buy, &sell = *part.sell;
        if (!dating.Derived(buy) && !dating.Derived(sell)) continue;
        std::vector<std::string> why;
        const bool byTrade = HeldOverAYear(buy.date, sell.date);
        if (byTrade != HeldOverAYear(dating.Settled(buy), dating.Settled(sell)))
            why.push_back(byTrade ? "held over 12 months by the trade dates, not by the "
                                    "settlement dates"
                                  : "held over 12 months by the settlement dates, not by the "
                                    "trade dates");
        if (dating.Settled(sell) > IncomeYearEnd())
            why.push_back(
                "sold in the income year by the trade date, after it by the settlement "
                "date");
        if (const std::string purchase = PurchaseTurning(dating, buy); !purchase.empty())
            why.push_back(purchase);
        if (why.empty()) continue;
        lines.push_back("  lines " + std::to_string(buy.line) + " and " +
                        std::to_string(sell.line) + ": " + std::to_string(part.quantity) + " " +
                        buy.code + " bought " + dating.Shown(buy) + ", sold " + dating.Shown(sell) +
                        ": " + Joined(why, "; "));
    }
    for (const Trade* sale : result.outsideYear) {
        const double settled = dating.Settled(*sale);
        if (!dating.Derived(*sale) || settled < IncomeYearStart() || settled > IncomeYearEnd())
            continue;
        lines.push_back("  line " + std::to_string(sale->line) + ": " +
                        std::to_string(sale->quantity) + " " + sale->code + " sold " +
                        dating.Shown(*sale) +
                        ": before the income year by the trade date, in it by the settlement "
                        "date (left out)");
    }
    return lines;
}

}  // namespace

std::vector<std::string> ImportNoteLines(const ImportedTrades& read, const MatchResult& result) {
    std::vector<std::string> lines;
    if (!read.cashStatement) return lines;
    std::vector<std::string> kinds;
    for (size_t k = 0; k < read.statement.skipped.size(); ++k)
        if (const int n = read.statement.skipped[k])
            kinds.push_back(std::string(StatementRowName(static_cast<StatementRow>(k))) + " " +
                            std::to_string(n));
    lines.push_back("Cash statement rows that are not trades, skipped: " +
                    (kinds.empty() ? std::string("none") : Joined(kinds, ", ")) + ".");
    int derived = 0;
    for (const auto& [line, settled] : read.statement.settlements) {
        if (settled.dating == TradeDating::Derived) ++derived;
        if (settled.dating != TradeDating::Given) continue;
        for (const Trade& trade : read.list.trades)
            if (trade.line == line)
                lines.push_back("Trade date given for " + settled.reference + " (line " +
                                std::to_string(line) + "): " + FormatDate(trade.date) +
                                ", settled " + FormatDate(settled.settled) + ".");
    }
    if (derived == 0) return lines;
    lines.push_back(std::to_string(derived) +
                    " trade(s) dated three business days before the statement's settlement date "
                    "(weekends and national public holidays skipped): check them against the "
                    "contract notes; --trade-date REF=DD/MM/YYYY gives a trade's date.");
    const std::vector<std::string> turning = PartsTurningOnDates(Dating(read.statement), result);
    if (turning.empty()) {
        lines.push_back(
            "No parcel's 12-month test, income year, indexation or start of capital gains tax "
            "turns on a derived trade date.");
        return lines;
    }
    lines.push_back(
        "The 12-month test, income year, indexation or start of capital gains tax of these "
        "parcels turns on a derived trade date:");
    lines.insert(lines.end(), turning.begin(), turning.end());
    return lines;
}
