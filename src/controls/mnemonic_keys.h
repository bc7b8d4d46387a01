#pragma once
// Alt with a character is a mnemonic. One that no control of the window answers reaches the
// focused entry field, which must not type the character (a Qt line edit would).

#include <QKeyEvent>

inline bool IsMnemonicKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    // Alt with Ctrl is AltGr on some keyboards: it types.
    if (!(modifiers & Qt::AltModifier) || (modifiers & Qt::ControlModifier)) return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}
