#pragma once
// The cells and column rules of an entry grid, without any widget: the screens edit it
// through TXGrid, the calculations fill, sort and total it directly. Row 0 holds the
// column titles; data rows start at row 1. Texts are Latin-1.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "grid/grid_column.h"
#include "store/field_slot.h"

// SortRows met a key cell or a column number it cannot read.
class GridSortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TGridModel {
public:
    TGridModel();

    int ColCount() const { return colCount_; }
    void SetColCount(int count);
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void SetRowCount(int count);  // at least one data row
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return 1; }
    int DataRowCount() const { return RowCount() - FixedRows(); }

    // Out of range reads give an empty text; out of range writes are ignored.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    bool RowBlank(int row) const;  // every cell empty after trimming

    // Descriptors: line i describes column i; a column without a line takes the default.
    void SetDisplay(std::vector<std::string> lines) { display_ = std::move(lines); }
    const std::vector<std::string>& Display() const { return display_; }
    // Parses every column, writes the titles into row 0, recomputes the last tab stop.
    // Every column is read; a malformed allowed set then throws BadCharacterSet.
    void ReadDescriptors();

    const TGridColumn& Column(int col) const;
    TGridColumn& Column(int col);  // col must exist
    bool ColumnExists(int col) const { return col >= 0 && col < colCount_; }
    int ColumnType(int col) const;
    bool ColumnNoTotal(int col) const;
    void SetColumnSkip(int col);
    void ClearColumnSkip(int col);
    void SetColumnLocked(int col, bool locked);
    void SetColumnHidden(int col, bool hidden);
    void SetPicklist(int col, std::vector<std::string> entries);

    bool IsTabStop(int col) const;
    int LastTabStopCol() const { return lastTabStop_; }  // -1 when none
    // The first tab stop from `col` rightwards, wrapping past the last column to FixedCols;
    // -1 when no column from FixedCols on is a tab stop.
    int TabStopFrom(int col) const;
    // The first tab stop right of `col` in the same row; -1 when none.
    int NextTabStopRight(int col) const;
    int PreviousTabStopLeft(int col) const;

    long double ColumnTotal(int col) const;
    std::string ColumnTotalText(int col) const;

    void SaveToList(TextList& list) const;
    void LoadFromList(const TextList* list);  // null empties every data row
    void ClearRows();
    void SortRows(const std::string& columns);
    void InsertRow(int row);
    void DeleteRow(int row);
    int AddRow();  // appends a blank row and returns its number

    // Called after every change of cells or rows: (col, row) of a single cell, or (-1, -1).
    std::function<void(int col, int row)> Changed;

private:
    void Notify(int col, int row) const {
        if (Changed) Changed(col, row);
    }
    void RecomputeLastTabStop();

    int colCount_ = 5;
    int fixedCols_ = 0;
    std::vector<std::vector<std::string>> rows_;  // rows_[row][col]
    std::vector<TGridColumn> columns_;
    std::vector<std::string> display_;
    int lastTabStop_ = -1;
};
