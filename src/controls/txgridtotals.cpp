#include "controls/txgridtotals.h"

#include <QPainter>

#include "controls/txgrid.h"

TXGridTotals::TXGridTotals(QWidget* parent) : QWidget(parent) { resize(100, 22); }

TXGridTotals::~TXGridTotals() {
    if (grid_ && grid_->totals_ == this) grid_->totals_ = nullptr;
}

void TXGridTotals::SetXGrid(TXGrid* grid) {
    if (grid_ == grid) return;
    if (grid_ && grid_->totals_ == this) grid_->totals_ = nullptr;
    grid_ = grid;
    if (grid_) {
        // A grid keeps one bar.
        if (grid_->totals_ && grid_->totals_ != this) grid_->totals_->grid_ = nullptr;
        grid_->totals_ = this;
        setVisible(!grid_->isHidden());
        gridName_ = grid_->objectName();
    }
    UpdatePlacement();
    update();
}

void TXGridTotals::setXGridName(const QString& name) {
    gridName_ = name;
    ResolveName();
}

void TXGridTotals::ResolveName() {
    if (gridName_.isEmpty() || (grid_ && grid_->objectName() == gridName_)) return;
    for (QWidget* scope = parentWidget(); scope; scope = scope->parentWidget()) {
        if (auto* grid = scope->findChild<TXGrid*>(gridName_)) {
            SetXGrid(grid);
            return;
        }
    }
}

void TXGridTotals::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ResolveName();
    UpdatePlacement();
}

void TXGridTotals::UpdatePlacement() {
    if (!grid_ || !parentWidget() || !grid_->parentWidget()) return;
    const QPoint origin = grid_->parentWidget() == parentWidget()
                              ? grid_->pos()
                              : parentWidget()->mapFromGlobal(grid_->mapToGlobal(QPoint(0, 0)));
    setGeometry(origin.x(), origin.y() + grid_->height() - 1, grid_->width() - 2,
                grid_->DefaultRowHeight() + 2);
    raise();
}

std::vector<TXGridTotals::ColumnSpan> TXGridTotals::Spans() const {
    std::vector<ColumnSpan> spans;
    if (!grid_) return spans;
    // Lines meet the grid's own: the grid's cells start inside its frame.
    int x = grid_->frameWidth() - 1 + grid_->FixedWidth();
    for (int col = grid_->LeftCol(); col < grid_->ColCount(); ++col) {
        if (grid_->ColumnHidden(col)) continue;
        const int left = x;
        x += grid_->ColWidth(col) + TXGrid::GridLineWidth;
        spans.push_back({col, left, x});
        if (x > width()) break;
    }
    return spans;
}

void TXGridTotals::RepaintColumn(int col) {
    for (const ColumnSpan& span : Spans())
        if (span.col == col) update(QRect(span.left, 0, span.right - span.left + 1, height()));
}

void TXGridTotals::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor grey(FrameGrey, FrameGrey, FrameGrey);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(QPen(grey, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect());
    if (!grid_) return;
    painter.setFont(grid_->font());
    const int edge = width() - 3;
    const TGridModel& model = grid_->Model();
    for (const ColumnSpan& span : Spans()) {
        painter.setPen(QPen(grey, TXGrid::GridLineWidth));
        painter.drawLine(span.right, 1, span.right, height() - 2);
        if (model.ColumnType(span.col) != gkNumber || model.ColumnNoTotal(span.col)) continue;
        painter.save();
        painter.setClipRect(QRect(0, 0, edge, height()));
        painter.setPen(palette().color(QPalette::Text));
        const QRect box(span.left, 2, span.right - 2 - span.left, height() - 4);
        painter.drawText(box, Qt::AlignRight | Qt::AlignTop, grid_->ColumnTotalText(span.col));
        painter.restore();
        if (span.right - 2 >= edge) break;
    }
}
