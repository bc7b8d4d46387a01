#pragma once
// A string grid over a TGridModel: fixed title row and fixed columns, per-column widths
// (-1 hides a column), scrolling by whole cells, a current cell that changes only through
// SelectCell (which may change the target), keyboard and mouse navigation.

#include <QAbstractScrollArea>
#include <vector>

#include "grid/grid_model.h"

class TMyStringGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE setColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE setRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE setFixedCols)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(QString ColWidths READ ColWidths WRITE setColWidths)

public:
    static constexpr int DefaultColWidth = 64;
    static constexpr int GridLineWidth = 1;

    explicit TMyStringGrid(QWidget* parent = nullptr);

    TGridModel& Model() { return model_; }
    const TGridModel& Model() const { return model_; }

    int ColCount() const { return model_.ColCount(); }
    virtual void setColCount(int count);
    int RowCount() const { return model_.RowCount(); }
    void setRowCount(int count) { model_.SetRowCount(count); }
    int FixedCols() const { return model_.FixedCols(); }
    void setFixedCols(int count);
    int FixedRows() const { return model_.FixedRows(); }

    int DefaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(int height);
    int RowHeight(int row) const;
    void SetTitleRowHeight(int height);  // row 0

    // Widths as a form writes them: "120,80,-1".
    QString ColWidths() const;
    void setColWidths(const QString& widths);
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);  // -1 hides the column
    bool ColumnHidden(int col) const { return ColWidth(col) < 0; }

    int Col() const { return col_; }
    int Row() const { return row_; }
    int LeftCol() const;  // first scrolled column shown
    int TopRow() const;   // first data row shown
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // The cell's rectangle in viewport coordinates; empty when hidden or scrolled away.
    QRect CellRect(int col, int row) const;
    bool CellAt(const QPoint& viewportPos, int& col, int& row) const;
    int RowTop(int row) const;  // viewport y of the row, -1 when scrolled away
    // Width of the fixed columns with their grid lines.
    int FixedWidth() const;

    // The cell-selection check: may change the target; true allows the move.
    virtual bool SelectCell(int& col, int& row);
    // Moves the current cell through SelectCell; true when the move was allowed.
    bool FocusCell(int col, int row);
    void ScrollToCurrent();

protected:
    // A move into (col, row) passed SelectCell and is now current.
    virtual void CurrentCellMoved() {}
    // The visible layout changed (scrolling, sizes, rows or columns).
    virtual void LayoutChanged() {}
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect);
    virtual QColor GridLineColor() const;

    // Arrow, page, home, end and tab keys; true when the key belongs to the grid. Tab
    // past the last cell or Shift+Tab before the first is not handled, so it can leave.
    bool NavigateByKey(int key, Qt::KeyboardModifiers modifiers);
    void RefreshLayout();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;

    TGridModel model_;
    int col_ = 0;
    int row_ = 1;

private:
    std::vector<int> ScrollableColumns() const;  // non-fixed, shown
    int LeftColOf(int scrollValue) const;
    void UpdateScrollBars();
    void SyncHiddenFlags();

    std::vector<int> widths_;
    int defaultRowHeight_ = 20;
    int titleRowHeight_ = -1;  // follows the default row height until set
};
