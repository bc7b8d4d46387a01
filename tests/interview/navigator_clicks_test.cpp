// The navigator takes the taxpayer's clicks and keys from the first screen on, at whatever
// size the window has.

#include <QTreeWidget>

#include "interview/core/tnavigatoritem.h"
#include "interview/tnavigatorframe.h"
#include "interview/tnavigatortreeview.h"
#include "interview_fixture.h"

namespace {

class NavigatorClicks : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        for (int number : {2004, 2006, 2031, 2042, 2102, 2103, 2107})
            Serve(number, sbNext | sbPrev, [this, number](ProbeScreen* screen) {
                ++creations[number];
                screen->onShow = [this](ProbeScreen*) { frame->SetNavigatorVisible(true); };
            });
    }

    TNavigatorTreeView* Tree() const { return frame->NavigatorFrame->NavigatorTreeView(); }

    QTreeWidgetItem* Node(const QString& caption) const {
        const QList<QTreeWidgetItem*> found = Tree()->findItems(caption, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    // Clicks the middle of the row as the taxpayer does.
    void ClickRow(const QString& caption, bool twice = false) {
        QTreeWidgetItem* node = Node(caption);
        ASSERT_NE(node, nullptr) << caption.toStdString();
        // A row below the panel's edge is scrolled to first, as the taxpayer would.
        Tree()->scrollToItem(node);
        const QPoint middle = Tree()->visualItemRect(node).center();
        if (twice)
            QTest::mouseDClick(Tree()->viewport(), Qt::LeftButton, {}, middle);
        else
            QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, middle);
        Settle();
    }

    void ChooseWithKey(const QString& caption, Qt::Key key) {
        Tree()->setFocus();
        Tree()->setCurrentItem(Node(caption));
        Settle();
        QTest::keyClick(Tree(), key);
        Settle();
    }

    int CreatedCount(int number) { return creations[number]; }
    std::map<int, int> creations;
};

}  // namespace

TEST_F(NavigatorClicks, AtTheDesignSizeTheFirstClickAndKeyAlreadyJump) {
    Start(2004);
    ASSERT_EQ(frame->ScaleNumerator(), frame->ScaleDenominator()) << "no rescale has happened";
    ClickRow(QStringLiteral("Depreciating assets"));
    EXPECT_EQ(Shown(), 2042);

    ChooseWithKey(QStringLiteral("Application of choices"), Qt::Key_Return);
    EXPECT_EQ(Shown(), 2102);
    ChooseWithKey(QStringLiteral("Shares"), Qt::Key_Space);
    EXPECT_EQ(Shown(), 2006);
    // Enter on the highlighted entry acts too: its topic's first screen is shown afresh.
    ASSERT_EQ(CreatedCount(2006), 1);
    ChooseWithKey(QStringLiteral("Shares"), Qt::Key_Enter);
    EXPECT_EQ(Shown(), 2006);
    EXPECT_EQ(CreatedCount(2006), 2);

    // A double click jumps once and leaves the new screen standing.
    ClickRow(QStringLiteral("Real estate"), true);
    EXPECT_EQ(Shown(), 2031);
    EXPECT_EQ(CreatedCount(2031), 1);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2004, 2042, 2102, 2006, 2031}));
}

TEST_F(NavigatorClicks, AfterTheWindowGrowsOrShrinksClicksStillJump) {
    Start(2004);
    main->TakeHostSize(QSize(1280, 900));
    Settle();
    ASSERT_NE(frame->ScaleNumerator(), frame->ScaleDenominator());
    ClickRow(QStringLiteral("Real estate"));
    EXPECT_EQ(Shown(), 2031);

    main->TakeHostSize(QSize(640, 480));
    Settle();
    ClickRow(QStringLiteral("Application of choices"));
    EXPECT_EQ(Shown(), 2102);
    ChooseWithKey(QStringLiteral("Introduction screen"), Qt::Key_Return);
    EXPECT_EQ(Shown(), 2004);
}

TEST_F(NavigatorClicks, AClickOnTheHighlightedTopicGoesToItsFirstScreen) {
    Start(2107);
    ASSERT_EQ(frame->NavigatorFrame->GetSelectedItem()->Caption(), "Application of choices");
    ClickRow(QStringLiteral("Application of choices"));
    EXPECT_EQ(Shown(), 2102);
    Click(frame->BtnNext);
    ASSERT_EQ(Shown(), 2103);
    ClickRow(QStringLiteral("Application of choices"));
    EXPECT_EQ(Shown(), 2102);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2107, 2102, 2103, 2102}));

    // A double click as the window system sends it, two presses close together: the second
    // press chooses nothing more.
    const int created = CreatedCount(2102);
    const QPoint middle =
        Tree()->visualItemRect(Node(QStringLiteral("Application of choices"))).center();
    for (ulong time : {100000ul, 100150ul}) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, middle, Tree()->viewport()->mapToGlobal(middle), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            event.setTimestamp(time);
            QApplication::sendEvent(Tree()->viewport(), &event);
        }
        Settle();
    }
    EXPECT_EQ(Shown(), 2102);
    EXPECT_EQ(CreatedCount(2102), created + 1);
}
