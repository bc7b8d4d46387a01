// The sample return walked with the keyboard through the loaded module: the schedule screen
// left with Ctrl+S and Alt+C, an existing worksheet opened from the list with Tab and Enter,
// and digits typed over the choice table's figures, which change none of them.

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <filesystem>

#include "calc/cgt_schedule.h"
#include "temp_dir.h"
#include "typed_asset.h"

namespace {

constexpr const char* SampleNetGain = "$107,350";

// A copy of the built sample return, which the walk may change.
std::string SampleCopy(const TempDir& dir) {
    const std::string file = dir.File("SAMPLE.TAX");
    std::filesystem::copy_file(ORVANA_SAMPLE_RETURN, file);
    return file;
}

class KeyboardWalk : public ::testing::Test {
protected:
    void Open(int start) {
        file = SampleCopy(dir);
        ASSERT_TRUE(module.Loaded()) << dlerror();
        RunModule(module, host, file, start);
        window = ActiveModuleWindow();
        ASSERT_NE(window, nullptr);
    }

    // Alt and the letter, sent where the focus is.
    // A button's mnemonic presses it after the press is drawn, a tenth of a second later.
    // The offscreen platform gives the window no activation back after a modal window.
    void Alt(Qt::Key letter) {
        if (!window->isActiveWindow()) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        }
        Key(letter, Qt::AltModifier);
        QTest::qWait(200);
        Settle();
    }

    QWidget* Focus() const { return QApplication::focusWidget(); }

    QString NetGainText() const {
        auto* label = window->findChild<QLabel*>(QStringLiteral("NetCapGainLabel"));
        return label ? label->text() : QStringLiteral("(missing)");
    }

    TempDir dir;
    std::string file;
    LoadedModule module;
    Host host;
    QWidget* window = nullptr;
    MessageWatch messages;
};

}  // namespace

TEST_F(KeyboardWalk, TheScheduleScreenIsLeftWithSaveAndCloseKeepingWhatWasTicked) {
    ASSERT_NO_FATAL_FAILURE(Open(2102));
    for (int step = 0; step < 6 && ScreenNumber(window) != 2107; ++step) Alt(Qt::Key_N);
    ASSERT_EQ(ScreenNumber(window), 2107) << messages.Shown().toStdString();
    auto* rollOver = window->findChild<QCheckBox*>(QStringLiteral("RollOverCheckBox"));
    ASSERT_NE(rollOver, nullptr);
    const bool ticked = rollOver->isChecked();
    rollOver->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Space);
    ASSERT_NE(rollOver->isChecked(), ticked);

    // Ctrl+S saves a copy; the screen stays, and nothing asks the taxpayer to finish first.
    ASSERT_NO_FATAL_FAILURE(
        SaveCopyAs(window, QStringLiteral("COPY.TAX"), QKeySequence(Qt::CTRL | Qt::Key_S)));
    EXPECT_EQ(ScreenNumber(window), 2107);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.Shown().toStdString();

    // Alt+C closes the module: the host hears that the taxpayer closed it.
    Alt(Qt::Key_C);
    ASSERT_TRUE(WaitUntil([&] { return host.lastMessage != 0; }));
    EXPECT_EQ(host.lastMessage, ORVANA_MSG_MODULE_CLOSED);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.Shown().toStdString();
    EXPECT_EQ(module.freeResources(), 1);

    for (const std::string& saved : {file, dir.File("COPY.TAX")}) {
        SavedReturn answers(saved);
        ASSERT_EQ(answers.result, OpenReadCompletely) << saved;
        GetWorksheetItem(ScheduleWorksheet, 1);
        EXPECT_EQ(FieldChecked(1136), !ticked) << saved;
    }
}

TEST_F(KeyboardWalk, AnExistingWorksheetOpensFromTheListWithTabAndEnter) {
    ASSERT_NO_FATAL_FAILURE(Open(2006));
    Alt(Qt::Key_Y);
    Alt(Qt::Key_Y);
    ASSERT_EQ(ScreenNumber(window), 2009) << messages.Shown().toStdString();
    auto* list = window->findChild<QListWidget*>(QStringLiteral("lstPickList"));
    ASSERT_NE(list, nullptr);
    auto* description = qobject_cast<QLineEdit*>(Find(window, "DescEdit"));
    ASSERT_NE(description, nullptr);
    ASSERT_TRUE(description->hasFocus());
    const QString first = QStringLiteral("Meridian Resources Ordinary Shares");
    EXPECT_EQ(list->item(0)->toolTip(), first);

    for (int press = 0; press < 4 && Focus() != list; ++press) Key(Qt::Key_Backtab);
    ASSERT_EQ(Focus(), list);
    Key(Qt::Key_Home);
    Key(Qt::Key_Return);
    EXPECT_EQ(description->text(), first);
    for (int press = 0; press < 4 && Focus() != list; ++press) Key(Qt::Key_Backtab);
    ASSERT_EQ(Focus(), list);
    Key(Qt::Key_Down);
    Key(Qt::Key_Space);
    EXPECT_EQ(description->text(), QStringLiteral("Harbourline Telecom Ordinary Shares"));

    // Close on an asset's screen goes too.
    Alt(Qt::Key_C);
    ASSERT_TRUE(WaitUntil([&] { return host.lastMessage != 0; }));
    EXPECT_EQ(host.lastMessage, ORVANA_MSG_MODULE_CLOSED);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.Shown().toStdString();
    EXPECT_EQ(module.freeResources(), 1);
}

TEST_F(KeyboardWalk, DigitsTypedOverTheChoiceTablesFiguresChangeNoFigure) {
    ASSERT_NO_FATAL_FAILURE(Open(2102));
    Alt(Qt::Key_N);
    ASSERT_EQ(ScreenNumber(window), 2103);
    ASSERT_EQ(NetGainText(), SampleNetGain);
    auto* table = Find(window, "XGrid1");
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(FocusIn(table));

    // From the first method choice back over the choice required column to the indexed
    // gain; then a digit typed into it and each figure after it: the discount gain, the
    // other gain, the loss and the net gain (Tab stops between them on the choices).
    for (int step = 0; step < 3; ++step) Key(Qt::Key_Backtab);
    for (int tabs : {0, 1, 3, 1, 6}) {
        for (int tab = 0; tab < tabs; ++tab) Key(Qt::Key_Tab);
        auto* editor = qobject_cast<QLineEdit*>(Focus());
        ASSERT_NE(editor, nullptr);
        const QString shown = editor->text();
        Keys(QStringLiteral("1"));
        EXPECT_EQ(editor->text(), shown);
    }
    messages.Answer(QMessageBox::Yes);
    Press(window, "ApplyLossBtn");
    EXPECT_EQ(NetGainText(), SampleNetGain);

    Alt(Qt::Key_N);
    ASSERT_EQ(ScreenNumber(window), 2104) << messages.Shown().toStdString();
    EXPECT_EQ(module.freeResources(), 1);
    SavedReturn saved(file);
    ASSERT_EQ(saved.result, OpenReadCompletely);
    EXPECT_EQ(GetFieldVal(1578), 107350);
}
