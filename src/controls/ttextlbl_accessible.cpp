#include "controls/ttextlbl_accessible.h"

#include <QAccessibleWidget>

#include "controls/accessible_parts.h"
#include "controls/text_label_links.h"
#include "controls/ttextlbl.h"

namespace {

class LinkAccessible : public AccessiblePart<TTextLbl> {
public:
    LinkAccessible(TTextLbl* label, int ordinal) : AccessiblePart(label), ordinal_(ordinal) {}

    bool isValid() const override {
        return owner_ && ordinal_ < static_cast<int>(LabelLinks(owner_).size());
    }
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? LabelLinkText(owner_, ordinal_) : QString();
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = LabelLinkRect(owner_, ordinal_);
        return QRect(owner_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invalid = !isValid();
        if (s.invalid) return s;
        s.focusable = true;
        s.linked = true;
        s.focused = owner_->hasFocus() && FocusedLabelLink(owner_) == ordinal_;
        s.invisible = !owner_->isVisible();
        return s;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) FollowLabelLink(owner_.data(), ordinal_);
    }

private:
    int ordinal_;
};

class TextLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextLabelAccessible(TTextLbl* label)
        : QAccessibleWidget(label, QAccessible::StaticText),
          links_([label](int index) { return new LinkAccessible(label, index); }) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && Label()->accessibleName().isEmpty()) return Content();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(LabelLinks(Label()).size()); }
    QAccessibleInterface* child(int index) const override { return links_.At(index, childCount()); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return links_.IndexOf(child, childCount());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return links_.AtPoint(x, y, childCount());
    }

    // Text interface: the text as drawn, one line per shown source line.
    QString text(int start, int end) const override { return Content().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Content().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return cursor_; }
    void setCursorPosition(int position) override { cursor_ = position; }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    TTextLbl* Label() const { return static_cast<TTextLbl*>(widget()); }
    QString Content() const { return LabelReadableText(Label()); }

    mutable AccessiblePartList links_;
    int cursor_ = 0;
};

}  // namespace

QAccessibleInterface* TextLabelAccessibleFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<TTextLbl*>(object)) return new TextLabelAccessible(label);
    return nullptr;
}
