#pragma once
// The preview's notes on a cash statement: its rows that are not trades by kind, the trade
// dates derived from settlement or given, and every parcel whose 12-month test, income year,
// indexation or start of capital gains tax turns on a derived trade date, for the taxpayer to
// check against the contract notes.

#include <string>
#include <vector>

#include "import/parcel_matching.h"
#include "import/trade_reading.h"

// Lines of text without line breaks; none for a trade list.
std::vector<std::string> ImportNoteLines(const ImportedTrades& read, const MatchResult& result);
