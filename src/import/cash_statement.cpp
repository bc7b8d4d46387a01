#include "import/cash_statement.h"

#include <array>
#include <cstdlib>
#include <sstream>

#include "base/dates.h"
#include "base/latin1_case.h"
#include "base/text_encoding.h"
#include "import/business_calendar.h"
#include "import/trade_text.h"

namespace {

enum class Column { Date, TradeDate, Reference, Details, Debit, Credit, Balance, Count };

using Places = std::array<int, static_cast<size_t>(Column::Count)>;

// Header names by their lower-case words (see NormalisedColumnName).
struct Known {
    Column column;
    std::array<const char*, 13> names;  // the rest null
};

constexpr std::array<Known, 7> KnownNames = {{
    {Column::Date,
     {"date", "settlement date", "settle date", "settlement", "value date", "effective date",
      "posting date", "posted", "transaction date", "processed date", "entry date"}},
    {Column::TradeDate, {"trade date", "contract date", "trade dt"}},
    {Column::Reference,
     {"reference", "ref", "ref no", "reference no", "reference number", "ref number",
      "transaction reference", "contract note", "contract no", "confirmation", "receipt",
      "transaction id", "id"}},
    {Column::Details,
     {"details", "description", "narration", "narrative", "particulars", "transaction details",
      "transaction description", "memo", "transaction"}},
    {Column::Debit,
     {"debit", "debits", "dr", "debit amount", "withdrawals", "withdrawal", "money out",
      "paid out"}},
    {Column::Credit,
     {"credit", "credits", "cr", "credit amount", "deposits", "deposit", "money in", "paid in"}},
    {Column::Balance, {"balance", "running balance", "bal", "account balance"}},
}};

int& At(Places& places, Column column) { return places[static_cast<size_t>(column)]; }
int At(const Places& places, Column column) { return places[static_cast<size_t>(column)]; }

bool Place(const std::vector<std::string>& header, Places& places) {
    places.fill(-1);
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string name = NormalisedColumnName(header[i]);
        for (const Known& known : KnownNames)
            for (const char* n : known.names)
                if (n && name == n && At(places, known.column) < 0)
                    At(places, known.column) = static_cast<int>(i);
    }
    if (At(places, Column::Date) < 0) At(places, Column::Date) = At(places, Column::TradeDate);
    return At(places, Column::Date) >= 0 && At(places, Column::Details) >= 0 &&
           At(places, Column::Debit) >= 0 && At(places, Column::Credit) >= 0;
}

std::string DecimalText(const Decimal& d) {
    std::string digits = std::to_string(std::llabs(d.units));
    if (d.scale > 0) {
        if (digits.size() <= static_cast<size_t>(d.scale))
            digits.insert(0, d.scale + 1 - digits.size(), '0');
        digits.insert(digits.size() - d.scale, ".");
    }
    return (d.units < 0 ? "-" : "") + digits;
}

bool Stop(ImportProblem& problem, int line, const std::string& reason) {
    problem = {line, reason};
    return false;
}

class StatementReader {
public:
    StatementReader(const std::set<std::string>& exclude, const TradeDateCorrections& corrections,
                    TradeList& list, CashStatement& statement)
        : exclude_(exclude), list_(list), statement_(statement) {
        for (const auto& [reference, date] : corrections)
            corrections_[Latin1UpperText(reference)] = {reference, date};
    }

    bool Row(int line, const std::string& record, const std::vector<std::string>& cells,
             const Places& places, ImportProblem& problem) {
        cells_ = &cells;
        places_ = &places;
        const std::string text = Cell(Column::Details);
        const std::string reference = Latin1UpperText(Cell(Column::Reference));
        bool blank = true;
        for (const std::string& cell : cells) blank = blank && TrimmedText(cell).empty();
        if (blank) {
            ++list_.skipped;
            return true;
        }
        TradeText parsed;
        switch (ReadTradeText(text, parsed)) {
            case TradeTextReading::Unreadable:
                return Stop(problem, line,
                            "the trade \"" + text +
                                "\" cannot be read (it should read like \"B 1,000 BHP @ 4.50\")");
            case TradeTextReading::NotATrade:
                if (!reference.empty()) otherReferences_.insert(reference);
                return NotATrade(line, text, problem);
            case TradeTextReading::Trade:
                break;
        }
        Trade trade;
        trade.line = line;
        trade.text = record;
        trade.kind = parsed.kind;
        trade.code = parsed.code;
        trade.quantity = parsed.quantity;
        SettledTrade settled;
        settled.reference = Cell(Column::Reference);
        const auto correction = corrections_.find(reference);
        if (correction != corrections_.end()) correction->second.used = true;
        if (exclude_.count(trade.code)) {
            list_.excluded.push_back({line, trade.code});
            return true;
        }
        std::string why;
        if (!Dates(trade, settled, correction == corrections_.end() ? nullptr : &correction->second,
                   why) ||
            !Amounts(trade, parsed, why))
            return Stop(problem, line, why);
        statement_.settlements[line] = settled;
        list_.trades.push_back(std::move(trade));
        return true;
    }

    // Every correction must name a trade of the statement.
    bool CorrectionsUsed(ImportProblem& problem) const {
        for (const auto& [reference, correction] : corrections_) {
            if (correction.used) continue;
            return Stop(problem, 0,
                        "--trade-date " + correction.written + ": " +
                            (otherReferences_.count(reference)
                                 ? "that reference is not a trade's"
                                 : "no row of the statement has that reference"));
        }
        return true;
    }

private:
    struct Correction {
        std::string written;
        double date = 0;
        bool used = false;
    };

    std::string Cell(Column column) const {
        const int at = At(*places_, column);
        return at >= 0 && at < static_cast<int>(cells_->size()) ? TrimmedText((*cells_)[at])
                                                                : std::string();
    }

    bool NotATrade(int line, const std::string& text, ImportProblem& problem) {
        const StatementRow kind = StatementRowOf(text);
        if (kind == StatementRow::Other && NamesCorporateAction(text)) {
            // Its security is whichever excluded code the text names.
            std::istringstream words(Latin1UpperText(text));
            for (std::string word; words >> word;) {
                if (!exclude_.count(word)) continue;
                list_.excluded.push_back({line, word});
                return true;
            }
            return StopAtCorporateAction(problem, line, "a corporate action (" + text + ")");
        }
        ++statement_.skipped[static_cast<size_t>(kind)];
        ++list_.skipped;
        return true;
    }

    bool Dates(Trade& trade, SettledTrade& settled, const Correction* correction,
               std::string& why) const {
        const std::string date = Cell(Column::Date);
        if (!ReadTradeDate(date, settled.settled)) {
            why = "\"" + date + "\" is not a date (DD/MM/YYYY, D/M/YY or YYYY-MM-DD)";
            return false;
        }
        const std::string traded = Cell(Column::TradeDate);
        if (correction) {
            trade.date = correction->date;
            settled.dating = TradeDating::Given;
        } else if (!traded.empty() &&
                   At(*places_, Column::TradeDate) != At(*places_, Column::Date)) {
            if (!ReadTradeDate(traded, trade.date)) {
                why = "\"" + traded + "\" is not a date (DD/MM/YYYY, D/M/YY or YYYY-MM-DD)";
                return false;
            }
            settled.dating = TradeDating::Column;
        } else if (At(*places_, Column::TradeDate) == At(*places_, Column::Date)) {
            trade.date = settled.settled;  // the statement's only date is the trade date
            settled.dating = TradeDating::Column;
        } else {
            trade.date = BusinessDaysBefore(settled.settled, 3);
            settled.dating = TradeDating::Derived;
        }
        if (trade.date <= settled.settled) return true;
        why = "the trade date " + FormatDate(trade.date) + " is after the settlement date " +
              FormatDate(settled.settled);
        return false;
    }

    bool Amounts(Trade& trade, const TradeText& parsed, std::string& why) const {
        const bool buy = trade.kind == TradeKind::Buy;
        const std::string amount = Cell(buy ? Column::Debit : Column::Credit);
        const char* side = buy ? "debit" : "credit";
        Decimal money;
        if (amount.empty()) {
            why = std::string(buy ? "a purchase" : "a sale") + " with no " + side;
            return false;
        }
        if (!ReadDecimal(amount, money)) {
            why = "the " + std::string(side) + " \"" + amount + "\" is not an amount";
            return false;
        }
        if (!ValueOf(trade.quantity, parsed.price, trade.value)) {
            why = "quantity x price is too large";
            return false;
        }
        const Cents cents = std::llabs(ToCents(money));
        trade.brokerage = buy ? cents - trade.value : trade.value - cents;
        if (trade.brokerage >= 0) return true;
        why = "the " + std::string(side) + " " + FormatCents(cents) + " is " +
              (buy ? "less" : "more") + " than " + std::to_string(trade.quantity) + " x " +
              DecimalText(parsed.price) + " = " + FormatCents(trade.value) +
              ", which leaves a negative brokerage: the trade or the amount was misread";
        return false;
    }

    const std::set<std::string>& exclude_;
    TradeList& list_;
    CashStatement& statement_;
    std::map<std::string, Correction> corrections_;  // by upper-case reference
    std::set<std::string> otherReferences_;
    const std::vector<std::string>* cells_ = nullptr;
    const Places* places_ = nullptr;
};

}  // namespace

bool ParseTradeDateCorrection(const std::string& text, TradeDateCorrections& corrections,
                              std::string& error) {
    const size_t equals = text.rfind('=');
    const std::string reference =
        equals == std::string::npos ? std::string() : TrimmedText(text.substr(0, equals));
    double date = 0;
    if (reference.empty() || !TryReadDate(text.substr(equals + 1), date)) {
        error = "--trade-date takes REF=DD/MM/YYYY, not \"" + text + "\"";
        return false;
    }
    corrections[reference] = date;
    return true;
}

bool IsCashStatementHeader(const std::vector<std::string>& header) {
    Places places;
    return Place(header, places);
}

bool ReadCashStatement(const std::string& text, const std::set<std::string>& exclude,
                       const TradeDateCorrections& corrections, TradeList& list,
                       CashStatement& statement, ImportProblem& problem) {
    list = TradeList();
    statement = CashStatement();
    const auto records = CsvRecords(text);
    Places places;
    char separator = ',';
    size_t r = FindHeaderRecord(
        records, [&](const auto& cells) { return Place(cells, places); }, separator);
    list.skipped = static_cast<int>(r);
    if (r == records.size())
        return Stop(problem, 0,
                    "no header row names the date, details, debit and credit columns of a cash "
                    "statement");
    StatementReader reader(exclude, corrections, list, statement);
    for (++r; r < records.size(); ++r) {
        const auto& [line, record] = records[r];
        if (!reader.Row(line, record, SplitCsvRecord(record, separator), places, problem))
            return false;
    }
    return reader.CorrectionsUsed(problem);
}
