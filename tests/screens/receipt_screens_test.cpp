// The created-right and other-receipt entry screens driven with real keys and clicks: their
// loops through the gates and closing questions, the gain and loss worked out as typed, the
// leave checks, reopening an item from the pick list, and what a saved return holds.

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

#include "../interview/interview_fixture.h"
#include "controls/ttaxedit.h"
#include "screens/tqcgt_36.h"
#include "screens/tqcgt_36a.h"
#include "store/data_file.h"
#include "store/worksheet_items.h"
#include "temp_dir.h"

namespace {
constexpr int CreatedRights = 457;
constexpr int OtherReceipts = 462;

template <class T>
T* Find(QWidget* screen, const char* name) {
    T* control = screen->findChild<T*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}
}  // namespace

class ReceiptScreens : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        // The return's identifier, whose digits are the data file's key.
        State().IdentifierText = "123 456 782";
        SetFieldStr(1, "123 456 782");
    }

    QWidget* Screen() const { return frame->CurrentScreen(); }
    TTaxEdit* Edit(const char* name) const { return Find<TTaxEdit>(Screen(), name); }
    QCheckBox* Box(const char* name) const { return Find<QCheckBox>(Screen(), name); }

    // Clicks into the field and types, as the taxpayer does; Tab leaves it.
    void TypeInto(const char* name, const QString& text) {
        TTaxEdit* edit = Edit(name);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    void Tick(const char* name) {
        QCheckBox* box = Box(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    void Next() {
        Click(frame->BtnNext);
        Settle();
    }
    void Answer(bool yes) {
        Click(yes ? frame->BtnYes : frame->BtnNo);
        Settle();
    }
    void Pick(int row) {
        QListWidget* list = frame->lstPickList;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        Settle();
    }

    void EnterCreatedRight(const QString& description, const QString& proceeds,
                           const QString& costs) {
        TypeInto("DescEdit", description);
        TypeInto("ProceedsEdit", proceeds);
        TypeInto("CostsEdit", costs);
    }
};

TEST_F(ReceiptScreens, TwoCreatedRightsAndTwoReceiptsGoThroughTheirLoopsIntoTheSavedReturn) {
    Serve(2101);
    Start(2072);
    Answer(true);
    ASSERT_EQ(Shown(), 2073);
    Answer(true);
    ASSERT_EQ(Shown(), 2075);
    EXPECT_TRUE(frame->WorksheetPanelVisible());
    ASSERT_NE(frame->lstPickList->currentItem(), nullptr);
    EXPECT_EQ(frame->lstPickList->currentItem()->text(), CreateNewWorksheetEntry);

    // First right: leaving the description without a type chooses the non-active type.
    EnterCreatedRight("option over lot 7", "20000", "1500");
    EXPECT_EQ(Find<QComboBox>(Screen(), "TypeTextComboBox")->currentText().left(2), "ON");
    EXPECT_EQ(Edit("GainEdit")->NumValue(), 18500);
    Next();  // the gain needs the deferral answer
    EXPECT_EQ(Shown(), 2075);
    EXPECT_EQ(responder->LastText(),
              "You must advise if the gain or loss for this event can be deferred");
    EXPECT_EQ(QApplication::focusWidget(), Box("Q2YesCheckBox"));
    Tick("Q2NoCheckBox");
    EXPECT_FALSE(Box("Q3YesCheckBox")->isEnabled());
    Next();
    ASSERT_EQ(Shown(), 2081);
    Answer(true);
    ASSERT_EQ(Shown(), 2075);
    EXPECT_EQ(Edit("DescEdit")->text(), "");  // a new item

    // Second right: an active asset, with a loss, rolled over but not on marriage breakdown.
    QComboBox* type = Find<QComboBox>(Screen(), "TypeTextComboBox");
    type->setFocus();
    QTest::keyClicks(type, "OA");
    EnterCreatedRight("lease renewal", "1000", "1500");
    EXPECT_EQ(Edit("GainEdit")->NumValue(), 0);
    EXPECT_EQ(Edit("LossEdit")->NumValue(), 500);
    Tick("Q2YesCheckBox");
    Next();
    EXPECT_EQ(responder->LastText(), "You must select either 'Yes' or 'No'.");
    EXPECT_EQ(QApplication::focusWidget(), Box("Q3YesCheckBox"));
    Tick("Q3NoCheckBox");
    SaveShotIfRequested(frame, QStringLiteral("2075"));
    Next();
    ASSERT_EQ(Shown(), 2081);
    Answer(false);
    ASSERT_EQ(Shown(), 2096);

    // Receipts: the same amounts need no deferral answer.
    Answer(true);
    ASSERT_EQ(Shown(), 2097);
    TypeInto("DescEdit", "easement payment");
    TypeInto("ProceedsEdit", "3000");
    TypeInto("CostsEdit", "200");
    Next();
    ASSERT_EQ(Shown(), 2098);
    Answer(true);
    ASSERT_EQ(Shown(), 2097);
    TypeInto("DescEdit", "forfeited option fee");
    TypeInto("ProceedsEdit", "0");
    EXPECT_EQ(Edit("GainEdit")->NumValue(), ZeroMarker);

    // The first receipt comes back from the pick list, and the second is stored on the way.
    ASSERT_EQ(frame->lstPickList->count(), 2);
    Pick(0);
    ASSERT_EQ(frame->lstPickList->count(), 3);
    EXPECT_EQ(Edit("DescEdit")->text(), "Easement Payment");
    EXPECT_EQ(Edit("GainEdit")->NumValue(), 2800);
    SaveShotIfRequested(frame, QStringLiteral("2097"));
    Pick(1);
    EXPECT_EQ(Edit("DescEdit")->text(), "Forfeited Option Fee");
    Next();
    ASSERT_EQ(Shown(), 2098);
    Answer(false);
    EXPECT_EQ(Shown(), 2101);
    EXPECT_EQ(WorksheetItemCount(CreatedRights), 2);
    EXPECT_EQ(WorksheetItemCount(OtherReceipts), 2);

    TempDir dir;
    const std::string name = dir.File("RETURN.TAX");
    delete main;
    main = nullptr;
    ASSERT_EQ(SaveDataFile(name), 0);
    ResetModuleState();
    AllocateFieldStore();
    State().IdentifierText = "123456782";
    ASSERT_EQ(OpenDataFile(name), OpenReadCompletely);

    GetWorksheetItem(CreatedRights, 1);
    EXPECT_EQ(GetFieldStr(710), "Option Over Lot 7");
    EXPECT_EQ(GetFieldStr(714), "ON");
    EXPECT_EQ(GetFieldVal(1136), 20000);
    EXPECT_EQ(GetFieldVal(1137), 1500);
    EXPECT_EQ(GetFieldVal(1138), 18500);
    EXPECT_EQ(GetFieldVal(1141), 0);
    EXPECT_TRUE(FieldChecked(1196));
    EXPECT_FALSE(FieldChecked(720));
    EXPECT_TRUE(FieldChecked(721));
    GetWorksheetItem(CreatedRights, 2);
    EXPECT_EQ(GetFieldStr(710), "Lease Renewal");
    EXPECT_EQ(GetFieldStr(714), "OA");
    EXPECT_EQ(GetFieldVal(1141), 500);
    EXPECT_TRUE(FieldChecked(1196));
    EXPECT_TRUE(FieldChecked(720));
    EXPECT_FALSE(FieldChecked(722));
    EXPECT_TRUE(FieldChecked(723));
    GetWorksheetItem(OtherReceipts, 1);
    EXPECT_EQ(GetFieldStr(710), "Easement Payment");
    EXPECT_EQ(GetFieldStr(714), "ON");
    EXPECT_EQ(GetFieldVal(1138), 2800);
    EXPECT_TRUE(FieldChecked(1196));
    GetWorksheetItem(OtherReceipts, 2);
    EXPECT_EQ(GetFieldStr(710), "Forfeited Option Fee");
    EXPECT_EQ(GetFieldVal(1136), ZeroMarker);
    EXPECT_EQ(GetFieldStr(714), "");
    EXPECT_FALSE(FieldChecked(1196));
    CloseWorksheet();
}

TEST_F(ReceiptScreens, LeaveChecksAskForWhatIsMissingAndPrevNeverChecks) {
    Serve(2096);
    Serve(2098);
    State().PathWorksheet = OtherReceipts;
    Start(2096);
    Click(frame->BtnNext);  // the probe moves on to 2097
    Settle();
    ASSERT_EQ(Shown(), 2097);
    TypeInto("ProceedsEdit", "1500");
    TypeInto("CostsEdit", "1000");
    Next();
    EXPECT_EQ(responder->LastText(), "Please enter a description for this receipt.");
    EXPECT_EQ(QApplication::focusWidget(), Edit("DescEdit"));
    TypeInto("DescEdit", "Compensation");
    TypeInto("CostsEdit", "1500");  // proceeds equal to costs: no gain and no loss
    Next();
    EXPECT_EQ(responder->LastText(), "Please enter amount.");
    EXPECT_EQ(QApplication::focusWidget(), Edit("ProceedsEdit"));
    EXPECT_EQ(Shown(), 2097);
    const size_t asked = responder->Count();
    Click(frame->BtnPrev);
    Settle();
    EXPECT_EQ(Shown(), 2096);
    EXPECT_EQ(responder->Count(), asked);
}

// A loss alone used to pass without a name and be kept as "Worksheet No.1".
TEST_F(ReceiptScreens, AReceiptWithOnlyALossStillNeedsADescription) {
    Serve(2098);
    State().PathWorksheet = OtherReceipts;
    Start(2097);
    TypeInto("ProceedsEdit", "1000");
    TypeInto("CostsEdit", "1500");
    EXPECT_EQ(Edit("LossEdit")->NumValue(), 500);
    Next();
    EXPECT_EQ(Shown(), 2097);
    EXPECT_EQ(responder->LastText(), "Please enter a description for this receipt.");
    EXPECT_EQ(QApplication::focusWidget(), Edit("DescEdit"));
    // Amounts that cancel out were still typed.
    TypeInto("CostsEdit", "1000");
    Next();
    EXPECT_EQ(Shown(), 2097);
    EXPECT_EQ(responder->Count(), 2u);
    TypeInto("DescEdit", "Forfeited deposit");
    TypeInto("CostsEdit", "1500");
    Next();
    EXPECT_EQ(Shown(), 2098);
    ASSERT_EQ(WorksheetItemCount(OtherReceipts), 1);
    GetWorksheetItem(OtherReceipts, 1);
    EXPECT_EQ(GetFieldStr(ItemNameField), "Forfeited Deposit");
    EXPECT_EQ(GetFieldVal(1141), 500);
}

TEST_F(ReceiptScreens, RollOverQuestionsArePairsAndTheSecondFollowsTheFirst) {
    State().PathWorksheet = CreatedRights;
    Start(2075);
    Tick("Q2YesCheckBox");
    Tick("Q3YesCheckBox");
    Tick("Q3NoCheckBox");
    EXPECT_FALSE(Box("Q3YesCheckBox")->isChecked());
    Tick("Q2NoCheckBox");
    EXPECT_FALSE(Box("Q2YesCheckBox")->isChecked());
    EXPECT_FALSE(Box("Q3NoCheckBox")->isChecked());
    EXPECT_FALSE(Box("Q3NoCheckBox")->isEnabled());
    Tick("Q2YesCheckBox");
    EXPECT_TRUE(Box("Q3YesCheckBox")->isEnabled());
    EXPECT_TRUE(Box("Q3NoCheckBox")->isEnabled());
}

TEST_F(ReceiptScreens, EachScreenKeepsItsEventsInItsOwnWorksheet) {
    // Reached from elsewhere with another path's item selected: still a new item of its own.
    Serve(2081);
    State().PathWorksheet = 451;
    State().ContinueItem = true;
    State().SelectedItem = 1;
    Start(2075);
    EXPECT_EQ(State().CurrentWorksheet, CreatedRights);
    EXPECT_FALSE(State().ContinueItem);
    TypeInto("DescEdit", "Easement");
    TypeInto("ProceedsEdit", "700");
    Tick("Q2NoCheckBox");
    Next();
    EXPECT_EQ(Shown(), 2081);
    EXPECT_EQ(WorksheetItemCount(CreatedRights), 1);
    EXPECT_EQ(WorksheetItemCount(451), 0);
}
