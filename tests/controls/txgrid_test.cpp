#include "controls/txgrid.h"

#include <QScrollBar>

#include "controls/tpopuplistbox.h"
#include "controls/txgridtotals.h"
#include "grid_test_support.h"

namespace {
class CostGridTest : public GridWindowTest {
protected:
    void SetUp() override {
        GridWindowTest::SetUp();
        grid->setColCount(8);
        grid->setDisplay(CostElementDescriptors());
        grid->setColWidths(CostElementWidths);
        totals = new TXGridTotals(window);
        totals->SetXGrid(grid);
        Show();
    }
    TXGridTotals* totals = nullptr;
};

class AssetGridTest : public GridWindowTest {
protected:
    void SetUp() override {
        GridWindowTest::SetUp();
        grid->setColCount(3);
        grid->setDisplay(AssetTypeDescriptors());
        grid->setColWidths("90,100,100");
        Show();
    }
};
}  // namespace

TEST_F(CostGridTest, EnteringLandsOnTheFirstEditableCellOfRowOne) {
    EXPECT_EQ(grid->Cells(2, 0), "Date paid");
    EXPECT_EQ(grid->ColumnTitle(1), "Date expense\nincurred");
    grid->FocusCell(3, 3);
    EnterGrid();
    EXPECT_EQ(Focused(), grid->Editor());
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_FALSE(grid->Entering());
}

TEST_F(CostGridTest, TypingDigitsIntoATenCharacterTwoDecimalColumn) {
    EnterGrid();
    ASSERT_TRUE(grid->FocusCell(4, 1));
    Type("12345678");
    EXPECT_EQ(grid->Cells(4, 1), "1234567");
    EXPECT_EQ(beeps.Count(), 1);  // the whole part is full
    Type(".901");
    EXPECT_EQ(grid->Editor()->text(), "1234567.90");
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_TRUE(grid->Modified());
    Type("x");
    EXPECT_EQ(beeps.Count(), 3);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 5);
    EXPECT_EQ(grid->Cells(4, 1), "1234567.90");
    EXPECT_EQ(grid->ColumnTotalText(4), "1234567.90");
    EXPECT_EQ(responder.Count(), 0u);
}

TEST_F(CostGridTest, EnteredZeroShowsAndTotalsAsZero) {
    EnterGrid();
    grid->FocusCell(4, 1);
    Type("0");
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Cells(4, 1), "0.00");
    EXPECT_EQ(grid->ColumnTotal(4), EnteredZero);
    EXPECT_EQ(grid->ColumnTotalText(4), "0.00");
}

TEST_F(CostGridTest, LeavingACellFormatsItAndEnteringStripsIt) {
    EnterGrid();
    grid->FocusCell(1, 1);
    Type("010704");
    Key(Qt::Key_Tab);  // skips the skipped, hidden paid date
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Cells(1, 1), "01/07/2004");
    grid->FocusCell(4, 1);
    Type("-12.5");
    Key(Qt::Key_Left);  // the caret is not at the start: stays in the cell
    EXPECT_EQ(grid->Col(), 4);
    Key(Qt::Key_Home);
    Key(Qt::Key_Left);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Cells(4, 1), "-12.50");
    Key(Qt::Key_Left);  // over the hidden paid date
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(CostGridTest, TabFromTheLastCellAddsARowOnlyWithRowAutoInc) {
    grid->setRowCount(2);
    EnterGrid();
    grid->FocusCell(7, 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(Focused(), grid->Editor());

    grid->setRowAutoInc(false);
    grid->FocusCell(7, 2);
    Key(Qt::Key_Tab);  // nothing to move to: the focus leaves the grid
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(Focused(), next);
    // Down on the last row follows the same rule.
    EnterGrid();
    grid->FocusCell(0, 2);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->RowCount(), 3);
    grid->setRowAutoInc(true);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(CostGridTest, CtrlDeleteOnTheOnlyRowLeavesOneBlankRow) {
    grid->setRowCount(2);
    grid->SetCells(3, 1, "Stamp duty");
    grid->SetCells(4, 1, "125.00");
    EnterGrid();
    grid->SetModified(false);
    responder.Answer(mrCancel);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(responder.Count(), 1u);
    EXPECT_EQ(responder.LastText(), "Are you sure you want to delete this row?");
    EXPECT_EQ(responder.Requests().back().buttons, (std::vector<TMsgDlgBtn>{mbOK, mbCancel}));
    EXPECT_EQ(grid->Cells(3, 1), "Stamp duty");
    EXPECT_FALSE(grid->Modified());

    Key(Qt::Key_Delete, Qt::ControlModifier);  // answered OK
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_TRUE(grid->Model().RowBlank(1));
    EXPECT_TRUE(grid->Modified());
    EXPECT_EQ(grid->ColumnTotal(4), 0);

    grid->SetCells(3, 1, "Legal fees");
    grid->setDoNotDelete(true);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(responder.LastText(), "Row deletion not allowed on this grid");
    EXPECT_EQ(responder.Requests().back().icon, MessageIcon::Stop);
    EXPECT_EQ(grid->Cells(3, 1), "Legal fees");
}

TEST_F(CostGridTest, CtrlInsertOpensABlankRowAtTheCurrentOne) {
    grid->SetCells(3, 1, "first");
    grid->SetCells(3, 2, "second");
    EnterGrid();
    grid->FocusCell(3, 2);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->Cells(3, 2), "");
    EXPECT_EQ(grid->Cells(3, 3), "second");
    EXPECT_EQ(grid->Editor()->text(), "");
    EXPECT_TRUE(grid->Modified());
}

TEST_F(CostGridTest, RefusedCellKeepsTheFocusHoweverItLeaves) {
    EnterGrid();
    grid->FocusCell(1, 1);
    Type("31022004");
    // A programmatic focus change, as the interview's buttons make it.
    next->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(next->hasFocus());
    EXPECT_EQ(Focused(), grid->Editor());
    EXPECT_EQ(responder.LastText(), "Enter date in dd/mm/yyyy format");
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Cells(1, 1), "31/02/2004");

    // A mouse press on another control: no focus, no click.
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(Focused(), grid->Editor());
    EXPECT_EQ(nextClicks, 0);
    EXPECT_EQ(responder.Count(), 2u);

    // Moving within the grid is refused the same way.
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(responder.Count(), 3u);

    int col = grid->Col(), row = grid->Row();
    EXPECT_FALSE(grid->SelectCell(col, row));

    grid->Editor()->selectAll();
    Type("28022004");
    next->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(grid->Cells(1, 1), "28/02/2004");
    EXPECT_FALSE(grid->Editor()->isVisible());
}

TEST_F(CostGridTest, TabOutOfTheLastCellIsRefusedForAnInvalidCell) {
    grid->setRowAutoInc(false);
    grid->setRowCount(2);
    grid->setColWidths("150,84,-1,170,78,96,-1,-1");  // the amount is the last column shown
    EnterGrid();
    grid->FocusCell(5, 1);
    Type("1-2");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focused(), grid->Editor());
    EXPECT_EQ(responder.LastText(),
              "1-2 is an invalid numeric entry. Please re-enter amount before continuing.");
    EXPECT_EQ(grid->Cells(5, 1), "");  // emptied
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focused(), next);
}

TEST_F(CostGridTest, ClickingASkippedColumnLandsOnTheNextEditableOne) {
    grid->setColWidths("150,84,60,170,78,96,60,150");  // show the two skipped columns
    EnterGrid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(2, 2));
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    // The last column skipped: the search wraps to the first column of the same row.
    grid->SetColumnSkip(7);
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(7, 3));
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->Row(), 3);
    // Titles are not cells to click into.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(4, 0));
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(CostGridTest, CellEventsSeeTheMoveAndMayRefuseOrRedirectIt) {
    std::vector<std::string> seen;
    grid->OnEnterCell = [&](TXGrid*, int col, int row) {
        seen.push_back("enter " + std::to_string(col) + "," + std::to_string(row));
    };
    bool refuse = true;
    grid->OnExitCell = [&](TXGrid* sender, int col, int row, int& aCol, int& aRow, bool& ok) {
        EXPECT_EQ(sender, grid);
        seen.push_back("exit " + std::to_string(col) + "," + std::to_string(row) + " to " +
                       std::to_string(aCol) + "," + std::to_string(aRow));
        if (refuse) ok = false;
        aCol = 5;  // sent one column further
    };
    EnterGrid();
    seen.clear();
    grid->FocusCell(3, 1);
    EXPECT_EQ(grid->Col(), 0);
    refuse = false;
    grid->FocusCell(4, 2);
    EXPECT_EQ(grid->Col(), 5);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"exit 0,1 to 3,1", "exit 0,1 to 4,2", "enter 5,2"}));
}

TEST_F(CostGridTest, PicklistEntryIsOfferedByTheScreenEachTimeTheListOpens) {
    std::vector<QObject*> senders;
    grid->OnPicklistDropdown = [&](QObject* sender, int, int, TextList& entries) {
        senders.push_back(sender);
        entries = {"1 - Purchase/Acquisition cost", "4 - Capital expenditure - increases value"};
    };
    EnterGrid();
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(grid->Editor()->ListOpen());
    EXPECT_EQ(grid->Editor()->PopupList()->count(), 2);
    EXPECT_EQ(senders.back(), grid->Editor());
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(0, 1), "4 - Capital expenditure - increases valu");  // cut to 40
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(senders.back(), grid);  // the exit check asked again
    EXPECT_TRUE(grid->Modified());
}

TEST_F(CostGridTest, TotalsBarSitsUnderTheGridAndFollowsIt) {
    EXPECT_EQ(totals->XGrid(), grid);
    EXPECT_EQ(grid->Totals(), totals);
    EXPECT_EQ(totals->geometry(), QRect(grid->x(), grid->y() + grid->height() - 1,
                                        grid->width() - 2, grid->DefaultRowHeight() + 2));
    grid->move(30, 60);
    grid->resize(700, 150);
    EXPECT_EQ(totals->geometry(), QRect(30, 209, 698, 22));
    EXPECT_TRUE(totals->isVisible());
    grid->hide();
    EXPECT_FALSE(totals->isVisible());
    delete grid;
    grid = nullptr;
    EXPECT_EQ(totals->XGrid(), nullptr);
}

TEST_F(CostGridTest, ListRoundTripThroughTheWidget) {
    grid->SetCells(0, 1, "2A - Incidentals re holding & acquisition");
    grid->SetCells(4, 1, "50.00");
    grid->SetCells(3, 3, "Valuation");
    TextList list;
    grid->SaveToList(list);
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[11], "Valuation");
    grid->LoadFromList(nullptr);
    EXPECT_TRUE(grid->Model().RowBlank(1));
    grid->LoadFromList(&list);
    EXPECT_EQ(grid->Cells(3, 2), "Valuation");
    EXPECT_FALSE(grid->Modified());
    grid->SortRows("3");
    EXPECT_EQ(grid->Cells(3, 1), "Valuation");
    EXPECT_THROW(grid->SortRows("x"), GridSortError);
}

TEST_F(CostGridTest, ScalingLeavesHiddenColumnsAndTheLeftEdge) {
    grid->setTitleLines(2);
    const int wHeight = QFontMetrics(grid->font()).height();
    EXPECT_EQ(grid->RowHeight(0), wHeight * 2 + 4);
    const QRect before = grid->geometry();
    grid->ScaleBy(3, 2);
    EXPECT_EQ(grid->ColWidth(0), 225);
    EXPECT_EQ(grid->ColWidth(1), 126);
    EXPECT_EQ(grid->ColWidth(2), -1);
    EXPECT_EQ(grid->ColWidth(4), 117);
    EXPECT_EQ(grid->DefaultRowHeight(), 30);
    EXPECT_EQ(grid->x(), before.x());
    EXPECT_EQ(grid->y(), 66);
    EXPECT_EQ(grid->width(), 1290);
    EXPECT_EQ(grid->RowHeight(0), (wHeight * 3 / 2 + 4) * 2);
    EXPECT_EQ(totals->height(), 32);
}

TEST_F(AssetGridTest, PicklistChosenWithTheKeyboardStoresOnlyTheCode) {
    EnterGrid();
    Key(Qt::Key_Down, Qt::AltModifier);
    TPopupListbox* list = grid->Editor()->PopupList();
    ASSERT_TRUE(grid->Editor()->ListOpen());
    EXPECT_EQ(list->Highlighted(), -1);
    EXPECT_EQ(Focused(), grid->Editor());  // the list never takes the focus
    Type("sn");
    EXPECT_EQ(list->Highlighted(), 3);
    Key(Qt::Key_Return);
    EXPECT_FALSE(grid->Editor()->ListOpen());
    EXPECT_EQ(grid->Cells(0, 1), "SN");
    EXPECT_EQ(grid->Col(), 1);
    // Typed in lower case, a code is refused on leaving.
    grid->FocusCell(0, 2);
    Type("sn");
    Key(Qt::Key_Tab);
    EXPECT_EQ(responder.LastText(), "Entry must match one of the picklist entries");
    EXPECT_EQ(grid->Col(), 0);
}

TEST_F(AssetGridTest, PicklistChosenWithTheMouseStoresOnlyTheCode) {
    EnterGrid();
    TXGridInplaceEdit* editor = grid->Editor();
    EXPECT_EQ(editor->ButtonStyle(), gbDropDownList);
    QTest::mouseClick(editor, Qt::LeftButton, {}, editor->ButtonRect().center());
    TPopupListbox* list = editor->PopupList();
    ASSERT_TRUE(editor->ListOpen());
    EXPECT_GE(list->geometry().top(), editor->mapToGlobal(QPoint(0, editor->height())).y());
    const QRect item = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_FALSE(editor->ListOpen());
    EXPECT_EQ(grid->Cells(0, 1), "UN");
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(grid->Modified());
}

TEST_F(AssetGridTest, ChoosingInTheLastColumnOfTheLastRowAddsARow) {
    grid->setRowAutoInc(false);
    grid->setRowCount(2);
    grid->setDisplay({"Amount|2|1|10|0|F|F|2|T||||-1|0|F|", "Date paid|2|2|10|0|F|F||-1|0|",
                      AssetTypeDescriptors()[0]});
    EnterGrid();
    grid->FocusCell(2, 1);
    Key(Qt::Key_Up, Qt::AltModifier);
    Key(Qt::Key_Down);
    Key(Qt::Key_Up, Qt::AltModifier);  // closes, accepting
    EXPECT_EQ(grid->Cells(2, 1), "UA");
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 0);
}

TEST_F(AssetGridTest, EscKeepsTheTextAndBackspaceEmptiesTheWholeCell) {
    grid->SetCells(0, 1, "SA");
    EnterGrid();
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(grid->Editor()->PopupList()->Highlighted(), 2);  // the cell's entry
    Key(Qt::Key_Down);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(grid->Editor()->ListOpen());
    EXPECT_EQ(grid->Cells(0, 1), "SA");
    grid->SetModified(false);
    grid->Editor()->setCursorPosition(2);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(grid->Cells(0, 1), "");
    EXPECT_TRUE(grid->Modified());
}

TEST_F(AssetGridTest, ListHeightFollowsTheColumnsEntryCount) {
    QStringList descriptors = AssetTypeDescriptors();
    descriptors[0] = "Type|0|0|2|0|F|T|||||2|1|6|AA|BB|CC|DD|EE|FF|F|F|";
    grid->setDisplay(descriptors);
    EnterGrid();
    Key(Qt::Key_Down, Qt::AltModifier);
    TPopupListbox* list = grid->Editor()->PopupList();
    EXPECT_EQ(list->height(), 2 * list->EntryHeight() + 4);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    Key(Qt::Key_Escape);
    descriptors[0] = "Type|0|0|2|0|F|T|||||11|1|6|AA|BB|CC|DD|EE|FF|F|F|";
    grid->setDisplay(descriptors);
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(list->height(), 6 * list->EntryHeight() + 4);
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    EXPECT_GE(list->width(), grid->Editor()->width());
    Key(Qt::Key_Escape);
    // Without a size the list shows up to eight entries, not none.
    descriptors[0] = "Type|0|0|2|0|F|T||||||1|9|A|B|C|D|E|F|G|H|I|F|F|";
    grid->setDisplay(descriptors);
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(list->height(), 8 * list->EntryHeight() + 4);
}

TEST_F(AssetGridTest, TypeAheadStartsAfreshAfterTwoSeconds) {
    EnterGrid();
    Key(Qt::Key_Down, Qt::AltModifier);
    TPopupListbox* list = grid->Editor()->PopupList();
    int64_t now = 10'000;
    list->Clock = [&] { return now; };
    Type("u");
    now += 500;
    Type("n");
    EXPECT_EQ(list->Highlighted(), 1);
    now += 2001;
    Type("s");
    EXPECT_EQ(list->SearchText(), "s");
    EXPECT_EQ(list->Highlighted(), 2);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(list->SearchText(), "");
    EXPECT_TRUE(grid->Editor()->ListOpen());  // Backspace with the list open only clears
}

TEST_F(AssetGridTest, ListClosesWhenTheFocusLeaves) {
    EnterGrid();
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(grid->Editor()->ListOpen());
    next->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_FALSE(grid->Editor()->ListOpen());
    EXPECT_EQ(grid->Cells(0, 1), "");
}

TEST_F(AssetGridTest, BadCharacterSetIsReported) {
    grid->setDisplay({"Name|0|0|20|0|F|F|1|A..Z,??|"});
    ASSERT_EQ(responder.Count(), 1u);
    EXPECT_EQ(responder.LastText(), "Bad character set !");
    grid->setColCount(4);  // the same lines read again: not reported twice
    EXPECT_EQ(responder.Count(), 1u);
}
