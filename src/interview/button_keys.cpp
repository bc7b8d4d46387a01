#include "interview/button_keys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr const char* FilterName = "EnterPressesButtons";

class EnterPressesButtons : public QObject {
public:
    explicit EnterPressesButtons(QObject* owner) : QObject(owner) {
        setObjectName(QLatin1String(FilterName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled() || !button->isVisible()) return false;
        button->click();
        return true;
    }
};

}  // namespace

void LetEnterPressButtons(QWidget* root) {
    QObject* filter =
        root->findChild<QObject*>(QLatin1String(FilterName), Qt::FindDirectChildrenOnly);
    if (!filter) filter = new EnterPressesButtons(root);
    // A filter installed again is still called once.
    for (QPushButton* button : root->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}
