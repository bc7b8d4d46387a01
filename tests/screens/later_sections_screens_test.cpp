// The gates, closing questions and information screen of the depreciating assets, personal
// use assets and collectables, other assets, created rights and other receipts sections:
// where each answer leads, what it keeps or discards, and that every text fits and links
// to a written help topic.

#include <QPushButton>
#include <memory>

#include "../interview/interview_fixture.h"
#include "controls/ttextlbl.h"
#include "interview/screen_catalogue.h"
#include "module/build_text_variables.h"
#include "platform/core/help_file_name.h"
#include "store/worksheet_items.h"

namespace {
constexpr int Marker = 588;

struct GateCase {
    int screen;
    int stage;
    int worksheet;  // 0: an ownership gate, which leaves the path worksheet alone
    int yesTarget;
    int noTarget;
    int list;  // the section's items, discarded on No
};

const GateCase Gates[] = {
    {2042, 8, 0, 2043, 2052, 1209},    {2043, 8, 458, 2045, 2052, 1209},
    {2052, 6, 0, 2053, 2062, 1206},    {2053, 6, 455, 2055, 2062, 1206},
    {2062, 7, 0, 2063, 2072, 1207},    {2063, 7, 456, 2065, 2072, 1207},
    {2072, 8, 0, 2073, 2096, 1208},    {2073, 8, 457, 2075, 2096, 1208},
    {2096, 13, 462, 2097, 2101, 1213},
};

struct ClosingCase {
    int screen;
    int yesTarget;
    int noTarget;
};

const ClosingCase Closings[] = {
    {2051, 2045, 2052}, {2061, 2055, 2062}, {2071, 2065, 2072},
    {2081, 2075, 2096}, {2098, 2097, 2101},
};

const int OwnScreens[] = {2042, 2043, 2051, 2052, 2053, 2061, 2062, 2063,
                          2071, 2072, 2073, 2074, 2081, 2096, 2098};

// Section lists that the gates above may discard.
const int SectionLists[] = {1206, 1207, 1208, 1209, 1213};

const char* const DataExistsText =
    "Data exists for this item\r\rAre you sure you want to delete it?\r\r"
    "If you select 'Yes' all data for this item will be lost";

// One stored item named `name` in the worksheet whose list is `listField`.
void StoreOneItem(int listField, const std::string& name) {
    OpenWorksheetNewItem(listField - WorksheetFieldOffset);
    SetFieldStr(ItemNameField, name);
    StoreWorksheetItem();
    CloseWorksheet();
}
}  // namespace

class LaterSectionsScreens : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        // The screens these sections lead to belong to other paths.
        for (int number : {2045, 2055, 2065, 2075, 2097, 2101}) Serve(number);
    }

    // Items are stored with no screen shown, as a return opened from its file has them.
    void StoreEverySectionList() {
        delete main;
        main = nullptr;
        for (int list : SectionLists) StoreOneItem(list, "Item of " + std::to_string(list));
    }

    void ExpectYesNoOnly(bool prevVisible) {
        EXPECT_FALSE(frame->BtnYes->isHidden());
        EXPECT_FALSE(frame->BtnNo->isHidden());
        EXPECT_TRUE(frame->BtnNext->isHidden());
        EXPECT_EQ(frame->BtnPrev->isHidden(), !prevVisible);
    }
};

TEST_F(LaterSectionsScreens, YesAtAGateEntersTheSectionAndRaisesTheMarker) {
    for (const GateCase& gate : Gates) {
        SCOPED_TRACE(gate.screen);
        ClearField(Marker);
        State().PathWorksheet = 451;
        Start(gate.screen);
        ExpectYesNoOnly(true);
        EXPECT_TRUE(frame->NavigatorVisible());

        Click(frame->BtnYes);
        Settle();
        EXPECT_EQ(Shown(), gate.yesTarget);
        EXPECT_EQ(GetFieldVal(Marker), gate.stage);
        EXPECT_EQ(GetFieldType(Marker), dtNumeric);
        EXPECT_EQ(State().PathWorksheet, gate.worksheet ? gate.worksheet : 451);
    }
    EXPECT_EQ(responder->Count(), 0u);
}

TEST_F(LaterSectionsScreens, NoAtAGateDiscardsOnlyItsSectionAfterOneConfirmation) {
    for (const GateCase& gate : Gates) {
        SCOPED_TRACE(gate.screen);
        StoreEverySectionList();
        responder->Clear();
        responder->Answer(mrYes);
        Start(gate.screen);
        Click(frame->BtnNo);
        Settle();

        EXPECT_EQ(Shown(), gate.noTarget);
        ASSERT_EQ(responder->Count(), 1u);
        EXPECT_EQ(responder->LastText(), DataExistsText);
        for (int list : SectionLists)
            EXPECT_EQ(FieldEmpty(list), list == gate.list) << "list " << list;
    }
}

TEST_F(LaterSectionsScreens, DecliningTheWarningKeepsTheItemsAndStillMovesOn) {
    StoreOneItem(1208, "Option over lot 3");
    SetFieldType(Marker, dtNumeric);
    SetFieldVal(Marker, 5);
    State().PathWorksheet = 451;
    responder->Answer(mrNo);
    Start(2073);
    Click(frame->BtnNo);
    Settle();

    EXPECT_EQ(Shown(), 2096);
    EXPECT_EQ(responder->Count(), 1u);
    EXPECT_EQ(WorksheetItemCount(457), 1);
    // The events gate names its worksheet and raises the marker whatever the answer.
    EXPECT_EQ(State().PathWorksheet, 457);
    EXPECT_EQ(GetFieldVal(Marker), 8);
}

TEST_F(LaterSectionsScreens, TheMarkerOnlyGrowsThroughTheSections) {
    SetFieldType(Marker, dtNumeric);
    SetFieldVal(Marker, 5);
    Start(2042);
    Click(frame->BtnYes);  // depreciating assets: stage 8
    Settle();
    ASSERT_EQ(Shown(), 2043);
    Click(frame->BtnNo);
    Settle();
    ASSERT_EQ(Shown(), 2052);
    EXPECT_EQ(GetFieldVal(Marker), 8);

    Click(frame->BtnYes);  // personal use assets: stage 6 leaves it at 8
    Settle();
    ASSERT_EQ(Shown(), 2053);
    Click(frame->BtnNo);
    Settle();
    ASSERT_EQ(Shown(), 2062);
    Click(frame->BtnNo);  // other assets: stage 7
    Settle();
    EXPECT_EQ(Shown(), 2072);
    EXPECT_EQ(GetFieldVal(Marker), 8);
    // Nothing was stored, so nothing was asked.
    EXPECT_EQ(responder->Count(), 0u);
}

TEST_F(LaterSectionsScreens, ClosingQuestionsStartANewItemOrMoveOnWithoutDiscarding) {
    StoreEverySectionList();
    SetFieldType(Marker, dtNumeric);
    SetFieldVal(Marker, 3);
    for (const ClosingCase& closing : Closings) {
        SCOPED_TRACE(closing.screen);
        for (const bool yes : {true, false}) {
            State().ContinueItem = true;
            Start(closing.screen);
            EXPECT_FALSE(State().ContinueItem);
            // A finished item is left only forward, whatever the screen's own buttons.
            ExpectYesNoOnly(false);

            Click(yes ? frame->BtnYes : frame->BtnNo);
            Settle();
            EXPECT_EQ(Shown(), yes ? closing.yesTarget : closing.noTarget);
        }
    }
    EXPECT_EQ(GetFieldVal(Marker), 3);
    EXPECT_EQ(responder->Count(), 0u);
    for (int list : SectionLists) EXPECT_FALSE(FieldEmpty(list)) << list;
}

TEST_F(LaterSectionsScreens, CreatedRightsInformationOnlyMovesForward) {
    Start(2074);
    EXPECT_FALSE(frame->BtnNext->isHidden());
    EXPECT_TRUE(frame->BtnPrev->isHidden());
    EXPECT_TRUE(frame->BtnYes->isHidden());
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(Shown(), 2075);
}
