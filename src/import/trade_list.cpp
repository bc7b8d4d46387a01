#include "import/trade_list.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "base/dates.h"

namespace {

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool Contains(const std::string& text, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (text.find(word) != std::string::npos) return true;
    return false;
}

enum class LineKind { Buy, Sell, CorporateAction, Brokerage, Other };

LineKind KindOf(const std::string& action) {
    const std::string a = Lower(Trim(action));
    if (a == "b" || a == "buy" || a == "bought" || a == "purchase" || a == "bght")
        return LineKind::Buy;
    if (a == "s" || a == "sell" || a == "sold" || a == "sale") return LineKind::Sell;
    if (a == "brokerage" || a == "fee" || a == "fees" || a == "commission")
        return LineKind::Brokerage;
    if (NamesCorporateAction(a)) return LineKind::CorporateAction;
    return LineKind::Other;
}

class LineReader {
public:
    LineReader(const ColumnPlaces& places, const std::vector<std::string>& cells)
        : places_(places), cells_(cells) {}

    std::string Cell(TradeColumn role) const {
        const int at = At(places_, role);
        return at >= 0 && at < static_cast<int>(cells_.size()) ? Trim(cells_[at]) : std::string();
    }

    // An amount of the line, its sign dropped (lists show money paid as negative); 0 when blank.
    bool Amount(TradeColumn role, Cents& cents, std::string& why) const {
        const std::string text = Cell(role);
        cents = 0;
        if (text.empty()) return true;
        Decimal value;
        if (!ReadDecimal(text, value)) {
            why = "\"" + text + "\" is not an amount";
            return false;
        }
        cents = std::abs(ToCents(value));
        return true;
    }

    bool Read(Trade& trade, std::string& why) const {
        const std::string date = Cell(TradeColumn::Date);
        if (!ReadTradeDate(date, trade.date)) {
            why = "\"" + date + "\" is not a date (DD/MM/YYYY, D/M/YY or YYYY-MM-DD)";
            return false;
        }
        trade.company = Cell(TradeColumn::Company);
        trade.parcel = Cell(TradeColumn::Parcel);
        const std::string quantity = Cell(TradeColumn::Quantity);
        Decimal units;
        if (!ReadDecimal(quantity, units) || !WholeNumber(units, trade.quantity)) {
            why = "the quantity \"" + quantity + "\" is not a whole number of units";
            return false;
        }
        if (trade.quantity < 0) {
            why = "the quantity " + quantity + " is negative";
            return false;
        }
        if (trade.quantity == 0) {
            why = "the quantity is zero";
            return false;
        }
        Cents gst = 0;
        if (!Amount(TradeColumn::Brokerage, trade.brokerage, why) ||
            !Amount(TradeColumn::Gst, gst, why))
            return false;
        trade.brokerage += gst;
        return Value(trade, why);
    }

private:
    // quantity x price; else the gross amount; else the net amount less or plus brokerage.
    bool Value(Trade& trade, std::string& why) const {
        const std::string price = Cell(TradeColumn::Price);
        if (!price.empty()) {
            Decimal unit;
            if (!ReadDecimal(price, unit)) {
                why = "the price \"" + price + "\" is not an amount";
                return false;
            }
            if (unit.units < 0) {
                why = "the price " + price + " is negative";
                return false;
            }
            if (!ValueOf(trade.quantity, unit, trade.value)) {
                why = "quantity x price is too large";
                return false;
            }
            return true;
        }
        if (!Cell(TradeColumn::Consideration).empty())
            return Amount(TradeColumn::Consideration, trade.value, why);
        if (!Cell(TradeColumn::NetAmount).empty()) {
            if (!Amount(TradeColumn::NetAmount, trade.value, why)) return false;
            trade.value += trade.kind == TradeKind::Buy ? -trade.brokerage : trade.brokerage;
            if (trade.value >= 0) return true;
            why = "the net amount is smaller than the brokerage";
            return false;
        }
        why = "the line has neither a price nor an amount";
        return false;
    }

    const ColumnPlaces& places_;
    const std::vector<std::string>& cells_;
};

bool Stop(ImportProblem& problem, int line, const std::string& reason) {
    problem = {line, reason};
    return false;
}

}  // namespace

bool StopAtCorporateAction(ImportProblem& problem, int line, const std::string& what) {
    problem = {line,
               what +
                   " is not supported; enter it by hand, or exclude the security to import "
                   "the rest",
               true};
    return false;
}

bool NamesCorporateAction(const std::string& text) {
    return Contains(Lower(text),
                    {"split", "consolidat", "takeover", "merger", "demerger", "scheme", "bonus",
                     "reconstruct", "corporate action", "capital return", "return of capital",
                     "buy-back", "buyback", "conversion", "rights"});
}

std::vector<std::pair<int, std::string>> CsvRecords(const std::string& text) {
    std::vector<std::pair<int, std::string>> records;
    std::string record;
    int line = 1, start = 1;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') quoted = !quoted;
        if (c == '\n') {
            ++line;
            if (!quoted) {
                if (!record.empty() && record.back() == '\r') record.pop_back();
                records.emplace_back(start, record);
                record.clear();
                start = line;
                continue;
            }
        }
        record += c;
    }
    if (!record.empty()) records.emplace_back(start, record);
    return records;
}

char CsvSeparator(const std::string& record) {
    const auto count = [&](char c) { return std::count(record.begin(), record.end(), c); };
    if (count('\t') > count(',')) return '\t';
    if (count(';') > count(',')) return ';';
    return ',';
}

std::vector<std::string> SplitCsvRecord(const std::string& record, char separator) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (size_t i = 0; i < record.size(); ++i) {
        const char c = record[i];
        if (quoted) {
            if (c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
                cells.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cells.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

bool ReadTradeDate(const std::string& text, double& serial) {
    const std::string t = Trim(text);
    int y = 0, m = 0, d = 0;
    char dash1 = 0, dash2 = 0;
    if (t.size() == 10 && t[4] == '-' &&
        std::sscanf(t.c_str(), "%4d%c%2d%c%2d", &y, &dash1, &m, &dash2, &d) == 5 && dash2 == '-' &&
        std::all_of(t.begin(), t.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) || c == '-';
        })) {
        if (!IsValidCivilDate(y, m, d)) return false;
        serial = static_cast<double>(EncodeDate(y, m, d));
        return true;
    }
    // The year has 1, 2 or 4 digits; a three-digit year is a mistake, not a year.
    const size_t slash = t.rfind('/');
    if (slash == std::string::npos || t.size() - slash - 1 == 3) return false;
    return TryReadDate(t, serial);
}

size_t FindHeaderRecord(const std::vector<std::pair<int, std::string>>& records,
                        const std::function<bool(const std::vector<std::string>&)>& isHeader,
                        char& separator) {
    separator = ',';
    for (size_t r = 0; r < records.size(); ++r) {
        separator = CsvSeparator(records[r].second);
        if (isHeader(SplitCsvRecord(records[r].second, separator))) return r;
    }
    return records.size();
}

bool ReadTradeList(const std::string& text, const ColumnMap& map,
                   const std::set<std::string>& exclude, TradeList& list, ImportProblem& problem) {
    list = TradeList();
    std::set<std::string> excluded;
    for (const std::string& code : exclude) excluded.insert(Upper(code));
    const auto records = CsvRecords(text);
    ColumnPlaces places;
    char separator = ',';
    size_t r = FindHeaderRecord(
        records, [&](const auto& cells) { return PlaceColumns(cells, map, places); }, separator);
    list.skipped = static_cast<int>(r);
    if (r == records.size())
        return Stop(problem, 0,
                    map.empty() ? "no header row names the date, code, buy/sell, quantity and "
                                  "price or amount columns of a trade list (--map names them), "
                                  "nor the date, details, debit and credit columns of a cash "
                                  "statement"
                                : "no header row has the columns --map names and the date, "
                                  "code, buy/sell, quantity and price or amount columns");
    for (++r; r < records.size(); ++r) {
        const auto& [line, record] = records[r];
        const std::vector<std::string> cells = SplitCsvRecord(record, separator);
        const LineReader reader(places, cells);
        const LineKind kind = KindOf(reader.Cell(TradeColumn::Action));
        const std::string code = Upper(reader.Cell(TradeColumn::Code));
        if (kind == LineKind::Other) {
            ++list.skipped;
            continue;
        }
        if (!code.empty() && excluded.count(code)) {
            list.excluded.push_back({line, code});
            continue;
        }
        if (kind == LineKind::CorporateAction)
            return StopAtCorporateAction(problem, line,
                                         (code.empty() ? std::string("a") : code + ": a") +
                                             " corporate action (" +
                                             reader.Cell(TradeColumn::Action) + ")");
        if (kind == LineKind::Brokerage) {
            // Brokerage on a row of its own belongs to the trade just above it.
            Trade* last = list.trades.empty() ? nullptr : &list.trades.back();
            Cents fee = 0;
            std::string why;
            if (!reader.Amount(TradeColumn::Brokerage, fee, why)) return Stop(problem, line, why);
            if (fee == 0 && !reader.Amount(TradeColumn::Consideration, fee, why))
                return Stop(problem, line, why);
            if (!last || last->line != records[r - 1].first ||
                (!code.empty() && code != last->code))
                return Stop(problem, line, "brokerage on a row of its own must follow its trade");
            last->brokerage += fee;
            continue;
        }
        Trade trade;
        trade.line = line;
        trade.text = record;
        trade.code = code;
        trade.kind = kind == LineKind::Buy ? TradeKind::Buy : TradeKind::Sell;
        if (code.empty()) return Stop(problem, line, "the trade names no security code");
        if (std::string why; !reader.Read(trade, why)) return Stop(problem, line, why);
        list.trades.push_back(std::move(trade));
    }
    return true;
}
