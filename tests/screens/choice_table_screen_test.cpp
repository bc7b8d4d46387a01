// The choice table screen driven with real clicks: built from a return with a shares
// disposal that needs a method, a collectable loss, a trust distribution and prior-year
// losses; the module's choices answered Yes; Next saves the choices, the schedule and the
// return labels, and after the concession and roll-over summaries the command-line tool
// arrives at the same fields.

#include "../interview/interview_fixture.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/asset_summary.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_columns.h"
#include "calc/worksheet_columns.h"
#include "calc_tool_support.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "module/build_text_variables.h"
#include "orvana_tax_tool.h"
#include "store/data_file.h"
#include "store/worksheet_items.h"
#include "temp_dir.h"

namespace {

constexpr const char* Tfn = "123 456 782";

void AddTrust(const std::string& name, std::initializer_list<std::pair<int, std::string>> cells) {
    TextList list;
    if (const TextList* held = GetFieldLst(fTrustTable)) list = *held;
    const size_t base = list.size();
    list.resize(base + TrustTableColumns);
    list[base] = name;
    for (const auto& [col, text] : cells) list[base + static_cast<size_t>(col)] = text;
    SetFieldLst(fTrustTable, std::move(list));
}

}  // namespace

class ChoiceTableScreen : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        BuildTextVariables();
        State().IdentifierText = Tfn;
        SetFieldStr(1, Tfn);
    }

    TXGrid* Grid() const { return frame->CurrentScreen()->findChild<TXGrid*>("XGrid1"); }
    QPushButton* Button(const char* name) const {
        return frame->CurrentScreen()->findChild<QPushButton*>(name);
    }
    int RowOf(const std::string& description) const {
        for (int row = 1; row < Grid()->Model().RowCount(); ++row)
            if (Grid()->Model().Cell(ccDescription, row) == description) return row;
        return -1;
    }

    // The return of the walk, a dozen rows: shares that need a method, a collectable sold at
    // a loss, trust distributions and losses of earlier years.
    void MakeReturn() {
        AddSoldAsset(451, "BHP", "SN", "15/08/1990", "10000", 25000);
        AddSoldAsset(451, "Telstra", "SN", "15/08/2001", "5000", 4000);
        AddSoldAsset(451, "Woolworths", "SA", "15/08/1995", "3000", 9000);
        AddSoldAsset(455, "Coin", "A ", "15/08/2001", "2000", 1000);
        AddTrust("Fund", {{2, "500"}});
        AddTrust("Growth Fund",
                 {{1, "40"}, {2, "60"}, {3, "25"}, {4, "30"}, {5, "20"}, {7, "15"}, {8, "10"}});
        SetFieldVal(fPriorOtherLosses, 3000);
        SetFieldVal(fPriorCollectableLosses, 200);
    }

    // What orvana-tax calc --auto prints for the file.
    nlohmann::json CalcAuto(const std::string& file) {
        return CalcToolJson(dir, file, Tfn, "--auto");
    }

    TempDir dir;
};

TEST_F(ChoiceTableScreen, AllChoicesThenNextGiveTheScheduleTheToolGives) {
    MakeReturn();
    const std::string file = dir.File("WALK.TAX");
    ASSERT_EQ(SaveDataFile(file), 0);

    Start(2103);
    ASSERT_NE(Grid(), nullptr);
    const int shares = RowOf("BHP - Disposal");
    ASSERT_GE(shares, 1);
    EXPECT_EQ(Grid()->Model().Cell(ccChoiceRequired, shares), "Yes");
    EXPECT_EQ(Grid()->Model().Cell(ccMethod, shares), "");
    EXPECT_GE(RowOf("Coin - Disposal"), 1);
    EXPECT_GE(RowOf("Fund - Trust Oth/Dis"), 1);

    // Leaving before the method is chosen is refused.
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(responder->LastText(), "You must choose the method you wish to use.");
    EXPECT_EQ(Shown(), 2103);

    responder->Answer(mrYes);
    Click(Button("ApplyLossBtn"));
    EXPECT_EQ(responder->LastText(),
              "This step will now allow Orvana to make all of the method and deferment choices "
              "and to apply any qualifying losses against gains present.\r\n\r\nDo you wish to "
              "continue?");
    EXPECT_FALSE(Grid()->Model().Cell(ccMethod, shares).empty());
    EXPECT_FALSE(Grid()->Model().Cell(ccOtherApplied, shares).empty());
    SaveShotIfRequested(frame, QStringLiteral("2103"));

    responder->Clear();
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    // On through the concession, 15-year and scrip for scrip summaries, whose totals the tool
    // also stores.
    for (int screen : {2104, 2105, 2106}) {
        ASSERT_EQ(Shown(), screen);
        Click(frame->BtnNext);
        Settle();
    }
    EXPECT_EQ(Shown(), 2107);

    // Compared as the return is saved and read back, not as the store holds it.
    const std::string saved = dir.File("SAVED.TAX");
    ASSERT_EQ(SaveDataFile(saved), 0);
    ClearAllFields();
    ASSERT_EQ(OpenDataFile(saved), OpenReadCompletely);
    const nlohmann::json tool = CalcAuto(file);
    ExpectScheduleAndLabelsAsCalculated(tool);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_GT(GetFieldVal(fSchedNetGain), 0);
}

TEST_F(ChoiceTableScreen, ButtonsAskFirstAndNoLeavesTheChoicesAlone) {
    MakeReturn();
    Start(2103);
    const int shares = RowOf("BHP - Disposal");
    responder->Answer(mrNo);
    Click(Button("MethodBtn"));
    EXPECT_EQ(Grid()->Model().Cell(ccMethod, shares), "");
    responder->Answer(mrYes);
    Click(Button("MethodBtn"));
    EXPECT_EQ(Grid()->Model().Cell(ccMethod, shares), "Discount");
    responder->Answer(mrYes);
    Click(Button("RestartBtn"));
    EXPECT_EQ(Grid()->Model().Cell(ccMethod, RowOf("BHP - Disposal")), "");
    EXPECT_EQ(Button("ApplyLossBtn")->toolTip(),
              "Click here to let Orvana make all of your method and deferment choices and apply "
              "all losses.");
}

TEST_F(ChoiceTableScreen, TheCursorEntersOnAChoiceAndDigitsTypedOverFiguresChangeNothing) {
    MakeReturn();
    Start(2103);
    Settle();
    TXGrid* grid = Grid();
    ASSERT_TRUE(grid->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(grid->Col(), ccMethod);
    EXPECT_EQ(grid->Row(), 1);
    auto* net = frame->CurrentScreen()->findChild<TTextLbl*>("TextLbl2");
    ASSERT_NE(net, nullptr);
    // No method chosen yet: no net capital gain to show, only that choices are to be made.
    EXPECT_EQ(net->currentSection(), 2);
    EXPECT_NE(net->plainText().indexOf("Choices are still to be made"), -1);

    const int figures[] = {ccIndexed, ccDiscount, ccOther, ccLoss, ccNet};
    auto snapshot = [&] {
        std::vector<std::string> cells;
        for (int row = 1; row < grid->Model().RowCount(); ++row)
            // Entering a cell strips its padding: the figure is what counts.
            for (int col : figures) cells.push_back(TrimmedText(grid->Model().Cell(col, row)));
        return cells;
    };
    const std::vector<std::string> before = snapshot();
    const int shares = RowOf("BHP - Disposal");
    for (int row = 1; row < shares; ++row)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(grid->Row(), shares);
    // Back over the choice required column to the gains, then forward to the net gain.
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(grid->Col(), ccIndexed);
    for (int guard = 0; guard < ChoiceColumns; ++guard) {
        if (std::find(std::begin(figures), std::end(figures), grid->Col()) != std::end(figures))
            QTest::keyClicks(QApplication::focusWidget(), "1");
        if (grid->Col() == ccNet) break;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(grid->Col(), ccNet);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(grid->Modified());

    // The module's choices are those it makes on the table rebuilt from the store.
    responder->Answer(mrYes);
    Click(Button("ApplyLossBtn"));
    EXPECT_EQ(net->currentSection(), 1);
    const std::string method = grid->Model().Cell(ccMethod, shares);
    const QString gain = net->plainText();
    responder->Answer(mrYes);
    Click(Button("RestartBtn"));
    responder->Answer(mrYes);
    Click(Button("ApplyLossBtn"));
    EXPECT_FALSE(method.empty());
    EXPECT_EQ(grid->Model().Cell(ccMethod, RowOf("BHP - Disposal")), method);
    EXPECT_EQ(net->plainText(), gain);
}
