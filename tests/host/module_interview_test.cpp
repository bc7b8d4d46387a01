// The module run as a host runs it: loaded with dlopen, started on a data file, a few screens
// walked with real clicks and keys, then released. The file must then hold what was typed,
// also on the screen that was still open.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "base/module_state.h"
#include "gui_test_util.h"
#include "loaded_module.h"
#include "module/core/host_arguments.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "temp_dir.h"

namespace {

constexpr const char* Tfn = "123 456 782";

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

QWidget* ModuleWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("MainForm") && widget->isVisible()) return widget;
    return nullptr;
}

QString ScreenId(QWidget* window) {
    auto* label = window->findChild<QLabel*>(QStringLiteral("ScreenIdLabel"));
    return label ? label->text() : QString();
}

void Press(QWidget* window, const char* button) {
    auto* target = window->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(target, nullptr) << button;
    ASSERT_FALSE(target->isHidden()) << button;
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

// RunCGTModule on a file, as a host calls it, at an 800 x 600 placement.
void RunModule(const LoadedModule& module, Host& host, const std::string& file, int32_t start) {
    const auto name = ToShortString(file);
    const auto tfn = ToShortString(Tfn);
    const auto commandLine = ToShortString("host");
    module.run(nullptr, &host, name.c_str(), tfn.c_str(), commandLine.c_str(), start, 0, 0, 800,
               600, 0, 0);
}

// The module's window, shown and active.
QWidget* ActiveModuleWindow() {
    QWidget* window = ModuleWindow();
    if (!window) return nullptr;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

}  // namespace

TEST(ModuleInterview, WhatWasTypedReachesTheFileThroughFreeDLLResources) {
    TempDir dir;
    const std::string file = dir.File("SMITH.TAX");
    {
        ResetModuleState();
        AllocateFieldStore();
        SetFieldStr(1, Tfn);
        SetFieldStr(397, "Jo Smith");
        ASSERT_EQ(SaveDataFile(file), 0);
        ResetModuleState();
    }

    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    Host host;
    RunModule(module, host, file, 2004);
    QWidget* window = ActiveModuleWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_NE(window->windowTitle().indexOf(QStringLiteral("SMITH.TAX")), -1);
    EXPECT_EQ(ScreenId(window), "Screen 2004");

    Press(window, "BtnNext");
    EXPECT_EQ(ScreenId(window), "Screen 2125");
    Press(window, "BtnYes");
    EXPECT_EQ(ScreenId(window), "Screen 2005");
    auto* collectables = window->findChild<QLineEdit*>(QStringLiteral("ProceedsEdit"));
    ASSERT_NE(collectables, nullptr);
    collectables->setFocus();
    QTest::keyClicks(collectables, "1500");
    // The host ends the module while the screen is still open and the field still focused.
    EXPECT_EQ(module.failedScreen(), 0);
    EXPECT_EQ(module.freeResources(), 1);
    EXPECT_EQ(host.lastMessage, 0);

    SavedReturn saved(file);
    ASSERT_EQ(saved.result, OpenReadCompletely);
    EXPECT_EQ(GetFieldStr(397), "Jo Smith");
    EXPECT_EQ(GetFieldVal(920), 1500);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2004, 2125, 2005}));
}

TEST(ModuleInterview, TheCloseButtonTellsTheHost) {
    TempDir dir;
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    Host host;
    RunModule(module, host, dir.File("NEW.TAX"), 2004);
    QWidget* window = ActiveModuleWindow();
    ASSERT_NE(window, nullptr);
    Press(window, "BtnCancel");
    ASSERT_TRUE(WaitUntil([&] { return host.lastMessage != 0; }));
    EXPECT_EQ(host.lastMessage, ORVANA_MSG_MODULE_CLOSED);
    EXPECT_EQ(module.freeResources(), 1);
}

TEST(ModuleInterview, AStartScreenWithoutAScreenEndsTheInterviewAtOnce) {
    TempDir dir;
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    Host host;
    RunModule(module, host, dir.File("NEW.TAX"), 2201);
    ASSERT_TRUE(WaitUntil([&] { return host.lastMessage != 0; }));
    EXPECT_EQ(host.lastMessage, ORVANA_MSG_INTERVIEW_FINISHED);
    EXPECT_EQ(module.failedScreen(), 2201);
    EXPECT_EQ(module.freeResources(), 1);
}
