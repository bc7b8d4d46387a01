#pragma once
// A broker's trade list imported into the share worksheet, shared by "orvana-tax import" and
// the registration screen's import: the list read and matched, what would be written and
// what is left out, as plain rows both show, then the items written.

#include <set>
#include <string>
#include <vector>

#include "import/parcel_matching.h"
#include "import/trade_list.h"
#include "import/trade_reading.h"

struct TradeImportOptions {
    TradeReadOptions read;         // columns, codes left out, a statement's dates, company names
    std::set<std::string> active;  // security codes whose shares are active assets (upper case)
    MatchMethod method = MatchMethod::Fifo;
};

// A list read and matched. The matched parts point into the list, so it is never copied.
struct TradeImport {
    TradeImport() = default;
    TradeImport(const TradeImport&) = delete;
    TradeImport& operator=(const TradeImport&) = delete;

    TradeImportOptions options;
    ImportedTrades read;  // the trade list, and a cash statement's rows and dates
    MatchResult result;
    std::vector<const MatchedPart*> written;  // each becomes one share item
    std::vector<const MatchedPart*> preCgt;   // bought before capital gains tax: no item
    std::vector<std::string> notes;           // what the reading tells the user, one a line
};

// Reads and matches the text of a trade list or a cash statement (UTF-8 with or without a byte
// order mark, or Latin-1); false with the line and the reason when it cannot be imported.
bool PrepareTradeImport(const std::string& text, const TradeImportOptions& options,
                        TradeImport& import, ImportProblem& problem);

// One part parcel as it will be written. Texts are Latin-1.
struct PreviewRow {
    std::string code, company, name;
    long long quantity = 0;        // of this part
    long long boughtQuantity = 0;  // of the whole purchase
    int buyLine = 0, sellLine = 0;
    double bought = 0, sold = 0;
    Cents cost = 0, buyBrokerage = 0, sellBrokerage = 0;
    Cents proceeds = 0;             // as the list gives it
    long long proceedsDollars = 0;  // as written
    Cents estimatedGain = 0;        // proceeds as written less cost and both brokerages
    bool heldOverAYear = false;     // the days of purchase and sale at least 12 months apart
};
std::vector<PreviewRow> PreviewRows(const TradeImport& import);

// What is not written and why, one a line: "line 7: MRD sold 14/06/2005, outside the income
// year 1/07/2005 to 30/06/2006", "... before capital gains tax began", "line 9: XYZ excluded".
std::vector<std::string> LeftOutLines(const TradeImport& import);

// Security codes typed on one line, separated by commas, semicolons or blanks; upper case.
std::set<std::string> SecurityCodesOf(const std::string& text);
// The codes of `codes` that no trade or excluded line of the import names, in order: most
// likely mistyped.
std::vector<std::string> CodesNotInList(const TradeImport& import,
                                        const std::set<std::string>& codes);

// The share items that came from this list before (keys, ascending): found by the import
// marks of any purchase and sale of the list, whatever the method that matched them.
std::vector<int> EarlierImportItems(const TradeImport& import);

struct ImportWritten {
    int removed = 0, written = 0;
};
// Writes the items after the share worksheet's last one; with `replace`, the items of an
// earlier import of the list are deleted first. Touches only the module's store: the caller
// saves.
ImportWritten WriteTradeImport(const TradeImport& import, bool replace);
