#include "interview/tnavigatortreeview.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

#include "interview/core/navigator_drawing.h"
#include "interview/core/tnavigatortopic.h"
#include "interview/navigator_accessible.h"
#include "platform/accessibility_events.h"
#include "platform/qt_message_box.h"

namespace {
constexpr int TextMargin = 4;

// Arrow pictures: right-pointing when collapsed, down-pointing when expanded; white on the
// highlight, dark grey on the navigator colour.
QPixmap ArrowPicture(bool expanded, bool highlighted) {
    QPixmap picture(NavigatorArrowSize, NavigatorArrowSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(highlighted ? QColor(Qt::white) : QColor(64, 64, 64));
    QPainterPath path;
    if (expanded) {
        path.moveTo(2, 4);
        path.lineTo(10, 4);
        path.lineTo(6, 9);
    } else {
        path.moveTo(4, 2);
        path.lineTo(9, 6);
        path.lineTo(4, 10);
    }
    path.closeSubpath();
    painter.drawPath(path);
    return picture;
}
}  // namespace

void RemoveNavigatorAccessibility() { QAccessible::removeFactory(NavigatorAccessibleFactory); }

TNavigatorTreeView::TNavigatorTreeView(QWidget* parent) : QTreeWidget(parent) {
    QAccessible::installFactory(NavigatorAccessibleFactory);  // Qt ignores a repeat
    setAccessibleName(QStringLiteral("Navigator"));
    setColumnCount(1);
    setHeaderHidden(true);
    setIndentation(15);
    setRootIsDecorated(false);  // the arrows are drawn with the rows
    setExpandsOnDoubleClick(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAllColumnsShowFocus(true);
    for (int i = 0; i < 4; ++i) arrowImageList_[i] = ArrowPicture(i >= 2, i % 2 == 1);
}

TNavigatorItem* TNavigatorTreeView::EntryOf(const QTreeWidgetItem* node) {
    if (!node) return nullptr;
    return static_cast<TNavigatorItem*>(node->data(0, Qt::UserRole).value<void*>());
}

void TNavigatorTreeView::SetEntry(QTreeWidgetItem* node, TNavigatorItem* entry) {
    node->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(entry)));
    node->setToolTip(0, FromLatin1Text(entry->Caption()));
}

void TNavigatorTreeView::SetBackground(const QColor& colour) {
    background_ = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    viewport()->update();
}

void TNavigatorTreeView::SetArrowMargin(bool needed) {
    arrowMargin_ = needed;
    viewport()->update();
}

QTreeWidgetItem* TNavigatorTreeView::SelectedNode() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

std::optional<QPoint> TNavigatorTreeView::TakePress() {
    std::optional<QPoint> press = press_;
    press_.reset();
    return press;
}

QTreeWidgetItem* TNavigatorTreeView::NodeOnRowAt(const QPoint& point) const {
    const QModelIndex index = indexAt(point);
    if (!index.isValid() || point.x() < visualRect(index).left()) return nullptr;
    return itemFromIndex(index);
}

int TNavigatorTreeView::RowHeight(const QTreeWidgetItem* node) const {
    const TNavigatorItem* entry = EntryOf(node);
    if (!entry) return qMax(16, fontMetrics().height() + 7);
    const QRect wrapped =
        fontMetrics().boundingRect(QRect(0, 0, CaptionWidth(node), 100000), Qt::TextWordWrap,
                                   FromLatin1Text(entry->Caption()));
    return qMax(16, wrapped.height() + 7);
}

int TNavigatorTreeView::TextLeft(const QModelIndex& index) const {
    return visualRect(index).left() + TextMargin + (arrowMargin_ ? NavigatorArrowMargin : 0);
}

int TNavigatorTreeView::CaptionLeft(const QTreeWidgetItem* node, int textLeft) const {
    const TNavigatorItem* entry = EntryOf(node);
    const bool numbered = entry && !entry->IsTopic() && !entry->QuestionNumber().empty();
    return numbered ? NavigatorQuestionNumberEdge(textLeft) : NavigatorCaptionLeft(textLeft);
}

int TNavigatorTreeView::CaptionWidth(const QTreeWidgetItem* node) const {
    // Laid out or not, a node sits one indentation step in per level.
    int depth = 0;
    for (const QTreeWidgetItem* up = node->parent(); up; up = up->parent()) ++depth;
    const int textLeft =
        depth * indentation() + TextMargin + (arrowMargin_ ? NavigatorArrowMargin : 0);
    return qMax(1, viewport()->width() - CaptionLeft(node, textLeft) - 2);
}

void TNavigatorTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QTreeWidgetItem* node = itemFromIndex(index);
    const TNavigatorItem* entry = EntryOf(node);
    if (!entry) {
        QTreeWidget::drawRow(painter, option, index);
        return;
    }
    const bool highlighted = NavigatorEntryHighlighted(*entry, node->isExpanded());
    const QRect row(0, option.rect.top(), viewport()->width(), option.rect.height());
    const int rowBottom = row.top() + row.height();

    painter->save();
    painter->fillRect(row, highlighted ? QColor(Qt::black) : background_);
    painter->setPen(Qt::white);
    painter->drawLine(row.left(), row.top(), row.right(), row.top());
    painter->drawLine(row.left(), rowBottom - 1, row.right(), rowBottom - 1);

    painter->setFont(font());
    const QFontMetrics metrics(font());
    const int baseline =
        NavigatorTextTop(row.top(), rowBottom, metrics.height()) + metrics.ascent();
    const int textLeft = TextLeft(index);
    const QString caption = FromLatin1Text(entry->Caption());

    if (const auto* topic = dynamic_cast<const TNavigatorTopic*>(entry); topic) {
        if (topic->HasItems()) {
            const QPixmap& arrow =
                arrowImageList_[NavigatorArrowPicture(node->isExpanded(), highlighted)];
            const int arrowLeft = NavigatorArrowLeft(row.height(), arrow.width(), textLeft);
            painter->drawPixmap(arrowLeft, row.top() + (row.height() - arrow.height()) / 2, arrow);
        }
    } else if (!entry->QuestionNumber().empty()) {
        const QString prefix = FromLatin1Text(entry->QuestionNumber()) + QStringLiteral(" - ");
        const int edge = NavigatorQuestionNumberEdge(textLeft);
        painter->setPen(highlighted ? Qt::white : Qt::black);
        painter->drawText(edge - metrics.horizontalAdvance(prefix), baseline, prefix);
    }
    // A caption longer than the panel is wide wraps onto the next line, never cut.
    painter->setPen(highlighted ? Qt::white : Qt::black);
    const QRect captionRect(CaptionLeft(node, textLeft), row.top(), CaptionWidth(node),
                            row.height());
    painter->drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);

    // Keyboard users see where the cursor is, although only a choice moves the highlight.
    if (hasFocus() && currentItem() == node) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = row.adjusted(1, 1, -1, -2);
        focus.backgroundColor = highlighted ? QColor(Qt::black) : background_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, this);
    }
    painter->restore();
}

void TNavigatorTreeView::mousePressEvent(QMouseEvent* event) {
    press_ = event->position().toPoint();
    const bool secondOfDouble =
        lastPressTime_ && event->timestamp() - *lastPressTime_ <
                              static_cast<quint64>(QApplication::doubleClickInterval());
    lastPressTime_ = event->timestamp();
    QTreeWidget::mousePressEvent(event);
    // A press the selection did not take fell on the row already highlighted (the topic of
    // every screen it covers): it still chooses that row.
    const std::optional<QPoint> untaken = TakePress();
    if (!untaken || event->button() != Qt::LeftButton || secondOfDouble) return;
    if (QTreeWidgetItem* node = NodeOnRowAt(*untaken); node && node == currentItem())
        emit ChooseRequested(node);
}

void TNavigatorTreeView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool choose = (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
                        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (choose && currentItem()) {
        emit ChooseRequested(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TNavigatorTreeView::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) RefreshRowHeights();
}

void TNavigatorTreeView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    RefreshRowHeights();
}

void TNavigatorTreeView::RefreshRowHeights() {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* topic = topLevelItem(i);
        RefreshRowHeight(topic);
        for (int j = 0; j < topic->childCount(); ++j) RefreshRowHeight(topic->child(j));
    }
    viewport()->update();
}

void TNavigatorTreeView::RefreshRowHeight(QTreeWidgetItem* node) {
    if (node) node->setSizeHint(0, QSize(1, RowHeight(node)));
}

QList<QTreeWidgetItem*> TNavigatorTreeView::VisibleNodes() const {
    QList<QTreeWidgetItem*> nodes;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* topic = topLevelItem(i);
        nodes << topic;
        if (topic->isExpanded())
            for (int j = 0; j < topic->childCount(); ++j) nodes << topic->child(j);
    }
    return nodes;
}

void TNavigatorTreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    viewport()->update();
    if (AccessibilityHeard() && current.isValid() && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(static_cast<int>(VisibleNodes().indexOf(itemFromIndex(current))));
        SendAccessibilityEvent(&focus);
    }
}

void TNavigatorTreeView::selectionChanged(const QItemSelection& selected,
                                          const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    if (!AccessibilityHeard()) return;
    const QList<QTreeWidgetItem*> rows = VisibleNodes();
    auto notify = [&](const QItemSelection& change, QAccessible::Event type) {
        const QModelIndex index = change.indexes().value(0);
        if (!index.isValid()) return;
        QAccessibleEvent event(this, type);
        event.setChild(static_cast<int>(rows.indexOf(itemFromIndex(index))));
        SendAccessibilityEvent(&event);
    };
    notify(selected, QAccessible::SelectionAdd);
    notify(deselected, QAccessible::SelectionRemove);
}
