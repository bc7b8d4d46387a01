#include "interview/navigator_accessible.h"

#include <QAccessibleWidget>

#include "controls/accessible_parts.h"
#include "interview/core/tnavigatoritem.h"
#include "interview/tnavigatortreeview.h"
#include "platform/qt_message_box.h"

namespace {

class EntryAccessible : public AccessiblePart<TNavigatorTreeView> {
public:
    EntryAccessible(TNavigatorTreeView* tree, int row) : AccessiblePart(tree), row_(row) {}

    bool isValid() const override { return Node() != nullptr; }
    QString text(QAccessible::Text t) const override {
        const TNavigatorItem* entry = TNavigatorTreeView::EntryOf(Node());
        return entry && t == QAccessible::Name ? FromLatin1Text(entry->Caption()) : QString();
    }
    QRect rect() const override {
        QTreeWidgetItem* node = Node();
        if (!node) return {};
        const QRect local = owner_->visualItemRect(node);
        return QRect(owner_->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        QTreeWidgetItem* node = Node();
        s.invalid = node == nullptr;
        if (s.invalid) return s;
        const TNavigatorItem* entry = TNavigatorTreeView::EntryOf(node);
        s.selectable = true;
        s.focusable = true;
        s.selected = entry && entry->Selected();
        // Focused only while the list itself has the focus.
        s.focused = owner_->hasFocus() && owner_->currentItem() == node;
        s.invisible = !owner_->isVisible();
        return s;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && Node()) emit owner_->ChooseRequested(Node());
    }

private:
    QTreeWidgetItem* Node() const {
        if (!owner_) return nullptr;
        const QList<QTreeWidgetItem*> rows = owner_->VisibleNodes();
        return row_ < rows.size() ? rows[row_] : nullptr;
    }

    int row_;
};

class NavigatorAccessible : public QAccessibleWidget {
public:
    explicit NavigatorAccessible(TNavigatorTreeView* tree)
        : QAccessibleWidget(tree, QAccessible::List),
          entries_([tree](int row) { return new EntryAccessible(tree, row); }) {}

    int childCount() const override { return static_cast<int>(Tree()->VisibleNodes().size()); }
    QAccessibleInterface* child(int index) const override {
        return entries_.At(index, childCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return entries_.IndexOf(child, childCount());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return entries_.AtPoint(x, y, childCount());
    }

private:
    TNavigatorTreeView* Tree() const { return static_cast<TNavigatorTreeView*>(widget()); }
    mutable AccessiblePartList entries_;
};

}  // namespace

QAccessibleInterface* NavigatorAccessibleFactory(const QString&, QObject* object) {
    if (auto* tree = qobject_cast<TNavigatorTreeView*>(object))
        return new NavigatorAccessible(tree);
    return nullptr;
}
