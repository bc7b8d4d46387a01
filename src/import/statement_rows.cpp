#include "import/statement_rows.h"

#include <cctype>
#include <initializer_list>

namespace {

// The text in lower case with every run of other characters one space, padded with spaces so
// that " div " finds the word and not "individual".
std::string Spaced(const std::string& text) {
    std::string spaced = " ";
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '/')
            spaced += static_cast<char>(std::tolower(u));
        else if (spaced.back() != ' ')
            spaced += ' ';
    }
    if (spaced.back() != ' ') spaced += ' ';
    return spaced;
}

bool Has(const std::string& spaced, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (spaced.find(std::string(" ") + word + " ") != std::string::npos) return true;
    return false;
}

}  // namespace

StatementRow StatementRowOf(const std::string& text) {
    const std::string t = Spaced(text);
    // Balances first: their text may name what the balance came from ("interest to date").
    if (Has(t, {"opening", "brought forward", "b/f"})) return StatementRow::OpeningBalance;
    if (Has(t, {"closing", "carried forward", "c/f"})) return StatementRow::ClosingBalance;
    if (Has(t, {"dividend", "dividends", "div", "dist", "distribution", "drp"}))
        return StatementRow::Dividend;
    if (Has(t, {"interest", "int"})) return StatementRow::Interest;
    if (Has(t, {"transfer", "trf", "tfr", "xfer", "transferred"})) return StatementRow::Transfer;
    if (Has(t, {"deposit", "deposited", "dep", "direct credit"})) return StatementRow::Deposit;
    if (Has(t, {"withdrawal", "withdrawn", "withdraw", "wdl", "direct debit", "payment"}))
        return StatementRow::Withdrawal;
    return StatementRow::Other;
}

const char* StatementRowName(StatementRow kind) {
    switch (kind) {
        case StatementRow::OpeningBalance:
            return "opening balance";
        case StatementRow::Deposit:
            return "deposit";
        case StatementRow::Withdrawal:
            return "withdrawal";
        case StatementRow::Dividend:
            return "dividend";
        case StatementRow::Interest:
            return "interest";
        case StatementRow::Transfer:
            return "transfer";
        case StatementRow::ClosingBalance:
            return "closing balance";
        default:
            return "other";
    }
}
