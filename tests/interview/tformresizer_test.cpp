#include "interview/tformresizer.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

TEST(FormResizer, ControlsFollowTheWindowAndComeBackAtItsRecordedSize) {
    QWidget window;
    window.resize(400, 200);
    auto* button = new QPushButton(QStringLiteral("Next"), &window);
    button->setGeometry(100, 50, 80, 20);
    auto* panel = new QWidget(&window);
    panel->setProperty("aligned", true);
    panel->setGeometry(0, 0, 400, 30);
    auto* label = new QLabel(QStringLiteral("Screen 2004"), &window);
    label->setGeometry(10, 180, 120, 16);
    TFormResizer resizer;
    resizer.Initialise(&window);

    window.resize(800, 300);
    resizer.Resize();
    EXPECT_EQ(button->geometry(), QRect(200, 75, 160, 30));
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 400, 30));  // placed by its parent
    EXPECT_EQ(label->pos(), QPoint(20, 270));
    EXPECT_EQ(label->width(), 120);  // labels keep their width

    window.resize(400, 200);
    resizer.Resize();
    EXPECT_EQ(button->geometry(), QRect(100, 50, 80, 20));
    EXPECT_EQ(label->geometry(), QRect(10, 180, 120, 16));
}

// Recorded before the panel's layout first ran, the list and its viewport would be put back at
// Qt's default bounds on every resize: the navigator and the screen area once stayed that small.
TEST(FormResizer, LeavesWhatALayoutOrAScrollingListPlacesToThem) {
    QWidget window;
    window.resize(400, 200);
    auto* panel = new QWidget(&window);
    panel->setGeometry(10, 10, 100, 100);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* list = new QListWidget(panel);
    layout->addWidget(list);
    TFormResizer resizer;
    resizer.Initialise(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    for (const QSize size : {QSize(800, 400), QSize(500, 300), QSize(400, 200)}) {
        window.resize(size);
        resizer.Resize();
        EXPECT_EQ(list->geometry(), panel->rect()) << size.width();
        EXPECT_GE(list->viewport()->height(), panel->height() - 4) << size.width();
    }
    EXPECT_EQ(panel->geometry(), QRect(10, 10, 100, 100));
}
