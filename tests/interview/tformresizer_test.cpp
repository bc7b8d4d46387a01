#include "interview/tformresizer.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

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
