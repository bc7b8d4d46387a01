#include "grid/grid_model.h"

#include <algorithm>

#include "base/numbers.h"

namespace {

const std::string EmptyText;

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// Zeros with at most one decimal point ("0", "0.00", "0.0"): the shown form of an entered zero.
bool IsZeroText(const std::string& text) {
    if (text.empty() || text.find('0') == std::string::npos) return false;
    if (std::count(text.begin(), text.end(), GridDecimalSeparator) > 1) return false;
    return text.find_first_not_of(std::string("0") + GridDecimalSeparator) == std::string::npos;
}

const TGridColumn& DefaultColumn() {
    static const TGridColumn column = [] {
        bool bad = false;
        return ParseColumnDescriptor(DefaultColumnDescriptor, bad);
    }();
    return column;
}

}  // namespace

TGridModel::TGridModel() {
    rows_.assign(5, std::vector<std::string>(colCount_));
    columns_.assign(colCount_, DefaultColumn());
    RecomputeLastTabStop();
}

void TGridModel::SetColCount(int count) {
    count = std::max(count, 1);
    if (count == colCount_) return;
    colCount_ = count;
    for (auto& row : rows_) row.resize(count);
    columns_.resize(count, DefaultColumn());
    fixedCols_ = std::min(fixedCols_, count - 1);
    RecomputeLastTabStop();
    Notify(-1, -1);
}

void TGridModel::SetRowCount(int count) {
    count = std::max(count, FixedRows() + 1);
    if (count == RowCount()) return;
    rows_.resize(count, std::vector<std::string>(colCount_));
    Notify(-1, -1);
}

void TGridModel::SetFixedCols(int count) {
    fixedCols_ = std::clamp(count, 0, colCount_ - 1);
    RecomputeLastTabStop();
    Notify(-1, -1);
}

const std::string& TGridModel::Cell(int col, int row) const {
    if (!ColumnExists(col) || row < 0 || row >= RowCount()) return EmptyText;
    return rows_[row][col];
}

void TGridModel::SetCell(int col, int row, const std::string& text) {
    if (!ColumnExists(col) || row < 0 || row >= RowCount()) return;
    if (rows_[row][col] == text) return;
    rows_[row][col] = text;
    Notify(col, row);
}

bool TGridModel::RowBlank(int row) const {
    if (row < 0 || row >= RowCount()) return true;
    return std::all_of(rows_[row].begin(), rows_[row].end(), IsBlank);
}

void TGridModel::ReadDescriptors() {
    bool badCharacterSet = false;
    for (int col = 0; col < colCount_; ++col) {
        const std::string& line =
            col < static_cast<int>(display_.size()) ? display_[col] : DefaultColumnDescriptor;
        const bool hidden = columns_[col].hidden;
        columns_[col] = ParseColumnDescriptor(line, badCharacterSet);
        columns_[col].hidden = hidden;
        rows_[0][col] = columns_[col].title;
    }
    RecomputeLastTabStop();
    Notify(-1, -1);
    if (badCharacterSet) throw BadCharacterSet();
}

const TGridColumn& TGridModel::Column(int col) const {
    return ColumnExists(col) ? columns_[col] : DefaultColumn();
}

TGridColumn& TGridModel::Column(int col) { return columns_.at(col); }

int TGridModel::ColumnType(int col) const { return ColumnExists(col) ? columns_[col].kind : 0; }

bool TGridModel::ColumnNoTotal(int col) const { return Column(col).noTotal; }

void TGridModel::SetColumnSkip(int col) {
    if (!ColumnExists(col)) return;
    columns_[col].skipped = true;
    RecomputeLastTabStop();
}

void TGridModel::ClearColumnSkip(int col) {
    if (!ColumnExists(col)) return;
    columns_[col].skipped = false;
    RecomputeLastTabStop();
}

void TGridModel::SetColumnLocked(int col, bool locked) {
    if (ColumnExists(col)) columns_[col].locked = locked;
}

void TGridModel::SetColumnHidden(int col, bool hidden) {
    if (!ColumnExists(col)) return;
    columns_[col].hidden = hidden;
    RecomputeLastTabStop();
}

void TGridModel::SetPicklist(int col, std::vector<std::string> entries) {
    if (ColumnExists(col)) columns_[col].picklist = std::move(entries);
}

bool TGridModel::IsTabStop(int col) const { return ColumnExists(col) && columns_[col].IsTabStop(); }

void TGridModel::RecomputeLastTabStop() {
    lastTabStop_ = -1;
    for (int col = fixedCols_; col < colCount_; ++col)
        if (columns_[col].IsTabStop()) lastTabStop_ = col;
}

int TGridModel::TabStopFrom(int col) const {
    if (col < fixedCols_ || col >= colCount_) col = fixedCols_;
    for (int step = 0; step < colCount_; ++step) {
        if (IsTabStop(col)) return col;
        if (++col >= colCount_) col = fixedCols_;
    }
    return -1;
}

int TGridModel::NextTabStopRight(int col) const {
    for (int c = std::max(col + 1, fixedCols_); c < colCount_; ++c)
        if (IsTabStop(c)) return c;
    return -1;
}

int TGridModel::PreviousTabStopLeft(int col) const {
    for (int c = std::min(col - 1, colCount_ - 1); c >= fixedCols_; --c)
        if (IsTabStop(c)) return c;
    return -1;
}

long double TGridModel::ColumnTotal(int col) const {
    if (ColumnType(col) != gkNumber) return 0;
    long double sum = 0;
    bool enteredZero = false;
    std::string stripped;
    for (int row = FixedRows(); row < RowCount(); ++row) {
        stripped.clear();
        for (char c : rows_[row][col])
            if ((c >= '0' && c <= '9') || c == '-' || c == GridDecimalSeparator) stripped += c;
        if (stripped.empty()) continue;
        if (IsZeroText(stripped)) {
            enteredZero = true;
            continue;
        }
        long double value = 0;
        if (TryReadNumber(stripped, value)) sum += value;
    }
    return sum == 0 && enteredZero ? EnteredZero : sum;
}

std::string TGridModel::ColumnTotalText(int col) const {
    // Fixed point with the column's decimals and no digit limit, as a width-padded text trimmed.
    return FormatFixed(ColumnTotal(col), 18, Column(col).Decimals());
}

void TGridModel::SaveToList(TextList& list) const {
    list.clear();
    size_t cells = 0;
    for (int row = FixedRows(); row < RowCount(); ++row)
        if (!RowBlank(row)) cells += rows_[row].size();
    list.reserve(cells);
    for (int row = FixedRows(); row < RowCount(); ++row) {
        if (RowBlank(row)) continue;
        list.insert(list.end(), rows_[row].begin(), rows_[row].end());
    }
}

void TGridModel::LoadFromList(const TextList* list) {
    const size_t cols = static_cast<size_t>(colCount_);
    int row = FixedRows();
    if (list) {
        for (size_t first = 0; first < list->size(); first += cols, ++row) {
            if (row >= RowCount()) rows_.emplace_back(colCount_);
            for (size_t col = 0; col < cols; ++col)
                rows_[row][col] = first + col < list->size() ? (*list)[first + col] : EmptyText;
        }
    }
    for (; row < RowCount(); ++row)
        for (auto& cell : rows_[row]) cell.clear();
    Notify(-1, -1);
}

void TGridModel::ClearRows() {
    const TextList empty;
    LoadFromList(&empty);
}

void TGridModel::InsertRow(int row) {
    row = std::clamp(row, FixedRows(), RowCount());
    rows_.insert(rows_.begin() + row, std::vector<std::string>(colCount_));
    Notify(-1, -1);
}

void TGridModel::DeleteRow(int row) {
    if (row < FixedRows() || row >= RowCount()) return;
    if (DataRowCount() == 1) {
        // A grid keeps one data row: deleting the only one leaves it blank.
        for (auto& cell : rows_[row]) cell.clear();
    } else {
        rows_.erase(rows_.begin() + row);
    }
    Notify(-1, -1);
}

int TGridModel::AddRow() {
    rows_.emplace_back(colCount_);
    Notify(-1, -1);
    return RowCount() - 1;
}
