#include "import/parcel_matching.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <tuple>

#include "base/dates.h"

namespace {

struct Lot {
    const Trade* buy = nullptr;
    long long taken = 0;  // units already matched
    long long Left() const { return buy->quantity - taken; }
};

// A trade's units [from, from + n) of `whole`, with its share of `total` so that the shares
// of consecutive runs add up to `total`.
Cents RunShare(Cents total, long long from, long long n, long long whole) {
    return Share(total, from + n, whole) - Share(total, from, whole);
}

std::string Units(long long n, const std::string& code) { return std::to_string(n) + " " + code; }

// The purchases the sale names: "P1; P2" or line numbers; in the order named.
std::vector<std::string> NamedParcels(const std::string& cell) {
    std::vector<std::string> names;
    std::string name;
    std::istringstream in(cell);
    while (std::getline(in, name, ';'))
        for (std::istringstream words(name); words >> name;) names.push_back(name);
    return names;
}

bool Names(const Lot& lot, const std::string& name) {
    return lot.buy->parcel == name ||
           (lot.buy->parcel.empty() && std::to_string(lot.buy->line) == name);
}

// What a unit of the lot gains when the sale uses it, after the discount for a parcel held over
// a year; only for putting lots in order, never an amount written.
long double GainPerUnit(const Lot& lot, const Trade& sale) {
    const long double cost =
        static_cast<long double>(lot.buy->value + lot.buy->brokerage) / lot.buy->quantity;
    const long double gain =
        static_cast<long double>(sale.value - sale.brokerage) / sale.quantity - cost;
    return gain > 0 && HeldOverAYear(lot.buy->date, sale.date) ? gain / 2 : gain;
}

class Matcher {
public:
    Matcher(MatchMethod method, MatchResult& result) : method_(method), result_(result) {}

    void Buy(const Trade& trade) { held_[trade.code].push_back({&trade, 0}); }

    bool Sell(const Trade& sale, ImportProblem& problem) {
        std::vector<Lot>& lots = held_[sale.code];
        long long held = 0;
        for (const Lot& lot : lots) held += lot.Left();
        if (lots.empty())
            return Stop(
                problem, sale,
                "a sale of " + Units(sale.quantity, sale.code) + " before any purchase of it");
        if (held < sale.quantity)
            return Stop(problem, sale,
                        "a sale of " + Units(sale.quantity, sale.code) + " when only " +
                            std::to_string(held) + " are held");
        std::vector<Lot*> order;
        if (!Order(sale, lots, order, problem)) return false;
        const bool inYear = sale.date >= IncomeYearStart() && sale.date <= IncomeYearEnd();
        if (!inYear) result_.outsideYear.push_back(&sale);
        long long sold = 0;
        Cents proceedsSoFar = 0;
        for (Lot* lot : order) {
            const long long n = std::min(lot->Left(), sale.quantity - sold);
            if (n <= 0) continue;
            MatchedPart part;
            part.buy = lot->buy;
            part.sell = &sale;
            part.quantity = n;
            part.cost = RunShare(lot->buy->value, lot->taken, n, lot->buy->quantity);
            part.buyBrokerage = RunShare(lot->buy->brokerage, lot->taken, n, lot->buy->quantity);
            part.proceeds = RunShare(sale.value, sold, n, sale.quantity);
            part.sellBrokerage = RunShare(sale.brokerage, sold, n, sale.quantity);
            part.proceedsDollars =
                RoundedDollars(proceedsSoFar + part.proceeds) - RoundedDollars(proceedsSoFar);
            proceedsSoFar += part.proceeds;
            lot->taken += n;
            sold += n;
            if (inYear) result_.parts.push_back(part);
        }
        if (sold == sale.quantity) return true;
        return Stop(problem, sale,
                    "the parcels named (" + sale.parcel + ") hold only " + std::to_string(sold) +
                        " of the " + Units(sale.quantity, sale.code) + " sold");
    }

    void Unsold() {
        for (auto& [code, lots] : held_)
            for (const Lot& lot : lots)
                if (lot.Left() > 0)
                    result_.unsold.push_back(
                        {lot.buy, lot.Left(),
                         RunShare(lot.buy->value, lot.taken, lot.Left(), lot.buy->quantity),
                         RunShare(lot.buy->brokerage, lot.taken, lot.Left(), lot.buy->quantity)});
    }

private:
    bool Order(const Trade& sale, std::vector<Lot>& lots, std::vector<Lot*>& order,
               ImportProblem& problem) {
        for (Lot& lot : lots) order.push_back(&lot);
        if (method_ == MatchMethod::Lifo) std::reverse(order.begin(), order.end());
        if (method_ == MatchMethod::MinGain)
            std::stable_sort(order.begin(), order.end(), [&](const Lot* a, const Lot* b) {
                return GainPerUnit(*a, sale) < GainPerUnit(*b, sale);
            });
        if (method_ != MatchMethod::Specific) return true;
        order.clear();
        const std::vector<std::string> names = NamedParcels(sale.parcel);
        if (names.empty()) return Stop(problem, sale, "the sale names no parcel to match");
        for (const std::string& name : names) {
            auto it = std::find_if(lots.begin(), lots.end(),
                                   [&](const Lot& lot) { return Names(lot, name); });
            if (it == lots.end())
                return Stop(problem, sale,
                            "the sale names parcel \"" + name +
                                "\", which is no earlier purchase of " + sale.code);
            order.push_back(&*it);
        }
        return true;
    }

    static bool Stop(ImportProblem& problem, const Trade& sale, const std::string& reason) {
        problem = {sale.line, reason};
        return false;
    }

    MatchMethod method_;
    MatchResult& result_;
    std::map<std::string, std::vector<Lot>> held_;
};

}  // namespace

bool ReadMatchMethod(const std::string& text, MatchMethod& method) {
    if (text == "fifo")
        method = MatchMethod::Fifo;
    else if (text == "min-gain")
        method = MatchMethod::MinGain;
    else if (text == "lifo")
        method = MatchMethod::Lifo;
    else if (text == "specific")
        method = MatchMethod::Specific;
    else
        return false;
    return true;
}

const char* MatchMethodName(MatchMethod method) {
    switch (method) {
        case MatchMethod::Lifo:
            return "last in, first out";
        case MatchMethod::Specific:
            return "parcels named by the sale";
        case MatchMethod::MinGain:
            return "smallest gain first";
        default:
            return "first in, first out";
    }
}

bool HeldOverAYear(double bought, double sold) {
    const CivilDate b = DecodeDate(bought), s = DecodeDate(sold);
    return std::make_tuple(s.year, s.month, s.day) > std::make_tuple(b.year + 1, b.month, b.day);
}

double IncomeYearStart() { return static_cast<double>(EncodeDate(2005, 7, 1)); }
double IncomeYearEnd() { return static_cast<double>(EncodeDate(2006, 6, 30)); }

bool MatchSales(const TradeList& list, MatchMethod method, MatchResult& result,
                ImportProblem& problem) {
    result = MatchResult();
    // By date; on one day purchases first, so that a sale the same day can use them.
    std::vector<const Trade*> order;
    for (const Trade& trade : list.trades) order.push_back(&trade);
    std::stable_sort(order.begin(), order.end(), [](const Trade* a, const Trade* b) {
        if (a->date != b->date) return a->date < b->date;
        return a->kind == TradeKind::Buy && b->kind == TradeKind::Sell;
    });
    Matcher matcher(method, result);
    for (const Trade* trade : order) {
        if (trade->kind == TradeKind::Buy)
            matcher.Buy(*trade);
        else if (!matcher.Sell(*trade, problem))
            return false;
    }
    matcher.Unsold();
    return true;
}
