#include "import/trade_reading.h"

#include "base/latin1_case.h"
#include "base/latin1_text.h"

namespace {

// Whether the first header row the text has is a cash statement's.
bool IsCashStatement(const std::string& text, const ColumnMap& map) {
    bool cash = false;
    char separator = ',';
    FindHeaderRecord(
        CsvRecords(text),
        [&](const std::vector<std::string>& cells) {
            ColumnPlaces places;
            cash = IsCashStatementHeader(cells);
            return cash || PlaceColumns(cells, map, places);
        },
        separator);
    return cash;
}

}  // namespace

std::string TradeFileText(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::string latin1;
    return Utf8ToLatin1(text, latin1) ? latin1 : text;
}

bool ReadTrades(const std::string& text, const TradeReadOptions& options, ImportedTrades& read,
                ImportProblem& problem) {
    read = ImportedTrades();
    read.cashStatement = IsCashStatement(text, options.map);
    if (!read.cashStatement && !options.tradeDates.empty()) {
        problem = {0, "--trade-date is for a cash statement, and this is a trade list"};
        return false;
    }
    std::set<std::string> exclude;
    for (const std::string& code : options.exclude) exclude.insert(Latin1UpperText(code));
    if (read.cashStatement ? !ReadCashStatement(text, exclude, options.tradeDates, read.list,
                                                read.statement, problem)
                           : !ReadTradeList(text, options.map, exclude, read.list, problem))
        return false;
    NameCompanies(options.names, read.list);
    return true;
}
