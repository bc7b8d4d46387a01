#include "screens/grid_cursor.h"

#include <QApplication>
#include <QMetaObject>

#include "controls/txgrid.h"

void PutGridCursor(TXGrid* grid, int col, int row) {
    QWidget* focused = QApplication::focusWidget();
    if (focused != grid && !grid->isAncestorOf(focused)) grid->setFocus(Qt::OtherFocusReason);
    QMetaObject::invokeMethod(
        grid, [grid, col, row] { grid->FocusCell(col, row); }, Qt::QueuedConnection);
}
