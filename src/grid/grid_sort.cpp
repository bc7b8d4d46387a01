// SortRows: data rows ordered by key columns, empty key cells last, equal rows in their
// original order. The rule compares two rows at the first key column whose texts differ,
// and stops there even when the texts are equal by value ("1" and "1.0", "a" and "A").
// When no key column but the last holds such look-alike texts, that rule is an ordinary
// lexicographic order and a stable sort gives exactly the order of repeated adjacent
// exchanges; otherwise the exchanges are made one by one.

#include <algorithm>
#include <map>
#include <numeric>

#include "base/dates.h"
#include "base/latin1_case.h"
#include "base/numbers.h"
#include "grid/grid_model.h"

namespace {

struct SortKey {
    int col = 0;
    int kind = gkText;
};

// What a key cell compares by: its value (number, date) or its upper-cased text.
struct KeyValue {
    long double value = 0;
    std::string folded;
    bool operator<(const KeyValue& other) const {
        return value != other.value ? value < other.value : folded < other.folded;
    }
    bool operator==(const KeyValue& other) const {
        return value == other.value && folded == other.folded;
    }
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<SortKey> ParseKeys(const std::string& columns, const TGridModel& grid) {
    std::vector<SortKey> keys;
    size_t start = 0;
    while (true) {
        const size_t comma = columns.find(',', start);
        const std::string item =
            Trimmed(columns.substr(start, comma == std::string::npos ? comma : comma - start));
        long double number = 0;
        if (item.empty() || item.find_first_not_of("+-0123456789") != std::string::npos ||
            !TryReadNumber(item, number))
            throw GridSortError("'" + item + "' is not a valid column number");
        const int col = static_cast<int>(number);
        if (!grid.ColumnExists(col))
            throw GridSortError("Column " + item + " does not exist in this grid");
        keys.push_back({col, grid.ColumnType(col)});
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return keys;
}

KeyValue ReadKey(const std::string& text, int kind) {
    KeyValue key;
    if (kind == gkNumber) {
        if (!TryReadNumber(text, key.value))
            throw GridSortError("'" + text + "' is not a valid floating point value");
    } else if (kind == gkDate) {
        double serial = 0;
        if (!TryReadDate(text, serial)) throw GridSortError("'" + text + "' is not a valid date");
        key.value = serial;
    } else if (kind == gkText) {
        key.folded = Latin1UpperText(text);
    }
    return key;
}

// One key cell reduced to two ranks: which exact text it holds, and where that text
// stands by value (equal values share a rank; identifiers all share one).
struct KeyRank {
    int text = 0;   // 0 for the empty text
    int value = 0;  // meaningful for non-empty texts only
};

class RowOrder {
public:
    RowOrder(const TGridModel& grid, const std::vector<SortKey>& keys) : keys_(keys.size()) {
        const int rows = grid.DataRowCount();
        ranks_.assign(static_cast<size_t>(rows) * keys_, KeyRank{});
        lexicographic_ = true;
        for (size_t k = 0; k < keys_; ++k) {
            // Distinct texts of the column, each read once, ranked by value.
            std::map<std::string, int> textIds;
            std::vector<const std::string*> texts;
            for (int r = 0; r < rows; ++r) {
                const std::string& text = grid.Cell(keys[k].col, grid.FixedRows() + r);
                if (text.empty()) continue;
                const auto [entry, added] =
                    textIds.emplace(text, static_cast<int>(texts.size()) + 1);
                if (added) texts.push_back(&entry->first);
            }
            std::vector<KeyValue> values;
            for (const std::string* text : texts) values.push_back(ReadKey(*text, keys[k].kind));
            std::vector<KeyValue> ordered = values;
            std::sort(ordered.begin(), ordered.end());
            ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
            // Distinct texts equal by value in a key before the last make the rule stop
            // early where an ordinary sort would look at the next key.
            if (k + 1 < keys_ && ordered.size() < values.size()) lexicographic_ = false;
            for (int r = 0; r < rows; ++r) {
                const std::string& text = grid.Cell(keys[k].col, grid.FixedRows() + r);
                if (text.empty()) continue;
                KeyRank& rank = ranks_[static_cast<size_t>(r) * keys_ + k];
                rank.text = textIds.find(text)->second;
                const KeyValue& value = values[rank.text - 1];
                rank.value = static_cast<int>(
                    std::lower_bound(ordered.begin(), ordered.end(), value) - ordered.begin());
            }
        }
    }

    bool Lexicographic() const { return lexicographic_; }

    // Row a (upper) and row b (lower), as data row indexes, must be exchanged.
    bool OutOfOrder(int a, int b) const {
        const KeyRank* rankA = &ranks_[static_cast<size_t>(a) * keys_];
        const KeyRank* rankB = &ranks_[static_cast<size_t>(b) * keys_];
        for (size_t k = 0; k < keys_; ++k) {
            if (rankA[k].text == rankB[k].text) continue;
            if (rankB[k].text == 0) return false;  // empty cells go last
            if (rankA[k].text == 0) return true;
            return rankA[k].value > rankB[k].value;
        }
        return false;
    }

private:
    size_t keys_;
    std::vector<KeyRank> ranks_;  // row by row, key by key
    bool lexicographic_ = true;
};

std::vector<int> SortedOrder(const RowOrder& order, int count) {
    std::vector<int> rows(count);
    std::iota(rows.begin(), rows.end(), 0);
    if (order.Lexicographic()) {
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int x, int y) { return order.OutOfOrder(y, x); });
        return rows;
    }
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (int i = 0; i + 1 < count; ++i) {
            if (order.OutOfOrder(rows[i], rows[i + 1])) {
                std::swap(rows[i], rows[i + 1]);
                exchanged = true;
            }
        }
    }
    return rows;
}

}  // namespace

void TGridModel::SortRows(const std::string& columns) {
    const RowOrder order(*this, ParseKeys(columns, *this));
    const std::vector<int> sorted = SortedOrder(order, DataRowCount());
    std::vector<std::vector<std::string>> rows;
    rows.reserve(rows_.size());
    for (int r = 0; r < FixedRows(); ++r) rows.push_back(std::move(rows_[r]));
    for (int index : sorted) rows.push_back(std::move(rows_[FixedRows() + index]));
    rows_ = std::move(rows);
    Notify(-1, -1);
}
