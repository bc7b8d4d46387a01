// At every size a host may ask for, the whole window stays usable: every button inside the
// window with its caption whole, the navigator's captions whole, text no smaller than nine
// tenths of its design size, and the screen scrollable where it does not fit.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "../interview/interview_fixture.h"
#include "controls/txgrid.h"
#include "interview/tnavigatorframe.h"
#include "interview/tnavigatortreeview.h"
#include "module/build_text_variables.h"

namespace {

QString Caption(const QAbstractButton* button) { return button->text().remove(QLatin1Char('&')); }

// Room the caption needs inside the button: its text, and an icon beside it on a tool button.
int NeededWidth(const QAbstractButton* button) {
    int needed = button->fontMetrics().horizontalAdvance(Caption(button)) + 4;
    const auto* tool = qobject_cast<const QToolButton*>(button);
    if (tool && !tool->icon().isNull() && tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon)
        needed += tool->iconSize().width() + 2;
    return needed;
}

class WindowSizes : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        BuildTextVariables();
    }

    void Sweep(const QList<QSize>& sizes);

    void ShowAt(int number, const QSize& size) {
        if (!main) OpenWindows();
        main->TakeHostSize(size);
        Settle();
        if (Shown() != number || !frame->CurrentScreen()) Start(number);
        Settle();
    }

    QScrollArea* ScreenArea() const { return qobject_cast<QScrollArea*>(frame->ClientPanel); }

    void ExpectButtonsInsideAndWhole(const std::string& where) {
        const QRect window = main->rect();
        for (QAbstractButton* button : main->findChildren<QAbstractButton*>()) {
            if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QToolButton*>(button))
                continue;
            if (!button->isVisibleTo(main)) continue;
            // Buttons on the screen are reached by scrolling to them.
            if (frame->ClientPanel->isAncestorOf(button)) ScreenArea()->ensureWidgetVisible(button);
            const QRect bounds(button->mapTo(main, QPoint(0, 0)), button->size());
            const std::string name =
                where + " " + (button->objectName() + ' ' + Caption(button)).toStdString();
            EXPECT_TRUE(window.contains(bounds)) << name;
            if (frame->ClientPanel->isAncestorOf(button)) {
                const QRect seen(button->mapTo(ScreenArea()->viewport(), QPoint(0, 0)),
                                 button->size());
                EXPECT_TRUE(ScreenArea()->viewport()->rect().contains(seen)) << name;
            }
            EXPECT_LE(NeededWidth(button), button->width()) << name;
            EXPECT_LE(button->fontMetrics().height(), button->height()) << name;
        }
    }

    void ExpectNavigatorWhole(const std::string& where) {
        TNavigatorTreeView* tree = frame->NavigatorFrame->NavigatorTreeView();
        int contentHeight = 0;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* node = tree->topLevelItem(i);
            const QString caption = node->text(0);
            const int width = tree->CaptionWidth(node);
            int widestWord = 0;
            for (const QString& word : caption.split(QLatin1Char(' ')))
                widestWord = std::max(widestWord, tree->fontMetrics().horizontalAdvance(word));
            EXPECT_LE(widestWord, width) << where << " " << caption.toStdString();
            const int wrapped =
                tree->fontMetrics()
                    .boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, caption)
                    .height();
            const int row = tree->visualItemRect(node).height();
            EXPECT_LE(wrapped, row) << where << " " << caption.toStdString();
            contentHeight += row;
        }
        // Every entry can be reached: it fits, or the tree scrolls.
        EXPECT_TRUE(contentHeight <= tree->viewport()->height() ||
                    tree->verticalScrollBar()->maximum() > 0)
            << where;
        const QRect navigator(frame->NavigatorFrame->mapTo(main, QPoint(0, 0)),
                              frame->NavigatorFrame->size());
        EXPECT_TRUE(main->rect().contains(navigator)) << where;
    }

    void ExpectReadableAndReachable(const std::string& where) {
        EXPECT_GE(frame->ScaleNumerator() * 10, frame->ScaleDenominator() * 9) << where;
        EXPECT_GE(frame->NavigatorFrame->FontPointSize(), 7) << where;
        EXPECT_GE(frame->BtnNext->font().pixelSize(), 11) << where;
        // The button row is in view, across the bottom of the window.
        const QRect row(frame->BtnPanel->mapTo(main, QPoint(0, 0)), frame->BtnPanel->size());
        EXPECT_EQ(row.bottom(), main->height() - 1) << where;
        EXPECT_EQ(row.width(), main->width()) << where;
        // A screen larger than its panel scrolls both ways.
        const QWidget* screen = ScreenArea()->widget();
        ASSERT_NE(screen, nullptr) << where;
        const QSize room = ScreenArea()->viewport()->size();
        if (screen->minimumWidth() > room.width()) {
            EXPECT_GT(ScreenArea()->horizontalScrollBar()->maximum(), 0) << where;
        }
        if (screen->minimumHeight() > room.height()) {
            EXPECT_GT(ScreenArea()->verticalScrollBar()->maximum(), 0) << where;
        }
    }

    // Every field of the screen can be scrolled into view inside the window.
    void ExpectFieldsReachable(const std::string& where) {
        QWidget* screen = ScreenArea()->widget();
        for (QWidget* field : screen->findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field) &&
                !qobject_cast<QCheckBox*>(field) && !qobject_cast<QRadioButton*>(field))
                continue;
            if (!field->isVisibleTo(screen) || qobject_cast<QComboBox*>(field->parentWidget()))
                continue;
            ScreenArea()->ensureWidgetVisible(field);
            const QRect seen(field->mapTo(ScreenArea()->viewport(), QPoint(0, 0)), field->size());
            const QRect inWindow(field->mapTo(main, QPoint(0, 0)), field->size());
            const std::string name = where + " " + field->objectName().toStdString();
            EXPECT_TRUE(ScreenArea()->viewport()->rect().contains(seen)) << name;
            EXPECT_TRUE(main->rect().contains(inWindow)) << name;
        }
        ScreenArea()->ensureVisible(0, 0);
    }

    // The screen fills its panel and the navigator's list fills the navigator below its title.
    void ExpectLaidOut(const std::string& where) {
        const QScrollArea* area = ScreenArea();
        const QWidget* screen = area->widget();
        const QSize room = area->viewport()->size();
        const QScrollBar* across = area->horizontalScrollBar();
        const QScrollBar* down = area->verticalScrollBar();
        EXPECT_EQ(room.width(), area->width() - (down->isVisible() ? down->width() : 0)) << where;
        EXPECT_EQ(room.height(), area->height() - (across->isVisible() ? across->height() : 0))
            << where;
        EXPECT_GE(screen->width(), room.width()) << where;
        EXPECT_GE(screen->height(), room.height()) << where;
        if (!frame->NavigatorVisible()) return;
        const TNavigatorFrame* navigator = frame->NavigatorFrame;
        const QWidget* title = navigator->TitlePanel();
        const QWidget* list = navigator->NavigatorTreeView();
        EXPECT_EQ(title->geometry().top(), 0) << where;
        EXPECT_EQ(list->geometry().top(), title->geometry().bottom() + 1) << where;
        EXPECT_EQ(list->geometry().bottom(), navigator->height() - 1) << where;
        EXPECT_EQ(list->width(), navigator->width()) << where;
    }
};

}  // namespace

void WindowSizes::Sweep(const QList<QSize>& sizes) {
    for (int number : {2004, 2005, 2006}) {
        for (const QSize& size : sizes) {
            ShowAt(number, size);
            const std::string where = std::to_string(number) + " at " +
                                      std::to_string(size.width()) + "x" +
                                      std::to_string(size.height());
            ASSERT_EQ(main->size(), size) << where;
            ExpectButtonsInsideAndWhole(where);
            if (frame->NavigatorVisible()) ExpectNavigatorWhole(where);
            ExpectReadableAndReachable(where);
            ExpectLaidOut(where);
            ExpectFieldsReachable(where);
            if (number == 2004)
                SaveShotIfRequested(
                    main, QStringLiteral("window-%1x%2").arg(size.width()).arg(size.height()));
        }
    }
}

TEST_F(WindowSizes, EveryHostSizeFrom640x480To1920x1200KeepsTheWindowUsable) {
    Sweep({{640, 480},
           {800, 575},
           {1024, 768},
           {1280, 900},
           {1366, 768},
           {1600, 1000},
           {1920, 1080},
           {1920, 1200},
           {640, 1200},
           {1920, 480}});
}

// Growing and shrinking in turn: each size is laid out afresh, whatever size came before.
TEST_F(WindowSizes, EveryWordAndEveryScreenEdgeIsReachableAtEverySize) {
    Sweep({{640, 480},
           {800, 600},
           {640, 480},
           {1280, 900},
           {800, 600},
           {1920, 1200},
           {640, 480},
           {700, 520},
           {1280, 900}});
}

TEST_F(WindowSizes, TheHostsSizeIsKeptAboveTheSmallestUsableOne) {
    OpenWindows();
    EXPECT_EQ(main->size(), QSize(800, 575));
    main->TakeHostSize(QSize(500, 400));
    EXPECT_EQ(main->size(), QSize(640, 480));
    main->TakeHostSize(QSize(0, 0));
    EXPECT_EQ(main->size(), QSize(640, 480));
    // Still fixed: the border does not resize it.
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
}

// The cost elements table shows its amount column whole, without scrolling sideways, at
// 800 x 600 and at the smallest size.
TEST_F(WindowSizes, TheCostElementsAmountColumnIsWholeWithoutScrolling) {
    for (const QSize& size : {QSize(800, 600), QSize(640, 480), QSize(1280, 900)}) {
        ShowAt(2011, size);
        auto* grid = frame->CurrentScreen()->findChild<TXGrid*>(QStringLiteral("XGrid1"));
        ASSERT_NE(grid, nullptr);
        const QRect amount = grid->CellRect(4, 0);
        EXPECT_FALSE(amount.isEmpty()) << size.width();
        EXPECT_LE(amount.right(), grid->viewport()->width()) << size.width();
        EXPECT_EQ(grid->LeftCol(), grid->FixedCols()) << size.width();
    }
}
