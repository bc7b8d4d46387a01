#pragma once
// What is left unsold after the last sale, as a trade list of purchases that the import
// reads back: next year's list starts from it.

#include <string>
#include <vector>

#include "import/parcel_matching.h"

// A header and one "Buy" line a parcel: date, code, company, the units left, their share of
// the cost and brokerage in cents, and the parcel's name (its own, else "line N").
std::string HoldingsCsv(const std::vector<Holding>& unsold);
