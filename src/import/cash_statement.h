#pragma once
// A broker's cash-account statement read as a trade list: one row per movement of money
// (date, reference, details, debit, credit, balance), the trades among them written in the
// details ("B 1,000 BHP @ 4.50"). The statement's date is the settlement date; without a
// trade date column a trade is dated three business days before it, unless the user gives
// the date for its reference. Brokerage is what the debit or credit differs from quantity x
// price by. Rows that are not trades are counted by kind.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "import/statement_rows.h"
#include "import/trade_list.h"

enum class TradeDating { Column, Derived, Given };

struct SettledTrade {
    std::string reference;
    double settled = 0;  // the statement's date
    TradeDating dating = TradeDating::Derived;
};

struct CashStatement {
    StatementRowCounts skipped{};             // the rows after the header that are not trades
    std::map<int, SettledTrade> settlements;  // by the trade's line
};

// Reference -> trade date, given by the user for the trades whose date is not derived.
using TradeDateCorrections = std::map<std::string, double>;

// Reads "REF=DD/MM/YYYY" into the corrections; false with the reason.
bool ParseTradeDateCorrection(const std::string& text, TradeDateCorrections& corrections,
                              std::string& error);

// True when the cells name at least a date, the details, a debit and a credit column.
bool IsCashStatementHeader(const std::vector<std::string>& header);

// Reads the statement's text; `exclude` holds codes (upper case) whose rows are left out. A
// correction's reference must be a trade of the statement.
bool ReadCashStatement(const std::string& text, const std::set<std::string>& exclude,
                       const TradeDateCorrections& corrections, TradeList& list,
                       CashStatement& statement, ImportProblem& problem);
