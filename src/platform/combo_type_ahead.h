#pragma once
// Type-ahead search of the drop-down lists on question screens: typed characters build a
// prefix that selects the first matching item; Backspace clears; other control keys close
// the list.

#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QKeyEvent;

// Runs for one key typed into the combo box. `key` is the character the key types (0 for a
// key that types nothing); returns true when the key is swallowed. `changed` is the combo's
// change handler.
bool ComboTypeAhead(QComboBox* combo, int key, QString& typedPrefix,
                    const std::function<void()>& changed);

// The character a key event types, as ComboTypeAhead takes it: 0 for keys that type nothing,
// for Tab, which moves the focus, and for Alt and Meta combinations (mnemonics).
int TypedCharacter(const QKeyEvent* event);

// Installs the type-ahead on a combo box (owned by it): every key typed into the combo, its
// edit field or its open list goes through ComboTypeAhead with the screen's prefix, which is
// emptied whenever the combo gets the focus.
class TComboTypeAhead : public QObject {
    Q_OBJECT
public:
    explicit TComboTypeAhead(QComboBox* combo, QString* screenPrefix = nullptr);
    const QString& Prefix() const { return *prefix_; }

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* combo_;
    QString ownPrefix_;
    QString* prefix_;
};
