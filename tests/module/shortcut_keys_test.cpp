// The keys the screen-reader key list names are the keys the windows really have, the list
// reads line by line without wrapping, and the tool bar is reachable by Tab and by its keys,
// with plain-text hints.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>

#include "../interview/interview_fixture.h"
#include "module/tkeyboardhelpform.h"
#include "platform/thelpviewer.h"

namespace {

QString Caption(const QString& text) { return QString(text).remove(QLatin1Char('&')); }

// What in `window` answers the keys: a button by its mnemonic or shortcut, a label by its
// mnemonic (for its buddy), or a shortcut object. Returns the captions found.
QStringList Answering(const QWidget* window, const QKeySequence& keys) {
    QStringList found;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isWindow() || button->window() != window) continue;
        if (QKeySequence::mnemonic(button->text()) == keys || button->shortcut() == keys)
            found << Caption(button->text());
    }
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() && QKeySequence::mnemonic(label->text()) == keys)
            found << Caption(label->text()).remove(QLatin1Char(':'));
    for (QShortcut* shortcut : window->findChildren<QShortcut*>())
        if (shortcut->key() == keys) found << QStringLiteral("shortcut");
    return found;
}

// Keys that belong to one window, as opposed to keys of a control (Tab, Home, F6 ...).
bool WindowKeys(const QKeySequence& keys) {
    const QKeyCombination key = keys[0];
    return (key.keyboardModifiers() & (Qt::AltModifier | Qt::ControlModifier)) ||
           key.key() == Qt::Key_F1 || key.key() == Qt::Key_F9;
}

using ShortcutKeysTest = InterviewTest;

}  // namespace

TEST_F(ShortcutKeysTest, EveryKeyInTheListIsTheKeyOfThatWindow) {
    Serve(2004, sbNext | sbPrev | sbYes | sbNo);
    OpenWindows({QStringLiteral("/V")});
    Start(2004);
    THelpViewer viewer;
    int checked = 0;
    for (const ShortcutKeyHelp& key : TKeyboardHelpForm::Keys()) {
        if (key.keys.isEmpty()) continue;
        const QKeySequence keys(key.keys);
        ASSERT_FALSE(keys.isEmpty()) << key.keys.toStdString();
        if (key.window == ShortcutKeyHelp::ThisList || !WindowKeys(keys)) continue;
        const QWidget* window = key.window == ShortcutKeyHelp::Interview
                                    ? static_cast<const QWidget*>(main)
                                    : static_cast<const QWidget*>(&viewer);
        const QStringList answering = Answering(window, keys);
        SCOPED_TRACE(key.keys.toStdString() + " " + key.text.toStdString());
        ASSERT_EQ(answering.size(), 1) << answering.join(QLatin1Char(',')).toStdString();
        if (answering[0] != QStringLiteral("shortcut")) {
            EXPECT_TRUE(key.text.startsWith(answering[0] + QLatin1Char(':')));
        }
        ++checked;
    }
    EXPECT_GE(checked, 17);
}

TEST_F(ShortcutKeysTest, TheListReadsLineByLineWithoutWrapping) {
    OpenWindows({QStringLiteral("/V")});
    TKeyboardHelpForm dialog(main);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTextDocument* document = dialog.Text->document();
    int lines = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
        ++lines;
    }
    EXPECT_GT(lines, static_cast<int>(TKeyboardHelpForm::Keys().size()));
    EXPECT_NE(document->toPlainText().indexOf(QStringLiteral("In the help viewer:")), -1);
}

TEST_F(ShortcutKeysTest, ScreenReaderUsersAreToldAboutF9) {
    OpenWindows({QStringLiteral("/V")});
    EXPECT_NE(QAccessible::queryAccessibleInterface(main)
                  ->text(QAccessible::Description)
                  .indexOf(QStringLiteral("F9")),
              -1);
}

TEST_F(ShortcutKeysTest, TheToolBarIsReachedByTabAndByItsKeysWithPlainHints) {
    Serve(2004);
    OpenWindows();
    Start(2004);
    for (QToolButton* button :
         {main->BtnSave, main->BtnCalculator, main->BtnNotes, main->BtnHelp}) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        const QString hint = face->text(QAccessible::Description);
        EXPECT_FALSE(hint.isEmpty());
        EXPECT_EQ(hint.indexOf(QLatin1Char('<')), -1) << hint.toStdString();
        EXPECT_EQ(hint.indexOf(QStringLiteral("Windows")), -1) << hint.toStdString();
        const QStringList bindings = face->actionInterface()->keyBindingsForAction(
            QAccessibleActionInterface::pressAction());
        EXPECT_FALSE(bindings.isEmpty());
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(main->BtnSave)
                    ->actionInterface()
                    ->keyBindingsForAction(QAccessibleActionInterface::pressAction())
                    .contains(QStringLiteral("Ctrl+S")));
    // Tab from the last button of the interview reaches the tool bar.
    frame->BtnCancel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(frame->BtnCancel, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), main->BtnSave);
    // Ctrl+S saves, wherever the focus is.
    int asked = 0;
    main->ChooseSaveFile = [&asked](const std::string&, std::string&) {
        ++asked;
        return false;
    };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    // A button's shortcut shows the button pressed and clicks it a moment later.
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(QTest::qWaitFor([&asked] { return asked == 1; }, 2000));
}

TEST_F(ShortcutKeysTest, YesReportsItselfAsTheDefaultAnswer) {
    Serve(2004, sbYes | sbNo);
    OpenWindows();
    Start(2004);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(frame->BtnYes)->state().defaultButton);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(frame->BtnNo)->state().defaultButton);
}
