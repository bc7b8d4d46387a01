#pragma once
// Events for screen readers. Qt passes them on only while an accessibility bridge is active
// (never on the offscreen platform); a listener installed here hears every event the module
// sends all the same, so what a reader would be told can be checked without a bus.

class QAccessibleEvent;

using AccessibilityListener = void (*)(QAccessibleEvent*);

// Installs `listener` (nullptr for none); returns the one it replaces.
AccessibilityListener SetAccessibilityListener(AccessibilityListener listener);

// Whether an event sent now would reach anyone: a bridge or a listener.
bool AccessibilityHeard();

// Sends `event` to the bridge, when one is active, and to the listener.
void SendAccessibilityEvent(QAccessibleEvent* event);
