#pragma once
// Sales matched to the parcels bought before them. A parcel sold in part is split: its
// quantity, cost and brokerage are shared by quantity in whole cents, so that the parts add up
// to the parcel exactly; a sale's value and brokerage are shared the same way.

#include <string>
#include <vector>

#include "import/trade_list.h"

enum class MatchMethod { Fifo, Lifo, MinGain, Specific };

// Reads "fifo", "lifo", "min-gain" or "specific".
bool ReadMatchMethod(const std::string& text, MatchMethod& method);
const char* MatchMethodName(MatchMethod method);

// One part of a parcel sold by one sale.
struct MatchedPart {
    const Trade* buy = nullptr;
    const Trade* sell = nullptr;
    long long quantity = 0;
    Cents cost = 0, buyBrokerage = 0;       // the part's share of the purchase
    Cents proceeds = 0, sellBrokerage = 0;  // the part's share of the sale
    long long proceedsDollars = 0;          // shared so that a sale's parts add up in dollars
};

struct Holding {
    const Trade* buy = nullptr;
    long long quantity = 0;
    Cents cost = 0, brokerage = 0;
};

struct MatchResult {
    std::vector<MatchedPart> parts;         // sales in the income year, in date order
    std::vector<const Trade*> outsideYear;  // sales before or after it
    std::vector<Holding> unsold;            // what is left of each parcel after the last sale
};

// Held at least 12 months, the days of purchase and sale apart: the discount's test.
bool HeldOverAYear(double bought, double sold);

// The income year's first and last days.
double IncomeYearStart();
double IncomeYearEnd();

// Matches every sale (those outside the year too, as they use up parcels); false with the
// sale's line when a sale is of more than is held, comes before any purchase, or names
// parcels that do not hold it. The result points into `list`.
bool MatchSales(const TradeList& list, MatchMethod method, MatchResult& result,
                ImportProblem& problem);
