// SortRows: data rows ordered by key columns, empty key cells last, equal rows in their
// original order. The rule compares two rows at the first key column whose texts differ,
// and stops there even when the texts are equal by value ("1" and "1.0", "a" and "A").
// When no key column but the last holds such look-alike texts, that rule is an ordinary
// lexicographic order and a stable sort gives exactly the order of repeated adjacent
// exchanges; otherwise the exchanges are made one by one.

#include <algorithm>
#include <map>
#include <numeric>

#include "controls/core/dates.h"
#include "controls/core/grid_model.h"
#include "controls/core/latin1_case.h"
#include "controls/core/numbers.h"

namespace {

struct SortKey {
    int col = 0;
    int kind = gkText;
};

// What a key cell compares by: its value (number, date) or its upper-cased text.
struct KeyValue {
    long double value = 0;
    std::string folded;
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
    if (text.empty()) return key;
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

class RowOrder {
public:
    RowOrder(const TGridModel& grid, std::vector<SortKey> keys)
        : grid_(grid), keys_(std::move(keys)) {
        const int first = grid.FixedRows();
        values_.resize(grid.DataRowCount());
        for (int r = 0; r < grid.DataRowCount(); ++r)
            for (const SortKey& key : keys_)
                values_[r].push_back(ReadKey(grid.Cell(key.col, first + r), key.kind));
    }

    // Row a (upper) and row b (lower), as data row indexes, must be exchanged.
    bool OutOfOrder(int a, int b) const {
        const int first = grid_.FixedRows();
        for (size_t k = 0; k < keys_.size(); ++k) {
            const std::string& textA = grid_.Cell(keys_[k].col, first + a);
            const std::string& textB = grid_.Cell(keys_[k].col, first + b);
            if (textA == textB) continue;
            if (textB.empty()) return false;
            if (textA.empty()) return true;
            const KeyValue& valueA = values_[a][k];
            const KeyValue& valueB = values_[b][k];
            switch (keys_[k].kind) {
                case gkNumber:
                case gkDate:
                    return valueA.value > valueB.value;
                case gkText:
                    return valueA.folded > valueB.folded;
                default:
                    return false;
            }
        }
        return false;
    }

    // Distinct texts of a key column before the last that compare as equal make the rule
    // stop early where an ordinary sort would look at the next key.
    bool LexicographicOrder() const {
        for (size_t k = 0; k + 1 < keys_.size(); ++k) {
            std::map<std::pair<long double, std::string>, std::string> seen;
            for (int r = 0; r < static_cast<int>(values_.size()); ++r) {
                const std::string& text = grid_.Cell(keys_[k].col, grid_.FixedRows() + r);
                if (text.empty()) continue;
                const auto inserted =
                    seen.emplace(std::make_pair(values_[r][k].value, values_[r][k].folded), text);
                if (!inserted.second && inserted.first->second != text) return false;
            }
        }
        return true;
    }

private:
    const TGridModel& grid_;
    std::vector<SortKey> keys_;
    std::vector<std::vector<KeyValue>> values_;
};

std::vector<int> SortedOrder(const RowOrder& order, int count) {
    std::vector<int> rows(count);
    std::iota(rows.begin(), rows.end(), 0);
    if (order.LexicographicOrder()) {
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
