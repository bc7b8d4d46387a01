// The calculation summaries at the end of the asset paths, in the interview window: their
// views chosen with the mouse and the keyboard, the blank columns of methods that do not
// apply, the messages, and the payments summary's date check answered by the responder.

#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "asset_path_test_support.h"
#include "gui_test_util.h"
#include "reports/core/txreport.h"
#include "reports/tpreviewform.h"
#include "screens/core/summary_rules.h"
#include "screens/tqcgt_58.h"
#include "screens/tqcgt_58a.h"
#include "screens/tqcgt_59a.h"

namespace {

// Cost element rows: code, date incurred, amount.
TextList Costs(const std::vector<std::tuple<const char*, const char*, const char*>>& rows) {
    TextList lines;
    for (const auto& [code, date, amount] : rows)
        for (const char* cell : {code, date, date, "Cost", amount, "", "", ""})
            lines.push_back(cell);
    return lines;
}

}  // namespace

class CalculationSummaryScreens : public AssetPathTest {
protected:
    // An item of worksheet k with its answers: texts, amounts, its costs and payments.
    static void AddAsset(int k, const std::vector<std::pair<int, std::string>>& texts,
                         const std::vector<std::pair<int, long double>>& amounts,
                         const TextList& costs, const TextList& payments = {}) {
        AddItem(k, "Widget Shares", texts);
        GetWorksheetItem(k, WorksheetItemCount(k));
        for (const auto& [field, value] : amounts) SetFieldVal(field, value);
        SetFieldLst(737, costs);
        if (!payments.empty()) SetFieldLst(738, payments);
        PutWorksheetItem(k, WorksheetItemCount(k));
    }
    // The shares bought on 15/08/1990 for $10,000 and sold on 20/10/2005 for $30,000.
    static void AddSharesSold(const char* bought, const char* sold) {
        AddAsset(451, {{714, "SN"}, {726, bought}, {739, sold}}, {{742, 30000}},
                 Costs({{"1 - Purchase/Acquisition cost", bought, "10000.00"}}));
    }
    long double Amount(const char* name) const { return Control<TTaxEdit>(name)->NumValue(); }
    bool Enabled(const char* name) const { return Control(name)->isEnabled(); }
    void ClickRadio(const char* name) {
        QTest::mouseClick(Control(name), Qt::LeftButton, {}, QPoint(6, 6));
        QCoreApplication::processEvents();
    }
};

TEST_F(CalculationSummaryScreens, SharesShowEveryViewWithTheOtherMethodBlank) {
    AddSharesSold("15/08/1990", "20/10/2005");
    Serve(2017);
    StartOnItem(451, 1, 2016);
    auto* screen = static_cast<TQCGT_58*>(frame->CurrentScreen());
    EXPECT_EQ(Control<QLabel>("DescLabel")->text(), "Widget Shares");
    EXPECT_EQ(screen->CurrentView(), TSummaryScreen::TaxpayerView);
    EXPECT_EQ(Amount("IndGainEdit"), 18050);
    EXPECT_EQ(Amount("CostbaseIndGainEdit"), 11950);
    EXPECT_EQ(Amount("DisGainEdit"), 20000);
    EXPECT_EQ(Amount("ProceedsDisGainEdit"), 30000);
    for (const char* blank : {"ProceedsOthGainEdit", "CostbaseOthGainEdit", "OthGainEdit",
                              "ProceedsLossEdit", "LossEdit"}) {
        EXPECT_FALSE(Enabled(blank)) << blank;
        EXPECT_EQ(Control<TTaxEdit>(blank)->text(), "") << blank;
    }
    EXPECT_TRUE(Control("MsgLabel1")->isHidden());
    EXPECT_EQ(Control<QLabel>("MsgLabel2")->text(),
              "Later in the interview you will be required to choose between the indexed and "
              "discount gain.");
    EXPECT_FALSE(Control("MsgLabel2")->isHidden());
    EXPECT_FALSE(Control("NonAssPaymentsPanel")->isHidden());
    EXPECT_TRUE(Control("CarriedForwardPanel")->isHidden());
    EXPECT_TRUE(Control("EventDataPanel")->isHidden());

    // The register, chosen with the mouse, with the event data panel.
    ClickRadio("CalculationSelectorRadioGroupItem1");
    EXPECT_EQ(screen->CurrentView(), TSummaryScreen::RegisterView);
    EXPECT_FALSE(Control("AssetRegisterXGrid")->isHidden());
    EXPECT_FALSE(Control("EventDataPanel")->isHidden());
    EXPECT_TRUE(Control("TaxPayerViewPanel")->isHidden());
    EXPECT_EQ(Control<TTaxEdit>("BaseDateEdit")->text(), "15/08/1990");
    EXPECT_TRUE(Control<QRadioButton>("AssetActiveStatusRadioGroupItem1")->isChecked());
    EXPECT_TRUE(Control<QRadioButton>("AssetTypeRadioGroupItem0")->isChecked());
    EXPECT_FALSE(Control("AssetTypeRadioGroup")->isEnabled());
    EXPECT_EQ(screen->RegisterGrid()->Cells(4, 1), "1");
    EXPECT_EQ(screen->RegisterGrid()->Cells(3, 2), "Capital proceeds");

    // The worksheet, reached with the arrow key, with its totals and figures.
    Control("CalculationSelectorRadioGroupItem1")->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Right);
    EXPECT_EQ(screen->CurrentView(), TSummaryScreen::WorksheetView);
    EXPECT_FALSE(Control("CGTWorksheetPanel")->isHidden());
    EXPECT_EQ(screen->WorksheetGrid()->Cells(8, 1).trimmed(), "1.195");
    EXPECT_EQ(screen->WorksheetGrid()->ColumnTotal(9), 11950);
    // The totals row adds the cost base columns, never the Amount column, where an opening
    // cost base stands three ways, nor the CPI figures and factors.
    for (int col : {2, 6, 7, 8}) EXPECT_TRUE(screen->WorksheetGrid()->ColumnNoTotal(col)) << col;
    for (int col : {3, 4, 5, 9, 10, 11})
        EXPECT_FALSE(screen->WorksheetGrid()->ColumnNoTotal(col)) << col;
    EXPECT_NEAR(static_cast<double>(Amount("CPIEventQtrEdit")), 123.4, 1e-9);
    EXPECT_EQ(Amount("AdjCostBaseEdit2"), 11950);
}

TEST_F(CalculationSummaryScreens, PrintingPreviewsTheReportAndKeepsTheViewAndFigures) {
    AddSharesSold("15/08/1990", "20/10/2005");
    StartOnItem(451, 1, 2016);
    auto* screen = static_cast<TQCGT_58*>(frame->CurrentScreen());
    EXPECT_TRUE(Control("PrintNonAssBtn")->isEnabled());
    ClickRadio("CalculationSelectorRadioGroupItem2");
    ASSERT_EQ(screen->CurrentView(), TSummaryScreen::WorksheetView);

    int pages = 0;
    QString title;
    WhenModalOpens([&](QWidget* modal) {
        if (auto* preview = qobject_cast<TPreviewForm*>(modal)) {
            pages = preview->Report().PageCount();
            title = preview->windowTitle();
        }
        QTest::mouseClick(static_cast<TPreviewForm*>(modal)->BtnExit, Qt::LeftButton);
    });
    QTest::mouseClick(Control("PrintCGTWshtBtn"), Qt::LeftButton);
    EXPECT_GE(pages, 1) << title.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Back on the same screen, in the same view, with the same figures.
    EXPECT_EQ(frame->CurrentScreen(), screen);
    EXPECT_EQ(screen->CurrentView(), TSummaryScreen::WorksheetView);
    EXPECT_EQ(Amount("IndGainEdit"), 18050);
    EXPECT_EQ(Amount("DisGainEdit"), 20000);
    EXPECT_EQ(screen->WorksheetGrid()->ColumnTotal(9), 11950);
}

TEST_F(CalculationSummaryScreens, OnlySharesAndTrustsPrintAPaymentsWorksheet) {
    for (int k : {454, 456})
        AddAsset(k, {{714, "ON"}, {726, "15/08/1990"}, {739, "20/10/2005"}}, {{742, 3000}},
                 Costs({{"1 - Purchase/Acquisition cost", "15/08/1990", "1000.00"}}));
    StartOnItem(456, 1, 2070);
    EXPECT_FALSE(Control("PrintNonAssBtn")->isEnabled());
    EXPECT_FALSE(Control("PrintNonAssBtn")->isHidden());
    EXPECT_TRUE(Control("PrintCGTWshtBtn")->isEnabled());
    StartOnItem(454, 1, 2040);
    EXPECT_TRUE(Control("PrintNonAssBtn")->isHidden());
    EXPECT_FALSE(Control("PrintAssRegtBtn")->isHidden());
}

TEST_F(CalculationSummaryScreens, ClickedWorksheetColumnsScrollIntoSight) {
    AddSharesSold("15/08/1990", "20/10/2005");
    StartOnItem(451, 1, 2016);
    auto* screen = static_cast<TQCGT_58*>(frame->CurrentScreen());
    screen->SelectView(TSummaryScreen::WorksheetView);
    QScrollBar* bar = screen->WorksheetPanel()->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 250);
    TXGrid* grid = screen->WorksheetGrid();
    ClickCell(grid, 5, 1);
    EXPECT_EQ(bar->value(), 250);
    screen->WorksheetGridClick(11);
    EXPECT_EQ(bar->value(), std::min(675, bar->maximum()));
    screen->WorksheetGridClick(8);
    EXPECT_EQ(bar->value(), std::min(540, bar->maximum()));
    ClickCell(grid, 1, 1);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(CalculationSummaryScreens, NotHeldForTwelveMonthsLeavesOnlyTheOtherMethod) {
    AddSharesSold("01/07/2004", "01/07/2005");
    StartOnItem(451, 1, 2016);
    for (const char* blank : {"IndGainEdit", "CostbaseIndGainEdit", "DisGainEdit"})
        EXPECT_FALSE(Enabled(blank)) << blank;
    EXPECT_TRUE(Enabled("OthGainEdit"));
    EXPECT_EQ(Amount("OthGainEdit"), 20000);
    EXPECT_TRUE(Control("MsgLabel2")->isHidden());
    EXPECT_EQ(GetFieldVal(1138), 20000);
}

TEST_F(CalculationSummaryScreens, TheChosenViewStaysOnlyWhileTheScreenIsNotLeft) {
    AddSharesSold("15/08/1990", "20/10/2005");
    Serve(2017);
    StartOnItem(451, 1, 2016);
    ClickRadio("CalculationSelectorRadioGroupItem2");
    // Shown again in place, as after a preview: the worksheet stays chosen.
    frame->CurrentScreen()->FormShow();
    EXPECT_EQ(static_cast<TQCGT_58*>(frame->CurrentScreen())->CurrentView(),
              TSummaryScreen::WorksheetView);
    Next();
    ASSERT_EQ(Shown(), 2017);
    EXPECT_FALSE(frame->NavigatorVisible());
    Prev();
    ASSERT_EQ(Shown(), 2016);
    EXPECT_EQ(static_cast<TQCGT_58*>(frame->CurrentScreen())->CurrentView(),
              TSummaryScreen::TaxpayerView);
    EXPECT_EQ(ItemText(451, 1, 1132), "18050");
}

TEST_F(CalculationSummaryScreens, PartialDisposalShowsWhatIsCarriedForward) {
    AddAsset(455, {{714, "A "}, {726, "01/01/2001"}, {739, "01/03/2006"}}, {{742, 3000}, {743, 40}},
             Costs({{"1 - Purchase/Acquisition cost", "01/01/2001", "9000.00"},
                    {"2B - Incidentals re specific CGT event", "01/03/2006", "1000.00"}}));
    StartOnItem(455, 1, 2060);
    EXPECT_FALSE(Control("CarriedForwardPanel")->isHidden());
    EXPECT_EQ(Amount("CFDisCostBaseEdit"), 5400);
    EXPECT_EQ(Amount("CostbaseDisGainEdit"), 4600);
    // A loss: the gain columns hold the explicit zero, the other method is blank.
    EXPECT_EQ(Amount("LossEdit"), 1600);
    EXPECT_EQ(Control<TTaxEdit>("DisGainEdit")->text(), "0");
    EXPECT_FALSE(Enabled("OthGainEdit"));
    // Collectables have no payments summary.
    EXPECT_TRUE(Control("NonAssPaymentsPanel")->isHidden());
}

TEST_F(CalculationSummaryScreens, DepreciatingAssetShowsTheTaxableShareOfTheGain) {
    AddAsset(458, {{714, "ON"}, {726, "01/01/2003"}, {739, "01/03/2006"}},
             {{742, 2500}, {715, 2000}, {711, 60}}, {});
    StartOnItem(458, 1, 2050);
    EXPECT_EQ(Amount("ProceedsDisGainEdit"), 2500);
    EXPECT_EQ(Amount("CostDisEdit"), 2000);
    EXPECT_EQ(Amount("UnadjDisEdit"), 500);
    EXPECT_EQ(Amount("UseDisEdit"), 40);
    EXPECT_EQ(Amount("DisGainEdit"), 200);
    // Acquired after indexation ended: the indexed column and its component are blank.
    for (const char* blank : {"IndGainEdit", "CostbaseIndComEdit", "UseIndEdit", "OthGainEdit"})
        EXPECT_FALSE(Enabled(blank)) << blank;
    EXPECT_TRUE(Control<QRadioButton>("DataViewRadioGroupItem0")->isChecked());
    EXPECT_NE(Control("CGTWorsheetXGrid"), nullptr);
    EXPECT_EQ(GetFieldVal(1135), 200);
}

TEST_F(CalculationSummaryScreens, PaymentsSummaryShowsTheExcessAsAGainOfThisYear) {
    AddAsset(451, {{714, "SN"}, {726, "01/07/2000"}, {739, "01/03/2006"}}, {{742, 500}},
             Costs({{"1 - Purchase/Acquisition cost", "01/07/2000", "1000.00"}}),
             {"01/08/2005", "01/08/2005", "Capital return", "1200.00", "", ""});
    Serve(2016);
    StartOnItem(451, 1, 2015);
    EXPECT_EQ(Amount("DisCapGainEdt"), 200);
    EXPECT_EQ(Control<TTaxEdit>("DateCostBaseEdt")->text(), "01/08/2005");
    EXPECT_FALSE(Enabled("IndCapGainEdt"));
    EXPECT_FALSE(Enabled("PYIndCapGainEdt"));
    EXPECT_TRUE(Enabled("OthCapGainEdt"));
    ClickRadio("RadioGroup3Item1");
    EXPECT_FALSE(Control("XGrid1")->isHidden());
    EXPECT_EQ(Control<TTaxEdit>("BaseDateEdit")->text(), "01/07/2000");
    EXPECT_TRUE(Control("TaxPayerViewPanel")->isHidden());
    Next();
    EXPECT_EQ(Shown(), 2016);
    EXPECT_EQ(ItemText(451, 1, 1198), "X");
}

TEST_F(CalculationSummaryScreens, PaymentDatesBeforeCgtStartedAreRefusedOnlyGoingOn) {
    AddAsset(451, {{714, "SN"}, {726, "01/07/2000"}}, {},
             Costs({{"1 - Purchase/Acquisition cost", "01/07/2000", "1000.00"}}),
             {"01/08/1984", "01/08/1984", "Capital return", "100.00", "", ""});
    Serve(2014);
    Serve(2016);
    StartOnItem(451, 1, 2014);
    Next();
    ASSERT_EQ(Shown(), 2015);
    auto* screen = static_cast<TQCGT_59a*>(frame->CurrentScreen());
    Next();
    EXPECT_EQ(Shown(), 2015);
    std::string shown = PaymentDateMessage;
    for (size_t at; (at = shown.find("\r\n")) != std::string::npos;) shown.erase(at, 1);
    EXPECT_EQ(responder->LastText(), shown);
    EXPECT_EQ(screen->CurrentView(), TPaymentSummaryScreen::WorksheetView);
    EXPECT_EQ(screen->Grid()->Col(), 0);
    EXPECT_EQ(screen->Grid()->Cells(0, screen->Grid()->Row()), "01/08/1984");
    responder->Clear();
    Prev();
    EXPECT_EQ(Shown(), 2014);
    EXPECT_EQ(responder->Texts(), std::vector<std::string>{});
    EXPECT_EQ(beeps->Count(), 0);
}

TEST_F(CalculationSummaryScreens, TrustPaymentsOfOneEventDateMakeOneRow) {
    AddAsset(452, {{714, "UN"}, {726, "01/07/2000"}}, {},
             Costs({{"1 - Purchase/Acquisition cost", "01/07/2000", "1000.00"}}),
             {"30/06/2005", "30/06/2005", "Deferred", "100", "", "", "", "100", "30/06/2005",
              "30/06/2005", "Deferred", "50", "", "", "", "50"});
    StartOnItem(452, 1, 2028);
    EXPECT_EQ(Amount("DisCostBaseEdt"), 850);
    EXPECT_EQ(Amount("RedCostBaseEdt"), 850);
}
