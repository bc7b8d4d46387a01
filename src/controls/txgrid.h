#pragma once
// The entry grid of the interview screens: columns governed by descriptor lines
// (`Display`), cells edited in place with keys filtered by the column's kind, validated
// and reformatted when left, stored as a flat list of cell texts.

#include <QColor>
#include <QEvent>
#include <QMetaObject>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "controls/tmystringgrid.h"
#include "controls/txgridtotals.h"  // held by QPointer

class QKeyEvent;
class TXGridInplaceEdit;

// Posted by the grid to itself when the focus arrives: enter cell (Col, Row).
class TGridEnterEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(1127);
    TGridEnterEvent(int col, int row) : QEvent(EventType), Col(col), Row(row) {}
    const int Col;
    const int Row;
};

class TXGrid : public TMyStringGrid {
    Q_OBJECT
    Q_PROPERTY(QStringList Display READ Display WRITE setDisplay)
    Q_PROPERTY(bool RowAutoInc READ RowAutoInc WRITE setRowAutoInc)
    Q_PROPERTY(bool DoNotDelete READ DoNotDelete WRITE setDoNotDelete)
    Q_PROPERTY(int TitleLines READ TitleLines WRITE setTitleLines)
    Q_PROPERTY(bool ShowColHints READ ShowColHints WRITE setShowColHints)
    Q_PROPERTY(QColor FixedColor READ FixedColor WRITE setFixedColor)
    Q_PROPERTY(QColor FixedFontColor READ FixedFontColor WRITE setFixedFontColor)
    Q_PROPERTY(int TempColCount READ TempColCount WRITE setTempColCount)

public:
    explicit TXGrid(QWidget* parent = nullptr);
    ~TXGrid() override;

    // Properties a form sets.
    QStringList Display() const;
    void setDisplay(const QStringList& lines);
    void setColCount(int count) override;
    bool RowAutoInc() const { return rowAutoInc_; }
    void setRowAutoInc(bool on) { rowAutoInc_ = on; }
    bool DoNotDelete() const { return doNotDelete_; }
    void setDoNotDelete(bool on) { doNotDelete_ = on; }
    int TitleLines() const { return titleLines_; }
    void setTitleLines(int lines);
    bool ShowColHints() const { return showColHints_; }
    void setShowColHints(bool on) { showColHints_ = on; }
    QColor FixedColor() const { return fixedColor_; }
    void setFixedColor(const QColor& color);
    QColor FixedFontColor() const { return fixedFontColor_; }
    void setFixedFontColor(const QColor& color);
    int TempColCount() const { return tempColCount_; }
    void setTempColCount(int count) {
        if (count > 0) tempColCount_ = count;
    }

    // The column the cursor enters on when the grid takes the focus (the first tab stop from
    // it); -1, the default, enters on the first column after the fixed ones.
    void SetEntryCol(int col) { entryCol_ = col; }

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    QString ColumnTitle(int col) const;

    int ColumnType(int col) const { return model_.ColumnType(col); }
    bool ColumnNoTotal(int col) const { return model_.ColumnNoTotal(col); }
    void SetColumnSkip(int col) { model_.SetColumnSkip(col); }
    void ClearColumnSkip(int col) { model_.ClearColumnSkip(col); }
    void SetColumnLocked(int col, bool locked);
    long double ColumnTotal(int col) const { return model_.ColumnTotal(col); }
    QString ColumnTotalText(int col) const;
    void SaveToList(TextList& list) const { model_.SaveToList(list); }
    void LoadFromList(const TextList* list) { model_.LoadFromList(list); }
    void ClearRows() { model_.ClearRows(); }
    // Throws GridSortError for an unreadable key cell or column number.
    void SortRows(const QString& columns);
    void InsertRow(int row) { model_.InsertRow(row); }
    void DeleteRow(int row) { model_.DeleteRow(row); }

    bool SelectCell(int& col, int& row) override;
    void ScaleBy(int m, int d);
    // Moves the focus to the next (or previous) control outside the grid, as F6 does;
    // the current cell is checked on the way out.
    void LeaveGrid(bool forwards);

    TXGridTotals* Totals() const { return totals_; }
    TXGridInplaceEdit* Editor() const { return editor_; }
    bool Entering() const { return entering_; }

    // Handlers; they run on the interface thread.
    std::function<void(TXGrid* sender, QKeyEvent* key, bool& handled)> OnKeyDown;
    std::function<void(TXGrid* sender, QKeyEvent* key, bool& handled)> OnKeyUp;
    std::function<void(TXGrid* sender)> OnClick;  // after every move of the current cell
    std::function<void(TXGrid* sender, int col, int row)> OnEnterCell;
    std::function<void(TXGrid* sender, int col, int row, int& aCol, int& aRow, bool& enterExitCell)>
        OnExitCell;
    // Sender is the grid, or its cell editor when the drop-down list opens.
    std::function<void(QObject* sender, int col, int row, TextList& picklist)> OnPicklistDropdown;
    std::function<void(TXGrid* sender, int col, int row)> OnElippsisclicked;
    // The string-table text of a title hint number; none by default.
    std::function<QString(int number)> HintText;

    // Used by the cell editor.
    bool HandleKeyDown(QKeyEvent* event, bool atLeftSide, bool atRightSide);
    bool HandleKeyUp(QKeyEvent* event);
    void EditorTextEdited(const QString& text);
    void FocusArrived(Qt::FocusReason reason);
    bool FocusLeaving(Qt::FocusReason reason);  // true: refused, the focus was put back
    bool CellEditable(int col) const;
    void ReplacePicklist(QObject* sender, int col, int row, bool onlyWithEntries);
    void AcceptPicklistEntry(const std::string& entry);
    void RaiseElippsisClicked();

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void CurrentCellMoved() override;
    void LayoutChanged() override;
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TXGridTotals;
    void ReadDescriptors();
    bool CellExit(int& targetCol, int& targetRow);
    void ModelChanged(int col, int row);
    void SyncEditor();
    void PlaceEditor();
    void ApplyTitleLines();
    void InsertRowAtCurrent();
    void DeleteCurrentRow();
    void UpdateTotals(bool placement);
    void ShowTitleHint(const QPoint& pos);

    TXGridInplaceEdit* editor_ = nullptr;
    QPointer<TXGridTotals> totals_;
    QMetaObject::Connection focusConnection_;
    QStringList display_;
    std::string reportedBadDisplay_;
    bool rowAutoInc_ = true;
    bool doNotDelete_ = false;
    int titleLines_ = 1;
    bool titleLinesSet_ = false;
    bool showColHints_ = true;
    QColor fixedColor_;
    QColor fixedFontColor_ = Qt::black;
    int tempColCount_ = 0;
    int entryCol_ = -1;
    bool modified_ = false;
    bool entering_ = false;
    bool focusInside_ = false;
    bool checkingLeave_ = false;
    int hintCol_ = -1;
    // The current cell as it was last found valid, so leaving right after a check does
    // not check (and warn) twice.
    struct {
        int col = -1, row = -1;
        std::string text;
    } validated_;
};
