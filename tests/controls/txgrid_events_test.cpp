// The grid's handlers as screens and the interview window use them, its ellipsis button,
// mouse use of the drop-down list and writes the calculations make.

#include "controls/txgrid.h"

#include <QClipboard>

#include "controls/tpopuplistbox.h"
#include "grid_test_support.h"

namespace {
class GridEventsTest : public GridWindowTest {
protected:
    void SetUp() override {
        GridWindowTest::SetUp();
        grid->setColCount(4);
        grid->setDisplay({AssetTypeDescriptors()[0], AssetTypeDescriptors()[1],
                          "Asset|0|0|40|0|F|T|||||11|2|0|F|F|", "Note|0|0|20|"});
        grid->setColWidths("90,100,160,120");
        Show();
        EnterGrid();
    }
};
}  // namespace

TEST_F(GridEventsTest, KeyDownHandlerRunsFirstAndCanLeaveTheGrid) {
    std::vector<int> keys;
    grid->OnKeyDown = [&](TXGrid* sender, QKeyEvent* key, bool& handled) {
        if (key->key() != Qt::Key_Shift) keys.push_back(key->key());
        if (key->key() == Qt::Key_F6) {
            sender->LeaveGrid(!(key->modifiers() & Qt::ShiftModifier));
            handled = true;
        }
        if (key->key() == Qt::Key_5) handled = true;  // the grid never sees it
    };
    grid->FocusCell(1, 1);
    Type("152");
    EXPECT_EQ(grid->Cells(1, 1), "12");
    Key(Qt::Key_F6);
    EXPECT_EQ(Focused(), next);
    EnterGrid();
    Key(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), before);
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_1, Qt::Key_5, Qt::Key_2, Qt::Key_F6, Qt::Key_F6}));
}

TEST_F(GridEventsTest, CommittingTheFocusChecksTheCellOnce) {
    grid->FocusCell(1, 1);
    grid->SetCells(1, 1, "123456789.5");  // written by a calculation, too long to type
    // What the interview's buttons do before they act.
    int col = grid->Col(), row = grid->Row();
    ASSERT_TRUE(grid->SelectCell(col, row));
    next->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(next->hasFocus());
    ASSERT_EQ(responder.Count(), 1u);  // the length warning, shown once
    EXPECT_EQ(responder.Requests()[0].icon, MessageIcon::Exclamation);
}

TEST_F(GridEventsTest, EllipsisButtonHandsTheCellToTheScreen) {
    std::vector<std::pair<int, int>> clicks;
    grid->OnElippsisclicked = [&](TXGrid* sender, int col, int row) {
        EXPECT_EQ(sender, grid);
        clicks.emplace_back(col, row);
    };
    grid->FocusCell(2, 1);
    TXGridInplaceEdit* editor = grid->Editor();
    ASSERT_EQ(editor->ButtonStyle(), gbEllipsis);
    QTest::mouseClick(editor, Qt::LeftButton, {}, editor->ButtonRect().center());
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], std::make_pair(2, 1));
    // Pressed on the button but released elsewhere: nothing.
    QTest::mousePress(editor, Qt::LeftButton, {}, editor->ButtonRect().center());
    QTest::mouseRelease(editor, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(clicks.size(), 1u);
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(grid->Cells(2, 1), "");
    EXPECT_FALSE(editor->ListOpen());
    // A column without the picklist flag has no button, whatever its button item says.
    grid->FocusCell(3, 1);
    EXPECT_EQ(editor->ButtonStyle(), gbNone);
}

TEST_F(GridEventsTest, DraggingFromTheButtonIntoTheListAcceptsWhereReleased) {
    TXGridInplaceEdit* editor = grid->Editor();
    QTest::mousePress(editor, Qt::LeftButton, {}, editor->ButtonRect().center());
    TPopupListbox* list = editor->PopupList();
    ASSERT_TRUE(editor->ListOpen());
    const QPoint third =
        list->viewport()->mapToGlobal(list->visualItemRect(list->item(2)).center());
    QTest::mouseMove(editor, editor->mapFromGlobal(third));
    EXPECT_EQ(list->Highlighted(), 2);
    QTest::mouseRelease(editor, Qt::LeftButton, {}, editor->mapFromGlobal(third));
    EXPECT_FALSE(editor->ListOpen());
    EXPECT_EQ(grid->Cells(0, 1), "SA");
}

TEST_F(GridEventsTest, PressingElsewhereClosesTheListWithoutAccepting) {
    TXGridInplaceEdit* editor = grid->Editor();
    Key(Qt::Key_Down, Qt::AltModifier);
    Key(Qt::Key_Down);
    ASSERT_TRUE(editor->ListOpen());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(1, 0).center());
    EXPECT_FALSE(editor->ListOpen());
    EXPECT_EQ(grid->Cells(0, 1), "");
    // A press on the editor itself closes it too.
    Key(Qt::Key_Down, Qt::AltModifier);
    QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(editor->ListOpen());
    EXPECT_EQ(Focused(), editor);
}

TEST_F(GridEventsTest, TitleHintsComeFromTheColumnsHintNumber) {
    grid->setDisplay({"Type|0|0|2|12|", "Amount|0|1|10|0|"});
    grid->HintText = [](int number) {
        return number ? QStringLiteral("hint %1").arg(number) : QString();
    };
    QTest::mouseMove(grid->viewport(), grid->CellRect(0, 0).center());
    EXPECT_EQ(grid->viewport()->toolTip(), "hint 12");
    QTest::mouseMove(grid->viewport(), grid->CellRect(1, 0).center());
    EXPECT_EQ(grid->viewport()->toolTip(), "");
    QTest::mouseMove(grid->viewport(), grid->CellRect(0, 0).center());
    QTest::mouseMove(grid->viewport(), grid->CellRect(0, 2).center());
    EXPECT_EQ(grid->viewport()->toolTip(), "");  // off below the title row
}

TEST_F(GridEventsTest, CalculationsWritingTheModelReachTheEditor) {
    grid->FocusCell(3, 2);
    grid->Model().SetCell(3, 2, "recalculated");
    EXPECT_EQ(grid->Editor()->text(), "recalculated");
    const TextList rows = {"SA", "10.00", "", "first", "SN", "20.00", "", "second"};
    grid->Model().LoadFromList(&rows);
    EXPECT_EQ(grid->Editor()->text(), "second");
    grid->Model().DeleteRow(1);
    EXPECT_EQ(grid->Editor()->text(), "");
    EXPECT_FALSE(grid->Modified());
}

TEST_F(GridEventsTest, LockedColumnTakesNoTypingAndOffersNoMenu) {
    grid->SetCells(3, 1, "fixed");
    grid->SetColumnLocked(3, true);
    grid->FocusCell(3, 1);
    TXGridInplaceEdit* editor = grid->Editor();
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_EQ(editor->contextMenuPolicy(), Qt::NoContextMenu);
    editor->setCursorPosition(0);
    Type("abc");
    Key(Qt::Key_Delete);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(grid->Cells(3, 1), "fixed");
    EXPECT_EQ(beeps.Count(), 0);
    grid->SetColumnLocked(3, false);
    EXPECT_FALSE(editor->isReadOnly());
    editor->setCursorPosition(0);
    Key(Qt::Key_Delete);  // deleting is an edit like typing
    EXPECT_EQ(grid->Cells(3, 1), "ixed");
    EXPECT_TRUE(grid->Modified());
}

TEST_F(GridEventsTest, AnAltLetterThatNoControlAnswersTypesNothing) {
    grid->FocusCell(3, 1);
    Type("ab");
    Key(Qt::Key_O, Qt::AltModifier);
    Key(Qt::Key_O, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->Cells(3, 1), "ab");
    Type("c");
    EXPECT_EQ(grid->Cells(3, 1), "abc");
}

TEST_F(GridEventsTest, PastedTextGoesThroughTheKeyFilter) {
    grid->FocusCell(1, 1);
    QApplication::clipboard()->setText(QStringLiteral("$1,234.5x6"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->Cells(1, 1), "1234.56");
    EXPECT_EQ(beeps.Count(), 1);  // once for the whole paste
    EXPECT_TRUE(grid->Modified());
}

TEST_F(GridEventsTest, CtrlInsertChecksTheCurrentCellFirst) {
    grid->FocusCell(0, 1);
    Type("XX");
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(responder.LastText(), "Entry must match one of the picklist entries");
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->Cells(0, 1), "XX");
}
