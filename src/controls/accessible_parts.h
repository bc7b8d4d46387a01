#pragma once
// Accessible objects for the parts of a widget that are no widgets themselves (the links of a
// text label, the entries of the navigator): what every such part answers alike, and the list
// of parts a widget's own accessible object keeps.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

// A part of `Owner` that can be pressed; it has no children and no object of its own.
template <typename Owner>
class AccessiblePart : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit AccessiblePart(Owner* owner) : owner_(owner) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return owner_ ? QAccessible::queryAccessibleInterface(owner_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }

protected:
    QPointer<Owner> owner_;
};

// The parts a widget's accessible object hands out, created when first asked for and
// registered with Qt, released with the list.
class AccessiblePartList {
public:
    using Make = std::function<QAccessibleInterface*(int index)>;
    explicit AccessiblePartList(Make make) : make_(std::move(make)) {}
    ~AccessiblePartList() {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }
    AccessiblePartList(const AccessiblePartList&) = delete;
    AccessiblePartList& operator=(const AccessiblePartList&) = delete;

    // The part at `index` of `count` parts, or null outside them.
    QAccessibleInterface* At(int index, int count) {
        if (index < 0 || index >= count) return nullptr;
        while (static_cast<int>(ids_.size()) <= index)
            ids_.push_back(
                QAccessible::registerAccessibleInterface(make_(static_cast<int>(ids_.size()))));
        return QAccessible::accessibleInterface(ids_[static_cast<size_t>(index)]);
    }
    int IndexOf(const QAccessibleInterface* part, int count) const {
        for (size_t i = 0; i < ids_.size() && static_cast<int>(i) < count; ++i)
            if (QAccessible::accessibleInterface(ids_[i]) == part) return static_cast<int>(i);
        return -1;
    }
    // The part whose rectangle holds the screen point.
    QAccessibleInterface* AtPoint(int x, int y, int count) {
        for (int i = 0; i < count; ++i)
            if (QAccessibleInterface* part = At(i, count); part && part->rect().contains(x, y))
                return part;
        return nullptr;
    }

private:
    Make make_;
    std::vector<QAccessible::Id> ids_;
};
