#pragma once
// A module session as a host runs it: the posted messages received, the module's window,
// its buttons pressed with the mouse, and the saved file read back with the core.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <string>

#include "base/module_state.h"
#include "gui_test_util.h"
#include "loaded_module.h"
#include "module/core/host_arguments.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

inline constexpr const char* Tfn = "123 456 782";

// Receives the module's posted messages.
class Host : public QObject {
public:
    int lastMessage = 0;

protected:
    bool event(QEvent* event) override {
        const int type = static_cast<int>(event->type());
        if (type == ORVANA_MSG_INTERVIEW_FINISHED || type == ORVANA_MSG_MODULE_CLOSED) {
            lastMessage = type;
            return true;
        }
        return QObject::event(event);
    }
};

inline QWidget* ModuleWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("MainForm") && widget->isVisible()) return widget;
    return nullptr;
}

inline QString ScreenId(QWidget* window) {
    auto* label = window->findChild<QLabel*>(QStringLiteral("ScreenIdLabel"));
    return label ? label->text() : QString();
}

inline void Press(QWidget* window, const char* button) {
    auto* target = window->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(target, nullptr) << button;
    ASSERT_FALSE(target->isHidden()) << button;
    // The offscreen platform does not give the window its activation back after a modal
    // window closed; a button takes the focus before it acts.
    if (!window->isActiveWindow()) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << button;
    }
    QTest::mouseClick(target, Qt::LeftButton);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// What a saved file holds, read with the core in this test's own store.
struct SavedReturn {
    explicit SavedReturn(const std::string& file) {
        ResetModuleState();
        AllocateFieldStore();
        State().IdentifierText = Tfn;
        result = OpenDataFile(file);
    }
    ~SavedReturn() { ResetModuleState(); }
    int result = 0;
};

// A field of item `key` of worksheet k as the saved file holds it; a table's cells are
// joined with "|".
inline std::string ItemField(int k, int field, int key = 1) {
    if (const ItemList* list = WorksheetItems(k, false))
        for (const WorksheetItem& record : *list)
            if (record.ItemKey == key && record.field == field) {
                if (record.slot.type != dtList || !record.slot.list)
                    return FieldSlotText(record.slot);
                std::string cells;
                const char* between = "";
                for (const std::string& cell : *record.slot.list) {
                    cells += between + cell;
                    between = "|";
                }
                return cells;
            }
    return {};
}

// RunCGTModule on a file, as a host calls it, at an 800 x 600 placement.
inline void RunModule(const LoadedModule& module, Host& host, const std::string& file,
                      int32_t start) {
    const auto name = ToShortString(file);
    const auto tfn = ToShortString(Tfn);
    const auto commandLine = ToShortString("host");
    module.run(nullptr, &host, name.c_str(), tfn.c_str(), commandLine.c_str(), start, 0, 0, 800,
               600, 0, 0);
}

// The module's window, shown and active.
inline QWidget* ActiveModuleWindow() {
    QWidget* window = ModuleWindow();
    if (!window) return nullptr;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}
