#include "platform/announced_beep.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include "platform/accessibility_events.h"

void AnnouncedBeep() {
    QApplication::beep();
    QWidget* focused = QApplication::focusWidget();
    if (focused && AccessibilityHeard()) {
        QAccessibleEvent alert(focused, QAccessible::Alert);
        SendAccessibilityEvent(&alert);
    }
}
