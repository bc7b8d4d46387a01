// The question screens of the shares, trusts and real estate sections, answered with real
// clicks in the interview window: their routing, the progress marker, the data a No
// discards, and each screen's own rule.

#include <QScrollArea>
#include <QScrollBar>

#include "../interview/interview_fixture.h"
#include "interview/interview_steps.h"
#include "store/worksheet_items.h"

namespace {

const char* const DataExistsText =
    "Data exists for this item\r\rAre you sure you want to delete it?\r\rIf you select 'Yes' "
    "all data for this item will be lost";

// Stores one named item in worksheet k, as a finished asset path does.
void AddItem(int k, const std::string& name) {
    const int key = WorksheetItemCount(k) + 1;
    GetWorksheetItem(k, key);
    SetFieldStr(ItemNameField, name);
    PutWorksheetItem(k, key);
}

int Marker() { return static_cast<int>(GetFieldVal(ProgressMarkerField)); }

}  // namespace

using SectionQuestionScreens = InterviewTest;

TEST_F(SectionQuestionScreens, GatesRouteRaiseTheMarkerAndDiscardTheirSectionOnNo) {
    struct Gate {
        int number, yes, no, stage, worksheet;
        std::vector<int> worksheets;  // whose items a No discards
    };
    const std::vector<Gate> gates = {
        {2006, 2007, 2018, 1, 0, {451}},   {2007, 2009, 2018, 1, 451, {451}},
        {2020, 2022, 2031, 3, 452, {452}}, {2031, 2032, 2042, 5, 0, {454}},
        {2033, 2035, 2042, 5, 454, {454}},
    };
    // The path screens and later sections are stand-ins here.
    for (int number : {2009, 2022, 2035, 2042}) Serve(number);
    for (const Gate& gate : gates) {
        SCOPED_TRACE(gate.number);
        ClearAllFields();
        State().PathWorksheet = 0;
        for (int k : gate.worksheets) AddItem(k, "Parcel A");

        Start(gate.number);
        EXPECT_FALSE(frame->BtnYes->isHidden());
        EXPECT_FALSE(frame->BtnNo->isHidden());
        EXPECT_TRUE(frame->BtnNext->isHidden());
        EXPECT_TRUE(frame->NavigatorVisible());
        Click(frame->BtnYes);
        Settle();
        EXPECT_EQ(Shown(), gate.yes);
        EXPECT_EQ(Marker(), gate.stage);
        EXPECT_EQ(State().PathWorksheet, gate.worksheet);
        for (int k : gate.worksheets) EXPECT_EQ(WorksheetItemCount(k), 1);

        // No, confirmed: the section's items go.
        responder->Clear();
        responder->Answer(mrYes);
        Start(gate.number);
        Click(frame->BtnNo);
        Settle();
        EXPECT_EQ(Shown(), gate.no);
        EXPECT_EQ(responder->Texts(), std::vector<std::string>{DataExistsText});
        for (int k : gate.worksheets) EXPECT_FALSE(WorksheetHasItems(k));

        // Nothing left to discard: No asks nothing.
        responder->Clear();
        Start(gate.number);
        Click(frame->BtnNo);
        Settle();
        EXPECT_EQ(Shown(), gate.no);
        EXPECT_EQ(responder->Count(), 0u);
    }
}

TEST_F(SectionQuestionScreens, DecliningTheWarningAtTheSharesQuestionKeepsTheShares) {
    AddItem(451, "Parcel A");
    AddItem(451, "Parcel B");
    SetFieldType(ProgressMarkerField, dtNumeric);
    SetFieldVal(ProgressMarkerField, 5);
    responder->Answer(mrNo);
    Start(2006);
    Click(frame->BtnNo);
    Settle();
    EXPECT_EQ(Shown(), 2018);
    EXPECT_EQ(responder->Count(), 1u);
    EXPECT_EQ(WorksheetItemCount(451), 2);
    // The marker never goes down.
    EXPECT_EQ(Marker(), 5);
}

TEST_F(SectionQuestionScreens, SharesQuestionRestartsAMarkerSavedWithAnotherType) {
    Serve(2007);
    const std::vector<std::pair<const char*, std::function<void()>>> saved = {
        {"currency", [] { SetFieldVal(ProgressMarkerField, 7.5L); }},
        {"short text", [] { SetFieldStr(ProgressMarkerField, "abcdefg"); }},
        {"tick", [] { SetFieldChecked(ProgressMarkerField); }},
        {"list", [] { SetFieldLst(ProgressMarkerField, {"13"}); }},
    };
    for (const auto& [kind, store] : saved) {
        SCOPED_TRACE(kind);
        ClearField(ProgressMarkerField);
        SetFieldType(ProgressMarkerField, dtNone);
        store();
        ASSERT_NE(GetFieldType(ProgressMarkerField), dtNumeric);
        Start(2006);
        // Creating the screen restarts it, before anything is answered.
        EXPECT_EQ(GetFieldType(ProgressMarkerField), dtNumeric);
        EXPECT_EQ(GetFieldVal(ProgressMarkerField), 0);
        Click(frame->BtnYes);
        Settle();
        EXPECT_EQ(Shown(), 2007);
        EXPECT_EQ(Marker(), 1);
    }

    // A numeric marker is kept as it is.
    SetFieldVal(ProgressMarkerField, 8);
    Start(2006);
    EXPECT_EQ(Marker(), 8);
}

TEST_F(SectionQuestionScreens, TrustQuestionStagesByAnswerAndAsksOnceForAllThreeFields) {
    Serve(2019);
    Start(2018);
    Click(frame->BtnYes);
    Settle();
    EXPECT_EQ(Shown(), 2019);
    EXPECT_EQ(Marker(), 2);
    EXPECT_EQ(State().PathWorksheet, 0);

    AddItem(452, "Units in Fund A");
    AddItem(453, "Other interest");
    SetFieldLst(1215, {"Fund A", "120"});
    responder->Answer(mrNo);
    Start(2018);
    Click(frame->BtnNo);
    Settle();
    EXPECT_EQ(Shown(), 2031);
    EXPECT_EQ(Marker(), 4);  // past the trusts section
    EXPECT_EQ(responder->Count(), 1u);
    EXPECT_TRUE(WorksheetHasItems(452));
    EXPECT_TRUE(WorksheetHasItems(453));
    EXPECT_FALSE(FieldEmpty(1215));

    responder->Clear();
    responder->Answer(mrYes);
    Start(2018);
    Click(frame->BtnNo);
    Settle();
    EXPECT_EQ(responder->Count(), 1u);
    EXPECT_FALSE(WorksheetHasItems(452));
    EXPECT_FALSE(WorksheetHasItems(453));
    EXPECT_TRUE(FieldEmpty(1215));

    // Only one of the three filled still asks, once.
    responder->Clear();
    SetFieldLst(1215, {"Fund B", "80"});
    responder->Answer(mrYes);
    Start(2018);
    Click(frame->BtnNo);
    Settle();
    EXPECT_EQ(responder->Count(), 1u);
    EXPECT_TRUE(FieldEmpty(1215));

    // A later stage is not lowered by either answer.
    SetFieldVal(ProgressMarkerField, 6);
    Start(2018);
    Click(frame->BtnYes);
    Settle();
    EXPECT_EQ(Marker(), 6);
}

TEST_F(SectionQuestionScreens, ClosingQuestionsStartANewItemAndLeaveOnlyForward) {
    struct Closing {
        int number, yes, no;
    };
    for (int number : {2009, 2018, 2022, 2031, 2035, 2042}) Serve(number);
    for (const Closing& closing :
         {Closing{2017, 2009, 2018}, Closing{2030, 2022, 2031}, Closing{2041, 2035, 2042}}) {
        SCOPED_TRACE(closing.number);
        AddItem(451, "Parcel A");
        SetFieldType(ProgressMarkerField, dtNumeric);
        SetFieldVal(ProgressMarkerField, 1);
        for (bool yes : {true, false}) {
            State().ContinueItem = true;
            Start(closing.number);
            EXPECT_FALSE(State().ContinueItem);
            EXPECT_TRUE(frame->BtnPrev->isHidden());
            EXPECT_TRUE(frame->BtnNext->isHidden());
            Click(yes ? frame->BtnYes : frame->BtnNo);
            Settle();
            EXPECT_EQ(Shown(), yes ? closing.yes : closing.no);
        }
        // Nothing is discarded or asked, and the marker stays.
        EXPECT_EQ(responder->Count(), 0u);
        EXPECT_TRUE(WorksheetHasItems(451));
        EXPECT_EQ(Marker(), 1);
    }
}

TEST_F(SectionQuestionScreens, MainResidenceInformationHidesTheWorksheetPanel) {
    Serve(2033);
    OpenWindows();
    frame->SetWorksheetPanelVisible(true);
    Start(2032);
    EXPECT_FALSE(frame->WorksheetPanelVisible());
    EXPECT_FALSE(frame->BtnNext->isHidden());
    EXPECT_TRUE(frame->BtnYes->isHidden());
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(Shown(), 2033);
    EXPECT_EQ(responder->Count(), 0u);
}

TEST_F(SectionQuestionScreens, EventsOnSharesShowTheirListFromTheTop) {
    Start(2007);
    auto* box = Current()->findChild<QScrollArea*>(QStringLiteral("ScrollBox"));
    ASSERT_NE(box, nullptr);
    // The whole list fits at the design size, not in a smaller box.
    QScrollBar* bar = box->verticalScrollBar();
    EXPECT_EQ(bar->maximum(), 0);
    box->resize(box->width(), 120);
    QCoreApplication::processEvents();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    // Shown again in place, as after a worksheet reload.
    frame->ReloadScreen();
    EXPECT_EQ(bar->value(), 0);
}
