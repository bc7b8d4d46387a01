#include "platform/combo_type_ahead.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "gui_test_util.h"

namespace {

class ComboTypeAheadTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        combo = new QComboBox;
        combo->addItems(
            {QStringLiteral("Shares"), QStringLiteral("Sale"), QStringLiteral("Units")});
        combo->setCurrentIndex(-1);
        other = new QPushButton(QStringLiteral("Other"));
        ok = new QPushButton(QStringLiteral("OK"));
        ok->setDefault(true);
        layout->addWidget(combo);
        layout->addWidget(other);
        layout->addWidget(ok);
        typeAhead = new TComboTypeAhead(combo, &prefix);
        QObject::connect(typeAhead, &TComboTypeAhead::changed, [this] { ++changes; });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        combo->setFocus(Qt::TabFocusReason);
    }
    void Type(QWidget* target, char c) { QTest::keyClick(target, c); }

    QDialog window;
    QComboBox* combo = nullptr;
    QPushButton* other = nullptr;
    QPushButton* ok = nullptr;
    TComboTypeAhead* typeAhead = nullptr;
    QString prefix;
    int changes = 0;
};

}  // namespace

TEST_F(ComboTypeAheadTest, PrefixGrowsAndRestartsWithTheLastCharacter) {
    Type(combo, 's');
    EXPECT_EQ(combo->currentText(), "Shares");
    EXPECT_EQ(prefix, "s");
    Type(combo, 'a');
    EXPECT_EQ(combo->currentText(), "Sale");
    EXPECT_EQ(prefix, "sa");
    Type(combo, 'x');  // "sax" matches nothing; "x" alone neither
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "");
    EXPECT_EQ(prefix, "x");
    Type(combo, 'u');  // "xu" fails, so the prefix restarts as "u"
    EXPECT_EQ(combo->currentText(), "Units");
    EXPECT_EQ(prefix, "u");
    EXPECT_EQ(changes, 4);
}

TEST_F(ComboTypeAheadTest, AFirstCharacterThatMatchesNothingEmptiesThePrefix) {
    Type(combo, 'z');
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(prefix, "");
    Type(combo, 'U');
    EXPECT_EQ(combo->currentText(), "Units");
}

TEST_F(ComboTypeAheadTest, BackspaceClearsSelectionAndPrefix) {
    Type(combo, 's');
    Type(combo, 'h');
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "");
    EXPECT_EQ(prefix, "");
    EXPECT_EQ(changes, 3);
}

TEST_F(ComboTypeAheadTest, EditableComboShowsThePrefixSelected) {
    combo->setEditable(true);
    TComboTypeAhead editableTypeAhead(combo, &prefix);
    combo->setFocus(Qt::TabFocusReason);
    QLineEdit* edit = combo->lineEdit();
    Type(edit, 's');
    Type(edit, 'h');
    EXPECT_EQ(edit->text(), "Shares");
    EXPECT_EQ(edit->selectionStart(), 0);
    EXPECT_EQ(edit->selectedText(), "Sh");
    Type(edit, 'q');
    EXPECT_EQ(edit->text(), "");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "");
}

TEST_F(ComboTypeAheadTest, EnteringTheControlStartsANewPrefix) {
    Type(combo, 's');
    QTest::keyClick(combo, 'u', Qt::AltModifier);  // a mnemonic, not typing
    EXPECT_EQ(combo->currentText(), "Shares");
    EXPECT_EQ(prefix, "s");
    QTest::keyClick(combo, Qt::Key_Tab);  // Tab is not swallowed: the focus moves on
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(combo->currentText(), "Shares");
    combo->setFocus(Qt::BacktabFocusReason);
    Type(combo, 'a');  // a fresh "a" matches nothing; "sa" would have found Sale
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(prefix, "");
}

TEST_F(ComboTypeAheadTest, EnterClosesTheOpenListAndIsSwallowed) {
    combo->showPopup();
    ASSERT_TRUE(WaitUntil([&] { return combo->view()->isVisible(); }));
    Type(combo->view(), 's');
    Type(combo->view(), 'a');
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_TRUE(WaitUntil([&] { return !combo->view()->isVisible(); }));
    EXPECT_EQ(combo->currentText(), "Sale");
    EXPECT_EQ(changes, 2);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(window.result(), 0);  // the dialog's default button never saw it
    EXPECT_TRUE(window.isVisible());
}
