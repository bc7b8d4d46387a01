// A screen form compiled by uic with the grid and its totals bar as promoted widgets.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "controls/ttablecolumndescriptionform.h"
#include "controls/txgrid.h"
#include "controls/txgridtotals.h"
#include "scripted_responder.h"
#include "ui_grid_form.h"

TEST(GridForm, PromotedGridAndTotalsLoadWithTheirProperties) {
    ScriptedResponder responder;
    QWidget form;
    Ui::GridForm ui;
    ui.setupUi(&form);
    TXGrid* grid = ui.XGrid1;
    EXPECT_EQ(grid->property("tag").toInt(), 737);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->ColWidth(0), 120);
    EXPECT_EQ(grid->ColWidth(2), -1);
    EXPECT_FALSE(grid->RowAutoInc());
    EXPECT_TRUE(grid->DoNotDelete());
    EXPECT_EQ(grid->TitleLines(), 2);
    EXPECT_EQ(grid->DefaultRowHeight(), 22);
    EXPECT_EQ(grid->Display().size(), 3);
    EXPECT_EQ(grid->ColumnType(1), gkNumber);
    EXPECT_EQ(grid->Cells(0, 0), "Type");
    EXPECT_EQ(grid->Model().Column(0).picklist.size(), 2u);
    EXPECT_EQ(grid->Model().LastTabStopCol(), 1);
    EXPECT_EQ(responder.Count(), 0u);

    form.show();
    EXPECT_EQ(ui.XGridTotals1->XGrid(), grid);
    EXPECT_EQ(grid->Totals(), ui.XGridTotals1);
    EXPECT_EQ(ui.XGridTotals1->geometry(), QRect(8, 157, 478, 24));
}

TEST(ColumnDescriptionForm, ReadsTheHeadingAndClosesOnEscape) {
    TTableColumnDescriptionForm form;
    EXPECT_EQ(form.windowTitle(), "Table Column Description Dialog");
    EXPECT_EQ(form.size(), QSize(472, 333));
    EXPECT_EQ(form.columnMemo->geometry(), QRect(8, 8, 457, 273));
    EXPECT_TRUE(form.columnMemo->isReadOnly());
    EXPECT_EQ(form.closeButton->text(), "&Close");
    form.SetTexts(QString(), QString());
    EXPECT_EQ(form.columnMemo->toPlainText(), "The heading for this column is unknown.");
    form.SetTexts("Date expense\nincurred", "Enter the date\tthe cost arose.");
    EXPECT_EQ(form.columnMemo->toPlainText(),
              "The heading for this column is \"Date expense incurred\".\n"
              "The following text is associated with this column:\n"
              "Enter the date the cost arose.");
    EXPECT_EQ(form.columnMemo->textCursor().position(), 0);

    form.show();
    QTest::keyClick(form.columnMemo, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    form.show();
    QTest::mouseClick(form.closeButton, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}
