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
#include "module_session.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "temp_dir.h"

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
