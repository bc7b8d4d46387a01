#include "platform/announced_beep.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

void AnnouncedBeep() {
    QApplication::beep();
    QWidget* focused = QApplication::focusWidget();
    if (focused && QAccessible::isActive()) {
        QAccessibleEvent alert(focused, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}
