#pragma once
// The picture of the previewed page; reports where it was clicked and with which button.

#include <QLabel>
#include <QMouseEvent>

class TPageImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void Clicked(QPoint at, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override {
        emit Clicked(event->position().toPoint(), event->button());
    }
};
