// Every mnemonic of every screen of the catalogue, sent as Alt and its letter: it reaches its
// own control, never one of the interview's buttons or the tool bar's keys, and leaves the
// interview where it was.

#include <QAbstractButton>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>
#include <set>

#include "interview/core/screen_table.h"
#include "interview_fixture.h"
#include "module/build_text_variables.h"

namespace {

QKeySequence MnemonicOf(const QString& text) { return QKeySequence::mnemonic(text); }

bool Holds(const QWidget* control, const QWidget* focus) {
    return focus && (focus == control || control->isAncestorOf(focus));
}

class ScreenMnemonics : public InterviewTest {
protected:
    // The interview's buttons' letters and every key of the main window and its tool bar.
    std::map<QString, QString> TakenKeys() const {
        std::map<QString, QString> taken;
        for (QPushButton* button : {frame->BtnIntHelp, frame->BtnYes, frame->BtnNo, frame->JumpBtn,
                                    frame->BtnPrev, frame->BtnNext, frame->BtnCancel})
            taken[MnemonicOf(button->text()).toString()] = button->objectName();
        for (QToolButton* button : main->findChildren<QToolButton*>())
            if (!button->shortcut().isEmpty())
                taken[button->shortcut().toString()] = button->text();
        for (QShortcut* shortcut : main->findChildren<QShortcut*>())
            taken[shortcut->key().toString()] = QStringLiteral("a shortcut of the window");
        return taken;
    }

    // Sends the control's mnemonic; true when it went to the control and nowhere else.
    void Send(int number, QWidget* owner, QWidget* target, const QKeySequence& key) {
        const QString name = owner->objectName();
        const auto combination = key[0];
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : main,
                        combination.key(), combination.keyboardModifiers());
        // A button's mnemonic draws it pressed and acts a moment later (its signals are
        // blocked here); where the focus then goes is the button's action's business.
        if (auto* button = qobject_cast<QAbstractButton*>(target)) {
            EXPECT_TRUE(button->isDown()) << number << ": " << key.toString().toStdString()
                                          << " did not press " << name.toStdString();
            QTest::qWait(150);
        } else
            EXPECT_TRUE(Holds(target, QApplication::focusWidget()))
                << number << ": " << key.toString().toStdString() << " of " << name.toStdString()
                << " went to "
                << (QApplication::focusWidget()
                        ? QApplication::focusWidget()->objectName().toStdString()
                        : std::string("nothing"));
        EXPECT_EQ(Shown(), number) << key.toString().toStdString() << " moved the interview";
        EXPECT_TRUE(host.messages.empty());
        ++sent;
    }

    void CheckScreen(int number, const std::map<QString, QString>& taken) {
        std::set<QString> used;
        auto check = [&](QWidget* owner, QWidget* target, const QString& text) {
            const QKeySequence key = MnemonicOf(text);
            // A disabled field cannot take the focus: its label is skipped until it can.
            if (key.isEmpty() || !owner->isVisible() || !target->isVisible() ||
                !target->isEnabled())
                return;
            const QString keyText = key.toString();
            const auto clash = taken.find(keyText);
            EXPECT_TRUE(clash == taken.end())
                << number << ": " << owner->objectName().toStdString() << " takes "
                << keyText.toStdString() << " from " << clash->second.toStdString();
            EXPECT_TRUE(used.insert(keyText).second)
                << number << ": " << keyText.toStdString() << " twice on the screen";
            Send(number, owner, target, key);
        };
        TChildForm* screen = frame->CurrentScreen();
        for (QLabel* label : screen->findChildren<QLabel*>())
            if (label->buddy()) check(label, label->buddy(), label->text());
        for (QAbstractButton* button : screen->findChildren<QAbstractButton*>()) {
            const QSignalBlocker quiet(button);
            check(button, button, button->text());
        }
    }

    int sent = 0;
};

}  // namespace

TEST_F(ScreenMnemonics, EveryLabelAndButtonLetterReachesItsOwnControlOnEveryScreen) {
    BuildTextVariables();
    // The screen-reader presentation adds the window's own keys (Alt+H among them).
    OpenWindows({QStringLiteral("/V"), QStringLiteral("HELPDESK")});
    const std::map<QString, QString> taken = TakenKeys();
    ASSERT_EQ(taken.count(QStringLiteral("Alt+N")), 1u);
    ASSERT_EQ(taken.count(QStringLiteral("Alt+H")), 1u);
    int screens = 0;
    for (const ScreenEntry& entry : ScreenTable()) {
        Start(entry.number);
        Settle();
        if (!frame->CurrentScreen() || Shown() != entry.number) continue;
        SCOPED_TRACE(entry.number);
        CheckScreen(entry.number, taken);
        ++screens;
    }
    EXPECT_GT(screens, 40);
    // The asset screens' labels are among them.
    EXPECT_GT(sent, 15);
}
