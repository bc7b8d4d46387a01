// The interview's sections walked with real button presses on the real screens.

#include "../interview/interview_fixture.h"
#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "store/worksheet_items.h"

namespace {

class InterviewFlowTest : public InterviewTest {
protected:
    // Presses a button and lets the screen it names arrive; returns the screen now asked for.
    int Press(QPushButton* button) {
        Click(button);
        Settle();
        return Shown();
    }
    int Yes() { return Press(frame->BtnYes); }
    int No() { return Press(frame->BtnNo); }
    int Next() { return Press(frame->BtnNext); }

    // Stores one item with a name in worksheet k.
    void AddItem(int worksheet, const std::string& name) {
        OpenWorksheetNewItem(worksheet);
        SetFieldStr(710, name);
        CloseWorksheet();
    }
};

}  // namespace

TEST_F(InterviewFlowTest, ANewReturnAnsweredNoEverywhereReachesTheManualTable) {
    Start(2004);
    std::vector<int> seen{Shown()};
    seen.push_back(Next());
    while (frame->CurrentScreen() && !frame->BtnNo->isHidden()) seen.push_back(No());
    EXPECT_EQ(seen, (std::vector<int>{2004, 2125, 2126, 2006, 2018, 2031, 2042, 2052, 2062, 2072,
                                      2096, 2101}));
    EXPECT_EQ(GetFieldType(ProgressMarkerField), dtNumeric);
    EXPECT_EQ(GetFieldVal(ProgressMarkerField), 13);
    EXPECT_EQ(responder->Count(), 0u);
    // Until the manual calculation table exists the interview ends there.
    if (!frame->CurrentScreen()) {
        EXPECT_EQ(frame->FailedScreen(), 2101);
        EXPECT_EQ(host.messages, (std::vector<int>{MsgInterviewFinished}));
    }
}

TEST_F(InterviewFlowTest, PrevGoesBackThroughTheScreensVisited) {
    Start(2004);
    Next();
    No();
    No();
    No();
    ASSERT_EQ(Shown(), 2018);
    EXPECT_EQ(Press(frame->BtnPrev), 2006);
    EXPECT_EQ(Press(frame->BtnPrev), 2126);
    EXPECT_EQ(Press(frame->BtnPrev), 2125);
    EXPECT_EQ(Press(frame->BtnPrev), 2004);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2004}));
}

TEST_F(InterviewFlowTest, ANoAtAGateWithItemsAsksOnceAndKeepsOrClearsAsAnswered) {
    AddItem(451, "BHP Billiton");
    AddItem(451, "Telstra");
    Start(2006);
    responder->Answer(mrNo);
    EXPECT_EQ(No(), 2018);
    EXPECT_EQ(responder->Count(), 1u);
    EXPECT_EQ(responder->Requests().back().caption, "Warning");
    EXPECT_TRUE(WorksheetHasItems(451));

    Start(2006);
    responder->Answer(mrYes);
    EXPECT_EQ(No(), 2018);
    EXPECT_EQ(responder->Count(), 2u);
    EXPECT_FALSE(WorksheetHasItems(451));
}

TEST_F(InterviewFlowTest, TheTrustGateAsksOnceForItsThreeFields) {
    SetFieldLst(1215, {"Trust A", "100"});
    SetFieldType(1204, dtWorksheet);
    AddItem(452, "Units");
    Start(2018);
    responder->Answer(mrYes);
    EXPECT_EQ(No(), 2031);
    EXPECT_EQ(responder->Count(), 1u);
    EXPECT_TRUE(FieldEmpty(1203));
    EXPECT_TRUE(FieldEmpty(1215));
    EXPECT_GE(GetFieldVal(ProgressMarkerField), 4);
}

TEST_F(InterviewFlowTest, YesAtEachEventsGateEntersItsPath) {
    const struct {
        int gate, path, worksheet;
    } gates[] = {{2007, 2009, 451}, {2020, 2022, 452}, {2033, 2035, 454}, {2043, 2045, 458},
                 {2053, 2055, 455}, {2063, 2065, 456}, {2073, 2075, 457}, {2096, 2097, 462}};
    for (const auto& g : gates) {
        SCOPED_TRACE(g.gate);
        Start(g.gate);
        ASSERT_NE(frame->CurrentScreen(), nullptr);
        Yes();
        EXPECT_EQ(State().PathWorksheet, g.worksheet);
        // The path's first screen, or the end of the interview there until it exists.
        if (frame->CurrentScreen())
            EXPECT_EQ(Shown(), g.path);
        else
            EXPECT_EQ(frame->FailedScreen(), g.path);
    }
}

TEST_F(InterviewFlowTest, LossesAndResidencyBranches) {
    SetFieldVal(175, 900);
    Start(2125);
    EXPECT_EQ(frame->CurrentScreen()->HelpContext(), 32);
    EXPECT_EQ(Yes(), 2005);
    auto* collectables = frame->CurrentScreen()->findChild<TTaxEdit*>("ProceedsEdit");
    auto* other = frame->CurrentScreen()->findChild<TTaxEdit*>("CostsEdit");
    ASSERT_TRUE(collectables && other);
    collectables->setFocus();
    QTest::keyClicks(collectables, "1200");
    other->setFocus();
    QTest::keyClicks(other, "0");
    EXPECT_EQ(Next(), 2126);
    EXPECT_EQ(GetFieldVal(920), 1200);
    EXPECT_TRUE(FieldEmpty(921));  // a typed zero is emptied, never stored
    EXPECT_EQ(Yes(), 2088);
    EXPECT_EQ(Next(), 2006);

    // No at 2125 clears the losses carried forward only.
    Start(2125);
    EXPECT_EQ(No(), 2126);
    EXPECT_TRUE(FieldEmpty(175));
    EXPECT_EQ(GetFieldVal(920), 1200);
    EXPECT_EQ(No(), 2006);
}

TEST_F(InterviewFlowTest, AMarkerSavedAsMoneyStartsAgain) {
    SetFieldVal(ProgressMarkerField, 7);  // types it dtCurrency
    Start(2006);
    EXPECT_EQ(GetFieldType(ProgressMarkerField), dtNumeric);
    EXPECT_EQ(GetFieldVal(ProgressMarkerField), 0);
    No();
    EXPECT_EQ(GetFieldVal(ProgressMarkerField), 1);
}

TEST_F(InterviewFlowTest, ClosingQuestionsStartANewItemAndHidePrev) {
    State().ContinueItem = true;
    Start(2017);
    EXPECT_FALSE(State().ContinueItem);
    EXPECT_TRUE(frame->BtnPrev->isHidden());
    Yes();
    if (frame->CurrentScreen())
        EXPECT_EQ(Shown(), 2009);
    else
        EXPECT_EQ(frame->FailedScreen(), 2009);
    Start(2098);
    EXPECT_EQ(No(), 2101);
}
