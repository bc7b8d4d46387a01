#pragma once
// Company names for securities the trades name by code only (a cash statement's trades): a
// small file of "CODE,Name" lines, or "CODE=Name" given one at a time.

#include <map>
#include <string>

#include "import/trade_list.h"

using CompanyNames = std::map<std::string, std::string>;  // upper-case code -> name

// Blank lines are skipped; any other line without a code and a name stops with its number.
bool ReadCompanyNames(const std::string& text, CompanyNames& names, ImportProblem& problem);
// "CODE=Name"; false with the reason.
bool ParseCompanyName(const std::string& text, CompanyNames& names, std::string& error);
// Names the trades that have no company of their own.
void NameCompanies(const CompanyNames& names, TradeList& list);
