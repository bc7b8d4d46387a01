#pragma once
// The kinds of a cash statement's rows that are not trades, told by the words of their text;
// they are counted, never read for amounts.

#include <array>
#include <string>

enum class StatementRow {
    OpeningBalance,
    Deposit,
    Withdrawal,
    Dividend,
    Interest,
    Transfer,
    ClosingBalance,
    Other,
    Count
};

using StatementRowCounts = std::array<int, static_cast<size_t>(StatementRow::Count)>;

StatementRow StatementRowOf(const std::string& text);
// "opening balance", "deposit", ... "other".
const char* StatementRowName(StatementRow kind);
