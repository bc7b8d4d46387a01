#pragma once
// Tab order by position on screen, as a reader of the screen would go through it.

#include <QList>
#include <QWidget>

// The controls of a container that Tab stops at (shown, enabled or not), outermost only: the
// parts of a compound control such as a drop-down list's edit line are not counted.
QList<QWidget*> TabStops(const QWidget* container);

// Orders controls by their position in `frame`: a top edge lower by 12 pixels or more comes
// later, otherwise the left edge decides. Insertion sort, since that order is not transitive.
void SortByPosition(QList<QWidget*>& controls, const QWidget* frame);

// Chains the container's tab stops in position order.
void OrderTabsByPosition(QWidget* container);

// Chains the widgets, in the order given, right after the container's last tab stop; nothing
// changes when the container has none.
void ChainAfter(const QWidget* container, const QList<QWidget*>& widgets);

// The first of the container's tab stops in the window's Tab chain that the predicate
// accepts (shown and enabled ones only); null when there is none.
QWidget* FirstTabStop(const QWidget* container, bool (*accept)(const QWidget*));
