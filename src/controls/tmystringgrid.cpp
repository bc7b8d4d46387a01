#include "controls/tmystringgrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt_message_box.h"

TMyStringGrid::TMyStringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    widths_.assign(ColCount(), DefaultColWidth);
}

void TMyStringGrid::setColCount(int count) {
    model_.SetColCount(count);
    if (static_cast<int>(widths_.size()) < ColCount()) widths_.resize(ColCount(), DefaultColWidth);
    SyncHiddenFlags();
    col_ = std::min(col_, ColCount() - 1);
    RefreshLayout();
}

void TMyStringGrid::setFixedCols(int count) {
    model_.SetFixedCols(count);
    col_ = std::max(col_, FixedCols());
    RefreshLayout();
}

void TMyStringGrid::setDefaultRowHeight(int height) {
    defaultRowHeight_ = std::max(height, 1);
    RefreshLayout();
}

int TMyStringGrid::RowHeight(int row) const {
    return row == 0 && titleRowHeight_ >= 0 ? titleRowHeight_ : defaultRowHeight_;
}

void TMyStringGrid::SetTitleRowHeight(int height) {
    titleRowHeight_ = std::max(height, 1);
    RefreshLayout();
}

QString TMyStringGrid::ColWidths() const {
    QStringList parts;
    for (int col = 0; col < ColCount(); ++col) parts << QString::number(ColWidth(col));
    return parts.join(QLatin1Char(','));
}

void TMyStringGrid::setColWidths(const QString& widths) {
    const QStringList parts = widths.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (static_cast<int>(widths_.size()) < parts.size())
        widths_.resize(parts.size(), DefaultColWidth);
    for (int col = 0; col < parts.size(); ++col) {
        bool ok = false;
        const int width = parts[col].trimmed().toInt(&ok);
        if (ok) widths_[col] = width < 0 ? -1 : width;
    }
    SyncHiddenFlags();
    RefreshLayout();
}

int TMyStringGrid::ColWidth(int col) const {
    return col >= 0 && col < static_cast<int>(widths_.size()) ? widths_[col] : DefaultColWidth;
}

void TMyStringGrid::SetColWidth(int col, int width) {
    if (col < 0) return;
    if (col >= static_cast<int>(widths_.size())) widths_.resize(col + 1, DefaultColWidth);
    widths_[col] = width < 0 ? -1 : width;
    SyncHiddenFlags();
    RefreshLayout();
}

void TMyStringGrid::SyncHiddenFlags() {
    for (int col = 0; col < ColCount(); ++col) model_.SetColumnHidden(col, ColumnHidden(col));
}

std::vector<int> TMyStringGrid::ScrollableColumns() const {
    std::vector<int> cols;
    for (int col = FixedCols(); col < ColCount(); ++col)
        if (!ColumnHidden(col)) cols.push_back(col);
    return cols;
}

int TMyStringGrid::LeftColOf(int scrollValue) const {
    const std::vector<int> cols = ScrollableColumns();
    if (cols.empty()) return FixedCols();
    return cols[std::clamp<size_t>(static_cast<size_t>(std::max(scrollValue, 0)), 0,
                                   cols.size() - 1)];
}

int TMyStringGrid::LeftCol() const { return LeftColOf(horizontalScrollBar()->value()); }

int TMyStringGrid::TopRow() const { return FixedRows() + verticalScrollBar()->value(); }

int TMyStringGrid::FixedWidth() const {
    int width = 0;
    for (int col = 0; col < FixedCols(); ++col)
        if (!ColumnHidden(col)) width += ColWidth(col) + GridLineWidth;
    return width;
}

int TMyStringGrid::VisibleColCount() const {
    int x = FixedWidth(), count = 0;
    const std::vector<int> cols = ScrollableColumns();
    for (auto it = std::find(cols.begin(), cols.end(), LeftCol()); it != cols.end(); ++it) {
        x += ColWidth(*it) + GridLineWidth;
        if (x > viewport()->width() + GridLineWidth) break;
        ++count;
    }
    return count;
}

int TMyStringGrid::VisibleRowCount() const {
    const int available = viewport()->height() - RowHeight(0) - GridLineWidth;
    const int count = (available + GridLineWidth) / (defaultRowHeight_ + GridLineWidth);
    return std::clamp(count, 0, RowCount() - TopRow());
}

QRect TMyStringGrid::CellRect(int col, int row) const {
    if (!model_.ColumnExists(col) || row < 0 || row >= RowCount() || ColumnHidden(col)) return {};
    int x = 0;
    if (col < FixedCols()) {
        for (int c = 0; c < col; ++c)
            if (!ColumnHidden(c)) x += ColWidth(c) + GridLineWidth;
    } else {
        const int left = LeftCol();
        if (col < left) return {};
        x = FixedWidth();
        for (int c = left; c < col; ++c)
            if (!ColumnHidden(c)) x += ColWidth(c) + GridLineWidth;
    }
    const int y = RowTop(row);
    if (y < 0) return {};
    return QRect(x, y, ColWidth(col), RowHeight(row));
}

int TMyStringGrid::RowTop(int row) const {
    if (row < FixedRows()) return 0;
    if (row < TopRow() || row >= RowCount()) return -1;
    return RowHeight(0) + GridLineWidth + (row - TopRow()) * (defaultRowHeight_ + GridLineWidth);
}

bool TMyStringGrid::CellAt(const QPoint& pos, int& col, int& row) const {
    for (int c = 0; c < ColCount(); ++c) {
        const QRect rect = CellRect(c, 0);
        if (!rect.isEmpty() && pos.x() >= rect.left() && pos.x() <= rect.right() + GridLineWidth) {
            col = c;
            if (pos.y() <= RowHeight(0)) {
                row = 0;
                return true;
            }
            const int offset = pos.y() - RowHeight(0) - GridLineWidth;
            row = TopRow() + offset / (defaultRowHeight_ + GridLineWidth);
            return row < RowCount();
        }
    }
    return false;
}

bool TMyStringGrid::SelectCell(int&, int&) { return true; }

bool TMyStringGrid::FocusCell(int col, int row) {
    if (!model_.ColumnExists(col) || row < FixedRows() || row >= RowCount()) return false;
    if (!SelectCell(col, row)) return false;
    if (!model_.ColumnExists(col) || row < FixedRows() || row >= RowCount()) return false;
    col_ = col;
    row_ = row;
    ScrollToCurrent();
    viewport()->update();
    CurrentCellMoved();
    return true;
}

void TMyStringGrid::ScrollToCurrent() {
    QScrollBar* vbar = verticalScrollBar();
    const int visibleRows = std::max(1, VisibleRowCount());
    if (row_ < TopRow())
        vbar->setValue(row_ - FixedRows());
    else if (row_ >= TopRow() + visibleRows)
        vbar->setValue(row_ - FixedRows() - visibleRows + 1);
    if (col_ < FixedCols() || ColumnHidden(col_)) return;
    const std::vector<int> cols = ScrollableColumns();
    const int index = static_cast<int>(std::find(cols.begin(), cols.end(), col_) - cols.begin());
    QScrollBar* hbar = horizontalScrollBar();
    if (col_ < LeftCol()) {
        hbar->setValue(index);
        return;
    }
    while (hbar->value() < index && CellRect(col_, FixedRows()).right() >= viewport()->width())
        hbar->setValue(hbar->value() + 1);
}

void TMyStringGrid::UpdateScrollBars() {
    const int rowsShown =
        std::max(1, (viewport()->height() - RowHeight(0)) / (defaultRowHeight_ + GridLineWidth));
    const int dataRows = RowCount() - FixedRows();
    verticalScrollBar()->setRange(0, std::max(0, dataRows - rowsShown));
    verticalScrollBar()->setPageStep(rowsShown);

    // The last position shows the last column whole.
    const std::vector<int> cols = ScrollableColumns();
    const int available = viewport()->width() - FixedWidth();
    int used = 0, first = static_cast<int>(cols.size());
    while (first > 0 && used + ColWidth(cols[first - 1]) <= available)
        used += ColWidth(cols[--first]) + GridLineWidth;
    horizontalScrollBar()->setRange(0, std::min(first, std::max(0, int(cols.size()) - 1)));
    horizontalScrollBar()->setPageStep(1);
}

void TMyStringGrid::RefreshLayout() {
    UpdateScrollBars();
    viewport()->update();
    LayoutChanged();
}

bool TMyStringGrid::NavigateByKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    const int firstRow = FixedRows(), lastRow = RowCount() - 1;
    const int firstCol = model_.TabStopFrom(FixedCols()), lastCol = model_.LastTabStopCol();
    switch (key) {
        case Qt::Key_Up:
            if (row_ > firstRow) FocusCell(col_, row_ - 1);
            return true;
        case Qt::Key_Down:
            if (row_ < lastRow) FocusCell(col_, row_ + 1);
            return true;
        case Qt::Key_PageUp:
            FocusCell(col_, std::max(firstRow, row_ - std::max(1, VisibleRowCount())));
            return true;
        case Qt::Key_PageDown:
            FocusCell(col_, std::min(lastRow, row_ + std::max(1, VisibleRowCount())));
            return true;
        case Qt::Key_Left: {
            const int col = model_.PreviousTabStopLeft(col_);
            if (col >= 0) FocusCell(col, row_);
            return true;
        }
        case Qt::Key_Right: {
            const int col = model_.NextTabStopRight(col_);
            if (col >= 0) FocusCell(col, row_);
            return true;
        }
        case Qt::Key_Home:
            if (ctrl)
                FocusCell(col_, firstRow);
            else if (firstCol >= 0)
                FocusCell(firstCol, row_);
            return true;
        case Qt::Key_End:
            if (ctrl)
                FocusCell(col_, lastRow);
            else if (lastCol >= 0)
                FocusCell(lastCol, row_);
            return true;
        case Qt::Key_Tab: {
            const int col = model_.NextTabStopRight(col_);
            if (col >= 0) {
                FocusCell(col, row_);
                return true;
            }
            if (row_ >= lastRow || firstCol < 0) return false;
            FocusCell(firstCol, row_ + 1);
            return true;
        }
        case Qt::Key_Backtab: {
            const int col = model_.PreviousTabStopLeft(col_);
            if (col >= 0) {
                FocusCell(col, row_);
                return true;
            }
            if (row_ <= firstRow || lastCol < 0) return false;
            FocusCell(lastCol, row_ - 1);
            return true;
        }
        default:
            return false;
    }
}

QColor TMyStringGrid::GridLineColor() const { return palette().color(QPalette::Mid).lighter(130); }

void TMyStringGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect) {
    painter.drawText(rect.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     FromLatin1Text(model_.Cell(col, row)));
}

void TMyStringGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    const int width = viewport()->width(), height = viewport()->height();
    std::vector<int> rows = {0};
    for (int row = TopRow(); row < RowCount() && RowTop(row) <= height; ++row) rows.push_back(row);
    std::vector<int> cols;
    for (int col = 0; col < ColCount(); ++col) {
        const QRect rect = CellRect(col, 0);
        if (rect.isEmpty()) continue;
        if (rect.left() > width) break;
        cols.push_back(col);
    }
    int right = 0, bottom = 0;
    for (int row : rows) {
        for (int col : cols) {
            const QRect rect = CellRect(col, row);
            if (rect.isEmpty()) continue;
            painter.save();
            painter.setClipRect(rect.intersected(event->rect()));
            DrawCell(painter, col, row, rect);
            painter.restore();
            right = std::max(right, rect.right() + 1);
            bottom = std::max(bottom, rect.bottom() + 1);
        }
    }
    painter.setPen(GridLineColor());
    for (int col : cols) {
        const int x = CellRect(col, 0).right() + 1;
        painter.drawLine(x, 0, x, bottom);
    }
    for (int row : rows) {
        const int y = RowTop(row) + RowHeight(row);
        painter.drawLine(0, y, right, y);
    }
}

void TMyStringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    RefreshLayout();
}

void TMyStringGrid::scrollContentsBy(int, int) {
    viewport()->update();
    LayoutChanged();
}

void TMyStringGrid::mousePressEvent(QMouseEvent* event) {
    int col = 0, row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), col, row) &&
        row >= FixedRows() && col >= FixedCols())
        FocusCell(col, row);
    event->accept();
}
