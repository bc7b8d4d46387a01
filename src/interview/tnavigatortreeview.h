#pragma once
// The navigator's tree: draws every entry row itself (highlight black with white text, the
// rest in the navigator colour, white rules along each row) and remembers where the mouse
// was pressed, so that the frame acts only on clicks and not on programmatic selection.

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QTreeWidget>
#include <array>
#include <optional>

class TNavigatorItem;

// Takes the navigator's accessibility factory out of Qt before the library is unloaded.
void RemoveNavigatorAccessibility();

class TNavigatorTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit TNavigatorTreeView(QWidget* parent = nullptr);

    static TNavigatorItem* EntryOf(const QTreeWidgetItem* node);
    static void SetEntry(QTreeWidgetItem* node, TNavigatorItem* entry);

    void SetBackground(const QColor& colour);
    QColor Background() const { return background_; }
    // Topics with items need room for their arrow before the text.
    void SetArrowMargin(bool needed);

    // The selected node, or none (a current node that is not selected does not count).
    QTreeWidgetItem* SelectedNode() const;

    // The position of the mouse press being handled, taken once.
    std::optional<QPoint> TakePress();
    // Whether a point lies on a node's row at or right of its text column.
    QTreeWidgetItem* NodeOnRowAt(const QPoint& point) const;

    // Rows follow the height of their caption, wrapped at the panel's width (after filling and
    // after every change of font or width).
    int RowHeight(const QTreeWidgetItem* node) const;
    void RefreshRowHeights();
    int TextLeft(const QModelIndex& index) const;
    // The width a node's caption wraps at.
    int CaptionWidth(const QTreeWidgetItem* node) const;
    // The rows shown, in tree order (items of collapsed topics left out).
    QList<QTreeWidgetItem*> VisibleNodes() const;

signals:
    // Return, Enter or Space on the current node: the keyboard's way of choosing it.
    void ChooseRequested(QTreeWidgetItem* node);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Screen readers count the rows of the list, not of a table with a hidden header.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    void RefreshRowHeight(QTreeWidgetItem* node);
    int CaptionLeft(const QTreeWidgetItem* node, int textLeft) const;

    QColor background_;
    bool arrowMargin_ = false;
    std::optional<QPoint> press_;
    std::optional<quint64> lastPressTime_;  // the second press of a double click chooses nothing
    std::array<QPixmap, 4> arrowImageList_;
};
