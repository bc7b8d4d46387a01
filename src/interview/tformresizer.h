#pragma once
// Keeps a window's absolutely placed controls in proportion when the window is resized:
// left and width follow the width ratio, top and height the height ratio. Panels marked
// with the property "aligned" are placed by their parent and left alone; fonts never change.

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

class TFormResizer {
public:
    void Initialise(QWidget* window);
    void Resize();

private:
    struct Entry {
        QPointer<QWidget> control;
        QRect bounds;
    };
    QPointer<QWidget> window_;
    QSize recorded_;
    std::vector<Entry> entries_;
};
