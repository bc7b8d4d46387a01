#include "interview/screen_scaling.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "controls/ttextlbl.h"
#include "controls/txgrid.h"

namespace {
int Scaled(int value, int m, int d) { return static_cast<int>(std::lround(double(value) * m / d)); }

// Only fonts set on the widget itself: inherited ones follow their parent.
void ScaleOwnFont(QWidget* widget, int m, int d) {
    if (!widget->testAttribute(Qt::WA_SetFont)) return;
    QFont font = widget->font();
    if (font.pointSize() > 0)
        font.setPointSize(std::max(1, Scaled(font.pointSize(), m, d)));
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, Scaled(font.pixelSize(), m, d)));
    widget->setFont(font);
}

void ScaleChildren(QWidget* parent, int m, int d) {
    for (QWidget* child : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (auto* grid = qobject_cast<TXGrid*>(child)) {
            grid->ScaleBy(m, d);
            continue;
        }
        const QRect r = child->geometry();
        child->setGeometry(Scaled(r.left(), m, d), Scaled(r.top(), m, d), Scaled(r.width(), m, d),
                           Scaled(r.height(), m, d));
        // A text label scales its markup fonts itself.
        if (auto* label = qobject_cast<TTextLbl*>(child))
            label->SetScale(m, d);
        else
            ScaleOwnFont(child, m, d);
        ScaleChildren(child, m, d);
    }
}
}  // namespace

void ScaleScreenBy(QWidget* screen, int m, int d) {
    if (m == d || d == 0) return;
    ScaleOwnFont(screen, m, d);
    ScaleChildren(screen, m, d);
    const QSize size = screen->minimumSize();
    if (!size.isEmpty())
        screen->setMinimumSize(Scaled(size.width(), m, d), Scaled(size.height(), m, d));
}
