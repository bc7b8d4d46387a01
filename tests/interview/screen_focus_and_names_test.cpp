// A screen change moves the focus once, to the new screen's first field (or, for screen-reader
// users, its question); the controls of a screen are named by their labels and described by
// their hints, and F8 in a field reads the hint it promises.

#include <QAccessible>
#include <QLabel>

#include "base/text_variables.h"
#include "controls/ttextlbl.h"
#include "interview/screen_accessibility.h"
#include "interview/tnavigatorframe.h"
#include "interview_fixture.h"
#include "platform/accessibility_events.h"
#include "platform/announced_beep.h"

namespace {

std::vector<std::pair<QAccessible::Event, QObject*>>* recorded = nullptr;

void Record(QAccessibleEvent* event) {
    if (recorded) recorded->emplace_back(event->type(), event->object());
}

// Every focus change while alive, and every focus event screen readers are sent.
class FocusWatch {
public:
    FocusWatch() {
        recorded = &events;
        previous_ = SetAccessibilityListener(Record);
        QObject::connect(qApp, &QApplication::focusChanged, &context_,
                         [this](QWidget*, QWidget* now) {
                             // Focus parked on nothing is not announced to anyone.
                             if (now) changes.push_back(now);
                         });
    }
    ~FocusWatch() {
        SetAccessibilityListener(previous_);
        recorded = nullptr;
    }
    std::vector<QWidget*> changes;
    std::vector<std::pair<QAccessible::Event, QObject*>> events;

private:
    QObject context_;
    AccessibilityListener previous_ = nullptr;
};

// A probe screen with a question and two amount fields, the lower one created first.
void QuestionAndTwoFields(ProbeScreen* screen) {
    auto* question = new TTextLbl(screen);
    question->setObjectName(QStringLiteral("QuestionLbl"));
    question->setGeometry(16, 10, 580, 40);
    question->setText({QStringLiteral("<T1>How much did you receive?<.>"),
                       QStringLiteral("Enter both amounts.")});
    auto* lower = screen->AddEdit(921, ntCurrency, 110);
    lower->setObjectName(QStringLiteral("Lower"));
    auto* upper = screen->AddEdit(920, ntCurrency, 70);
    upper->setObjectName(QStringLiteral("Upper"));
    auto* upperLabel = new QLabel(QStringLiteral("&Amount received"), screen);
    upperLabel->setGeometry(16, 72, 170, 18);
    auto* lowerLabel = new TTextLbl(screen);
    lowerLabel->setGeometry(16, 110, 170, 20);
    lowerLabel->setText({QStringLiteral("<T1>Costs<.> of the sale")});
    upper->setToolTip(QStringLiteral("The amount you received|Longer help"));
}

class ScreenFocusTest : public InterviewTest {
protected:
    // Shows `from`, puts the focus on Next and presses Space there, as a keyboard user does.
    void NextByKeyboard(int from) {
        Start(from);
        Settle();
        frame->BtnNext->setFocus(Qt::TabFocusReason);
        Settle();
        watch = std::make_unique<FocusWatch>();
        QTest::keyClick(frame->BtnNext, Qt::Key_Space);
        Settle();
    }
    std::unique_ptr<FocusWatch> watch;
};

}  // namespace

TEST_F(ScreenFocusTest, NextMovesTheFocusOnceToTheTopFieldOfTheNewScreen) {
    Serve(2004);
    Serve(2005, sbNext | sbPrev, QuestionAndTwoFields);
    OpenWindows();
    NextByKeyboard(2004);
    ASSERT_EQ(Shown(), 2005);
    ASSERT_EQ(watch->changes.size(), 1u);
    EXPECT_EQ(watch->changes[0]->objectName(), QStringLiteral("Upper"));
    // Tab goes on down the screen, then to the buttons left to right.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Lower"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frame->BtnIntHelp);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frame->BtnPrev);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frame->BtnNext);
}

TEST_F(ScreenFocusTest, ScreenReaderUsersLandOnTheQuestionOnce) {
    Serve(2004);
    Serve(2005, sbNext | sbPrev, QuestionAndTwoFields);
    OpenWindows({QStringLiteral("/V")});
    NextByKeyboard(2004);
    ASSERT_EQ(watch->changes.size(), 1u);
    EXPECT_EQ(watch->changes[0]->objectName(), QStringLiteral("QuestionLbl"));
    // The question comes before the fields below it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Upper"));
}

TEST_F(ScreenFocusTest, AScreenWithoutFieldsFocusesItsAnswerAndNeverTheNavigator) {
    Serve(2004);
    Serve(2125, sbYes | sbNo, [](ProbeScreen* screen) {
        auto* question = new TTextLbl(screen);
        question->setText({QStringLiteral("Did you sell anything?")});
        screen->onShow = [](ProbeScreen*) { State().FrameWnd->SetNavigatorVisible(true); };
    });
    OpenWindows();
    Start(2004);
    Settle();
    State().ScreenGroup = 21;
    State().ScreenIndex = 25;
    frame->BtnNext->setFocus(Qt::TabFocusReason);
    Settle();
    FocusWatch watch;
    frame->PostShowScreen();
    Settle();
    ASSERT_EQ(Shown(), 2125);
    ASSERT_EQ(watch.changes.size(), 1u);
    EXPECT_EQ(watch.changes[0], frame->BtnYes);
    EXPECT_FALSE(frame->NavigatorFrame->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(ScreenFocusTest, FieldsAreNamedByTheLabelBesideOrAboveThemAndDescribedByTheirHints) {
    Serve(2005, sbNext | sbPrev, [](ProbeScreen* screen) {
        QuestionAndTwoFields(screen);
        auto* below = screen->AddEdit(922, ntNone, 200);
        below->setObjectName(QStringLiteral("Below"));
        below->move(16, 200);
        auto* heading = new QLabel(QStringLiteral("Name of the asset"), screen);
        heading->setGeometry(16, 176, 200, 18);
    });
    OpenWindows();
    Start(2005);
    Settle();
    TChildForm* screen = frame->CurrentScreen();
    auto* upper = screen->findChild<TTaxEdit*>(QStringLiteral("Upper"));
    auto* lower = screen->findChild<TTaxEdit*>(QStringLiteral("Lower"));
    auto* below = screen->findChild<TTaxEdit*>(QStringLiteral("Below"));
    QAccessibleInterface* upperFace = QAccessible::queryAccessibleInterface(upper);
    EXPECT_EQ(upperFace->text(QAccessible::Name), QStringLiteral("Amount received"));
    EXPECT_EQ(upperFace->text(QAccessible::Description), QStringLiteral("The amount you received"));
    // The label beside is a Qt buddy, so readers also get the labelled-by relation.
    const auto relations = upperFace->relations(QAccessible::Label);
    ASSERT_EQ(relations.size(), 1);
    EXPECT_EQ(relations[0].first->text(QAccessible::Name), QStringLiteral("Amount received"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(lower)->text(QAccessible::Name),
              QStringLiteral("Costs of the sale"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(below)->text(QAccessible::Name),
              QStringLiteral("Name of the asset"));
    EXPECT_EQ(screen->accessibleName(), QStringLiteral("How much did you receive?"));
    EXPECT_TRUE(
        QAccessible::queryAccessibleInterface(lower)->text(QAccessible::Description).isEmpty());
}

TEST_F(ScreenFocusTest, F8ReadsTheHintOnlyWhereAHintIsPromised) {
    SetVariable("@VI_TaxEditAdditionalInfo", "Press F8 for additional information");
    Serve(2005, sbNext | sbPrev, QuestionAndTwoFields);
    OpenWindows({QStringLiteral("/V")});
    Start(2005);
    Settle();
    TChildForm* screen = frame->CurrentScreen();
    auto* upper = screen->findChild<TTaxEdit*>(QStringLiteral("Upper"));
    auto* lower = screen->findChild<TTaxEdit*>(QStringLiteral("Lower"));
    EXPECT_EQ(upper->accessibleDescription(),
              QStringLiteral("The amount you received Press F8 for additional information"));
    upper->setFocus();
    QTest::keyClick(upper, Qt::Key_F8);
    ASSERT_EQ(responder->Count(), 1u);
    EXPECT_EQ(responder->LastText(), "The amount you received");
    EXPECT_EQ(responder->Requests().back().icon, MessageIcon::Information);

    // No hint, no promise; F8 there shows nothing.
    EXPECT_TRUE(lower->accessibleDescription().isEmpty());
    lower->setFocus();
    QTest::keyClick(lower, Qt::Key_F8);
    EXPECT_EQ(responder->Count(), 1u);
}

TEST_F(ScreenFocusTest, ABeepIsAlsoAnAlertOnTheControlThatRefused) {
    Serve(2005, sbNext | sbPrev, QuestionAndTwoFields);
    OpenWindows();
    Start(2005);
    Settle();
    QWidget* upper = frame->CurrentScreen()->findChild<TTaxEdit*>(QStringLiteral("Upper"));
    upper->setFocus();
    FocusWatch watch;
    AnnouncedBeep();
    const auto alert = std::make_pair(QAccessible::Alert, static_cast<QObject*>(upper));
    EXPECT_NE(std::find(watch.events.begin(), watch.events.end(), alert), watch.events.end());
}
