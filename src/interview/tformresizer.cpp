#include "interview/tformresizer.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QLayout>
#include <cmath>

namespace {
// Inside a layout or a scrolling control the parent places its children itself; stretched
// here as well, they would be put back at the bounds they had before the layout first ran.
bool PlacedByItsParent(const QWidget* control, const QWidget* window) {
    for (const QWidget* up = control->parentWidget(); up && up != window; up = up->parentWidget())
        if (up->layout() || qobject_cast<const QAbstractScrollArea*>(up)) return true;
    return false;
}

int Scaled(int value, int current, int recorded) {
    return static_cast<int>(std::lround(double(value) * current / recorded));
}
}  // namespace

void TFormResizer::Initialise(QWidget* window) {
    window_ = window;
    recorded_ = window->size();
    entries_.clear();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->property("aligned").toBool() || control->isWindow() ||
            PlacedByItsParent(control, window))
            continue;
        entries_.push_back({control, control->geometry()});
    }
}

void TFormResizer::Resize() {
    if (!window_ || recorded_.isEmpty()) return;
    const QSize current = window_->size();
    for (const Entry& entry : entries_) {
        if (!entry.control) continue;
        if (current == recorded_) {
            entry.control->setGeometry(entry.bounds);
            continue;
        }
        const QRect& b = entry.bounds;
        const int left = Scaled(b.left(), current.width(), recorded_.width());
        const int top = Scaled(b.top(), current.height(), recorded_.height());
        if (auto* label = qobject_cast<QLabel*>(entry.control.data())) {
            label->move(left, top);
            label->resize(b.width(), label->sizeHint().height());
            continue;
        }
        entry.control->setGeometry(left, top, Scaled(b.width(), current.width(), recorded_.width()),
                                   Scaled(b.height(), current.height(), recorded_.height()));
    }
}
