#include "controls/txgridinplaceedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

#include "base/module_state.h"
#include "controls/core/tax_edit_rules.h"
#include "controls/mnemonic_keys.h"
#include "controls/tpopuplistbox.h"
#include "controls/txgrid.h"
#include "platform/qt_message_box.h"

TXGridInplaceEdit::TXGridInplaceEdit(TXGrid* grid, QWidget* parent)
    : QLineEdit(parent), grid_(grid) {
    setFrame(false);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    buttonWidth_ = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { grid_->EditorTextEdited(text); });
}

TXGridInplaceEdit::~TXGridInplaceEdit() { qApp->removeEventFilter(this); }

void TXGridInplaceEdit::TakeCell(const QString& text, const TGridColumn& column) {
    CloseList(false);
    StopTracking();
    keys_.Reset();  // a new entry: what is typed first is dollars
    locked_ = column.locked || column.skipped;
    setReadOnly(locked_);
    setContextMenuPolicy(column.locked ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    style_ = column.Button();
    setTextMargins(1, 0, column.picklistColumn ? buttonWidth_ : 0, 0);
    setText(text);
    selectAll();
    update();
}

QRect TXGridInplaceEdit::ButtonRect() const {
    return QRect(width() - buttonWidth_, 0, buttonWidth_, height());
}

bool TXGridInplaceEdit::OverButton(const QPoint& pos) const {
    return style_ != gbNone && ButtonRect().contains(pos);
}

bool TXGridInplaceEdit::ListOpen() const { return list_ && list_->isVisible(); }

// ---- Drop-down list ------------------------------------------------------------------------

void TXGridInplaceEdit::OpenList() {
    if (style_ != gbDropDownList || ListOpen()) return;
    if (!list_) {
        list_ = new TPopupListbox(this);
        list_->CloseRequested = [this](bool accept) { CloseList(accept); };
    }
    const int col = grid_->Col(), row = grid_->Row();
    grid_->ReplacePicklist(this, col, row, false);
    const TGridColumn& column = grid_->Model().Column(col);
    list_->Open(column.picklist, column.dropDownCount, this, text());
    qApp->installEventFilter(this);
}

void TXGridInplaceEdit::CloseList(bool accept) {
    if (!ListOpen()) return;
    qApp->removeEventFilter(this);
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber && grabber != this)
        grabber->releaseMouse();
    const int index = list_->Highlighted();
    const TGridColumn& column = grid_->Model().Column(grid_->Col());
    const std::string entry = index >= 0 && index < static_cast<int>(column.picklist.size())
                                  ? column.picklist[index]
                                  : "";
    list_->hide();
    StopTracking();
    listTracking_ = false;
    if (accept && index >= 0) grid_->AcceptPicklistEntry(entry);
}

bool TXGridInplaceEdit::eventFilter(QObject* watched, QEvent* event) {
    // Another control starting a mouse operation closes the list without accepting.
    if (event->type() == QEvent::MouseButtonPress && ListOpen()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget != this && widget != list_ && !list_->isAncestorOf(widget) &&
            widget->isWindow() == false && !isAncestorOf(widget))
            CloseList(false);
    }
    return QLineEdit::eventFilter(watched, event);
}

bool TXGridInplaceEdit::PicklistKeyUp(QKeyEvent* event) {
    const int key = event->key();
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (key == Qt::Key_Backspace && !ListOpen()) {
        if (locked_) return false;
        setText(QString());
        grid_->EditorTextEdited(QString());
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) && ListOpen() &&
        !alt) {
        CloseList(key != Qt::Key_Escape);
        return true;
    }
    if (alt && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        if (ListOpen())
            CloseList(true);
        else
            OpenList();
        return true;
    }
    return false;
}

// ---- Keys ------------------------------------------------------------------------------------

bool TXGridInplaceEdit::AtLeftSide() const {
    if (hasSelectedText()) return selectionStart() == 0 && selectedText().size() == text().size();
    return cursorPosition() == 0;
}

bool TXGridInplaceEdit::AtRightSide() const {
    if (hasSelectedText()) return selectionStart() == 0 && selectedText().size() == text().size();
    return cursorPosition() == text().size();
}

void TXGridInplaceEdit::TypeFiltered(const QString& typed, bool beepEachKey) {
    if (locked_) return;
    const TGridColumn& column = grid_->Model().Column(grid_->Col());
    bool beeped = false, cents = false;
    const auto beep = [&] {
        if (beepEachKey || !beeped) Beep();
        beeped = true;
    };
    for (const QChar ch : typed) {
        if (ch.unicode() > 255) {  // not a Latin-1 character: the store cannot hold it
            beep();
            continue;
        }
        QString rest = text();
        if (hasSelectedText()) rest.remove(selectionStart(), selectedText().size());
        const GridKeyResult result = keys_.Filter(column, ToLatin1Text(rest), hasSelectedText(),
                                                  static_cast<char>(ch.unicode()));
        if (result.verdict == GridKeyVerdict::Accept)
            insert(QString(QChar(static_cast<unsigned char>(result.key))));
        else if (result.verdict == GridKeyVerdict::DropWithBeep)
            beep();
        cents = cents || result.cents;
    }
    if (cents) ShowWholeDollarsHint();
}

void TXGridInplaceEdit::ShowWholeDollarsHint() {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), QString::fromLatin1(WholeDollarsOnlyText),
                       this);
}

bool TXGridInplaceEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TXGridInplaceEdit::keyPressEvent(QKeyEvent* event) {
    if (ListOpen()) {
        list_->KeyDown(event);
        return;
    }
    if (grid_->HandleKeyDown(event, AtLeftSide(), AtRightSide())) return;
    if (event->matches(QKeySequence::Paste)) {
        TypeFiltered(QApplication::clipboard()->text(), false);
        return;
    }
    if (IsMnemonicKey(event)) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && !typed.isEmpty() && typed.at(0).unicode() >= 32) {
        TypeFiltered(typed, true);
        return;
    }
    keys_.Reset();  // the caret moved or text went: what follows is not cents
    QLineEdit::keyPressEvent(event);
}

void TXGridInplaceEdit::keyReleaseEvent(QKeyEvent* event) {
    if (!grid_->HandleKeyUp(event)) QLineEdit::keyReleaseEvent(event);
}

// ---- Focus -----------------------------------------------------------------------------------

void TXGridInplaceEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    grid_->FocusArrived(event->reason());
}

void TXGridInplaceEdit::focusOutEvent(QFocusEvent* event) {
    const int start = selectionStart(), length = selectedText().size(), cursor = cursorPosition();
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason) CloseList(false);
    if (grid_->FocusLeaving(event->reason())) {
        if (length > 0)
            setSelection(start, length);
        else
            setCursorPosition(cursor);
    }
}

// ---- Mouse and button ------------------------------------------------------------------------

void TXGridInplaceEdit::StopTracking() {
    if (!tracking_) return;
    tracking_ = false;
    pointerOver_ = false;
    update();
}

void TXGridInplaceEdit::mousePressEvent(QMouseEvent* event) {
    keys_.Reset();
    if (event->button() == Qt::LeftButton && style_ != gbNone) {
        if (ListOpen()) {
            CloseList(false);
            return;
        }
        if (OverButton(event->position().toPoint())) {
            tracking_ = true;
            pointerOver_ = true;
            update();
            if (style_ == gbDropDownList) OpenList();
            return;
        }
    }
    QLineEdit::mousePressEvent(event);
}

void TXGridInplaceEdit::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    if (tracking_) {
        if (ListOpen() && list_->geometry().contains(global)) {
            // Dragged into the open list: the list takes over the press.
            StopTracking();
            listTracking_ = true;
            list_->HighlightAt(global);
            return;
        }
        if (OverButton(pos) != pointerOver_) {
            pointerOver_ = !pointerOver_;
            update();
        }
        return;
    }
    if (listTracking_) {
        list_->HighlightAt(global);
        return;
    }
    setCursor(OverButton(pos) ? Qt::ArrowCursor : Qt::IBeamCursor);
    QLineEdit::mouseMoveEvent(event);
}

void TXGridInplaceEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (listTracking_) {
        listTracking_ = false;
        CloseList(list_->geometry().contains(event->globalPosition().toPoint()));
        return;
    }
    if (tracking_) {
        const bool over = OverButton(event->position().toPoint());
        StopTracking();
        if (over && style_ == gbEllipsis) grid_->RaiseElippsisClicked();
        return;
    }
    if (event->button() == Qt::RightButton && locked_) return;
    QLineEdit::mouseReleaseEvent(event);
}

void TXGridInplaceEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OverButton(event->position().toPoint())) return;
    QLineEdit::mouseDoubleClickEvent(event);
}

void TXGridInplaceEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (grid_->Model().Column(grid_->Col()).locked) return;
    QMenu* menu = createStandardContextMenu();
    // Pasted text goes through the column's key filter like typed text.
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this,
                [this] { TypeFiltered(QApplication::clipboard()->text(), false); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TXGridInplaceEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (style_ == gbNone) return;
    QPainter painter(this);
    PaintButton(painter);
}

void TXGridInplaceEdit::PaintButton(QPainter& painter) const {
    const QRect button = ButtonRect();
    const bool pushed = tracking_ && pointerOver_;
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = button;
    option.state |= pushed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (pushed) option.features |= QStyleOptionButton::Flat;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    if (style_ == gbDropDownList) {
        QStyleOption arrow;
        arrow.initFrom(this);
        const int size = std::min(button.width(), button.height()) / 2;
        arrow.rect = QRect(0, 0, size, size);
        arrow.rect.moveCenter(button.center() + (pushed ? QPoint(1, 1) : QPoint()));
        style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
        return;
    }
    // Ellipsis: three one-pixel dots ten pixels below the top.
    const int x = button.center().x() + (pushed ? 1 : 0);
    const int y = button.top() + 10;
    painter.setPen(Qt::black);
    for (int dx : {-3, 0, 3}) painter.drawPoint(x + dx, y);
}
