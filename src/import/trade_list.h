#pragma once
// A broker's trade list (CSV with a header row) read into buys and sells. Lines that are not
// trades are skipped and counted; the first line that looks like a trade but cannot be read,
// or a corporate action of a security not excluded, stops the reading with its line number.

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "import/trade_amounts.h"
#include "import/trade_columns.h"

enum class TradeKind { Buy, Sell };

struct Trade {
    int line = 0;      // in the file, from 1
    std::string text;  // the line as written, which identifies the trade
    double date = 0;   // serial day number
    TradeKind kind = TradeKind::Buy;
    std::string code, company;
    long long quantity = 0;
    Cents value = 0;      // quantity x price, before brokerage
    Cents brokerage = 0;  // with any GST
    std::string parcel;   // a purchase's name for itself, or the purchases a sale names
};

struct ImportProblem {
    int line = 0;  // 0: the file as a whole
    std::string reason;
    bool corporateAction = false;  // the rest imports once the security is excluded
};

// The problem of a corporate action at `line`; false, as a reading that stops returns.
bool StopAtCorporateAction(ImportProblem& problem, int line, const std::string& what);

struct ExcludedLine {
    int line = 0;
    std::string code;
};

struct TradeList {
    std::vector<Trade> trades;
    int skipped = 0;                     // headings, totals, blank and other lines
    std::vector<ExcludedLine> excluded;  // lines of the securities the user left out
};

// Reads the list's text. `exclude` holds security codes (any case) whose lines are left out.
bool ReadTradeList(const std::string& text, const ColumnMap& map,
                   const std::set<std::string>& exclude, TradeList& list, ImportProblem& problem);

// The text's records with the line each starts on; a quoted field may hold a line break.
std::vector<std::pair<int, std::string>> CsvRecords(const std::string& text);
// ',', ';' or tab, whichever the record uses most (',' on a tie).
char CsvSeparator(const std::string& record);

// The index of the first record whose cells `isHeader` takes (records.size() when none), with
// the separator that record uses; the records before it are headings to skip.
size_t FindHeaderRecord(const std::vector<std::pair<int, std::string>>& records,
                        const std::function<bool(const std::vector<std::string>&)>& isHeader,
                        char& separator);

// Splits one CSV record: fields separated by `separator`, "..." quoting with "" for a quote.
std::vector<std::string> SplitCsvRecord(const std::string& record, char separator);

// Words of a split, consolidation, takeover, capital return and other corporate actions.
bool NamesCorporateAction(const std::string& text);

// "15/09/2005", "5/9/05" and "2005-09-15"; false when the text is none of them.
bool ReadTradeDate(const std::string& text, double& serial);
