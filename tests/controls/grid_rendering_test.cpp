// Renders a cost elements table with its totals bar and an open picklist, the way an
// interview screen shows it. With ORVANA_SHOTS set, the picture is saved for looking at.

#include <QDir>
#include <QPainter>

#include "controls/tpopuplistbox.h"
#include "controls/txgridtotals.h"
#include "grid_test_support.h"

namespace {
class GridRenderingTest : public GridWindowTest {
protected:
    void SetUp() override {
        GridWindowTest::SetUp();
        window->setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        window->setPalette(QPalette(QColor(240, 240, 240)));
        window->resize(860, 250);
        before->hide();
        next->hide();
        grid->setGeometry(12, 12, 836, 176);
        grid->setColCount(8);
        grid->setDisplay(CostElementDescriptors());
        grid->setColWidths("248,84,-1,170,74,124,-1,120");
        grid->setTitleLines(3);
        totals = new TXGridTotals(window);
        totals->SetXGrid(grid);
        const std::vector<std::vector<QString>> rows = {
            {"1 - Purchase/Acquisition cost", "15/08/2003", "", "Purchase of 2,000 shares",
             "8450.00", "", "", "Broker contract note"},
            {"2A - Incidentals re holding & acquisition", "15/08/2003", "",
             "Brokerage and stamp duty", "112.50", "0.00", "", ""},
            {"3A - Costs of owning the asset", "30/06/2004", "", "Interest on borrowings",
             "1260.40", "1260.40", "", "Claimed as a deduction"},
        };
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                grid->SetCells(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
        Show();
    }

    // The window with the drop-down list painted where it floats over the window.
    QImage Compose() const {
        QImage image = window->grab().toImage();
        TPopupListbox* list = grid->Editor()->PopupList();
        if (list && list->isVisible()) {
            QPainter painter(&image);
            painter.drawPixmap(window->mapFromGlobal(list->geometry().topLeft()), list->grab());
        }
        return image;
    }

    TXGridTotals* totals = nullptr;
};
}  // namespace

TEST_F(GridRenderingTest, CostElementsWithTotalsAndAnOpenPicklist) {
    EnterGrid();
    grid->FocusCell(0, 4);
    Key(Qt::Key_Down, Qt::AltModifier);
    Type("2");
    TXGridInplaceEdit* editor = grid->Editor();
    TPopupListbox* list = editor->PopupList();
    ASSERT_TRUE(editor->ListOpen());
    EXPECT_EQ(list->Highlighted(), 2);
    EXPECT_EQ(list->geometry().topLeft(), editor->mapToGlobal(QPoint(0, editor->height())));
    EXPECT_EQ(list->height(), 6 * list->EntryHeight() + 4);
    // Every entry fits: the list is as wide as its widest entry needs.
    for (int i = 0; i < list->count(); ++i)
        EXPECT_LE(list->fontMetrics().horizontalAdvance(list->item(i)->text()) + 10,
                  list->viewport()->width());
    EXPECT_EQ(totals->geometry().top(), grid->geometry().bottom());
    EXPECT_EQ(grid->ColumnTotalText(4), "9822.90");
    EXPECT_EQ(grid->ColumnTotalText(5), "1260.40");

    const QImage image = Compose();
    // The totals bar is drawn: its frame is the mid grey.
    const QPoint frame = totals->geometry().topLeft() + QPoint(0, totals->height() / 2);
    EXPECT_EQ(QColor(image.pixel(frame)), QColor(128, 128, 128));
    const QString folder = qEnvironmentVariable("ORVANA_SHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        image.save(QDir(folder).filePath(QStringLiteral("grid.png")));
    }
}
