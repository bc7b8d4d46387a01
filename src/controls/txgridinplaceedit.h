#pragma once
// The grid's cell editor: a frameless line edit over the current cell with, in picklist
// columns, a drop-down or ellipsis button at its right end.

#include <QLineEdit>

#include "grid/grid_key_filter.h"

class TXGrid;
class TPopupListbox;

class TXGridInplaceEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TXGridInplaceEdit(TXGrid* grid, QWidget* parent);
    ~TXGridInplaceEdit() override;

    // Shows a cell's text and re-chooses the button from the column.
    void TakeCell(const QString& text, const TGridColumn& column);
    TGridEditorButton ButtonStyle() const { return style_; }
    int ButtonWidth() const { return buttonWidth_; }
    QRect ButtonRect() const;

    bool ListOpen() const;
    TPopupListbox* PopupList() const { return list_; }  // null until first opened
    void OpenList();
    void CloseList(bool accept);
    // Backspace, Enter, Esc and Alt+Up/Down of a picklist column; true when handled.
    bool PicklistKeyUp(QKeyEvent* event);

    // Types text through the column's key filter (keys and pasted text).
    void TypeFiltered(const QString& text, bool beepEachKey);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool AtLeftSide() const;
    bool AtRightSide() const;
    bool OverButton(const QPoint& pos) const;
    void PaintButton(QPainter& painter) const;
    void StopTracking();
    void ShowWholeDollarsHint();

    TXGrid* grid_;
    TPopupListbox* list_ = nullptr;
    TGridEditorButton style_ = gbNone;
    bool locked_ = false;
    int buttonWidth_ = 16;
    bool tracking_ = false;      // the button is held
    bool pointerOver_ = false;   // ... with the pointer over it
    bool listTracking_ = false;  // a press handed on to the open list
    GridCellKeys keys_;          // the cents state of the cell being typed
};
