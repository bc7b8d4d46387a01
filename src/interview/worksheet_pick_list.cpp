#include "interview/worksheet_pick_list.h"

#include <QKeyEvent>

TWorksheetPickList::TWorksheetPickList(QWidget* parent) : QListWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(
        QStringLiteral("QListWidget::item { height: 14px; }"
                       "QListWidget:focus { border: 2px solid palette(highlight); }"));
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (OnChoose) OnChoose();
    });
}

void TWorksheetPickList::SetNames(const QStringList& names) {
    clear();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, this);
        item->setToolTip(name);
    }
}

void TWorksheetPickList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool choose = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (choose && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && currentItem()) {
        event->accept();
        if (OnChoose) OnChoose();
        return;
    }
    QListWidget::keyPressEvent(event);
}
