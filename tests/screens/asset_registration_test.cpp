// Registration and the path's item: typed with real keys in the interview window, stored
// when the screen is left, reopened along the path, new after the closing question's Yes.

#include "asset_path_test_support.h"
#include "screens/core/asset_tables.h"

using AssetRegistration = AssetPathTest;

TEST_F(AssetRegistration, NothingEnteredSkipsToTheClosingQuestionAndStoresNothing) {
    for (const auto& [k, registration, closing] : std::vector<std::tuple<int, int, int>>{
             {451, 2009, 2017}, {454, 2035, 2041}, {458, 2045, 2051}}) {
        SCOPED_TRACE(k);
        State().PathWorksheet = k;
        State().ContinueItem = false;
        Start(registration);
        EXPECT_TRUE(frame->WorksheetPanelVisible());
        Next();
        EXPECT_EQ(Shown(), closing);
        EXPECT_EQ(WorksheetItemCount(k), 0);
        EXPECT_EQ(responder->Count(), 0u);
    }
}

TEST_F(AssetRegistration, TypedAssetIsStoredAndShownAgainOnPrev) {
    State().PathWorksheet = 451;
    Start(2009);
    TypeInto("DescEdit", "bhp billiton");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    // Leaving the description chose the worksheet's default type.
    EXPECT_EQ(Control<QComboBox>("TypeTextComboBox")->currentText(),
              "SN - Non-active asset - Shares");
    EXPECT_EQ(Focused(), Control("TypeTextComboBox"));
    QTest::keyClicks(Focused(), "SA");
    EXPECT_EQ(Control<QComboBox>("TypeTextComboBox")->currentText(), "SA - Active asset - Shares");
    TypeInto("DateofAcqEdit", "15/03/2001");
    Next();
    ASSERT_EQ(Shown(), 2010);
    EXPECT_EQ(WorksheetItemCount(451), 1);
    EXPECT_EQ(ItemText(451, 1, 710), "Bhp Billiton");
    EXPECT_EQ(ItemText(451, 1, 714), "SA");
    EXPECT_EQ(ItemText(451, 1, 726), "15/03/2001");
    EXPECT_EQ(Control<QLabel>("AssetNameLbl")->text(), "Registered asset name: Bhp Billiton");
    EXPECT_FALSE(frame->WorksheetPanelVisible());

    Prev();
    ASSERT_EQ(Shown(), 2009);
    EXPECT_EQ(Control<TTaxEdit>("DescEdit")->text(), "Bhp Billiton");
    EXPECT_EQ(WorksheetItemCount(451), 1);
}

TEST_F(AssetRegistration, PersonalUseItemGetsNoDefaultType) {
    State().PathWorksheet = 455;
    Start(2055);
    TypeInto("DescEdit", "painting");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_EQ(Control<QComboBox>("TypeTextComboBox")->currentIndex(), -1);
    Next();
    EXPECT_EQ(Shown(), 2055);
    EXPECT_EQ(responder->LastText(),
              "You must select the Asset/Event type from the drop down box.");
    EXPECT_EQ(Focused(), Control("TypeTextComboBox"));
}

TEST_F(AssetRegistration, DateWithoutDescriptionKeepsTheScreenAsItIs) {
    State().PathWorksheet = 451;
    Start(2009);
    TypeInto("DateofAcqEdit", "01/01/2000");
    Next();
    EXPECT_EQ(Shown(), 2009);
    EXPECT_EQ(responder->LastText(),
              "You must select a curent worksheet or enter a description for this asset/event.");
    EXPECT_EQ(Focused(), Control("DescEdit"));
    // Nothing was filed under a made-up name and the date is still there.
    EXPECT_EQ(WorksheetItemCount(451), 0);
    EXPECT_EQ(Control<TTaxEdit>("DateofAcqEdit")->text(), "01/01/2000");
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2009}));
}

TEST_F(AssetRegistration, TheCgtStartDateIsTheEarliestAccepted) {
    Start(2033);
    Click(frame->BtnYes);
    Settle();
    ASSERT_EQ(Shown(), 2035);
    TypeInto("DescEdit", "Lot 7");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    TypeInto("DateofAcqEdit", "19/09/1985");
    Next();
    EXPECT_EQ(Shown(), 2035);
    EXPECT_EQ(responder->LastText(), AsShown(PreCgtDateMessage));
    EXPECT_EQ(Focused(), Control("DateofAcqEdit"));
    // The registration check also runs when going back.
    Prev();
    EXPECT_EQ(Shown(), 2035);
    EXPECT_EQ(responder->Count(), 2u);
    Retype("DateofAcqEdit", "20/09/1985");
    Next();
    EXPECT_EQ(Shown(), 2036);
}

TEST_F(AssetRegistration, YesOnTheClosingQuestionStartsANewItemAndThePickListReopensTheFirst) {
    AddItem(452, "Alpha Units", {{714, "UN"}, {726, "01/01/2001"}});
    State().PathWorksheet = 452;
    State().ContinueItem = false;
    Start(2030);
    Click(frame->BtnYes);
    Settle();
    ASSERT_EQ(Shown(), 2022);
    EXPECT_EQ(Control<TTaxEdit>("DescEdit")->text(), "");
    EXPECT_EQ(frame->lstPickList->currentItem()->text(), CreateNewWorksheetEntry);
    TypeInto("DescEdit", "beta units");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    TypeInto("DateofAcqEdit", "01/02/2002");
    // Picking the first asset stores the second and shows the first.
    QTest::mouseClick(frame->lstPickList->viewport(), Qt::LeftButton, {},
                      frame->lstPickList->visualItemRect(frame->lstPickList->item(0)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(WorksheetItemCount(452), 2);
    EXPECT_EQ(Control<TTaxEdit>("DescEdit")->text(), "Alpha Units");
    Next();
    ASSERT_EQ(Shown(), 2023);
    EXPECT_EQ(Control<QLabel>("AssetNameLbl")->text(), "Registered asset name: Alpha Units");
    Next();
    ASSERT_EQ(Shown(), 2024);
    EXPECT_EQ(Control<QLabel>("AssetNameLbl")->text(), "Registered asset name: Alpha Units");
    EXPECT_EQ(ItemText(452, 2, 710), "Beta Units");
}

TEST_F(AssetRegistration, ScreensWithoutEntriesKeepTheItem) {
    AddItem(456, "Licence", {{714, "ON"}, {726, "01/01/2001"}});
    StartOnItem(456, 1, 2066);
    // Nothing typed on the cost base and cost element screens: the item stays.
    Next();
    ASSERT_EQ(Shown(), 2067);
    Next();
    ASSERT_EQ(Shown(), 2068);
    EXPECT_EQ(WorksheetItemCount(456), 1);
    EXPECT_EQ(ItemText(456, 1, 710), "Licence");
    EXPECT_EQ(frame->CurrentScreen()->findChild<TTaxEdit*>("KeepItemEdit")->text(),
              "DO NOT DELETE");
}
