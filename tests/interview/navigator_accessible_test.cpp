// The navigator as a screen reader gets it: a list named "Navigator", one list item per entry
// with its caption, the entry of the current screen selected, and focus reported on the entry
// that has it, only while the list has the focus.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "base/module_state.h"
#include "interview/core/tcgtnavigatordata.h"
#include "interview/tnavigatorframe.h"
#include "interview/tnavigatortreeview.h"
#include "platform/accessibility_events.h"
#include "platform/qt_message_box.h"

namespace {

std::vector<std::pair<QAccessible::Event, int>>* events = nullptr;

void Record(QAccessibleEvent* event) {
    if (events) events->emplace_back(event->type(), event->child());
}

class NavigatorAccessibility : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        auto* layout = new QVBoxLayout(&window);
        field = new QLineEdit(&window);
        frame = new TNavigatorFrame(&window);
        layout->addWidget(field);
        layout->addWidget(frame);
        frame->Initialise(&TCGTNavigatorData::Instance());
        window.resize(180, 460);
        window.show();
        // Active, so that the list can hold the focus.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override {
        SetAccessibilityListener(nullptr);
        events = nullptr;
        ResetModuleState();
    }
    QAccessibleInterface* List() {
        return QAccessible::queryAccessibleInterface(frame->NavigatorTreeView());
    }
    std::vector<QString> SelectedEntries() {
        std::vector<QString> selected;
        for (int i = 0; i < List()->childCount(); ++i)
            if (List()->child(i)->state().selected)
                selected.push_back(List()->child(i)->text(QAccessible::Name));
        return selected;
    }

    QWidget window;
    QLineEdit* field = nullptr;
    TNavigatorFrame* frame = nullptr;
};

}  // namespace

TEST_F(NavigatorAccessibility, IsANamedListOfItemsWithTheirCaptions) {
    QAccessibleInterface* list = List();
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Navigator"));
    EXPECT_EQ(frame->TitlePanel()->buddy(), frame->NavigatorTreeView());
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    ASSERT_EQ(list->childCount(), data.TopicCount());
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* entry = list->child(i);
        EXPECT_EQ(entry->role(), QAccessible::ListItem);
        EXPECT_EQ(entry->text(QAccessible::Name), FromLatin1Text(data.Topic(i)->Caption()));
        EXPECT_EQ(list->indexOfChild(entry), i);
        EXPECT_EQ(entry->parent(), list);
    }
}

TEST_F(NavigatorAccessibility, TheEntryOfTheCurrentScreenIsTheOneSelected) {
    EXPECT_TRUE(SelectedEntries().empty());
    frame->SelectItemByScreenID(2009);
    EXPECT_EQ(SelectedEntries(), (std::vector<QString>{QStringLiteral("Shares")}));
    frame->SelectItemByScreenID(2103);
    EXPECT_EQ(SelectedEntries(), (std::vector<QString>{QStringLiteral("Application of choices")}));
    frame->SelectItemByScreenID(2125);
    EXPECT_EQ(SelectedEntries(), (std::vector<QString>{QStringLiteral("Unapplied losses")}));
}

TEST_F(NavigatorAccessibility, FocusIsReportedOnTheEntryOnlyWhileTheListHasIt) {
    events = new std::vector<std::pair<QAccessible::Event, int>>;
    std::unique_ptr<std::vector<std::pair<QAccessible::Event, int>>> owned(events);
    SetAccessibilityListener(Record);
    TNavigatorTreeView* tree = frame->NavigatorTreeView();
    tree->setFocus(Qt::TabFocusReason);
    tree->setCurrentItem(tree->topLevelItem(2));
    QTest::keyClick(tree, Qt::Key_Down);
    ASSERT_EQ(tree->currentItem(), tree->topLevelItem(3));
    // The event's child is the list row itself: no hidden header row is counted.
    int focusedChild = -1;
    for (const auto& [type, child] : *events)
        if (type == QAccessible::Focus) focusedChild = child;
    ASSERT_EQ(focusedChild, 3);
    EXPECT_EQ(List()->child(focusedChild)->text(QAccessible::Name), QStringLiteral("Shares"));
    EXPECT_TRUE(List()->child(3)->state().focused);

    field->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < List()->childCount(); ++i)
        EXPECT_FALSE(List()->child(i)->state().focused) << i;
}
