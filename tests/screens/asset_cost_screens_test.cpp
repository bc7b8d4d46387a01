// The cost base and cost elements screens: their enabling rules and leave checks with the
// exact messages and where the focus lands, typed with real keys.

#include <QCheckBox>

#include "asset_path_test_support.h"
#include "platform/help_requests.h"
#include "platform/thelpviewer.h"
#include "screens/tqcgt_12.h"

using AssetCostScreens = AssetPathTest;

TEST_F(AssetCostScreens, RollOverOnTheCutOffDayAsksTheLegalTime) {
    AddItem(454, "Lot 7", {{714, "RN"}, {726, "01/01/2003"}});
    StartOnItem(454, 1, 2036);
    auto* indexed = Control<TTaxEdit>("AssetIndCostBaseEdit");
    EXPECT_FALSE(indexed->isEnabled());
    EXPECT_FALSE(Control("DeceasedCheckBoxYes")->isEnabled());
    // Not inherited unless the taxpayer says so.
    EXPECT_EQ(GetFieldInt(731), 2);
    TypeInto("DateofRolloverEdit", "21/09/1999");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Control("PreLegalYesCheckBox")->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>("DeceasedCheckBoxNo")->isEnabled());
    EXPECT_EQ(Focused(), Control("DeceasedCheckBoxYes"));
    TypeInto("AssetDisCostBaseEdit", "50000");
    TypeInto("AssetRedCostBaseEdit", "50000");
    TypeInto("EffectiveDateEdit", "01/01/2003");
    Next();
    EXPECT_EQ(Shown(), 2036);
    EXPECT_EQ(responder->LastText(),
              "If acquisition date was 21/09/1999, you must answer Yes or No.");
    EXPECT_EQ(Focused(), Control("PreLegalYesCheckBox"));
    // Before 11.45am the asset may be indexed.
    QTest::mouseClick(Control("PreLegalNoCheckBox"), Qt::LeftButton);
    EXPECT_TRUE(indexed->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>("PreLegalYesCheckBox")->isChecked());
    QTest::mouseClick(Control("DeceasedCheckBoxNo"), Qt::LeftButton);
    Next();
    EXPECT_EQ(Shown(), 2037);
    EXPECT_EQ(ItemText(454, 1, 733), "X");
}

TEST_F(AssetCostScreens, IndexedAmountAfterTheCutOffIsRefused) {
    AddItem(451, "Parcel", {{714, "SN"}});
    StartOnItem(451, 1, 2010);
    EXPECT_FALSE(Control("AssetIndCostBaseEdit")->isEnabled());
    TypeInto("DateofRolloverEdit", "20/09/1999");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_TRUE(Control("AssetIndCostBaseEdit")->isEnabled());
    // A later date does not disable the indexed cost base again, but refuses an amount in it.
    Retype("DateofRolloverEdit", "22/09/1999");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_FALSE(Control("PreLegalYesCheckBox")->isEnabled());
    EXPECT_TRUE(Control("AssetIndCostBaseEdit")->isEnabled());
    QTest::mouseClick(Control("DeceasedCheckBoxYes"), Qt::LeftButton);
    EXPECT_EQ(GetFieldInt(731), 1);
    TypeInto("AssetIndCostBaseEdit", "1000");
    TypeInto("AssetRedCostBaseEdit", "900");
    TypeInto("EffectiveDateEdit", "01/01/2000");
    Next();
    EXPECT_EQ(responder->LastText(),
              "Cannot have a Indexed cost base if the date original asset acquired was after "
              "21/09/1999.");
    EXPECT_EQ(Focused(), Control("AssetIndCostBaseEdit"));
    EXPECT_EQ(Shown(), 2010);
}

TEST_F(AssetCostScreens, TypedZeroBesideAnIndexedAmountIsRefused) {
    AddItem(451, "Parcel", {{714, "SN"}, {726, "01/01/1998"}});
    StartOnItem(451, 1, 2009);
    Next();
    ASSERT_EQ(Shown(), 2010);
    TypeInto("AssetIndCostBaseEdit", "1000");
    TypeInto("AssetDisCostBaseEdit", "0");
    TypeInto("EffectiveDateEdit", "01/01/1998");
    Next();
    EXPECT_EQ(responder->LastText(),
              "You cannot enter a value of zero. If you do not wish to use the discount method "
              "then leave blank.");
    EXPECT_EQ(Focused(), Control("AssetDisCostBaseEdit"));
    // Going back skips the checks.
    Prev();
    EXPECT_EQ(Shown(), 2009);
}

TEST_F(AssetCostScreens, CostElementRowsAreTypedPickedAndChecked) {
    AddItem(458, "Laptop", {{714, "P "}, {726, "01/01/2004"}});
    StartOnItem(458, 1, 2048);
    auto* grid = static_cast<TQCGT_12*>(frame->CurrentScreen())->Grid();
    EXPECT_EQ(Control<TTextLbl>("YBLbl")->currentSection(), 1);
    grid->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    ASSERT_TRUE(grid->isAncestorOf(Focused()));
    PickFromList("6C");
    EXPECT_EQ(grid->Cells(0, 1), "6C - Adjustments to the cost base");
    // Taking the entry moves on to the date column.
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(Control<TTextLbl>("YBLbl")->currentSection(), 9);
    QTest::keyClicks(Focused(), "01/02/2004");
    Key(Qt::Key_Tab);
    // The hidden date paid column is passed over.
    EXPECT_EQ(grid->Col(), 3);
    QTest::keyClicks(Focused(), "Write-down");
    Key(Qt::Key_Tab);
    QTest::keyClicks(Focused(), "100");
    Next();
    EXPECT_EQ(Shown(), 2048);
    EXPECT_EQ(responder->LastText(),
              "If cost element 6C or 6R is present, amount must be entered as a negative.");
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(grid->isAncestorOf(Focused()) || Focused() == grid);
    // The refused row is still there to be corrected.
    EXPECT_EQ(grid->Cells(4, 1), "100.00");
}

TEST_F(AssetCostScreens, EffectiveDateAllowsOnlyInstalmentsAsElementOne) {
    AddItem(451, "Parcel", {{714, "SN"}, {726, "01/01/2001"}, {729, "01/06/2001"}});
    StartOnItem(451, 1, 2011);
    auto* grid = static_cast<TQCGT_12*>(frame->CurrentScreen())->Grid();
    grid->SetCells(0, 1, "1 - Purchase/Acquisition cost");
    grid->SetCells(1, 1, "01/07/2001");
    grid->SetCells(4, 1, "500.00");
    Next();
    EXPECT_EQ(responder->LastText(),
              "If you completed Section 2, Cost element 1 can only be entered if purchased by "
              "instalments.");
    EXPECT_EQ(grid->Col(), 0);
    grid->SetCells(0, 1, "1D - Instalment payment");
    Next();
    EXPECT_EQ(Shown(), 2012);
}

// Element names are cut to the column's 40 characters, as a pick from the list stores them.
TEST_F(AssetCostScreens, NextSortsTheCostsByDateIncurred) {
    AddItem(454, "Lot 7", {{714, "RN"}, {726, "01/01/2001"}});
    StartOnItem(454, 1, 2037);
    auto* grid = static_cast<TQCGT_12*>(frame->CurrentScreen())->Grid();
    grid->SetCells(0, 1, "5 - Capital expenditure - maintain owner");
    grid->SetCells(1, 1, "01/07/2004");
    grid->SetCells(4, 1, "80.00");
    grid->SetCells(0, 2, "1 - Purchase/Acquisition cost");
    grid->SetCells(1, 2, "01/01/2001");
    grid->SetCells(4, 2, "9000.00");
    // Same day: the element decides.
    grid->SetCells(0, 3, "2B - Incidentals re specific CGT event");
    grid->SetCells(1, 3, "01/07/2004");
    grid->SetCells(4, 3, "150.00");
    Next();
    ASSERT_EQ(Shown(), 2038) << responder->LastText();
    const std::string stored = ItemText(454, 1, 737);
    const size_t purchase = stored.find("1 - Purchase"), fees = stored.find("2B - Inc"),
                 works = stored.find("5 - Capital");
    EXPECT_LT(purchase, fees) << stored;
    EXPECT_LT(fees, works) << stored;
}

// A name longer than the column holds is refused when the table is left, never cut silently.
TEST_F(AssetCostScreens, AnElementNameLongerThanTheColumnIsRefused) {
    AddItem(454, "Lot 7", {{714, "RN"}, {726, "01/01/2001"}});
    StartOnItem(454, 1, 2037);
    auto* grid = static_cast<TQCGT_12*>(frame->CurrentScreen())->Grid();
    grid->SetCells(0, 1, "5 - Capital expenditure - maintain ownership");
    Next();
    EXPECT_EQ(Shown(), 2037);
    EXPECT_EQ(responder->LastText(), "Entry must match one of the picklist entries");
}

TEST_F(AssetCostScreens, F1InTheTableOpensTheRowsCostElementTopic) {
    AddItem(451, "Parcel", {{714, "SN"}, {726, "01/01/2001"}});
    StartOnItem(451, 1, 2011);
    auto* grid = static_cast<TQCGT_12*>(frame->CurrentScreen())->Grid();
    grid->SetCells(0, 1, "1D - Instalment payment");
    grid->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    ASSERT_TRUE(grid->isAncestorOf(Focused()));
    Key(Qt::Key_F1);
    THelpViewer* viewer = State().HelpViewer;
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->CurrentPage().context, 378);
    EXPECT_EQ(viewer->CurrentTitle(), "Cost element 1D: instalment payments");
    // Outside the table F1 opens the screen's own topic.
    frame->BtnNext->setFocus(Qt::TabFocusReason);
    QTest::keyClick(frame->BtnNext, Qt::Key_F1);
    EXPECT_EQ(viewer->CurrentPage().context, 20);
    CloseHelpViewer();
}
