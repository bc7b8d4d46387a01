// A text label as a screen reader gets it: its shown lines through the text interface, each
// link a child that can be pressed, and the links reachable and followed from the keyboard.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTextInterface>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "base/module_state.h"
#include "controls/text_label_links.h"
#include "controls/ttextlbl.h"
#include "scripted_responder.h"

namespace {

class TextLabelAccessibility : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        window.resize(500, 200);
        before = new QLineEdit(&window);
        label = new TTextLbl(&window);
        after = new QLineEdit(&window);
        before->setGeometry(10, 10, 100, 22);
        label->setGeometry(10, 40, 480, 80);
        after->setGeometry(10, 130, 100, 22);
        label->setText(
            {QStringLiteral("<T1>Selling shares<.>"), QStringLiteral(";hidden separator"),
             QStringLiteral("Read <C12><J32>the share rules<.> or <C12><J41>losses<.>.")});
        label->OnJumpClick = [this](TTextLbl*, int id, const QString&) { jumps.push_back(id); };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { ResetModuleState(); }

    QAccessibleInterface* Face() { return QAccessible::queryAccessibleInterface(label); }

    QWidget window;
    QLineEdit* before = nullptr;
    TTextLbl* label = nullptr;
    QLineEdit* after = nullptr;
    std::vector<int> jumps;
};

}  // namespace

TEST_F(TextLabelAccessibility, TheShownLinesAreReadableThroughTheTextInterface) {
    QAccessibleTextInterface* text = Face()->textInterface();
    ASSERT_NE(text, nullptr);
    const QString all = text->text(0, text->characterCount());
    EXPECT_EQ(all, QStringLiteral("Selling shares\nRead the share rules or losses ."));
    int start = -1, end = -1;
    const QString second = text->textAtOffset(all.indexOf(QStringLiteral("rules")),
                                              QAccessible::LineBoundary, &start, &end);
    EXPECT_TRUE(second.startsWith(QStringLiteral("Read the share rules")));
    EXPECT_FALSE(second.contains(QStringLiteral("Selling")));
    const QString word = text->textAtOffset(all.indexOf(QStringLiteral("share ")),
                                            QAccessible::WordBoundary, &start, &end);
    EXPECT_EQ(word.trimmed(), QStringLiteral("share"));
    EXPECT_EQ(Face()->role(), QAccessible::StaticText);
}

TEST_F(TextLabelAccessibility, EachLinkIsAChildThatCanBePressed) {
    QAccessibleInterface* face = Face();
    ASSERT_EQ(face->childCount(), 2);
    QAccessibleInterface* rules = face->child(0);
    QAccessibleInterface* losses = face->child(1);
    EXPECT_EQ(rules->role(), QAccessible::Link);
    EXPECT_EQ(rules->text(QAccessible::Name), QStringLiteral("the share rules"));
    EXPECT_EQ(losses->text(QAccessible::Name), QStringLiteral("losses"));
    EXPECT_EQ(face->indexOfChild(losses), 1);
    EXPECT_EQ(rules->parent(), face);
    EXPECT_TRUE(label->rect().contains(label->mapFromGlobal(losses->rect().center())));
    losses->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(jumps, (std::vector<int>{41}));
    // Pointing at a link finds it.
    EXPECT_EQ(face->childAt(rules->rect().center().x(), rules->rect().center().y()), rules);
}

TEST_F(TextLabelAccessibility, TabStepsThroughTheLinksAndEnterFollowsTheCurrentOne) {
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(label->hasFocus());
    EXPECT_EQ(FocusedLabelLink(label), 0);
    EXPECT_TRUE(Face()->child(0)->state().focused);
    QTest::keyClick(label, Qt::Key_Tab);
    EXPECT_TRUE(label->hasFocus());
    EXPECT_EQ(FocusedLabelLink(label), 1);
    QTest::keyClick(label, Qt::Key_Return);
    EXPECT_EQ(jumps, (std::vector<int>{41}));
    QTest::keyClick(label, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(FocusedLabelLink(label), -1);
    // Back in from below lands on the last link, then the first.
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_EQ(FocusedLabelLink(label), 1);
    QTest::keyClick(label, Qt::Key_Backtab);
    EXPECT_EQ(FocusedLabelLink(label), 0);
    QTest::keyClick(label, Qt::Key_Space);
    EXPECT_EQ(jumps, (std::vector<int>{41, 32}));
}

TEST_F(TextLabelAccessibility, ALabelWithoutLinksIsNoTabStop) {
    label->setText({QStringLiteral("Just words.")});
    label->UpdateLayout();
    EXPECT_EQ(Face()->childCount(), 0);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
}
