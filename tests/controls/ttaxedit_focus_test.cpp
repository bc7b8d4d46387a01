// A field that refuses its input keeps the focus, whichever way the focus tries to leave.

#include "controls/ttaxedit.h"

#include "tax_edit_fixture.h"

class TaxEditRefusal : public TaxEditTest {
protected:
    void SetUp() override {
        TaxEditTest::SetUp();
        field->setNumericType(ntDate);
        exited = std::make_unique<QSignalSpy>(field, &TTaxEdit::exited);
        Enter();
        Type(QStringLiteral("31/02/2004"));
    }

    // What every refused leave must leave behind.
    void ExpectRefused() {
        EXPECT_TRUE(field->hasFocus());
        EXPECT_EQ(QApplication::focusWidget(), field);
        EXPECT_EQ(otherFocusIns->Count(), 0);
        EXPECT_EQ(buttonFocusIns->Count(), 0);
        EXPECT_EQ(exited->count(), 0);
        ASSERT_EQ(responder->Texts(),
                  std::vector<std::string>{"The date must be in dd/mm/yyyy format !"});
        EXPECT_EQ(responder->Requests()[0].caption, "Orvana");
        EXPECT_EQ(responder->Requests()[0].icon, MessageIcon::Stop);
        EXPECT_EQ(beeps->Count(), 1);
        EXPECT_EQ(field->text(), QStringLiteral("31/02/2004"));
        EXPECT_TRUE(field->hasSelectedText());
        EXPECT_EQ(field->palette().color(QPalette::Base), TTaxEdit::FocusColor());
    }

    // Once corrected, the same way out works.
    void ExpectLeavesOnceCorrected(const std::function<void()>& leave) {
        responder->Clear();
        field->selectAll();
        Type(QStringLiteral("28022004"));
        leave();
        EXPECT_FALSE(field->hasFocus());
        EXPECT_EQ(exited->count(), 1);
        EXPECT_EQ(field->text(), QStringLiteral("28/02/2004"));
        EXPECT_EQ(responder->Count(), 0u);
    }

    std::unique_ptr<QSignalSpy> exited;
    int shown = 0;
};

TEST_F(TaxEditRefusal, Tab) {
    QTest::keyClick(field, Qt::Key_Tab);
    ExpectRefused();
    ExpectLeavesOnceCorrected([this] { QTest::keyClick(field, Qt::Key_Tab); });
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(TaxEditRefusal, ShiftTab) {
    QTest::keyClick(field, Qt::Key_Tab, Qt::ShiftModifier);
    ExpectRefused();
    ExpectLeavesOnceCorrected([this] { QTest::keyClick(field, Qt::Key_Tab, Qt::ShiftModifier); });
    EXPECT_TRUE(button->hasFocus());  // backwards from the first control wraps to the last
}

TEST_F(TaxEditRefusal, MousePressOnAnotherControl) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    ExpectRefused();
    EXPECT_EQ(clicked.count(), 0);  // the press that was refused does not press the button
    EXPECT_FALSE(button->isDown());

    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_EQ(responder->Count(), 2u);
    EXPECT_EQ(otherFocusIns->Count(), 0);

    ExpectLeavesOnceCorrected([this] { QTest::mouseClick(button, Qt::LeftButton); });
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(TaxEditRefusal, ProgrammaticFocusAsTheInterviewButtonsCommit) {
    EXPECT_FALSE(CommitFocus());
    ExpectRefused();
    other->setFocus();
    EXPECT_EQ(responder->Count(), 2u);
    EXPECT_FALSE(other->hasFocus());
    ExpectLeavesOnceCorrected([this] { EXPECT_TRUE(CommitFocus()); });
    EXPECT_EQ(buttonFocusIns->Count(), 1);
}

TEST_F(TaxEditRefusal, ClearingTheFocusIsRefusedToo) {
    field->clearFocus();
    ExpectRefused();
}

// The message box of the refusal takes the focus for a while; that is not another leave.
TEST_F(TaxEditRefusal, MessageBoxFocusIsNotASecondLeave) {
    responder.reset();
    State().Responder = [this](const MessageRequest&) {
        QWidget box;
        box.setFocusPolicy(Qt::StrongFocus);
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.setFocus();
        ++shown;
        box.hide();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        other->setFocus();  // anything moving the focus while the message is up
        return mrOk;
    };
    EXPECT_FALSE(CommitFocus());
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(buttonFocusIns->Count(), 0);
    EXPECT_EQ(exited->count(), 0);
    EXPECT_EQ(field->text(), QStringLiteral("31/02/2004"));  // not stripped or entered again
}

TEST_F(TaxEditRefusal, HiddenFieldLetsTheFocusGoAndKeepsWhatWasTyped) {
    field->hide();
    EXPECT_FALSE(field->hasFocus());
    EXPECT_EQ(responder->Count(), 0u);
    EXPECT_EQ(exited->count(), 0);
    EXPECT_EQ(field->text(), QStringLiteral("31/02/2004"));
}

TEST_F(TaxEditRefusal, AMenuOrAnotherWindowIsNotALeave) {
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_EQ(responder->Count(), 0u);
    EXPECT_EQ(exited->count(), 0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->text(), QStringLiteral("31/02/2004"));
    EXPECT_EQ(field->palette().color(QPalette::Base), TTaxEdit::FocusColor());
}
