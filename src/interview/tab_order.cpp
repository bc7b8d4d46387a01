#include "interview/tab_order.h"

#include <cstdlib>

namespace {

bool TakesTab(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

// Whether a widget between the control and the container takes Tab itself.
bool InsideCompound(const QWidget* control, const QWidget* container) {
    for (const QWidget* up = control->parentWidget(); up && up != container;
         up = up->parentWidget())
        if (TakesTab(up)) return true;
    return false;
}

}  // namespace

QList<QWidget*> TabStops(const QWidget* container) {
    QList<QWidget*> stops;
    for (QWidget* widget : container->findChildren<QWidget*>()) {
        if (!TakesTab(widget) || widget->isWindow() || !widget->isVisibleTo(container)) continue;
        if (!InsideCompound(widget, container)) stops << widget;
    }
    return stops;
}

void SortByPosition(QList<QWidget*>& controls, const QWidget* frame) {
    auto topLeft = [frame](const QWidget* w) { return w->mapTo(frame, QPoint(0, 0)); };
    auto before = [&](const QWidget* a, const QWidget* b) {
        const QPoint pa = topLeft(a), pb = topLeft(b);
        if (std::abs(pa.y() - pb.y()) >= 12) return pa.y() < pb.y();
        return pa.x() < pb.x();
    };
    for (int i = 1; i < controls.size(); ++i)
        for (int j = i; j > 0 && before(controls[j], controls[j - 1]); --j)
            controls.swapItemsAt(j, j - 1);
}

void OrderTabsByPosition(QWidget* container) {
    QList<QWidget*> stops = TabStops(container);
    SortByPosition(stops, container);
    for (int i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

void ChainAfter(const QWidget* container, const QList<QWidget*>& widgets) {
    QWidget* last = nullptr;
    QWidget* start = container->window();
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain())
        if (container->isAncestorOf(w) && TakesTab(w) && !InsideCompound(w, container)) last = w;
    if (!last) return;
    for (QWidget* widget : widgets) {
        QWidget::setTabOrder(last, widget);
        last = widget;
    }
}

QWidget* FirstTabStop(const QWidget* container, bool (*accept)(const QWidget*)) {
    const QList<QWidget*> stops = TabStops(container);
    QWidget* start = container->window();
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain())
        if (stops.contains(w) && w->isEnabled() && accept(w)) return w;
    return nullptr;
}
