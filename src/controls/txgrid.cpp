#include "controls/txgrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

#include "base/message_box.h"
#include "base/module_state.h"
#include "base/numbers.h"
#include "controls/txgridinplaceedit.h"
#include "controls/txgridtotals.h"
#include "grid/grid_cell_rules.h"
#include "platform/qt_message_box.h"

namespace {

// Eats the mouse press that tried to take the focus away from a grid that refused, so
// the control pressed neither gets the focus nor acts on the click.
class PressSwallower : public QObject {
public:
    explicit PressSwallower(QWidget* grid) : grid_(grid) {
        qApp->installEventFilter(this);
        deleteLater();  // only the press being delivered now
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !grid_ || widget == grid_ || grid_->isAncestorOf(widget)) return false;
        qApp->removeEventFilter(this);
        return true;
    }

private:
    QPointer<QWidget> grid_;
};

std::string Latin1(const QString& text) { return ToLatin1Text(text); }

// Word-wrapped and centred vertically. A text whose lines do not fit the cell shows as
// one line cut with an ellipsis rather than as lines cut in half.
void DrawWrapped(QPainter& painter, const QRect& rect, int align, const QString& text) {
    const int flags = Qt::TextWordWrap | Qt::AlignVCenter | align;
    if (painter.boundingRect(rect, flags, text).height() <= rect.height()) {
        painter.drawText(rect, flags, text);
        return;
    }
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
    painter.drawText(rect, Qt::AlignVCenter | align,
                     painter.fontMetrics().elidedText(oneLine, Qt::ElideRight, rect.width()));
}

}  // namespace

TXGrid::TXGrid(QWidget* parent) : TMyStringGrid(parent) {
    fixedColor_ = palette().color(QPalette::Button);
    viewport()->setMouseTracking(true);
    editor_ = new TXGridInplaceEdit(this, viewport());
    editor_->hide();
    model_.Changed = [this](int col, int row) { ModelChanged(col, row); };
    focusConnection_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            // The focus went elsewhere in this window without passing the leave check (from
            // no widget at all, or from another window). Other windows taking the focus, such
            // as message boxes, give it back.
            if (focusInside_ && now && now != this && !isAncestorOf(now) && !checkingLeave_ &&
                now->window() == window()) {
                focusInside_ = false;
                entering_ = false;
                editor_->hide();
                viewport()->update();
            }
        });
    ReadDescriptors();
}

TXGrid::~TXGrid() {
    disconnect(focusConnection_);
    model_.Changed = nullptr;
    delete editor_;
    editor_ = nullptr;
}

// ---- Properties ------------------------------------------------------------------------

QStringList TXGrid::Display() const { return display_; }

void TXGrid::setDisplay(const QStringList& lines) {
    display_ = lines;
    std::vector<std::string> descriptors;
    for (const QString& line : lines) descriptors.push_back(Latin1(line));
    model_.SetDisplay(std::move(descriptors));
    ReadDescriptors();
}

void TXGrid::setColCount(int count) {
    TMyStringGrid::setColCount(count);
    ReadDescriptors();
}

void TXGrid::ReadDescriptors() {
    try {
        model_.ReadDescriptors();
        reportedBadDisplay_.clear();
    } catch (const BadCharacterSet& error) {
        // A form sets the column count and the lines one after the other: report once.
        const std::string key = Latin1(display_.join(QLatin1Char('\n')));
        if (key != reportedBadDisplay_) {
            reportedBadDisplay_ = key;
            AppMessageBox(error.what(), mtError, mbOK);
        }
    }
    viewport()->update();
}

void TXGrid::setTitleLines(int lines) {
    titleLines_ = std::clamp(lines, 0, 255);
    titleLinesSet_ = true;
    ApplyTitleLines();
}

void TXGrid::ApplyTitleLines() {
    SetTitleRowHeight(QFontMetrics(font()).height() * titleLines_ + 4);
}

void TXGrid::setFixedColor(const QColor& color) {
    fixedColor_ = color;
    viewport()->update();
}

void TXGrid::setFixedFontColor(const QColor& color) {
    fixedFontColor_ = color;
    viewport()->update();
}

// ---- Cells and operations ------------------------------------------------------------------

QString TXGrid::Cells(int col, int row) const { return FromLatin1Text(model_.Cell(col, row)); }

void TXGrid::SetCells(int col, int row, const QString& text) {
    model_.SetCell(col, row, Latin1(text));
}

QString TXGrid::ColumnTitle(int col) const {
    return model_.ColumnExists(col) ? FromLatin1Text(model_.Column(col).title) : QString();
}

void TXGrid::SetColumnLocked(int col, bool locked) {
    model_.SetColumnLocked(col, locked);
    if (col == col_) editor_->TakeCell(Cells(col_, row_), model_.Column(col_));
}

QString TXGrid::ColumnTotalText(int col) const {
    return FromLatin1Text(model_.ColumnTotalText(col));
}

void TXGrid::SortRows(const QString& columns) { model_.SortRows(Latin1(columns)); }

bool TXGrid::CellEditable(int col) const {
    const TGridColumn& column = model_.Column(col);
    return model_.ColumnExists(col) && !column.skipped && !column.locked;
}

void TXGrid::ModelChanged(int col, int row) {
    validated_.col = -1;
    if (row_ >= RowCount()) row_ = RowCount() - 1;
    if (col_ >= ColCount()) col_ = ColCount() - 1;
    if (col < 0 && row < 0) {
        // Rows or descriptors changed: the editor takes the current cell afresh.
        editor_->TakeCell(Cells(col_, row_), model_.Column(col_));
        RefreshLayout();
    } else {
        if (col == col_ && row == row_) SyncEditor();
        viewport()->update();
        UpdateTotals(false);
    }
}

// ---- Current cell and its editor -------------------------------------------------------------

void TXGrid::SyncEditor() {
    const QString text = Cells(col_, row_);
    if (editor_->text() != text) editor_->TakeCell(text, model_.Column(col_));
}

void TXGrid::PlaceEditor() {
    if (!focusInside_) {
        editor_->hide();
        return;
    }
    QRect rect = CellRect(col_, row_);
    // Scrolled away the editor keeps the focus out of sight rather than hiding.
    if (rect.isEmpty()) rect = QRect(-1000, -1000, ColWidth(col_), RowHeight(row_));
    editor_->setGeometry(rect.adjusted(2, 2, -2, -2));
    editor_->show();
}

void TXGrid::CurrentCellMoved() {
    validated_.col = -1;
    editor_->TakeCell(Cells(col_, row_), model_.Column(col_));
    PlaceEditor();
    if (OnClick) OnClick(this);
}

void TXGrid::LayoutChanged() {
    PlaceEditor();
    UpdateTotals(false);
}

void TXGrid::UpdateTotals(bool placement) {
    if (!totals_) return;
    if (placement) totals_->UpdatePlacement();
    totals_->update();
}

void TXGrid::EditorTextEdited(const QString& text) {
    modified_ = true;
    model_.SetCell(col_, row_, Latin1(text));
}

// ---- Cell selection and exit ----------------------------------------------------------------

void TXGrid::ReplacePicklist(QObject* sender, int col, int row, bool onlyWithEntries) {
    if (!OnPicklistDropdown || !model_.ColumnExists(col)) return;
    const TGridColumn& column = model_.Column(col);
    if (!column.picklistColumn || column.editorButton != gbDropDownList) return;
    if (onlyWithEntries && column.picklist.empty()) return;
    TextList copy = column.picklist;
    OnPicklistDropdown(sender, col, row, copy);
    model_.SetPicklist(col, std::move(copy));
}

bool TXGrid::CellExit(int& targetCol, int& targetRow) {
    ReplacePicklist(this, col_, row_, true);
    if (!ValidateCellExit(model_, col_, row_, totals_ != nullptr)) {
        viewport()->update();
        return false;
    }
    bool enterExitCell = true;
    if (OnExitCell) OnExitCell(this, col_, row_, targetCol, targetRow, enterExitCell);
    if (enterExitCell) validated_ = {col_, row_, model_.Cell(col_, row_)};
    return enterExitCell;
}

bool TXGrid::SelectCell(int& col, int& row) {
    if (!entering_ && !CellExit(col, row)) return false;
    entering_ = false;
    if (OnEnterCell) OnEnterCell(this, col, row);
    const int stop = model_.TabStopFrom(col);
    if (stop < 0) return false;  // no column can take the cell
    col = stop;
    ReplacePicklist(this, col, row, true);
    StripCellForEditing(model_, col, row);
    return true;
}

// ---- Focus ------------------------------------------------------------------------------------

void TXGrid::FocusArrived(Qt::FocusReason reason) {
    if (focusInside_) {
        // Shift+Tab from the editor lands on the grid itself: that is a way out.
        if (reason == Qt::BacktabFocusReason && hasFocus()) LeaveGrid(false);
        return;
    }
    focusInside_ = true;
    entering_ = true;
    PlaceEditor();
    const int col = model_.TabStopFrom(entryCol_ >= 0 ? entryCol_ : FixedCols());
    if (col >= 0) QCoreApplication::postEvent(this, new TGridEnterEvent(col, FixedRows()));
    viewport()->update();
}

bool TXGrid::FocusLeaving(Qt::FocusReason reason) {
    if (!focusInside_ || checkingLeave_) return false;
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    QWidget* next = QApplication::focusWidget();
    if (!next || next == this || isAncestorOf(next) || next->window() != window()) return false;
    if (isVisible()) {
        checkingLeave_ = true;
        bool valid = validated_.col == col_ && validated_.row == row_ &&
                     validated_.text == model_.Cell(col_, row_);
        if (!valid) {
            int col = col_, row = row_;
            valid = CellExit(col, row);
        }
        checkingLeave_ = false;
        if (!valid) {
            if (reason == Qt::MouseFocusReason) new PressSwallower(this);
            editor_->setFocus(Qt::OtherFocusReason);
            viewport()->update();
            return true;
        }
    }
    focusInside_ = false;
    entering_ = false;
    editor_->hide();
    viewport()->update();
    return false;
}

void TXGrid::LeaveGrid(bool forwards) {
    QWidget* widget = this;
    for (int guard = 0; guard < 10000; ++guard) {
        widget = forwards ? widget->nextInFocusChain() : widget->previousInFocusChain();
        if (!widget || widget == this) return;
        if (isAncestorOf(widget) || widget->window() != window()) continue;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()) {
            widget->setFocus(forwards ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool TXGrid::focusNextPrevChild(bool next) {
    LeaveGrid(next);
    return true;
}

void TXGrid::focusInEvent(QFocusEvent* event) {
    TMyStringGrid::focusInEvent(event);
    FocusArrived(event->reason());
    if (hasFocus() && editor_->isVisible()) editor_->setFocus(Qt::OtherFocusReason);
}

void TXGrid::focusOutEvent(QFocusEvent* event) {
    TMyStringGrid::focusOutEvent(event);
    FocusLeaving(event->reason());
}

bool TXGrid::event(QEvent* event) {
    if (event->type() == TGridEnterEvent::EventType) {
        const auto* enter = static_cast<TGridEnterEvent*>(event);
        if (focusInside_) FocusCell(enter->Col, enter->Row);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return TMyStringGrid::event(event);
}

// ---- Keys --------------------------------------------------------------------------------------

bool TXGrid::HandleKeyDown(QKeyEvent* event, bool atLeftSide, bool atRightSide) {
    if (OnKeyDown) {
        bool handled = false;
        OnKeyDown(this, event, handled);
        if (handled) return true;
    }
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool alt = modifiers & Qt::AltModifier, ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    // Tab goes from cell to cell and adds rows at the end, so Ctrl+Tab is the way out of the
    // table for the keyboard, as in other controls that keep Tab for themselves.
    if (ctrl && (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
        LeaveGrid(key == Qt::Key_Tab && !shift);
        return true;
    }
    const bool lastRow = row_ == RowCount() - 1;
    if (rowAutoInc_ && lastRow &&
        ((key == Qt::Key_Tab && !shift && col_ == model_.LastTabStopCol()) ||
         (key == Qt::Key_Down && !alt)))
        model_.AddRow();
    if (key == Qt::Key_Backspace || key == Qt::Key_Insert) modified_ = true;
    // Acted on when the key is released.
    if ((alt && (key == Qt::Key_Up || key == Qt::Key_Down)) ||
        (ctrl && (key == Qt::Key_Delete || key == Qt::Key_Insert)))
        return true;
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!NavigateByKey(shift ? Qt::Key_Backtab : key, modifiers))
                LeaveGrid(key == Qt::Key_Tab && !shift);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return NavigateByKey(key, modifiers);
        case Qt::Key_Left:
            return atLeftSide && NavigateByKey(key, modifiers);
        case Qt::Key_Right:
            return atRightSide && NavigateByKey(key, modifiers);
        case Qt::Key_Home:
            return (atLeftSide || ctrl) && NavigateByKey(key, modifiers);
        case Qt::Key_End:
            return (atRightSide || ctrl) && NavigateByKey(key, modifiers);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ctrl && model_.Column(col_).Button() == gbEllipsis) RaiseElippsisClicked();
            return true;
        default:
            return false;
    }
}

bool TXGrid::HandleKeyUp(QKeyEvent* event) {
    if (OnKeyUp) {
        bool handled = false;
        OnKeyUp(this, event, handled);
        if (handled) return true;
    }
    if (event->isAutoRepeat()) return false;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    bool handled = false;
    if (ctrl && event->key() == Qt::Key_Insert) {
        InsertRowAtCurrent();
        handled = true;
    } else if (ctrl && event->key() == Qt::Key_Delete) {
        DeleteCurrentRow();
        handled = true;
    }
    if (model_.Column(col_).picklistColumn) handled = editor_->PicklistKeyUp(event) || handled;
    if (totals_ && model_.ColumnType(col_) == gkNumber) totals_->RepaintColumn(col_);
    return handled;
}

void TXGrid::keyPressEvent(QKeyEvent* event) {
    if (!HandleKeyDown(event, true, true)) TMyStringGrid::keyPressEvent(event);
}

void TXGrid::keyReleaseEvent(QKeyEvent* event) {
    if (!HandleKeyUp(event)) TMyStringGrid::keyReleaseEvent(event);
}

void TXGrid::InsertRowAtCurrent() {
    // The current cell moves down with the new row: it must be valid first, or its text
    // would leave the cell without a check.
    int col = col_, row = row_;
    if (!CellExit(col, row)) return;
    model_.InsertRow(row_);
    StripCellForEditing(model_, col_, row_);
}

void TXGrid::DeleteCurrentRow() {
    if (doNotDelete_) {
        AppMessageBox("Row deletion not allowed on this grid", mtError, mbOK);
        return;
    }
    if (RowCount() <= 1) return;
    if (AppMessageBox("Are you sure you want to delete this row?", mtConfirmation, mbOKCancel) !=
        mrOk)
        return;
    if (model_.DataRowCount() == 1) model_.InsertRow(row_ + 1);
    model_.DeleteRow(row_);
    modified_ = true;
    StripCellForEditing(model_, col_, row_);
}

// ---- Picklist and ellipsis -------------------------------------------------------------------

void TXGrid::AcceptPicklistEntry(const std::string& entry) {
    if (!CellEditable(col_)) return;
    const TGridColumn& column = model_.Column(col_);
    const std::string text = entry.substr(0, static_cast<size_t>(std::max(column.maxLength, 0)));
    editor_->setText(FromLatin1Text(text));
    modified_ = true;
    model_.SetCell(col_, row_, text);
    const int next = model_.NextTabStopRight(col_);
    if (next >= 0) {
        FocusCell(next, row_);
        return;
    }
    // From the last column on to the next row, made when needed whatever RowAutoInc says.
    if (row_ == RowCount() - 1) model_.AddRow();
    FocusCell(FixedCols(), row_ + 1);
}

void TXGrid::RaiseElippsisClicked() {
    if (OnElippsisclicked) OnElippsisclicked(this, col_, row_);
}

// ---- Drawing -----------------------------------------------------------------------------------

void TXGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect) {
    const TGridColumn& column = model_.Column(col);
    const QString text = Cells(col, row);
    if (row < FixedRows()) {
        painter.fillRect(rect, fixedColor_);
        painter.setPen(fixedFontColor_);
        const int align = column.titleAlignment == 1   ? Qt::AlignRight
                          : column.titleAlignment == 2 ? Qt::AlignHCenter
                                                       : Qt::AlignLeft;
        DrawWrapped(painter, rect.adjusted(4, 2, -4, -2), align, text);
        return;
    }
    painter.fillRect(rect, palette().color(QPalette::Base));
    QRect textRect = rect.adjusted(3, 0, -3, 0);
    if (column.picklistColumn) {
        const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        const QRect button(rect.right() - width + 1, rect.top(), width, rect.height());
        painter.fillRect(button, palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::Midlight));
        painter.drawLine(button.topLeft(), button.bottomLeft());
        // A greyed arrow: the list opens from the cell editor only.
        const QPointF centre = QRectF(button).center();
        const QPointF arrow[3] = {centre + QPointF(-3.5, -1.5), centre + QPointF(3.5, -1.5),
                                  centre + QPointF(0, 2.0)};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawPolygon(arrow, 3);
        painter.setRenderHint(QPainter::Antialiasing, false);
        textRect.setRight(button.left() - 3);
    }
    painter.setPen(palette().color(QPalette::Text));
    const int align = column.kind == gkNumber ? Qt::AlignRight : Qt::AlignLeft;
    DrawWrapped(painter, textRect, align, text);
    if (focusInside_ && col == col_ && row == row_) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    }
}

// ---- Hints, geometry, scaling ---------------------------------------------------------------

void TXGrid::ShowTitleHint(const QPoint& pos) {
    int col = 0, row = 0;
    if (!showColHints_ || !CellAt(pos, col, row) || row != 0) {
        hintCol_ = -1;
        viewport()->setToolTip(QString());
        return;
    }
    if (col == hintCol_) return;
    hintCol_ = col;
    viewport()->setToolTip(HintText ? HintText(model_.Column(col).hintNumber) : QString());
}

bool TXGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        ShowTitleHint(static_cast<QMouseEvent*>(event)->position().toPoint());
    return TMyStringGrid::viewportEvent(event);
}

void TXGrid::moveEvent(QMoveEvent* event) {
    TMyStringGrid::moveEvent(event);
    UpdateTotals(true);
}

void TXGrid::resizeEvent(QResizeEvent* event) {
    TMyStringGrid::resizeEvent(event);
    UpdateTotals(true);
}

void TXGrid::showEvent(QShowEvent* event) {
    TMyStringGrid::showEvent(event);
    if (totals_) totals_->setVisible(true);
    UpdateTotals(true);
}

void TXGrid::hideEvent(QHideEvent* event) {
    TMyStringGrid::hideEvent(event);
    if (totals_) totals_->setVisible(false);
}

void TXGrid::changeEvent(QEvent* event) {
    TMyStringGrid::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        editor_->setFont(font());
        if (titleLinesSet_) ApplyTitleLines();
    }
}

void TXGrid::ScaleBy(int m, int d) {
    if (d == 0) return;
    const auto scaled = [m, d](int value) {
        return static_cast<int>(RoundEven(static_cast<long double>(value) * m / d));
    };
    const int wHeight = QFontMetrics(font()).height();
    for (int col = 0; col < ColCount(); ++col)
        if (ColWidth(col) != -1) SetColWidth(col, scaled(ColWidth(col)));
    setDefaultRowHeight(scaled(DefaultRowHeight()));
    setGeometry(x(), scaled(y()), scaled(width()), scaled(height()));
    QFont scaledFont = font();
    if (scaledFont.pointSize() > 0)
        scaledFont.setPointSize(std::max(1, scaled(scaledFont.pointSize())));
    else if (scaledFont.pixelSize() > 0)
        scaledFont.setPixelSize(std::max(1, scaled(scaledFont.pixelSize())));
    const bool linesSet = titleLinesSet_;
    titleLinesSet_ = false;  // the title row takes the scaled height below
    setFont(scaledFont);
    titleLinesSet_ = linesSet;
    SetTitleRowHeight((wHeight * m / d + 4) * titleLines_);
}
