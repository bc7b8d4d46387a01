// The built library, loaded with dlopen and driven through its exports as a host does.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "base/module_state.h"
#include "loaded_module.h"
#include "module/core/host_arguments.h"
#include "orvana_cgt.h"
#include "store/data_file.h"
#include "temp_dir.h"

TEST(ModuleBoundary, ExportsTheFourEntryPointsAndNothingInternal) {
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    EXPECT_NE(module.run, nullptr);
    EXPECT_NE(module.freeResources, nullptr);
    EXPECT_NE(module.checkVersion, nullptr);
    EXPECT_NE(module.failedScreen, nullptr);
    EXPECT_EQ(
        module.Symbol("_Z10SetFieldStriRKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"),
        nullptr);
    EXPECT_EQ(module.Symbol("_Z5Statev"), nullptr);
}

TEST(ModuleBoundary, CheckVersionAnswersByTheLow16Bits) {
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    EXPECT_EQ(module.checkVersion(1), 0);
    EXPECT_EQ(module.checkVersion(2), -1);
    EXPECT_EQ(module.checkVersion(0), 1);
    EXPECT_EQ(module.checkVersion(65537), 0);
    EXPECT_EQ(module.checkVersion(65535), 1);
}

TEST(ModuleBoundary, RunThenFreeReleasesWithResultOne) {
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    EXPECT_EQ(module.failedScreen(), 0);
    TempDir dir;
    const auto file = ToShortString(dir.File("RETURN.TAX"));
    const auto tfn = ToShortString("123 456 782");
    const auto commandLine = ToShortString("orvana-host");
    module.run(nullptr, nullptr, file.c_str(), tfn.c_str(), commandLine.c_str(), 2004, 10, 10, 800,
               600, 0, 0);
    EXPECT_EQ(module.freeResources(), 1);

    // The return was saved: this process's own core reads it back with the identifier.
    ResetModuleState();
    AllocateFieldStore();
    State().IdentifierText = "123 456 782";
    EXPECT_EQ(OpenDataFile(dir.File("RETURN.TAX")), OpenReadCompletely);
    EXPECT_EQ(GetFieldStr(1), "123 456 782");
    ResetModuleState();
}

TEST(ModuleBoundary, FreeGivesZeroWhenTheReturnCannotBeSaved) {
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    TempDir dir;
    const auto file = ToShortString(dir.File("NO-SUCH-FOLDER/RETURN.TAX"));
    const auto tfn = ToShortString("123 456 782");
    const auto commandLine = ToShortString("orvana-host");
    module.run(nullptr, nullptr, file.c_str(), tfn.c_str(), commandLine.c_str(), 2004, 10, 10, 800,
               600, 0, 0);
    EXPECT_EQ(module.freeResources(), 0);
}
