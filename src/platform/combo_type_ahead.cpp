#include "platform/combo_type_ahead.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "base/input_helpers.h"
#include "platform/qt_message_box.h"

namespace {

constexpr int Backspace = 8;

std::vector<std::string> ItemTexts(const QComboBox* combo) {
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(combo->count()));
    for (int i = 0; i < combo->count(); ++i) items.push_back(ToLatin1Text(combo->itemText(i)));
    return items;
}

int Find(const QComboBox* combo, const QString& prefix) {
    return FindItemByPrefix(ItemTexts(combo), ToLatin1Text(prefix));
}

void SetShownText(QComboBox* combo, const QString& text) {
    if (QLineEdit* edit = combo->lineEdit()) edit->setText(text);
}

void Select(QComboBox* combo, int index, qsizetype prefixLength) {
    combo->setCurrentIndex(index);
    // An open list highlights the same item, so closing it keeps this one.
    combo->view()->setCurrentIndex(combo->model()->index(index, combo->modelColumn()));
    if (index < 0) {
        SetShownText(combo, QString());
        return;
    }
    if (QLineEdit* edit = combo->lineEdit()) {
        edit->setText(combo->itemText(index));
        edit->setSelection(0, static_cast<int>(prefixLength));
    }
}

}  // namespace

bool ComboTypeAhead(QComboBox* combo, int key, QString& typedPrefix,
                    const std::function<void()>& changed) {
    if (key == 0) return false;
    if (key >= 32) {
        const QChar typed(static_cast<char16_t>(key));
        typedPrefix += typed;
        int found = Find(combo, typedPrefix);
        if (found < 0 && typedPrefix.size() > 1) {
            typedPrefix = typed;
            found = Find(combo, typedPrefix);
        } else if (found < 0) {
            typedPrefix.clear();
        }
        Select(combo, found, typedPrefix.size());
        if (changed) changed();
        return true;
    }
    if (key == Backspace) {
        typedPrefix.clear();
        Select(combo, -1, 0);
        if (changed) changed();
    }
    combo->hidePopup();
    SetShownText(combo, combo->currentIndex() >= 0 ? combo->currentText() : QString());
    return true;
}

int TypedCharacter(const QKeyEvent* event) {
    // Alt and Meta combinations are mnemonics and shortcuts of the screen, not typing.
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return 0;
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0;
        case Qt::Key_Backspace:
            return Backspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return '\r';
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

TComboTypeAhead::TComboTypeAhead(QComboBox* combo, QString* screenPrefix)
    : QObject(combo), combo_(combo), prefix_(screenPrefix ? screenPrefix : &ownPrefix_) {
    combo->installEventFilter(this);
    if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
    combo->view()->installEventFilter(this);
}

bool TComboTypeAhead::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched != combo_->view()) {
        // Entering the control starts a new prefix; the focus coming back from its own
        // list or from another application does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            prefix_->clear();
    } else if (event->type() == QEvent::ShortcutOverride &&
               TypedCharacter(static_cast<QKeyEvent*>(event)) != 0) {
        // Claimed before the open list acts on Enter or Escape itself: the key press that
        // follows comes here.
        event->accept();
        return true;
    } else if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        // An Alt or Meta combination that no mnemonic took must not reach the combo's own
        // search either.
        if (keyEvent->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
            return !keyEvent->text().isEmpty();
        const int key = TypedCharacter(keyEvent);
        return ComboTypeAhead(combo_, key, *prefix_, [this] { emit changed(); });
    }
    return QObject::eventFilter(watched, event);
}
