// Every asset path screen used with the keyboard alone: Tab from the Next button goes round
// every entry control of the screen (a table is left with Ctrl+Tab) and back, and each
// control it reaches has a name a screen reader can say.

#include <QAccessible>
#include <QRadioButton>
#include <set>

#include "asset_path_test_support.h"

namespace {

struct ScreenCase {
    int number, worksheet;
    const char* type;
};

bool IsEntryControl(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return !edit->isReadOnly() && !qobject_cast<TXGridInplaceEdit*>(edit);
    return qobject_cast<QComboBox*>(widget) || qobject_cast<TXGrid*>(widget) ||
           qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
}

// Tab stops at the chosen button of a group of radio buttons and the arrow keys move within
// it, so the group counts as reached when one of its buttons is.
bool Reached(const std::set<QWidget*>& reached, QWidget* widget) {
    if (reached.count(widget)) return true;
    if (!qobject_cast<QRadioButton*>(widget)) return false;
    for (QWidget* other : reached)
        if (qobject_cast<QRadioButton*>(other) && other->parentWidget() == widget->parentWidget())
            return true;
    return false;
}

// The grid a widget belongs to: the grid itself or its cell editor.
TXGrid* GridOf(QWidget* widget) {
    for (QWidget* up = widget; up; up = up->parentWidget())
        if (auto* grid = qobject_cast<TXGrid*>(up)) return grid;
    return nullptr;
}

}  // namespace

class AssetScreensKeyboard : public AssetPathTest,
                             public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(AssetScreensKeyboard, TabReachesEveryEntryControlAndEachHasAName) {
    const ScreenCase& screen = GetParam();
    AddItem(screen.worksheet, "Lot 7",
            {{714, screen.type}, {726, "01/01/2001"}, {739, "01/03/2006"}});
    StartOnItem(screen.worksheet, 1, screen.number);
    Settle();
    ASSERT_EQ(Shown(), screen.number);
    TChildForm* form = frame->CurrentScreen();

    std::set<QWidget*> reached;
    frame->BtnNext->setFocus(Qt::TabFocusReason);
    for (int presses = 0; presses < 100; ++presses) {
        QWidget* before = Focused();
        if (TXGrid* grid = GridOf(before)) {
            reached.insert(grid);
            Key(Qt::Key_Tab, Qt::ControlModifier);
            ASSERT_FALSE(GridOf(Focused())) << "Ctrl+Tab did not leave the table";
        } else {
            Key(Qt::Key_Tab);
        }
        Settle();
        ASSERT_EQ(responder->Count(), 0u) << responder->LastText();
        if (Focused() == frame->BtnNext) break;
        reached.insert(Focused());
    }
    ASSERT_EQ(Focused(), frame->BtnNext) << "Tab never came back to Next";

    int controls = 0;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!IsEntryControl(widget) || !widget->isVisibleTo(form) || !widget->isEnabled()) continue;
        ++controls;
        const std::string name = widget->objectName().toStdString();
        EXPECT_TRUE(Reached(reached, widget)) << name << " is not on the Tab chain";
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)
                         ->text(QAccessible::Name)
                         .trimmed()
                         .isEmpty())
            << name << " has no accessible name";
    }
    EXPECT_GT(controls, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryAssetScreen, AssetScreensKeyboard,
                         ::testing::Values(ScreenCase{2009, 451, "SA"}, ScreenCase{2010, 451, "SA"},
                                           ScreenCase{2011, 451, "SA"}, ScreenCase{2012, 451, "SA"},
                                           ScreenCase{2013, 451, "SA"}, ScreenCase{2014, 451, "SA"},
                                           ScreenCase{2025, 452, "UA"}, ScreenCase{2039, 454, "RA"},
                                           ScreenCase{2046, 458, "ON"}, ScreenCase{2069, 456, "G "},
                                           ScreenCase{2016, 451, "SA"},
                                           ScreenCase{2040, 454, "RA"}),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) {
                             return std::to_string(info.param.number);
                         });
