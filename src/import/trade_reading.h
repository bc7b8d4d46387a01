#pragma once
// The one entry point of the import's reading: a broker's trade list or a cash-account
// statement, told apart by the header, read into the same trade list.

#include <set>
#include <string>

#include "import/cash_statement.h"
#include "import/company_names.h"
#include "import/trade_columns.h"
#include "import/trade_list.h"

struct TradeReadOptions {
    ColumnMap map;                    // a trade list's columns named by the user
    std::set<std::string> exclude;    // codes whose lines are left out
    TradeDateCorrections tradeDates;  // a statement's trade dates given by reference
    CompanyNames names;               // for trades without a company
};

struct ImportedTrades {
    bool cashStatement = false;
    TradeList list;
    CashStatement statement;  // a cash statement's rows skipped and settlement dates
};

// A file's text as the store holds text, Latin-1: a UTF-8 file (spreadsheets often begin it
// with a byte order mark) is converted; any other is taken as Latin-1 already.
std::string TradeFileText(std::string text);

bool ReadTrades(const std::string& text, const TradeReadOptions& options, ImportedTrades& read,
                ImportProblem& problem);
