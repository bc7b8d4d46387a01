#pragma once
// What the asset summary starts from: the cost base after non-assessable payments when a
// payment step produced one, else the cost base entered in section 2; and which cost
// elements are not already inside it.

#include <string>

#include "calc/calc_inputs.h"

struct OpeningCostBase {
    bool present = false;
    bool afterPayments = false;
    std::string date;  // effective date (text as stored)
    long double indexed = 0, nonIndexed = 0, reduced = 0;
};
OpeningCostBase ReadOpeningCostBase();

// A cost element counts when it is later than the cost base after payments, or, without
// payments, on or after the base date.
bool CostElementCounts(const CostElement& cost, double baseDate);
