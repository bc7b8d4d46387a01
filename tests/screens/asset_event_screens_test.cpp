// The payments, event and deferral screens: their rules and leave checks with the exact
// messages and focus, and the deferral screen's step past the payments summary.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "asset_path_test_support.h"
#include "calc/item_notices.h"
#include "screens/core/asset_tables.h"
#include "screens/core/event_checks.h"
#include "screens/tqcgt_18.h"
#include "screens/tqcgt_18b.h"

using AssetEventScreens = AssetPathTest;

TEST_F(AssetEventScreens, SharePaymentsCarryTheirEventAndType) {
    AddItem(451, "Parcel", {{714, "SA"}, {726, "01/01/2001"}, {729, "01/07/2004"}});
    StartOnItem(451, 1, 2012);
    EXPECT_EQ(Control<QLineEdit>("EventEdit")->text(), "G1 - Capital payment for shares");
    EXPECT_EQ(Control<QComboBox>("TypeTextComboBox")->currentText(),
              "ON - Non-active asset - Other asset CGT event");
    auto* grid = static_cast<TQCGT_18*>(frame->CurrentScreen())->Grid();
    grid->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    // A payment on the cost base's effective date is refused.
    QTest::keyClicks(Focused(), "01/07/2004");
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 2);
    QTest::keyClicks(Focused(), "Return of capital");
    Key(Qt::Key_Tab);
    QTest::keyClicks(Focused(), "250");
    Next();
    EXPECT_EQ(responder->LastText(),
              "Check dates. A non-assessable receipt cannot be received before the cost base "
              "effective date.");
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->Row(), 1);
    grid->SetCells(0, 1, "02/07/2004");
    Next();
    ASSERT_EQ(Shown(), 2013);
    EXPECT_EQ(ItemText(451, 1, 748), "G1");
    EXPECT_EQ(ItemText(451, 1, 1150), "ON");
}

TEST_F(AssetEventScreens, TrustPaymentClickDerivesTheEventDateAndBlanksWhatDoesNotApply) {
    AddItem(452, "Units", {{714, "UN"}, {726, "01/01/1985"}});
    StartOnItem(452, 1, 2025);
    auto* grid = static_cast<TQCGT_18b*>(frame->CurrentScreen())->Grid();
    grid->SetCells(0, 1, "15/08/2003");
    grid->SetCells(4, 1, "10.00");
    grid->SetCells(0, 2, "01/01/1999");
    grid->SetCells(4, 2, "20.00");
    ClickCell(grid, 4, 1);
    EXPECT_EQ(grid->Cells(1, 1), "30/06/2004");
    EXPECT_EQ(grid->Cells(4, 1), "");
    EXPECT_EQ(responder->LastText(), AsShown(AfterJune2001Message));
    ClickCell(grid, 2, 2);
    EXPECT_EQ(grid->Cells(1, 2), "30/06/1999");
    EXPECT_EQ(grid->Cells(4, 2), "");
    EXPECT_EQ(Control<TTextLbl>("YBLbl")->currentSection(), 3);
    // Every payment wants its description.
    Next();
    EXPECT_EQ(responder->LastText(),
              "If either dates and amount are present then all must be completed.");
    grid->SetCells(2, 1, "Tax deferred");
    grid->SetCells(2, 2, "Tax deferred");
    Next();
    ASSERT_EQ(Shown(), 2026);
    EXPECT_EQ(ItemText(452, 1, 748), "E4");
    EXPECT_EQ(ItemText(452, 1, 1150), "ON");
}

TEST_F(AssetEventScreens, ProceedsTypedAsZeroPassBlankIsRefused) {
    AddItem(454, "Lot 7", {{714, "RN"}, {726, "01/01/2001"}});
    StartOnItem(454, 1, 2038);
    EXPECT_EQ(Control<QComboBox>("TypeTextComboBox")->currentText(),
              "RN - Non-active asset - Real estate");
    EXPECT_FALSE(Control("TypeTextComboBox")->isEnabled());
    TypeInto("DateofCGTEventEdit", "01/03/2006");
    Next();
    EXPECT_EQ(responder->LastText(), AsShown(ProceedsMissingMessage));
    EXPECT_EQ(Focused(), Control("CapitalProceedsEdit"));
    QTest::keyClicks(Focused(), "0");
    Next();
    ASSERT_EQ(Shown(), 2039);
    EXPECT_EQ(ItemText(454, 1, 739), "01/03/2006");
    EXPECT_EQ(ItemText(454, 1, 742), "0");
}

TEST_F(AssetEventScreens, EventBeforeAnExpenseIsRefused) {
    AddItem(456, "Licence", {{714, "ON"}, {726, "01/01/2001"}});
    GetWorksheetItem(456, 1);
    SetFieldLst(737, {"2A - Incidentals", "01/06/2005", "", "Fee", "50.00", "", "", ""});
    PutWorksheetItem(456, 1);
    StartOnItem(456, 1, 2068);
    TypeInto("DateofCGTEventEdit", "01/05/2005");
    TypeInto("CapitalProceedsEdit", "900");
    Next();
    EXPECT_EQ(responder->LastText(),
              "The date asset disposed of cannot be earlier than date an expense was incurred.");
    EXPECT_EQ(Focused(), Control("DateofCGTEventEdit"));
}

TEST_F(AssetEventScreens, EventOnTheCutOffDayAsksTheLegalTime) {
    AddItem(454, "Lot 7", {{714, "RN"}, {726, "01/01/1990"}});
    StartOnItem(454, 1, 2038);
    EXPECT_TRUE(Control("PreLegalYesCheckBox")->isHidden());
    TypeInto("DateofCGTEventEdit", "21/09/1999");
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_FALSE(Control("PreLegalYesCheckBox")->isHidden());
    TypeInto("CapitalProceedsEdit", "1000");
    Next();
    EXPECT_EQ(responder->LastText(),
              "If CGT event date was 21/09/1999, you must answer Yes or No.");
    EXPECT_EQ(Focused(), Control("PreLegalYesCheckBox"));
    QTest::mouseClick(Control("PreLegalYesCheckBox"), Qt::LeftButton);
    Next();
    EXPECT_EQ(Shown(), 2039);
    EXPECT_EQ(ItemText(454, 1, 740), "X");
}

TEST_F(AssetEventScreens, LowValuePoolAsksOnlyThePercentage) {
    AddItem(458, "Laptop", {{714, "ON"}, {726, "01/01/2004"}});
    StartOnItem(458, 1, 2046);
    EXPECT_TRUE(Control<QRadioButton>("rbLVPNo")->isChecked());
    EXPECT_FALSE(Control("SumofRednEdt")->isHidden());
    QTest::mouseClick(Control("rbLVPYes"), Qt::LeftButton);
    EXPECT_TRUE(Control("SumofRednEdt")->isHidden());
    EXPECT_EQ(Control<TTextLbl>("LVPFractionLbl")->currentSection(), 2);
    TypeInto("AssetCost", "2000");
    TypeInto("CapitalProceedsEdit", "300");
    TypeInto("DateofCGTEventEdit", "01/03/2006");
    Next();
    EXPECT_EQ(responder->LastText(),
              "You must fill in \"Taxable use percentage\" before moving on.");
    EXPECT_EQ(Focused(), Control("LVPFractionEdt"));
    QTest::keyClicks(Focused(), "60");
    Next();
    ASSERT_EQ(Shown(), 2047);
    EXPECT_EQ(ItemText(458, 1, 1197), "X");
    EXPECT_EQ(ItemText(458, 1, 715), "2000");
}

TEST_F(AssetEventScreens, DeclineSmallerThanTheReductionsIsRefused) {
    AddItem(458, "Laptop", {{714, "ON"}, {726, "01/01/2004"}});
    StartOnItem(458, 1, 2046);
    TypeInto("AssetCost", "2000");
    TypeInto("CapitalProceedsEdit", "300");
    TypeInto("DateofCGTEventEdit", "01/03/2006");
    TypeInto("SumofRednEdt", "500");
    TypeInto("TotDeclEdt", "400");
    Next();
    EXPECT_EQ(responder->LastText(),
              "Total decline amount must be greater than or equal to the sum of reductions "
              "amount.");
    EXPECT_EQ(Focused(), Control("TotDeclEdt"));
    Retype("SumofRednEdt", "400");
    Next();
    EXPECT_EQ(Shown(), 2047);
}

TEST_F(AssetEventScreens, DeferralStepsPastThePaymentsSummaryWithoutPayments) {
    AddItem(451, "Parcel", {{714, "SN"}, {726, "01/01/2001"}, {739, "01/03/2006"}});
    Serve(2015);
    Serve(2016);
    StartOnItem(451, 1, 2014);
    EXPECT_FALSE(Control("Q1CheckBox")->isEnabled());
    EXPECT_FALSE(Control("Q3YesCheckBox")->isEnabled());
    Next();
    EXPECT_EQ(responder->LastText(),
              "You must advise if the gain or loss for this event can be deferred");
    EXPECT_EQ(Focused(), Control("Q2YesCheckBox"));
    QTest::mouseClick(Control("Q2YesCheckBox"), Qt::LeftButton);
    EXPECT_TRUE(Control("Q3YesCheckBox")->isEnabled());
    Next();
    EXPECT_EQ(responder->LastText(), "You must select either 'Yes' or 'No'.");
    EXPECT_EQ(Focused(), Control("Q3YesCheckBox"));
    // A marriage breakdown roll-over is not scrip for scrip.
    QTest::mouseClick(Control("Q3YesCheckBox"), Qt::LeftButton);
    EXPECT_TRUE(Control<QCheckBox>("ScripforScripNoCheckBox")->isChecked());
    QTest::mouseClick(Control("ScripforScripYesCheckBox"), Qt::LeftButton);
    EXPECT_TRUE(Control<QCheckBox>("Q3NoCheckBox")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("Q3YesCheckBox")->isChecked());
    Next();
    EXPECT_EQ(Shown(), 2016);
    EXPECT_EQ(ItemText(451, 1, 720), "X");
    EXPECT_EQ(ItemText(451, 1, 724), "X");

    GetWorksheetItem(451, 1);
    SetFieldLst(738, {"02/07/2004", "", "Return", "250.00", "", ""});
    PutWorksheetItem(451, 1);
    StartOnItem(451, 1, 2014);
    Next();
    EXPECT_EQ(Shown(), 2015);
}

TEST_F(AssetEventScreens, PersonalUseDeferralHidesTheExemption) {
    AddItem(455, "Painting", {{714, "A "}, {726, "01/01/2001"}});
    Serve(2060);
    StartOnItem(455, 1, 2059);
    EXPECT_TRUE(Control("Q1CheckBox")->isHidden());
    EXPECT_EQ(Control<TTextLbl>("TextLbl3")->currentSection(), 2);
    QTest::mouseClick(Control("Q2NoCheckBox"), Qt::LeftButton);
    Next();
    EXPECT_EQ(Shown(), 2060);
    EXPECT_EQ(ItemText(455, 1, 721), "X");
}

TEST_F(AssetEventScreens, ScreenReaderUsersReadTheTypeInATextBoxAsSoonAsTheScreenShows) {
    State().VisionImpairedMode = true;
    AddItem(451, "Parcel", {{714, "SN"}, {726, "01/01/2001"}});
    StartOnItem(451, 1, 2013);
    auto* box = Control<QLineEdit>("TypeTextBox");
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_FALSE(box->text().isEmpty());
    EXPECT_EQ(box->text(), Control<QComboBox>("TypeTextComboBox")->currentText());
}

// An event dated outside the income year is kept only when the taxpayer says so; dates on
// the year's first and last days ask nothing.
TEST_F(AssetEventScreens, AnEventOutsideTheIncomeYearIsConfirmedOrTheDateIsRetyped) {
    AddItem(451, "Parcel", {{714, "SN"}, {726, "01/01/2001"}});
    Serve(2014);
    StartOnItem(451, 1, 2013);
    TypeInto("DateofCGTEventEdit", "30/06/2005");
    TypeInto("CapitalProceedsEdit", "9000");
    responder->Answer(mrNo);
    Next();
    EXPECT_EQ(Shown(), 2013);
    EXPECT_EQ(responder->LastText(), AsShown(EventOutsideYearQuestion()));
    EXPECT_NE(responder->LastText().find("1 July 2005 to 30 June 2006"), std::string::npos);
    EXPECT_EQ(Focused(), Control("DateofCGTEventEdit"));
    for (const char* date : {"01/07/2005", "30/06/2006"}) {
        Retype("DateofCGTEventEdit", date);
        responder->Clear();
        Next();
        EXPECT_EQ(responder->Count(), 0u) << date;
        ASSERT_EQ(Shown(), 2014) << date;
        StartOnItem(451, 1, 2013);
    }
    Retype("DateofCGTEventEdit", "01/07/2006");
    responder->Answer(mrYes);
    Next();
    EXPECT_EQ(responder->LastText(), AsShown(EventOutsideYearQuestion()));
    EXPECT_EQ(Shown(), 2014);
    EXPECT_EQ(ItemText(451, 1, 739), "01/07/2006");
}

TEST_F(AssetEventScreens, TheDepreciatingAssetEventAsksTheSameQuestion) {
    AddItem(458, "Laptop", {{714, "ON"}, {726, "01/01/2004"}});
    StartOnItem(458, 1, 2046);
    TypeInto("AssetCost", "2000");
    TypeInto("CapitalProceedsEdit", "300");
    TypeInto("DateofCGTEventEdit", "30/06/2005");
    QTest::mouseClick(Control("rbLVPYes"), Qt::LeftButton);
    TypeInto("LVPFractionEdt", "60");
    responder->Answer(mrNo);
    Next();
    EXPECT_EQ(Shown(), 2046);
    EXPECT_EQ(responder->LastText(), AsShown(EventOutsideYearQuestion()));
    EXPECT_EQ(Focused(), Control("DateofCGTEventEdit"));
    responder->Answer(mrYes);
    Next();
    EXPECT_EQ(Shown(), 2047);
    EXPECT_EQ(ItemText(458, 1, 739), "30/06/2005");
}

// Proceeds, the depreciating asset's cost, termination value, reductions and decline, and
// the section 2 cost bases take no minus; cents, zero and large amounts are as elsewhere.
TEST_F(AssetEventScreens, AmountsThatCannotBeNegativeRefuseAMinus) {
    AddItem(458, "Laptop", {{714, "ON"}, {726, "01/01/2004"}});
    StartOnItem(458, 1, 2046);
    for (const char* name : {"AssetCost", "CapitalProceedsEdit", "SumofRednEdt", "TotDeclEdt"}) {
        beeps->Reset();
        TypeInto(name, "-5000");
        EXPECT_EQ(Control<QLineEdit>(name)->text(), "5000") << name;
        EXPECT_EQ(beeps->Count(), 1) << name;
    }
    AddItem(451, "Parcel", {{714, "SN"}, {726, "01/01/2001"}});
    StartOnItem(451, 2, 2013);
    beeps->Reset();
    TypeInto("CapitalProceedsEdit", "-1234.56");
    EXPECT_EQ(Control<QLineEdit>("CapitalProceedsEdit")->text(), "1234");
    EXPECT_EQ(beeps->Count(), 4);
    TypeInto("DateofCGTEventEdit", "01/03/2006");
    Serve(2014);
    Next();
    ASSERT_EQ(Shown(), 2014);
    EXPECT_EQ(ItemText(451, 2, 742), "1234");
}

// A minus written into the return by another program shows, and the field cannot be left
// with it.
TEST_F(AssetEventScreens, AStoredNegativeProceedsMustBeRetypedToLeaveTheField) {
    AddItem(451, "Parcel", {{714, "SN"}, {726, "01/01/2001"}, {739, "01/03/2006"}});
    GetWorksheetItem(451, 1);
    SetFieldVal(742, -5000);
    PutWorksheetItem(451, 1);
    StartOnItem(451, 1, 2013);
    TypeInto("CapitalProceedsEdit", "");
    Key(Qt::Key_Tab);
    EXPECT_EQ(responder->LastText(), "Result contains invalid characters");
    EXPECT_EQ(Focused(), Control("CapitalProceedsEdit"));
    Key(Qt::Key_Home);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Tab);
    Serve(2014);
    Next();
    EXPECT_EQ(Shown(), 2014);
    EXPECT_EQ(ItemText(451, 1, 742), "5000");
}
