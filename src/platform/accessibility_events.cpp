#include "platform/accessibility_events.h"

#include <QAccessible>

namespace {
AccessibilityListener listener_ = nullptr;
}  // namespace

AccessibilityListener SetAccessibilityListener(AccessibilityListener listener) {
    const AccessibilityListener previous = listener_;
    listener_ = listener;
    return previous;
}

bool AccessibilityHeard() { return listener_ || QAccessible::isActive(); }

void SendAccessibilityEvent(QAccessibleEvent* event) {
    if (listener_) listener_(event);
    QAccessible::updateAccessibility(event);
}
